// zemtar-cli settings: every setting that has an editor, as text, and changes to them.
#include "CliCommon.h"

#include "editors/ProductInfo.h"
#include "editors/SettingsText.h"
#include "image/AtomicFile.h"
#include "image/DataFile.h"
#include "shell/CIniFile.h"

#include <QFile>
#include <QStringDecoder>

#include <cstdio>

namespace zemtar::cli {

namespace {

constexpr qint64 kMaxSettingsText = 1 << 20; // far more than every setting takes

// Reads the text to apply from a file or, for "-", standard input; nullopt after a message.
std::optional<QString> readText(const QString& path, int& rc)
{
    const auto raw = readInput(path, kMaxSettingsText, rc);
    if (!raw)
        return std::nullopt;
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(*raw);
    if (utf8.hasError()) {
        err(QStringLiteral("%1: the settings text is not UTF-8").arg(inputName(path)));
        rc = InvalidData;
        return std::nullopt;
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

} // namespace

int cmdSettings(const Args& a)
{
    Language lang = Language::English;
    if (auto rc = languageOption(a, QStringLiteral("settings"), lang))
        return *rc;
    const QString datPath = a.positional[0];
    auto loaded = loadDataFile(datPath);
    if (!loaded)
        return FileError;
    RadioImage& img = *loaded;
    QString error;
    const QStringList models = productinfo::modelNames(setupIni());

    QList<editors::SettingAssignment> assignments;
    QStringList problems;
    int setCount = 0;
    bool changing = false;
    for (const auto& [name, value] : a.values) {
        if (name == QStringLiteral("apply")) {
            changing = true;
            int rc = Ok;
            const auto text = readText(value, rc);
            if (!text)
                return rc;
            assignments += editors::parseSettingsText(*text, &problems);
        } else if (name == QStringLiteral("set")) {
            changing = true;
            const QString where = QStringLiteral("--set %1").arg(++setCount);
            if (const auto s = editors::parseSettingOption(value, where))
                assignments << *s;
            else
                problems << QStringLiteral("%1: \"%2\" is not Section/Label=Value").arg(where, value);
        }
    }
    if (!changing) {
        if (a.has(QStringLiteral("dry-run")))
            return usageError(QStringLiteral("settings"), QStringLiteral("--dry-run goes with --apply or --set"));
        out(editors::printSettings(img, lang, models));
        return Ok;
    }
    const RadioImage before = img;
    const editors::SettingsChange change = editors::applySettings(img, assignments, models);
    problems += change.problems;
    if (!problems.isEmpty()) {
        printProblems(problems);
        err(QStringLiteral("%1 was not changed.").arg(datPath));
        return InvalidData;
    }
    for (const QString& n : change.notes)
        err(n);
    const bool dry = a.has(QStringLiteral("dry-run"));
    for (const QString& c : change.changes)
        err(c);
    if (img == before) {
        err(QStringLiteral("%1: nothing to change.").arg(datPath));
        return Ok;
    }
    if (dry) {
        err(QStringLiteral("%1 was not changed (--dry-run).").arg(datPath));
        return Ok;
    }
    if (!DataFile::save(datPath, img, &error)) {
        err(error);
        return FileError;
    }
    err(QStringLiteral("%1: %2 setting(s) changed.").arg(datPath).arg(change.changes.size()));
    return Ok;
}

const Command settingsCommand{"settings",
                              "settings FILE.dat [--apply TEXT|--set S=V]",
                              "print or change the settings as text",
                              "Usage: zemtar-cli settings FILE.dat [--language English|Chinese]\n"
                              "       zemtar-cli settings FILE.dat --apply TEXT|- [--dry-run]\n"
                              "       zemtar-cli settings FILE.dat --set \"Section/Label=Value\" ... [--dry-run]\n"
                              "Prints every setting of the data file that has an editor, one [Section] per\n"
                              "dialog page and one Label=Value line per field, the values as the dialogs show\n"
                              "them (in the chosen language). --apply takes such a text (a file, or - for\n"
                              "standard input) and --set single values: sections and labels that are not given\n"
                              "stay as they are, a value equal to what is printed now keeps its bytes, any other\n"
                              "is checked and stored as its dialog would. Values are accepted in either language.\n"
                              "On any problem each is named and the file is not changed (exit status 2).\n"
                              "--dry-run says what would change without writing.\n",
                              {QStringLiteral("language"), QStringLiteral("apply"), QStringLiteral("set")},
                              {QStringLiteral("dry-run")},
                              {},
                              1,
                              "expected one data file",
                              cmdSettings};

} // namespace zemtar::cli
