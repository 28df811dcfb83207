// Verify and the fleet job: the units table, naming differences, and the real programs against
// several simulated radios (four on one simulator, a fault on one port, a job stopped halfway).
#include "channels/ChannelTable.h"
#include "channels/TableText.h"
#include "editors/SettingsText.h"
#include "fleet/FleetJob.h"
#include "fleet/Units.h"
#include "fleet/Verify.h"
#include "image/DataFile.h"
#include "image/Encodings.h"
#include "support/TestSupport.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>

using namespace zemtar;
using namespace zemtar::fleet;

namespace {

void setSetting(RadioImage& img, const char* assignment)
{
    const auto a = editors::parseSettingOption(QString::fromUtf8(assignment), QStringLiteral("test"));
    ASSERT_TRUE(a);
    ASSERT_TRUE(editors::applySettings(img, {*a}, {}).problems.isEmpty());
}

const QStringList kModels{QStringLiteral("ZR-530V"), QStringLiteral("ZR-530U"), QStringLiteral("ZR-530K")};

RadioImage templateImage()
{
    RadioImage img = RadioImage::newDocument();
    band::write(img, {144, 145});
    ChannelTable t;
    const auto band = BandLimits::of({144, 145});
    commitCell(t, 1, ColRx, QStringLiteral("145.125"), band, Language::English);
    commitCell(t, 12, ColRx, QStringLiteral("145.125"), band, Language::English);
    commitCell(t, 12, ColName, QStringLiteral("GATE"), band, Language::English);
    t.storeIntoImage(img);
    return img;
}

QString settingValue(const RadioImage& img, const QString& section, const QString& key)
{
    for (const auto& a : editors::parseSettingsText(editors::printSettings(img, Language::English, kModels), nullptr))
        if (a.section == section && a.key == key)
            return a.value;
    return QStringLiteral("<none>");
}

} // namespace

TEST(Units, TableProblemsNameTheLineAndColumnAndNothingPasses)
{
    const RadioImage templ = templateImage();
    struct {
        const char* table;
        const char* problem;
    } cases[] = {
        {"Name,MSK/ID Code\nA,1001\n", "line 1: the first column must be \"Unit\""},
        {"Unit,MSK ID Code\nA,1001\n", "line 1, column 2: \"MSK ID Code\" is not Section/Label"},
        {"Unit,MSK/Colour\nA,1001\n", "line 2, column 2: MSK/Colour: unknown setting"},
        {"Unit,MSK/ID Code\nA,12345\n", "line 2, column 2: MSK/ID Code: \"12345\" is longer than 4 characters"},
        {"Unit,MSK/ID Code\nA,1001\nA,1002\n", "line 3: unit \"A\" is given twice"},
        {"Unit,Channel 200/Rx Frequency\nA,145\n", "names no channel cell"},
        {"Unit,Channel 5/Rx Frequency\nA,146.5\n", "line 2, column 2: Channel 5/Rx Frequency:"},
        {"Unit,MSK/ID Code\n", "no unit below its header"},
        // Names that make one file name under --out: every clashing unit is named.
        {"Unit,MSK/ID Code\nA 1,1001\nA_1,1002\nA/1,1003\nB,1004\n",
         "units \"A 1\" (line 2), \"A_1\" (line 3), \"A/1\" (line 4) have the same file name A_1.dat"},
        {"Unit,MSK/ID Code\nnorth,1001\nNorth,1002\n", "have the same file name north.dat"},
        // A value for a channel the template does not use would be lost with the empty row.
        {"Unit,MSK/ID Code,Channel 5/Chnnel Name\nA,1001,\nB,1002,DOOR\n",
         "line 3, column 3: unit \"B\": Channel 5/Chnnel Name: channel 5 is not in use in the template"},
        {"Unit,Channel Fr/Power\nA,Low\n", "unit \"A\": Channel Fr/Power: channel Fr is not in use"},
    };
    for (const auto& c : cases) {
        UnitsTable t = parseUnits(QString::fromUtf8(c.table));
        QStringList problems = t.problems;
        if (problems.isEmpty())
            problems = checkUnits(templ, t.units, kModels, nullptr);
        EXPECT_TRUE(problems.join(u'\n').contains(QString::fromUtf8(c.problem))) << c.table << "\n"
                                                                                 << qPrintable(problems.join(u'\n'));
    }
}

TEST(Units, AUnitChangesExactlyItsValues)
{
    const RadioImage templ = templateImage();
    const UnitsTable t =
        parseUnits(QStringLiteral("Unit,MSK/ID Code,DTMF Decode/ID Code,Channel 5/Rx Frequency,Channel 12/Chnnel Name\n"
                                  "north,1001,123,145.5,\n"
                                  "south,,,,\"DOOR\"\n"));
    ASSERT_TRUE(t.ok()) << qPrintable(t.problems.join(u'\n'));
    QList<RadioImage> images;
    ASSERT_TRUE(checkUnits(templ, t.units, kModels, &images).isEmpty());
    ASSERT_EQ(images.size(), 2);
    EXPECT_EQ(settingValue(images[0], QStringLiteral("MSK"), QStringLiteral("ID Code")), QStringLiteral("1001"));
    EXPECT_EQ(settingValue(images[0], QStringLiteral("DTMF Decode"), QStringLiteral("ID Code")), QStringLiteral("123"));
    ChannelTable north;
    north.fillFromImage(images[0], Language::English);
    EXPECT_EQ(north.cell(5, ColRx), QStringLiteral("145.50000"));
    EXPECT_EQ(north.cell(12, ColName), QStringLiteral("GATE"));
    // An empty cell keeps the template: "south" differs in its channel name only.
    const QStringList diffs = differences(templ, images[1], kModels);
    EXPECT_EQ(diffs, QStringList{QStringLiteral("channel 12: Chnnel Name: GATE in the file, DOOR in the radio")});
    EXPECT_EQ(fileNameFor(QStringLiteral("unit 7/b")), QStringLiteral("unit_7_b"));
}

TEST(Units, SequencesStepInDecimalOrHexadecimalKeepingTheWidth)
{
    const RadioImage templ = templateImage();
    struct {
        QStringList sequences;
        QStringList names;
        const char* problem;
    } cases[] = {
        {{QStringLiteral("MSK/ID Code=0998..1001")}, {"0998", "0999", "1000", "1001"}, ""},
        {{QStringLiteral("MSK/ID Code=00FE..0101")}, {"00FE", "00FF", "0100", "0101"}, ""},
        {{QStringLiteral("MSK/ID Code=FFFE..FFFF")}, {"FFFE", "FFFF"}, ""},
        {{QStringLiteral("MSK/ID Code=10..12"), QStringLiteral("DTMF Decode/ID Code=210..212")},
         {"10", "11", "12"},
         ""},
        {{QStringLiteral("Channel 12/Chnnel Name=A1..A3")}, {"A1", "A2", "A3"}, ""},
        {{QStringLiteral("MSK/ID Code=10..12"), QStringLiteral("DTMF Decode/ID Code=1..2")}, {}, "different lengths"},
        {{QStringLiteral("MSK/ID Code=20..10")}, {}, "\"20..10\": LAST is below FIRST"},
        {{QStringLiteral("MSK/ID Code")}, {}, "is not Section/Label=FIRST..LAST"},
        {{QStringLiteral("MSK/ID Code=1..G")}, {}, "FIRST and LAST must be decimal numbers"},
        // Each end must fit the field before a single step is made.
        {{QStringLiteral("MSK/ID Code=FFFFFFFFFFFFFFFF..FFFFFFFFFFFFFFFF")},
         {},
         "--sequence 1 (FIRST): MSK/ID Code: \"FFFFFFFFFFFFFFFF\" is longer than 4 characters"},
        {{QStringLiteral("MSK/ID Code=9998..10001")}, {}, "(LAST): MSK/ID Code: \"10001\" is longer than 4"},
        {{QStringLiteral("MSK/Colour=1..2")}, {}, "MSK/Colour: unknown setting"},
        {{QStringLiteral("Channel 5/Chnnel Name=A1..A3")}, {}, "channel 5 is not in use in the template"},
        // A field wide enough for any number: the length of the fleet decides.
        {{QStringLiteral("Channel 12/Chnnel Name=0..99999999")}, {}, "100000000 units, more than a fleet can be"},
        {{QStringLiteral("Channel 12/Chnnel Name=0..100000")}, {}, "100001 units, more than a fleet can be"},
    };
    for (const auto& c : cases) {
        QElapsedTimer time;
        time.start();
        const UnitsTable t = sequenceUnits(c.sequences, templ, kModels);
        EXPECT_LT(time.elapsed(), 5000) << qPrintable(c.sequences.join(u' '));
        QStringList names;
        for (const Unit& u : t.units)
            names << u.name;
        EXPECT_EQ(names, c.names) << qPrintable(c.sequences.join(u' '));
        EXPECT_EQ(t.problems.join(u'\n').contains(QString::fromUtf8(c.problem)), true)
            << qPrintable(t.problems.join(u'\n'));
    }
    const UnitsTable two = sequenceUnits(
        {QStringLiteral("MSK/ID Code=10..12"), QStringLiteral("DTMF Decode/ID Code=210..212")}, templ, kModels);
    ASSERT_EQ(two.units.size(), 3);
    EXPECT_EQ(two.units[2].settings[1].value, QStringLiteral("212"));
}

TEST(Verify, DifferencesAreNamedAsAUserKnowsThem)
{
    const RadioImage file = templateImage();
    RadioImage radio = file;
    ChannelTable t;
    t.fillFromImage(radio, Language::English);
    commitCell(t, 12, ColRx, QStringLiteral("145.5"), BandLimits::of({144, 145}), Language::English);
    t.storeIntoImage(radio);
    setSetting(radio, "Optional Features/Back Light=On");
    radio.set(0x0C20, 0x3F); // a byte no editor shows (row 129)
    radio.set(0x0C40, 0x11); // never written: not compared
    const QStringList d = differences(file, radio, kModels);
    ASSERT_EQ(d.size(), 3) << qPrintable(d.join(u'\n'));
    EXPECT_EQ(d[0], QStringLiteral("channel 12: Rx Frequency: 145.12500 in the file, 145.50000 in the radio"));
    EXPECT_EQ(d[1], QStringLiteral("Optional Features/Back Light: Auto in the file, On in the radio"));
    EXPECT_EQ(d[2], QStringLiteral("0x0C20: FF in the file, 3F in the radio"));
    // The same places as the Chinese windows name them.
    const QStringList zh = differences(file, radio, kModels, Language::Chinese);
    ASSERT_EQ(zh.size(), 3) << qPrintable(zh.join(u'\n'));
    EXPECT_EQ(zh[0], QString::fromUtf8("信道 12: 接收频率: 文件中为 145.12500, 电台中为 145.50000"));
    EXPECT_EQ(zh[1], QString::fromUtf8("可选功能/背光: 文件中为 自动, 电台中为 开"));
    EXPECT_EQ(zh[2], QString::fromUtf8("0x0C20: 文件中为 FF, 电台中为 3F"));
    EXPECT_FALSE(sameWrittenBytes(file, radio));
    RadioImage unwritten = file;
    unwritten.set(0x0C40, 0);
    EXPECT_TRUE(sameWrittenBytes(file, unwritten));
    // 130 whole rows, 60 rows of 16 bytes, 8 bytes of the last: what a write sends.
    std::size_t bytes = 0;
    for (const auto& [offset, length] : writtenAreas())
        bytes += length;
    EXPECT_EQ(bytes, 130u * 24 + 60 * 16 + 8);
}

TEST(FleetLog, LinesRoundTripAndOnlyOkCountsAsDone)
{
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("log.csv"));
    LogEntry e{QStringLiteral("t0"),
               QStringLiteral("t1"),
               QStringLiteral("unit, \"7\""),
               QStringLiteral("com1"),
               QStringLiteral("55 35"),
               QStringLiteral("ok"),
               QStringLiteral("written and verified"),
               QStringLiteral("U530"),
               QStringLiteral("136-174MHz"),
               QStringLiteral("C:\\fleet\\t, \"new\".dat"),
               QString(64, u'a'),
               QStringLiteral("MSK/ID Code=7; Channel 5/Chnnel Name=A,\"B\"")};
    // Every field comes back whole, quoted where it must be.
    const QList<tabletext::Line> parsed = tabletext::parse(logLine(e));
    ASSERT_EQ(parsed.size(), 1);
    EXPECT_EQ(parsed[0].fields, (QStringList{e.started, e.ended, e.unit, e.port, e.identity, e.result, e.message,
                                             e.model, e.band, e.templateFile, e.imageSha256, e.values}));
    EXPECT_EQ(tabletext::parse(logHeader())[0].fields.size(), 12);
    ASSERT_TRUE(appendLogLine(log, logLine(e), nullptr));
    e.unit = QStringLiteral("8");
    e.result = QStringLiteral("failed");
    ASSERT_TRUE(appendLogLine(log, logLine(e), nullptr));
    const QString text = QString::fromUtf8(test::readAll(log));
    EXPECT_TRUE(text.startsWith(logHeader() + u'\n'));
    EXPECT_EQ(text.count(u'\n'), 3);
    EXPECT_EQ(doneUnits(text), QSet<QString>{QStringLiteral("unit, \"7\"")});
    EXPECT_FALSE(appendLogLine(dir.filePath(QStringLiteral("no/such/log.csv")), logLine(e), nullptr));
}

TEST(FleetLog, AnEarlierHeaderIsBroughtUpToDateAndAForeignFileIsRefused)
{
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("log.csv"));
    LogEntry e;
    e.unit = QStringLiteral("3001");
    e.result = QStringLiteral("ok");
    // The earlier layout, with CR LF line ends as a spreadsheet saves them: the rows stay byte
    // for byte under today's header, and still count as done.
    const QByteArray rows =
        "2025-11-05T10:00:00+01:00,2025-11-05T10:01:10+01:00,0999,com1,55 35,ok,written\r\n"
        "2025-11-05T10:02:00+01:00,2025-11-05T10:03:10+01:00,1000,com1,55 35,failed,\"no, answer\"\r\n";
    test::writeAll(log, earlierLogHeader().toUtf8() + "\r\n" + rows);
    LogStart start;
    ASSERT_EQ(prepareOutputs(log, {}, &start), std::nullopt);
    EXPECT_TRUE(start.headerUpdated);
    EXPECT_EQ(start.earlierLines, 2);
    EXPECT_TRUE(logStartNote(log, start).contains(QStringLiteral("its 2 earlier line(s) are kept")));
    ASSERT_TRUE(appendLogLine(log, logLine(e), nullptr));
    QByteArray text = test::readAll(log);
    EXPECT_EQ(text, logHeader().toUtf8() + "\r\n" + rows + logLine(e).toUtf8() + "\n");
    EXPECT_EQ(doneUnits(QString::fromUtf8(text)), (QSet<QString>{QStringLiteral("0999"), QStringLiteral("3001")}));
    // Once up to date, it is appended to as it is.
    start = {};
    ASSERT_EQ(prepareOutputs(log, {}, &start), std::nullopt);
    EXPECT_FALSE(start.headerUpdated);
    EXPECT_EQ(test::readAll(log), text);

    // A last line without its line break gets one: the next line does not run into it.
    const QString cut = dir.filePath(QStringLiteral("cut.csv"));
    test::writeAll(cut, logHeader().toUtf8() + "\n" + logLine(e).toUtf8());
    ASSERT_EQ(prepareOutputs(cut, {}), std::nullopt);
    ASSERT_TRUE(appendLogLine(cut, logLine(e), nullptr));
    EXPECT_EQ(tabletext::parse(QString::fromUtf8(test::readAll(cut))).size(), 3);

    // Not a fleet log: refused, and left exactly as it was.
    for (const QByteArray& foreign :
         {QByteArray("Name,Phone\nBob,123\n"), QByteArray("Started,Ended\n"), QByteArray("\n\n")}) {
        const QString other = dir.filePath(QStringLiteral("other.csv"));
        test::writeAll(other, foreign);
        const auto why = prepareOutputs(other, {});
        ASSERT_TRUE(why) << foreign.constData();
        EXPECT_TRUE(why->contains(QStringLiteral("is not a fleet log"))) << qPrintable(*why);
        EXPECT_EQ(test::readAll(other), foreign);
    }
}

// ---- The real programs against simulated radios ----

namespace {

QString binDir() { return QStringLiteral(ZEMTAR_BIN_DIR); }

struct CliRun {
    int code = -1;
    QString out, err;
};

CliRun cli(const QStringList& args, int timeoutMs = 240000)
{
    QProcess p;
    p.start(binDir() + QStringLiteral("/zemtar-cli"), args);
    p.waitForFinished(timeoutMs);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

// Simulated radios; `count` of them on one simulator.
struct Radios {
    Radios(QStringList args, int count = 1)
    {
        if (count > 1)
            args << QStringLiteral("--count") << QString::number(count);
        proc.start(binDir() + QStringLiteral("/zemtar-radiosim"), args);
        QElapsedTimer t;
        t.start();
        while (devices.size() < count && t.elapsed() < 10000) {
            if (!proc.canReadLine())
                proc.waitForReadyRead(200);
            while (proc.canReadLine())
                devices << QString::fromUtf8(proc.readLine()).trimmed();
        }
    }
    ~Radios()
    {
        proc.terminate();
        proc.waitForFinished(10000);
    }
    QProcess proc;
    QStringList devices;
};

QStringList portArgs(const QStringList& devices)
{
    QStringList a;
    for (const QString& d : devices)
        a << QStringLiteral("--port") << d;
    return a;
}

struct LogLine {
    QString unit, port, result, message;
};
QList<LogLine> readLog(const QString& path)
{
    QList<LogLine> out;
    const QStringList lines = QString::fromUtf8(test::readAll(path)).split(u'\n', Qt::SkipEmptyParts);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QStringList f = lines[i].split(u',');
        if (f.size() >= 6)
            out << LogLine{f[2], f[3], f[5], f.mid(6).join(u',')};
    }
    return out;
}

} // namespace

TEST(VerifyCli, ExitCodesAndOneLinePerDifference)
{
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a.dat")), b = dir.filePath(QStringLiteral("b.dat"));
    const RadioImage file = templateImage();
    ASSERT_TRUE(DataFile::save(a, file, nullptr));
    RadioImage other = file;
    setSetting(other, "Optional Features/Back Light=On");
    other.set(0x0C20, 0x3F);
    ASSERT_TRUE(DataFile::save(b, other, nullptr));
    Radios radio({QStringLiteral("--from-dat"), a, QStringLiteral("--turnaround"), QStringLiteral("0")});
    ASSERT_EQ(radio.devices.size(), 1);
    CliRun r = cli({QStringLiteral("verify"), QStringLiteral("--port"), radio.devices[0], a});
    EXPECT_EQ(r.code, 0) << qPrintable(r.err);
    EXPECT_TRUE(r.err.contains(QStringLiteral("The radio holds exactly"))) << qPrintable(r.err);
    r = cli({QStringLiteral("verify"), QStringLiteral("--port"), radio.devices[0], b});
    EXPECT_EQ(r.code, 6) << qPrintable(r.err);
    EXPECT_EQ(r.out.count(u'\n'), 2) << qPrintable(r.out);
    EXPECT_TRUE(r.out.contains(QStringLiteral("Optional Features/Back Light: On in the file, Auto in the radio")))
        << qPrintable(r.out);
    EXPECT_TRUE(r.out.contains(QStringLiteral("0x0C20: 3F in the file, FF in the radio"))) << qPrintable(r.out);
    // Written with --verify, the radio holds b; a wrong password refuses the read.
    r = cli({QStringLiteral("write"), QStringLiteral("--verify"), QStringLiteral("--port"), radio.devices[0], b});
    EXPECT_EQ(r.code, 0) << qPrintable(r.err);
    r = cli({QStringLiteral("verify"), QStringLiteral("--port"), radio.devices[0], b, QStringLiteral("--password"),
             QStringLiteral("999")});
    EXPECT_EQ(r.code, 4) << qPrintable(r.err);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Password Erroe!"))) << qPrintable(r.err);
}

TEST(FleetCli, FourRadiosEachEndWithTheTemplatePlusTheirUnit)
{
    QTemporaryDir dir;
    const QString templ = dir.filePath(QStringLiteral("t.dat"));
    ASSERT_TRUE(DataFile::save(templ, templateImage(), nullptr));
    Radios radios({QStringLiteral("--turnaround"), QStringLiteral("0")}, 4);
    ASSERT_EQ(radios.devices.size(), 4);
    const QString log = dir.filePath(QStringLiteral("log.csv")), out = dir.filePath(QStringLiteral("units"));
    // A bad value anywhere: nothing starts.
    CliRun r = cli(QStringList{QStringLiteral("fleet"), templ, QStringLiteral("--sequence"),
                               QStringLiteral("MSK/ID Code=9998..10001"), QStringLiteral("--log"), log,
                               QStringLiteral("--yes")} +
                   portArgs(radios.devices));
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Nothing was written"))) << qPrintable(r.err);
    EXPECT_FALSE(QFile::exists(log));

    r = cli(QStringList{QStringLiteral("fleet"), templ, QStringLiteral("--sequence"),
                        QStringLiteral("MSK/ID Code=1001..1012"), QStringLiteral("--log"), log, QStringLiteral("--out"),
                        out, QStringLiteral("--yes")} +
            portArgs(radios.devices));
    ASSERT_EQ(r.code, 0) << qPrintable(r.err);
    const QList<LogLine> lines = readLog(log);
    QSet<QString> ok, ports;
    QMap<QString, QString> lastOnPort;
    for (const LogLine& l : lines) {
        if (l.result == QStringLiteral("ok")) {
            EXPECT_FALSE(ok.contains(l.unit)) << "written twice: " << qPrintable(l.unit);
            ok.insert(l.unit);
            lastOnPort[l.port] = l.unit;
        }
        ports.insert(l.port);
    }
    EXPECT_EQ(ok.size(), 12);
    EXPECT_EQ(ports.size(), 4); // every port took its share
    // The columns readers of older logs know stay in their place; the new ones trace each
    // radio to its template, its image (the SHA-256 of its .dat file) and its own values.
    const QList<tabletext::Line> records = tabletext::parse(QString::fromUtf8(test::readAll(log)));
    ASSERT_EQ(records.size(), 13);
    EXPECT_EQ(records[0].fields.mid(0, 7).join(u','), QStringLiteral("Started,Ended,Unit,Port,Radio,Result,Message"));
    for (qsizetype i = 1; i < records.size(); ++i) {
        const QStringList& f = records[i].fields;
        ASSERT_EQ(f.size(), 12) << qPrintable(f.join(u'|'));
        EXPECT_TRUE(QDateTime::fromString(f[0], Qt::ISODate).isValid() && f[0].size() > 19) << qPrintable(f[0]);
        EXPECT_TRUE(f[7].endsWith(QStringLiteral("530"))) << qPrintable(f[7]);
        EXPECT_TRUE(f[8].endsWith(QStringLiteral("MHz"))) << qPrintable(f[8]);
        EXPECT_EQ(f[9], QFileInfo(templ).absoluteFilePath());
        RadioImage unit;
        ASSERT_TRUE(DataFile::load(QDir(out).filePath(f[2] + QStringLiteral(".dat")), unit, nullptr));
        EXPECT_EQ(f[10], imageSha256(unit));
        EXPECT_EQ(f[10], QString::fromLatin1(
                             QCryptographicHash::hash(test::readAll(QDir(out).filePath(f[2] + QStringLiteral(".dat"))),
                                                      QCryptographicHash::Sha256)
                                 .toHex()));
        EXPECT_EQ(f[11], QStringLiteral("MSK/ID Code=") + f[2]);
    }
    // Each radio holds exactly the image of the last unit it got.
    for (auto it = lastOnPort.begin(); it != lastOnPort.end(); ++it) {
        const QString unitFile = QDir(out).filePath(it.value() + QStringLiteral(".dat"));
        RadioImage unit;
        ASSERT_TRUE(DataFile::load(unitFile, unit, nullptr));
        EXPECT_EQ(settingValue(unit, QStringLiteral("MSK"), QStringLiteral("ID Code")), it.value());
        const QStringList d = differences(templateImage(), unit, kModels);
        EXPECT_EQ(d.size(), 1) << qPrintable(d.join(u'\n')); // the template plus its ID only
        const CliRun v = cli({QStringLiteral("verify"), QStringLiteral("--port"), it.key(), unitFile});
        EXPECT_EQ(v.code, 0) << qPrintable(it.key()) << qPrintable(v.out);
    }
}

TEST(FleetCli, RefusalsComeAtOnceAndTouchNoRadio)
{
    QTemporaryDir dir;
    const QString templ = dir.filePath(QStringLiteral("t.dat"));
    ASSERT_TRUE(DataFile::save(templ, templateImage(), nullptr));
    const QString transcript = dir.filePath(QStringLiteral("wire.txt"));
    Radios radio({QStringLiteral("--turnaround"), QStringLiteral("0"), QStringLiteral("--transcript"), transcript});
    ASSERT_EQ(radio.devices.size(), 1);
    test::writeAll(dir.filePath(QStringLiteral("clash.csv")), "Unit,MSK/ID Code\nA 1,1001\nA_1,1002\nA/1,1003\n");
    test::writeAll(dir.filePath(QStringLiteral("unused.csv")), "Unit,Channel 5/Chnnel Name\nB1,DOOR\n");
    test::writeAll(dir.filePath(QStringLiteral("afile")), "not a folder");
    const QString log = dir.filePath(QStringLiteral("log.csv"));
    struct {
        QStringList units; // --units FILE or --sequence S
        QString log, out;
        int code;
        const char* message;
    } cases[] = {
        {{QStringLiteral("--sequence"), QStringLiteral("MSK/ID Code=FFFFFFFFFFFFFFFF..FFFFFFFFFFFFFFFF")},
         log,
         {},
         2,
         "\"FFFFFFFFFFFFFFFF\" is longer than 4 characters"},
        {{QStringLiteral("--sequence"), QStringLiteral("Channel 12/Chnnel Name=1..99999999")},
         log,
         {},
         2,
         "99999999 units, more than a fleet can be (at most 100000)"},
        {{QStringLiteral("--units"), dir.filePath(QStringLiteral("clash.csv"))},
         log,
         dir.filePath(QStringLiteral("out")),
         2,
         "units \"A 1\" (line 2), \"A_1\" (line 3), \"A/1\" (line 4) have the same file name A_1.dat"},
        {{QStringLiteral("--units"), dir.filePath(QStringLiteral("unused.csv"))},
         log,
         {},
         2,
         "line 2, column 2: unit \"B1\": Channel 5/Chnnel Name: channel 5 is not in use in the template"},
        {{QStringLiteral("--sequence"), QStringLiteral("MSK/ID Code=1001..1002")},
         dir.filePath(QStringLiteral("no/such/folder/log.csv")),
         {},
         3,
         "Cannot open the log"},
        {{QStringLiteral("--sequence"), QStringLiteral("MSK/ID Code=1001..1002")},
         dir.filePath(QStringLiteral("afile/log.csv")),
         {},
         3,
         "Cannot open the log"},
        {{QStringLiteral("--sequence"), QStringLiteral("MSK/ID Code=1001..1002")},
         log,
         dir.filePath(QStringLiteral("afile/out")),
         3,
         "Cannot make the folder"},
        // A folder that exists but takes no file (even for the superuser).
        {{QStringLiteral("--sequence"), QStringLiteral("MSK/ID Code=1001..1002")},
         log,
         QStringLiteral("/proc"),
         3,
         "Cannot write in the folder /proc"},
    };
    for (const auto& c : cases) {
        if (c.out == QStringLiteral("/proc") && !QFileInfo(QStringLiteral("/proc")).isDir())
            continue;
        QStringList args = QStringList{QStringLiteral("fleet"), templ} + c.units +
                           QStringList{QStringLiteral("--log"), c.log, QStringLiteral("--yes")} +
                           portArgs(radio.devices);
        if (!c.out.isEmpty())
            args << QStringLiteral("--out") << c.out;
        QElapsedTimer time;
        time.start();
        const CliRun r = cli(args, 20000);
        EXPECT_EQ(r.code, c.code) << qPrintable(args.join(u' ')) << "\n" << qPrintable(r.err);
        EXPECT_LT(time.elapsed(), 10000) << qPrintable(args.join(u' '));
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.message))) << qPrintable(r.err);
        EXPECT_TRUE(r.err.contains(QStringLiteral("Nothing was written to any radio."))) << qPrintable(r.err);
    }
    EXPECT_TRUE(test::readAll(transcript).isEmpty()) << "a radio was touched";
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("out/A_1.dat"))));
    EXPECT_FALSE(QFile::exists(log)) << "a log was started for a refused job";
}

TEST(FleetCli, AFaultFailsThatUnitOnlyAndAStoppedJobResumes)
{
    QTemporaryDir dir;
    const QString templ = dir.filePath(QStringLiteral("t.dat"));
    ASSERT_TRUE(DataFile::save(templ, templateImage(), nullptr));
    Radios good({QStringLiteral("--turnaround"), QStringLiteral("0")});
    Radios faulty(
        {QStringLiteral("--turnaround"), QStringLiteral("0"), QStringLiteral("--fault"), QStringLiteral("nak@40:4")});
    const QString log = dir.filePath(QStringLiteral("log.csv"));
    CliRun r = cli(QStringList{QStringLiteral("fleet"), templ, QStringLiteral("--sequence"),
                               QStringLiteral("MSK/ID Code=2001..2006"), QStringLiteral("--log"), log,
                               QStringLiteral("--yes")} +
                   portArgs(good.devices + faulty.devices));
    EXPECT_EQ(r.code, 0) << qPrintable(r.err);
    int failed = 0;
    QSet<QString> ok;
    for (const LogLine& l : readLog(log)) {
        if (l.result != QStringLiteral("ok")) {
            ++failed;
            EXPECT_EQ(l.port, faulty.devices[0]) << qPrintable(l.message);
        } else {
            ok.insert(l.unit);
        }
    }
    EXPECT_EQ(failed, 1);    // the one block refused
    EXPECT_EQ(ok.size(), 6); // and that unit done on its second offer

    // A job stopped halfway (Ctrl+C) goes on with --resume and writes no unit twice.
    Radios slow({QStringLiteral("--turnaround"), QStringLiteral("1")});
    const QString log2 = dir.filePath(QStringLiteral("log2.csv"));
    QProcess job;
    job.start(binDir() + QStringLiteral("/zemtar-cli"),
              {QStringLiteral("fleet"), templ, QStringLiteral("--sequence"), QStringLiteral("MSK/ID Code=3001..3004"),
               QStringLiteral("--log"), log2, QStringLiteral("--yes"), QStringLiteral("--port"),
               slow.devices.value(0)});
    QElapsedTimer t;
    t.start();
    while (readLog(log2).isEmpty() && t.elapsed() < 60000)
        QThread::msleep(20);
    ::kill(pid_t(job.processId()), SIGINT);
    ASSERT_TRUE(job.waitForFinished(60000));
    EXPECT_EQ(job.exitCode(), 5) << job.readAllStandardError().constData();
    const int before = int(readLog(log2).size());
    EXPECT_GE(before, 1);
    r = cli({QStringLiteral("fleet"), templ, QStringLiteral("--sequence"), QStringLiteral("MSK/ID Code=3001..3004"),
             QStringLiteral("--resume"), log2, QStringLiteral("--yes"), QStringLiteral("--port"),
             slow.devices.value(0)});
    EXPECT_EQ(r.code, 0) << qPrintable(r.err);
    QMap<QString, int> okCount;
    for (const LogLine& l : readLog(log2))
        if (l.result == QStringLiteral("ok"))
            ++okCount[l.unit];
    EXPECT_EQ(okCount.size(), 4);
    for (auto it = okCount.begin(); it != okCount.end(); ++it)
        EXPECT_EQ(it.value(), 1) << qPrintable(it.key());
}
