// Feeds arbitrary text to the channel-table import and to the paste checks: nothing may
// crash, and a refused import must leave the image untouched.
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
    return 0;
}
