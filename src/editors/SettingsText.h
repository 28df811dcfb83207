#pragma once
// Every setting that has an editor as INI-style text: printed as the dialogs show the values,
// and applied back as the dialogs take typed or chosen values.
#include "fields/Page.h"

#include <QList>

namespace zemtar::editors {

// The pages of the settings text, in its order of sections.
std::vector<fields::Page> settingsPages(const QStringList& models);

// "[Section]" blocks of "Label=Value" lines, UTF-8 text with "\n" line ends.
QString printSettings(const RadioImage& img, Language lang, const QStringList& models);

// A value as the settings text writes it: in double quotes, with \" \\ and \xNN escapes, when it
// has blanks at either end, a quote or a control character (a CR or LF among them); else as it is.
QString quotedValue(const QString& value);

// One "Section/Label=Value" given to change a setting; `where` names it in a problem
// ("line 12", "--set 2").
struct SettingAssignment {
    QString where;
    QString section;
    QString key;
    QString value;
};

struct SettingsChange {
    QStringList problems; // "line N: Section/Label: reason"; the image is unchanged when any
    QStringList changes;  // "Section/Label: old -> new", one per field that changes
    QStringList notes;    // "Section/Label: "12" is taken as "10"" where a value was normalised
};

// Parses the settings text: sections and "Label = Value" lines (blanks around "=" trimmed,
// values in double quotes keep theirs and unescape \" \\ \xNN); lines beginning with ";" are
// comments. Malformed lines land in `problems`.
QList<SettingAssignment> parseSettingsText(const QString& text, QStringList* problems);
// "Section/Label=Value" of a --set option.
std::optional<SettingAssignment> parseSettingOption(const QString& option, const QString& where);

// Applies the assignments to the image: a value equal to what printing shows now (in either
// language) keeps its bytes; any other is checked as its dialog checks it and stored as its
// dialog stores it. On any problem the image is left as it was.
SettingsChange applySettings(RadioImage& img, const QList<SettingAssignment>& assignments, const QStringList& models);

} // namespace zemtar::editors
