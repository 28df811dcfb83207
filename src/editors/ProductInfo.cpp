#include "ProductInfo.h"

#include "shell/CIniFile.h"
#include "shell/Messages.h"

namespace zemtar::productinfo {

QStringList modelNames(const CIniFile& setup)
{
    QStringList names;
    for (int i = 1; i <= kMaxModels; ++i) {
        const QString name = setup.GetValue(QStringLiteral("Setup"), QStringLiteral("Type%1").arg(i));
        if (name.isEmpty())
            break;
        names << name;
    }
    return names;
}

QString modelName(const CIniFile& setup, int type)
{
    if (type < 0 || type >= kMaxModels + 1)
        return {};
    return setup.GetValue(QStringLiteral("Setup"), QStringLiteral("Type%1").arg(type + 1));
}

Fields load(const RadioImage& img, const QStringList& models, std::optional<int> persistedType)
{
    Fields f;
    f.models = models;
    const int imageType = img.at(map::kRadioType.offset);
    f.selected = imageType < models.size() ? imageType : -1;
    if (persistedType && *persistedType >= 0 && *persistedType < models.size())
        f.selected = *persistedType;
    const Band b = band::read(img);
    f.lowMHz = b.lowMHz;
    f.highMHz = b.highMHz;
    return f;
}

std::optional<QString> store(RadioImage& img, const Fields& f, Language lang)
{
    if (f.highMHz < f.lowMHz)
        return msg::frequencyInputError(lang);
    img.set(map::kRadioType.offset, f.selected < 0 ? 0xFF : std::uint8_t(f.selected));
    band::write(img, Band{f.lowMHz, f.highMHz});
    return std::nullopt;
}

} // namespace zemtar::productinfo
