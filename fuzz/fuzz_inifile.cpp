// Feeds arbitrary bytes to the settings file reader and exercises every lookup.
#include "shell/CIniFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    zemtar::CIniFile ini;
    ini.Parse(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const QStringList sections = ini.SectionNames();
    for (const QString& s : sections) {
        for (const QString& k : ini.Keys(s)) {
            (void)ini.GetValue(s, k, QStringLiteral(" d "));
            (void)ini.GetValueItem(s, k, 1, u',');
        }
    }
    (void)ini.GetValue(QStringLiteral("Setup"), QStringLiteral("Language"));
    if (!sections.isEmpty()) {
        ini.RemoveKey(sections.front(), QStringLiteral("Language"));
        ini.RemoveSection(sections.back());
    }
    return 0;
}
