// Loads arbitrary bytes as a radio image, fills the channel table in both languages,
// stores it back, and dumps and re-imports it: nothing may crash, and an unedited
// import must not change the image.
#include "channels/ChannelTable.h"
#include "channels/TableText.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace zemtar;
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (bytes.size() < 6144)
        bytes.append(QByteArray(6144 - bytes.size(), '\xFF'));
    RadioImage img;
    if (!img.assign(bytes))
        std::abort();
    // One language a run keeps the runs quick; the first byte picks it.
    for (Language lang : {size > 0 && (data[0] & 1) ? Language::Chinese : Language::English}) {
        ChannelTable table;
        table.fillFromImage(img, lang);
        const QString text = tabletext::dump(table, lang, tabletext::Format::Csv);
        RadioImage imported = img;
        const auto r = tabletext::importInto(imported, text);
        if (!r.ok() || !(imported == img))
            std::abort();
        RadioImage stored = img;
        table.storeIntoImage(stored);
    }
    return 0;
}
