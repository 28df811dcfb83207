// zemtar-cli diff and text: two data files compared, and a data file as one stable text.
#include "ChannelListCommands.h"
#include "CliCommon.h"

#include "channels/ChannelTable.h"
#include "editors/ProductInfo.h"
#include "editors/SettingsText.h"
#include "fleet/Verify.h"
#include "image/DataFile.h"
#include "shell/CIniFile.h"

#include <QFileInfo>

namespace zemtar::cli {

namespace {

std::optional<int> load(const QString& path, RadioImage& img)
{
    QString error;
    if (DataFile::load(path, img, &error))
        return std::nullopt;
    err(error);
    return FileError;
}

} // namespace

int cmdDiff(const Args& a)
{
    Language lang = Language::English;
    if (auto rc = languageOption(a, a.command, lang))
        return *rc;
    RadioImage first, second;
    for (auto [path, img] : {std::pair{a.positional[0], &first}, std::pair{a.positional[1], &second}})
        if (auto rc = load(path, *img))
            return *rc;
    const QString firstName = QFileInfo(a.positional[0]).fileName(), secondName = QFileInfo(a.positional[1]).fileName();
    const bool sameNames = firstName == secondName;
    const fleet::Sides sides{sameNames ? a.positional[0] : firstName, sameNames ? a.positional[1] : secondName, true};
    const QStringList lines = fleet::differences(first, second, productinfo::modelNames(setupIni()), lang, sides);
    for (const QString& l : lines)
        out(l + u'\n');
    if (lines.isEmpty()) {
        err(QStringLiteral("%1 and %2 hold the same image.").arg(a.positional[0], a.positional[1]));
        return Ok;
    }
    err(QStringLiteral("%1 and %2 differ in %3 place(s).").arg(a.positional[0], a.positional[1]).arg(lines.size()));
    return Differs;
}

int cmdText(const Args& a)
{
    Language lang = Language::English;
    if (auto rc = languageOption(a, a.command, lang))
        return *rc;
    RadioImage img;
    if (auto rc = load(a.positional[0], img))
        return *rc;
    QString text;
    // The channels in use, one section each, one line per cell.
    ChannelTable table;
    table.fillFromImage(img, lang);
    for (int row = kFirstRow; row <= kLastRow; ++row) {
        bool any = false;
        for (int c = ColRx; c < ColMore; ++c)
            any = any || !table.cell(row, c).isEmpty();
        if (!any)
            continue;
        text += QStringLiteral("[Channel %1]\n").arg(ChannelTable::rowLabel(row));
        for (int c = ColRx; c < ColMore; ++c)
            text += ChannelTable::header(c, lang).trimmed() + u'=' + editors::quotedValue(table.cell(row, c)) + u'\n';
        text += u'\n';
    }
    text += editors::printSettings(img, lang, productinfo::modelNames(setupIni()));
    // Every byte, so that a change no editor shows is seen too.
    text += QStringLiteral("\n[Memory]\n");
    for (std::size_t at = 0; at < RadioImage::kSize; at += 16) {
        QStringList bytes;
        for (std::size_t i = at; i < at + 16; ++i)
            bytes << QStringLiteral("%1").arg(img.at(i), 2, 16, QChar(u'0')).toUpper();
        text += QStringLiteral("0x") + QStringLiteral("%1").arg(at, 4, 16, QChar(u'0')).toUpper() + u'=' +
                bytes.join(u' ') + u'\n';
    }
    out(text);
    return Ok;
}

const Command diffCommand{"diff",
                          "diff A.dat B.dat [--language L]",
                          "name the differences of two data files",
                          "Usage: zemtar-cli diff A.dat B.dat [--language English|Chinese]\n"
                          "Prints one line per difference of the two data files, named as verify names them:\n"
                          "channel cells by the table's headers, settings by section and label, other bytes\n"
                          "by address. Exit status 0 when they hold the same image, 6 when they differ.\n",
                          {QStringLiteral("language")},
                          {},
                          {},
                          2,
                          "expected two data files",
                          cmdDiff};

const Command textCommand{"text",
                          "text FILE.dat [--language L]",
                          "print the whole radio as one stable text",
                          "Usage: zemtar-cli text FILE.dat [--language English|Chinese]\n"
                          "Prints the channels in use ([Channel N], one Header=Value line per cell), the\n"
                          "settings text as 'settings' prints it, and every byte in hex ([Memory]). The text\n"
                          "depends on the file alone, so version control can show changes by name\n"
                          "(see the README: git diff of *.dat files).\n",
                          {QStringLiteral("language")},
                          {},
                          {},
                          1,
                          "expected one data file",
                          cmdText};

} // namespace zemtar::cli
