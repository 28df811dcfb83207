#pragma once
// One setting the user sees, declared once and walked by everything that shows or changes
// it: the dialogs, the settings text, the printed report. A field knows its key (section and
// English label), its Chinese label, its kind, how it reads itself from the image as the
// dialog shows it, how it writes itself back (touching only its own bytes and bits), the
// items of its list, how a typed value is normalised and stepped, which characters it takes
// and its help context.
#include "image/Language.h"
#include "image/RadioImage.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace zemtar::fields {

enum class Kind { List, Check, Number, Text };

// What a field needs beyond the image to show itself: the language of its texts.
struct Context {
    Language lang = Language::English;
};

struct Field {
    QString section; // section of the settings text, e.g. "Optional Features"
    QString key;     // the English label, the key of the settings text
    QString labelZh; // the Chinese label (empty: the English one)
    Kind kind = Kind::Text;
    int help = 0;      // help context: the control identifier
    int maxLength = 0; // characters a text or number box takes (0: no limit)
    bool upperCase = false;

    // The text as the dialog shows it.
    std::function<QString(const RadioImage&, const Context&)> read;
    // List fields: the items in a language; write takes the index of the chosen item.
    std::function<QStringList(const Context&)> items;
    std::function<void(RadioImage&, int index)> writeIndex;
    // Check boxes.
    std::function<void(RadioImage&, bool on)> writeCheck;
    // Numbers and texts: write takes the normalised text.
    std::function<void(RadioImage&, const QString& text)> writeText;
    // Bytes the radio needs that follow from the field's value (period counts, copies in
    // other units), written from the normalised text whenever anything on the page is
    // stored, so that they always match the values.
    std::function<void(RadioImage&, const QString& text)> derive;
    // Numbers: the value a typed text becomes when the field is left, and a spin step.
    std::function<QString(const QString&)> normalise;
    std::function<QString(const QString&, int delta)> spin;
    // The characters the key filter lets through; `page` holds the texts of the page, for
    // filters that depend on another field. Empty: any character.
    std::function<bool(QChar c, const QStringList& page)> accepts;
    // Whole-value check beyond the characters (a band whose high edge is below its low
    // edge); returns the reason a value is refused.
    std::function<std::optional<QString>(const QString&, const Context&)> refuse;
    // Whether the field can be edited, given the page's texts (Stun Activation enables the
    // stun fields). Empty: always.
    std::function<bool(const QStringList& page)> enabled;
    // What choosing a new text does to the other texts of the page in the dialog (a new PTT
    // ID type empties the PTT ID texts). Not applied by the settings text.
    std::function<void(const QString& before, QStringList& page)> changed;
    // The text the printed report shows, where it differs from the dialog's.
    std::function<QString(const QString& shown, const Context&)> printText;
    // The label the printed report gives the field ("Back Light:" / "背光灯:" where the dialog
    // says "Back Light" / "背光"); empty: the dialog's label and a colon.
    QString printLabelEn, printLabelZh;

    // The English label where it differs from the key (the key stays what stored settings
    // texts name the field by).
    QString labelEn;

    QString label(Language lang) const
    {
        if (lang == Language::Chinese && !labelZh.isEmpty())
            return labelZh;
        return labelEn.isEmpty() ? key : labelEn;
    }
    QString printLabel(Language lang) const
    {
        const QString& own = lang == Language::Chinese ? printLabelZh : printLabelEn;
        return own.isEmpty() ? label(lang) + QLatin1Char(':') : own;
    }
    // Sets the report's label.
    void printAs(const char* en, const char* zh)
    {
        printLabelEn = QString::fromUtf8(en);
        printLabelZh = QString::fromUtf8(zh);
    }
    // "Section/Label", as the settings text and the units table name it.
    QString path() const { return section + QLatin1Char('/') + key; }
};

// The texts of check boxes in the settings text and the report.
QString checkText(bool on, Language lang);
// True / false for "On"/"开" and "Off"/"关" ("on", "OFF" too); nullopt for any other text.
std::optional<bool> parseCheck(const QString& text);

// The item of a list a typed text names, or -1. Exact texts first; a text in another case
// names the one item it equals ignoring case ("low" is Low, "carrier only" is Carrier Only), and
// nothing where two items differ from it only in case (in a list of "a" and "A", "a" is "a").
// `cs` alone: only that comparison.
int matchItem(const QStringList& items, const QString& text);
int matchItem(const QStringList& items, const QString& text, Qt::CaseSensitivity cs);

// Decimal number of the leading digits (a leading "-" counts), 0 when there are none, as
// the dialogs convert their texts.
long leadingNumber(const QString& text);

// A decimal number given as text, in units of 10^-decimals, truncated: "0.125" with two
// decimals is 12. Leading blanks are skipped, the number ends at the first character that
// cannot continue it, and a text without a number is 0.
long parseFixed(const QString& text, int decimals);
// v units of 10^-decimals as text with that many decimals: 12 with two decimals is "0.12".
QString formatFixed(long v, int decimals);

// ---- Builders of the common kinds ----

// A list of items on bits hi..lo of one byte: the value v shows item show(v) (clamped into
// the list), and item i stores value store(i). Without functions, value = index.
Field listOnBits(QString section, QString key, QString zh, int help, std::size_t offset, int hi, int lo, QStringList en,
                 QStringList zhItems, std::function<int(unsigned)> show = {}, std::function<unsigned(int)> store = {});
// A check box on one bit; `inverted`: the box is ticked when the bit is clear.
Field checkOnBit(QString section, QString key, QString zh, int help, std::size_t offset, int bit,
                 bool inverted = false);
// A text of at most `length` bytes, 0xFF padded, read up to the first 0xFF (or 0x00 when
// `zeroEnds`).
Field paddedText(QString section, QString key, QString zh, int help, std::size_t offset, int length, bool upperCase,
                 std::function<bool(QChar, const QStringList&)> accepts, bool zeroEnds = false);

// ---- Character predicates of the key filters ----
bool isDigit(QChar c);
bool isHexDigit(QChar c); // 0-9, A-F
bool isDtmfChar(QChar c); // 0-9, A-D, "*", "#"

} // namespace zemtar::fields
