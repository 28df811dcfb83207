#include "ProductInfo.h"

#include "Settings.h"
#include "shell/CIniFile.h"

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

// The dialog's boxes are the fields of the Product Information page: the model list shows
// the Type field, the two band edges the Field field ("low-high").
Fields load(const RadioImage& img, const QStringList& models, std::optional<int> persistedType)
{
    const fields::Page page = editors::productInfoPage(models);
    const QStringList texts = page.load(img, {});
    Fields f;
    f.models = models;
    f.selected = int(models.indexOf(texts[editors::pi::Type]));
    if (persistedType && *persistedType >= 0 && *persistedType < models.size())
        f.selected = *persistedType;
    const QStringList edges = texts[editors::pi::Band].split(QLatin1Char('-'));
    f.lowMHz = edges.value(0).toInt();
    f.highMHz = edges.value(1).toInt();
    return f;
}

std::optional<QString> store(RadioImage& img, const Fields& f, Language lang)
{
    const fields::Page page = editors::productInfoPage(f.models);
    const fields::Context ctx{lang};
    // A model by its name, unless the name stands for another entry (a repeated name or a
    // name that is a number); no model at all is radio type 0xFF.
    const QString name = f.models.value(f.selected);
    const QString type = f.selected < 0                         ? QStringLiteral("255")
                         : f.models.indexOf(name) == f.selected ? name
                                                                : QString::number(f.selected);
    const QString band = QStringLiteral("%1-%2").arg(f.lowMHz).arg(f.highMHz);
    for (const auto& [i, text] : {std::pair{int(editors::pi::Type), type}, std::pair{int(editors::pi::Band), band}})
        if (const auto& refuse = page.field(i).refuse)
            if (const std::optional<QString> why = refuse(text, ctx))
                return why;
    page.storeField(editors::pi::Type, img, type);
    page.storeField(editors::pi::Band, img, band);
    return std::nullopt;
}

} // namespace zemtar::productinfo
