// Two ways into the settings text. Arbitrary text applied to an image must crash nothing,
// and a refused text must leave the image untouched. An arbitrary image printed and applied
// back unedited, in either language, must not change a byte.
#include "editors/SettingsText.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace zemtar;
    const QStringList models = {QStringLiteral("ZR-530V"), QStringLiteral("ZR-530U")};
    // As text.
    {
        const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
        RadioImage img = RadioImage::newDocument();
        const RadioImage before = img;
        QStringList problems;
        const auto assignments = editors::parseSettingsText(text, &problems);
        const auto change = editors::applySettings(img, assignments, models);
        if (!change.problems.isEmpty() && !(img == before))
            std::abort();
    }
    // As image bytes.
    {
        RadioImage img = RadioImage::newDocument();
        std::memcpy(img.bytes().data(), data, std::min(size, RadioImage::kSize));
        const RadioImage before = img;
        for (Language lang : {Language::English, Language::Chinese}) {
            QStringList problems;
            const auto assignments = editors::parseSettingsText(editors::printSettings(img, lang, models), &problems);
            const auto change = editors::applySettings(img, assignments, models);
            if (!problems.isEmpty() || !change.problems.isEmpty() || !(img == before))
                std::abort();
        }
    }
    return 0;
}
