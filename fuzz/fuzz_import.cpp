// Feeds arbitrary text to the channel-table import, to the paste checks and to the CSV channel
// list: nothing may crash, a refused import must leave the image untouched, a CSV import changes
// only channel records, and what it stored exports and reads back the same.
#include "channels/CsvPlan.h"
#include "channels/TableText.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace zemtar;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    RadioImage img = RadioImage::newDocument();
    completeNewDocument(img, 0);
    const RadioImage before = img;
    const auto r = tabletext::importInto(img, text);
    if (!r.ok() && !(img == before))
        std::abort();
    for (const tabletext::Line& line : tabletext::parse(text))
        (void)tabletext::checkRow(line.fields, BandLimits::of({144, 145}));

    for (bool renumber : {false, true}) {
        RadioImage listed = before;
        const csvplan::Plan plan = csvplan::parse(text, listed, {renumber, 1});
        csvplan::apply(listed, plan.edits);
        for (std::size_t i = map::kChannels.size; i < RadioImage::kSize; ++i)
            if (listed.at(i) != before.at(i))
                std::abort();
        const QString exported = csvplan::exportText(listed);
        RadioImage again = before;
        const csvplan::Plan back = csvplan::parse(exported, again);
        if (!back.problems.isEmpty())
            std::abort();
        csvplan::apply(again, back.edits);
        if (csvplan::exportText(again) != exported)
            std::abort();
    }
    return 0;
}
