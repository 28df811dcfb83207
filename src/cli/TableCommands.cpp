// zemtar-cli new, dump and import: data files and the channel table as text.
#include "CliCommon.h"

#include "channels/ChannelTable.h"
#include "channels/TableText.h"
#include "editors/ProductInfo.h"
#include "image/AtomicFile.h"
#include "image/DataFile.h"
#include "shell/CIniFile.h"
#include "shell/Messages.h"
#include "shell/PersistedSettings.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace zemtar::cli {

int cmdNew(const Args& a)
{
    std::optional<int> type;
    if (auto t = a.value(QStringLiteral("type"))) {
        bool ok = false;
        const int n = t->toInt(&ok);
        if (!ok || n < 0 || n > 255)
            return usageError(QStringLiteral("new"),
                              QStringLiteral("--type takes a number from 0 to 255, not \"%1\"").arg(*t));
        type = n;
    } else {
        PersistedSettings reg(appName());
        const int types = int(productinfo::modelNames(setupIni()).size());
        QString refused;
        type = reg.radioType(types, &refused);
        if (!refused.isEmpty())
            err(msg::radioTypeReset(reg.location(), refused, types > 0 ? types : 256, Language::English));
    }
    RadioImage img = RadioImage::newDocument();
    completeNewDocument(img, type);
    ChannelTable().storeIntoImage(img); // every save stores the table first
    QString error;
    if (!DataFile::save(a.positional[0], img, &error)) {
        err(error);
        return FileError;
    }
    return Ok;
}

int cmdDump(const Args& a)
{
    Language lang = Language::English;
    if (auto rc = languageOption(a, QStringLiteral("dump"), lang))
        return *rc;
    RadioImage img;
    QString error;
    if (!DataFile::load(a.positional[0], img, &error)) {
        err(error);
        return FileError;
    }
    ChannelTable table;
    table.fillFromImage(img, lang);
    out(tabletext::dump(table, lang, a.has(QStringLiteral("csv")) ? tabletext::Format::Csv : tabletext::Format::Tsv));
    return Ok;
}

int cmdImport(const Args& a)
{
    const QString datPath = a.positional[0], tablePath = a.positional[1];
    RadioImage img;
    QString error;
    if (!DataFile::load(datPath, img, &error)) {
        err(error);
        return FileError;
    }
    // A channel table is 130 lines of a few dozen characters; a megabyte is far beyond any.
    QByteArray raw;
    if (!readFileBounded(tablePath, 1 << 20, &raw, &error)) {
        err(error);
        err(QStringLiteral("%1 was not changed.").arg(datPath));
        return FileError;
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(raw);
    if (utf8.hasError()) {
        err(QStringLiteral("%1: the table is not UTF-8 text").arg(tablePath));
        return InvalidData;
    }
    const RadioImage before = img;
    const tabletext::ImportResult r = tabletext::importInto(img, text);
    if (!r.ok()) {
        printProblems(r.problems, tablePath + QStringLiteral(": "));
        err(QStringLiteral("%1 was not changed.").arg(datPath));
        return InvalidData;
    }
    for (const QString& n : r.notes)
        err(QStringLiteral("%1: note: %2").arg(tablePath, n));
    if (img == before)
        return Ok; // nothing changed: the file stays as it is
    if (const qint64 size = QFileInfo(datPath).size(); size > qint64(RadioImage::kSize))
        err(QStringLiteral("%1 held %2 bytes; it is saved as the radio's %3 bytes, the rest is dropped.")
                .arg(datPath)
                .arg(size)
                .arg(RadioImage::kSize));
    if (!DataFile::save(datPath, img, &error)) {
        err(error);
        return FileError;
    }
    err(QStringLiteral("%1: %2 row(s) changed.").arg(datPath).arg(r.changedRows.size()));
    return Ok;
}

const Command newCommand{"new",
                         "new OUT.dat [--type N]",
                         "write a new radio data file",
                         "Usage: zemtar-cli new OUT.dat [--type N]\n"
                         "Writes a new radio data file exactly as the application saves a new document:\n"
                         "the defaults, the band 144-145 MHz and radio type N (default: the last radio type\n"
                         "chosen in the application, or 0).\n",
                         {QStringLiteral("type")},
                         {},
                         {},
                         1,
                         "expected one output file",
                         cmdNew};

const Command dumpCommand{"dump",
                          "dump FILE.dat [--language L] [--csv]",
                          "print the channel table",
                          "Usage: zemtar-cli dump FILE.dat [--language English|Chinese] [--csv]\n"
                          "Prints the channel table: a header line, then rows 1..128 and Fr, 12 fields each,\n"
                          "tab-separated (CSV with --csv), UTF-8. Changes nothing.\n",
                          {QStringLiteral("language")},
                          {QStringLiteral("csv")},
                          {},
                          1,
                          "expected one data file",
                          cmdDump};

const Command importCommand{"import",
                            "import FILE.dat TABLE",
                            "apply an edited channel table",
                            "Usage: zemtar-cli import FILE.dat TABLE\n"
                            "Applies a channel table in the format of 'dump' (tab-separated or CSV) to FILE.dat.\n"
                            "Rows that are missing or unchanged stay byte for byte as they are; changed rows are\n"
                            "checked as the channel table checks typed values. On any problem nothing is written.\n",
                            {},
                            {},
                            {},
                            2,
                            "expected a data file and a table file",
                            cmdImport};

} // namespace zemtar::cli
