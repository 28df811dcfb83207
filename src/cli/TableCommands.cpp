// zemtar-cli new, dump and import: data files and the channel table as text.
#include "ChannelListCommands.h"
#include "CliCommon.h"

#include "channels/ChannelTable.h"
#include "channels/CsvPlan.h"
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

#include <functional>

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
    const auto img = loadDataFile(a.positional[0]);
    if (!img)
        return FileError;
    ChannelTable table;
    table.fillFromImage(*img, lang);
    out(tabletext::dump(table, lang, a.has(QStringLiteral("csv")) ? tabletext::Format::Csv : tabletext::Format::Tsv));
    return Ok;
}

namespace {

// Saves an imported image; says when a longer file loses its tail.
int saveImported(const QString& datPath, const RadioImage& img, const QString& done)
{
    QString error;
    if (const qint64 size = QFileInfo(datPath).size(); size > qint64(RadioImage::kSize))
        err(QStringLiteral("%1 held %2 bytes; it is saved as the radio's %3 bytes, the rest is dropped.")
                .arg(datPath)
                .arg(size)
                .arg(RadioImage::kSize));
    if (!DataFile::save(datPath, img, &error)) {
        err(error);
        return FileError;
    }
    err(done);
    return Ok;
}

// A text in the common CSV layout.
int importPlan(const Args& a, RadioImage& img, const QString& text, const std::function<int(QStringList)>& refused)
{
    const QString datPath = a.positional[0], tablePath = a.positional[1];
    csvplan::Options options;
    options.renumber = a.has(QStringLiteral("renumber"));
    if (auto at = a.value(QStringLiteral("at"))) {
        bool ok = false;
        options.first = at->toInt(&ok);
        if (!ok || options.first < 1 || options.first > int(map::kChannelCount))
            return usageError(a.command, QStringLiteral("--at takes a channel from 1 to 128, not \"%1\"").arg(*at));
        options.renumber = true;
    }
    const csvplan::Plan plan = csvplan::parse(text, img, options);
    if (!plan.refused.isEmpty())
        return refused({plan.refused});
    QStringList problems;
    for (const csvplan::Problem& p : plan.problems)
        problems << p.toString();
    const bool skipBad = a.has(QStringLiteral("skip-bad"));
    if (!problems.isEmpty() && !skipBad) {
        problems << QStringLiteral(
            "nothing is imported while a row does not fit (--skip-bad imports the rows that do)");
        return refused(problems);
    }
    for (const csvplan::Problem& n : plan.notes)
        err(QStringLiteral("%1: note: %2").arg(tablePath, n.toString()));
    if (!problems.isEmpty())
        printProblems(problems, tablePath + QStringLiteral(": skipped: "));
    if (plan.edits.isEmpty())
        return refused({QStringLiteral("no row fits the radio")});
    const RadioImage before = img;
    const QList<int> stored = csvplan::apply(img, plan.edits);
    if (img == before) {
        err(QStringLiteral("%1: the channels hold these values already; nothing changed.").arg(datPath));
        return Ok;
    }
    return saveImported(datPath, img,
                        QStringLiteral("%1: %2 channel(s) imported from %3%4.")
                            .arg(datPath)
                            .arg(stored.size())
                            .arg(tablePath)
                            .arg(skipBad && !problems.isEmpty()
                                     ? QStringLiteral(", %1 row(s) skipped").arg(plan.problems.size())
                                     : QString()));
}

} // namespace

int cmdImport(const Args& a)
{
    const QString datPath = a.positional[0], tablePath = a.positional[1];
    auto loaded = loadDataFile(datPath);
    if (!loaded)
        return FileError;
    RadioImage& img = *loaded;
    QString error;
    // A channel table is 130 lines of a few dozen characters; a megabyte is far beyond any.
    int rc = FileError;
    const auto raw = readInput(tablePath, 1 << 20, rc);
    if (!raw) {
        err(QStringLiteral("%1 was not changed.").arg(datPath));
        return rc;
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(*raw);
    auto refused = [&](const QStringList& problems) {
        printProblems(problems, inputName(tablePath) + QStringLiteral(": "));
        err(QStringLiteral("%1 was not changed.").arg(datPath));
        return int(InvalidData);
    };
    if (utf8.hasError())
        return refused({QStringLiteral("the table is not UTF-8 text")});
    if (csvplan::isCsvPlan(text))
        return importPlan(a, img, text, refused);
    for (const char* option : {"renumber", "skip-bad", "at"})
        if (a.has(QString::fromLatin1(option)) || a.value(QString::fromLatin1(option)))
            return usageError(a.command, QStringLiteral("--%1 applies to a table in the common CSV layout (a header "
                                                        "naming Location, Name, Frequency, ...)")
                                             .arg(QString::fromLatin1(option)));
    const RadioImage before = img;
    const tabletext::ImportResult r = tabletext::importInto(img, text);
    if (!r.ok())
        return refused(r.problems);
    if (r.rowsRead == 0)
        return refused({QStringLiteral("the table has no channel rows below its header")});
    for (const QString& n : r.notes)
        err(QStringLiteral("%1: note: %2").arg(inputName(tablePath), n));
    if (img == before)
        return Ok; // nothing changed: the file stays as it is
    return saveImported(datPath, img, QStringLiteral("%1: %2 row(s) changed.").arg(datPath).arg(r.changedRows.size()));
}

int cmdExport(const Args& a)
{
    const QString datPath = a.positional[0], outPath = a.positional[1];
    RadioImage img;
    QString error;
    if (!DataFile::load(datPath, img, &error)) {
        err(error);
        return FileError;
    }
    if (QFileInfo(outPath).exists() &&
        QFileInfo(outPath).canonicalFilePath() == QFileInfo(datPath).canonicalFilePath()) {
        err(QStringLiteral("%1 is the data file itself: give another name for the CSV file.").arg(outPath));
        return FileError;
    }
    if (!writeFileAtomically(outPath, csvplan::exportText(img).toUtf8(), &error)) {
        err(error);
        return FileError;
    }
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
                            "import FILE.dat TABLE [--renumber|--at N] [--skip-bad]",
                            "apply an edited channel table or a CSV channel list",
                            "Usage: zemtar-cli import FILE.dat TABLE [--renumber | --at N] [--skip-bad]\n"
                            "Applies a channel table in the format of 'dump' (tab-separated or CSV; - reads it\n"
                            "from standard input) to FILE.dat.\n"
                            "Rows that are missing or unchanged stay byte for byte as they are; changed rows are\n"
                            "checked as the channel table checks typed values. On any problem nothing is written.\n"
                            "A TABLE whose header names Location, Name, Frequency, ... is read in the common CSV\n"
                            "layout ('export' writes it): each row goes to its Location, or with --renumber to\n"
                            "channels 1, 2, ... in file order (--at N: from channel N); rows that do not fit are\n"
                            "listed by line and column and nothing is imported, unless --skip-bad.\n",
                            {QStringLiteral("at")},
                            {QStringLiteral("renumber"), QStringLiteral("skip-bad")},
                            {},
                            2,
                            "expected a data file and a table file",
                            cmdImport};

const Command exportCommand{"export",
                            "export FILE.dat OUT.csv",
                            "write the channels as a CSV channel list",
                            "Usage: zemtar-cli export FILE.dat OUT.csv\n"
                            "Writes channels 1-128 that are in use in the CSV layout that multi-radio programming\n"
                            "tools share (header Location,Name,Frequency,Duplex,Offset,Tone,...). 'import' reads\n"
                            "it back. OUT.csv is replaced only once it is fully written.\n",
                            {},
                            {},
                            {},
                            2,
                            "expected a data file and an output file",
                            cmdExport};

} // namespace zemtar::cli
