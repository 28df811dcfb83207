#pragma once
// The Product Information editor: which radio model the image is for and the band it covers,
// as the dialog's boxes show them. The fields themselves are the Product Information page's
// (editors/Settings.h); these functions put them into the dialog's shape.
#include "image/Encodings.h"
#include "image/Language.h"
#include "image/RadioImage.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace zemtar {

class CIniFile;

namespace productinfo {

inline constexpr int kMaxModels = 19;

// "Type1".."Type19" of [Setup], up to the first empty one.
QStringList modelNames(const CIniFile& setup);
// The model name of a radio type, or "" when the list has no such entry.
QString modelName(const CIniFile& setup, int type);

struct Fields {
    QStringList models;
    int selected = -1; // -1: nothing selected
    int lowMHz = 0;
    int highMHz = 0;
};

// The dialog's fields: the image's radio type and band, with the persisted radio type
// choosing the model when it names an entry of the list.
Fields load(const RadioImage& img, const QStringList& models, std::optional<int> persistedType);

// Stores the fields, or returns the message that refuses them (high below low).
std::optional<QString> store(RadioImage& img, const Fields& fields, Language lang);

} // namespace productinfo
} // namespace zemtar
