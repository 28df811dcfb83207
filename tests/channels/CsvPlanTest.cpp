#include "channels/CsvPlan.h"

#include "channels/ChannelTable.h"
#include "channels/TableText.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace zemtar;
using namespace zemtar::csvplan;

namespace {

QString u8(const char* s) { return QString::fromUtf8(s); }

} // namespace

QT_BEGIN_NAMESPACE
// Failures show the text, not its bytes.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

namespace {

RadioImage newFile()
{
    RadioImage img = RadioImage::newDocument();
    completeNewDocument(img, 0);
    ChannelTable().storeIntoImage(img);
    return img;
}

// Channels typed into the table: receive, transmit, decode, encode, name, power, width, scan.
RadioImage typed(const QList<QStringList>& rows)
{
    RadioImage img = newFile();
    QString table;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        QStringList fields = QStringList{QString::number(i + 1)} + rows[i];
        while (fields.size() < tabletext::kFieldCount)
            fields << QString();
        table += tabletext::joinLine(fields, tabletext::Format::Tsv) + u'\n';
    }
    const tabletext::ImportResult r = tabletext::importInto(img, table);
    EXPECT_TRUE(r.ok()) << r.problems.join(u'\n').toStdString();
    return img;
}

QString dumpOf(const RadioImage& img)
{
    ChannelTable t;
    t.fillFromImage(img, Language::English);
    return tabletext::dump(t, Language::English, tabletext::Format::Tsv);
}

// Each tone mode and cross mode, each duplex, both polarities, a full name, both widths and powers.
const QList<QStringList> kChannels{
    {"145.125", "", "", "", "PLAIN"},
    {"145.125", "145.725", "", "88.5", "TONE+"},
    {"145.125", "144.525", "67.0", "67.0", "TSQL-", "Low", "Narrow", "No"},
    {"145.00625", "", "D023N", "D023N", "NN"},
    {"145.125", "", "D023I", "D023N", "NR"},
    {"145.125", "", "D754N", "D754I", "RN"},
    {"145.125", "", "D754I", "D754I", "RR12345"},
    {"145.125", "", "100.0", "254.1", "T->T"},
    {"145.125", "", "D114I", "71.9", "T->D"},
    {"145.125", "", "71.9", "D114I", "D->T"},
    {"145.125", "", "71.9", "", "->T"},
    {"145.125", "", "D065N", "", "->D"},
    {"145.125", "", "", "D065I", "D->"},
    {"145.125", "", "D023N", "D025I", "D->D"},
    {"144.0", "440.0", "", "", "SPLIT"},
};

TEST(CsvPlan, ExportWritesTheLayoutOfEachToneModeAndDuplex)
{
    RadioImage img = typed(kChannels);
    img.set(ChannelTable::recordOffset(16) + 0, 0x00); // channel 16: receive only
    img.set(ChannelTable::recordOffset(16) + 1, 0x50);
    img.set(ChannelTable::recordOffset(16) + 2, 0x51);
    img.set(ChannelTable::recordOffset(16) + 3, 0x14);
    const QStringList lines = exportText(img).split(u'\n');
    EXPECT_EQ(lines[0], u8("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
                           "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE"));
    const char* expected[] = {
        "1,PLAIN,145.125000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,",
        "2,TONE+,145.125000,+,0.600000,Tone,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,",
        "3,TSQL-,145.125000,-,0.600000,TSQL,88.5,67.0,023,NN,023,Tone->Tone,NFM,5.00,S,Low,,,,,",
        "4,NN,145.006250,,0.000000,DTCS,88.5,88.5,023,NN,023,Tone->Tone,FM,6.25,,High,,,,,",
        "5,NR,145.125000,,0.000000,DTCS,88.5,88.5,023,NR,023,Tone->Tone,FM,5.00,,High,,,,,",
        "6,RN,145.125000,,0.000000,DTCS,88.5,88.5,754,RN,023,Tone->Tone,FM,5.00,,High,,,,,",
        "7,RR12345,145.125000,,0.000000,DTCS,88.5,88.5,754,RR,023,Tone->Tone,FM,5.00,,High,,,,,",
        "8,T->T,145.125000,,0.000000,Cross,254.1,100.0,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,",
        "9,T->D,145.125000,,0.000000,Cross,71.9,88.5,023,NR,114,Tone->DTCS,FM,5.00,,High,,,,,",
        "10,D->T,145.125000,,0.000000,Cross,88.5,71.9,114,RN,023,DTCS->Tone,FM,5.00,,High,,,,,",
        "11,->T,145.125000,,0.000000,Cross,88.5,71.9,023,NN,023,->Tone,FM,5.00,,High,,,,,",
        "12,->D,145.125000,,0.000000,Cross,88.5,88.5,023,NN,065,->DTCS,FM,5.00,,High,,,,,",
        "13,D->,145.125000,,0.000000,Cross,88.5,88.5,065,RN,023,DTCS->,FM,5.00,,High,,,,,",
        "14,D->D,145.125000,,0.000000,Cross,88.5,88.5,025,RN,023,DTCS->DTCS,FM,5.00,,High,,,,,",
        "15,SPLIT,144.000000,+,296.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,",
        "16,,145.150000,off,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,5.00,S,Low,,,,,",
    };
    ASSERT_GE(lines.size(), 18);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(lines[i + 1].toStdString(), expected[i]) << i + 1;
    EXPECT_EQ(lines.size(), 18); // and the final line end
}

TEST(CsvPlan, ExportThenImportIntoANewFileGivesTheSameDump)
{
    const RadioImage img = typed(kChannels);
    const QString text = exportText(img);
    for (const QString& variant : {text, QString(QChar(0xFEFF)) + QString(text).replace(u8("\n"), u8("\r\n")),
                                   QString(text).replace(u8("\n"), u8("\r"))}) {
        RadioImage fresh = newFile();
        const Plan plan = parse(variant, fresh);
        ASSERT_TRUE(plan.ok()) << plan.refused.toStdString()
                               << (plan.problems.isEmpty() ? "" : plan.problems[0].toString().toStdString());
        EXPECT_EQ(plan.rows, kChannels.size());
        apply(fresh, plan.edits);
        EXPECT_EQ(dumpOf(fresh), dumpOf(img));
        EXPECT_EQ(exportText(fresh), text);
    }
}

QString withHeader(const char* rows) { return header() + u8("\n") + u8(rows); }

TEST(CsvPlan, RowsTheRadioCannotHoldAreListedByLineAndColumn)
{
    struct Case {
        const char* row;
        const char* column;
        const char* reason;
    } cases[] = {
        {"1,A,145.125,,,,,,,,,,AM,,,", "Mode", "FM (wide) and NFM (narrow) only"},
        {"1,A,145.125,,,,,,,,,,DV,,,", "Mode", "\"DV\""},
        {"1,A,700.0,,,,,,,,,,FM,,,", "Frequency", "outside 67-600 MHz"},
        {"1,A,66.99,,,,,,,,,,FM,,,", "Frequency", "outside 67-600 MHz"},
        {"1,A,145.123,,,,,,,,,,FM,,,", "Frequency", "not on a 5 kHz or 6.25 kHz step"},
        {"1,A,145.1250001,,,,,,,,,,FM,,,", "Frequency", "is not a frequency"},
        {"1,A,abc,,,,,,,,,,FM,,,", "Frequency", "is not a frequency"},
        {"1,A,150.0,,,,,,,,,,FM,,,", "Frequency", "outside the radio's band 144-145MHz"},
        {"1,A,145.125,,,Tone,67.1,,,,,,FM,,,", "rToneFreq", "not a CTCSS tone of the radio's list"},
        {"1,A,145.125,,,TSQL,,x,,,,,FM,,,", "cToneFreq", "\"x\" is not a CTCSS tone"},
        {"1,A,145.125,,,DTCS,,,999,NN,,,FM,,,", "DtcsCode", "not a DCS code of the radio's list"},
        {"1,A,145.125,,,DTCS,,,023,NX,,,FM,,,", "DtcsPolarity", "not NN, NR, RN or RR"},
        {"1,A,145.125,,,Cross,,,,NN,,Tone->Foo,FM,,,", "CrossMode", "is not one of Tone->Tone"},
        {"1,A,145.125,,,Cross,,,023,NN,998,->DTCS,FM,,,", "RxDtcsCode", "\"998\""},
        {"1,A,145.125,,,DCS,,,,,,,FM,,,", "Tone", "not one of \"\", Tone, TSQL, DTCS, Cross"},
        {"0,A,145.125,,,,,,,,,,FM,,,", "Location", "not a channel from 1 to 128"},
        {"129,A,145.125,,,,,,,,,,FM,,,", "Location", "not a channel from 1 to 128"},
        {"Fr,A,145.125,,,,,,,,,,FM,,,", "Location", "not a channel from 1 to 128"},
        {"1,A,145.125,x,,,,,,,,,FM,,,", "Duplex", "not one of \"\", +, -, split, off"},
        {"1,A,145.125,+,,,,,,,,,FM,,,", "Offset", "is not a frequency in MHz"},
        {"1,A,145.125,+,400,,,,,,,,FM,,,", "Offset", "545.125000 MHz is outside 67-512 MHz"},
        {"1,A,145.125,split,600,,,,,,,,FM,,,", "Offset", "outside 67-512 MHz"},
        {"1,A,145.125,-,146,,,,,,,,FM,,,", "Offset", "below 0"},
        {"1,Café,145.125,,,,,,,,,,FM,,,", "Name", "printable ASCII"},
        {"1,A,145.125,,,,,,,,,,FM,,P,", "Skip", "not \"\" (scanned) or S"},
        {"1,A,145.125,,,,,,,,,,FM,,,Medium", "Power", "not High, Low or a number of watts"},
    };
    const RadioImage img = newFile();
    for (const Case& c : cases) {
        const Plan plan = parse(withHeader("2,OK,145.0,,,,,,,,,,FM,,,\n") + u8(c.row) + u8("\n"), img);
        ASSERT_EQ(plan.problems.size(), 1) << c.row;
        EXPECT_EQ(plan.problems[0].line, 3) << c.row;
        EXPECT_EQ(plan.problems[0].column, u8(c.column)) << c.row;
        EXPECT_TRUE(plan.problems[0].toString().contains(u8(c.reason))) << plan.problems[0].toString().toStdString();
        EXPECT_TRUE(plan.problems[0].toString().startsWith(QStringLiteral("line 3, column %1: ").arg(u8(c.column))));
        EXPECT_FALSE(plan.ok());
        ASSERT_EQ(plan.edits.size(), 1); // the row that fits, for --skip-bad
        EXPECT_EQ(plan.edits[0].channel, 2);
    }
    // A channel given twice, and a quote left open.
    Plan plan = parse(withHeader("2,A,145.0\n2,B,145.0\n3,\"C,145.0\n"), img);
    ASSERT_EQ(plan.problems.size(), 2);
    EXPECT_EQ(plan.problems[0].toString(), u8("line 3, column Location: channel 2 is given on line 2 too"));
    EXPECT_EQ(plan.problems[1].toString(), u8("line 4: a quoted field is not closed"));
}

// In a Chinese window every problem and note is Chinese, whatever the row did wrong; the
// column keeps the file's name after the channel table's header.
TEST(CsvPlan, ProblemsAndNotesAreInTheWindowsLanguage)
{
    const RadioImage img = newFile();
    const QString text = withHeader("3,AVERYLONGNAME,999.0,,,,,,,,,,FM,,,\n"
                                    "4,A,145.0,x,,Tone,77.7,,,,,,FM,,,\n"
                                    "5,A,145.0,+,400,DTCS,,,999,XX,,,AM,,P,Medium\n"
                                    "6,A,145.0,,,Cross,,,,,,Tone->Nothing,FM,,,\n"
                                    "7,A,145.0\n7,B,145.0\n"
                                    "0,A,145.0\n8,A,145.003\n9,Café,145.0\n");
    const Plan en = parse(text, img, {}, Language::English);
    const Plan zh = parse(text, img, {}, Language::Chinese);
    ASSERT_EQ(zh.problems.size(), en.problems.size());
    ASSERT_GE(zh.problems.size(), 12);
    static const QRegularExpression twoWords(QStringLiteral("\\b[a-z]{2,} [a-z]{2,}\\b"));
    for (qsizetype i = 0; i < zh.problems.size(); ++i) {
        EXPECT_EQ(zh.problems[i].column, en.problems[i].column); // the file's name, for finding it
        EXPECT_NE(zh.problems[i].text, en.problems[i].text);
        EXPECT_FALSE(twoWords.match(zh.problems[i].text).hasMatch()) << zh.problems[i].text.toStdString();
    }
    EXPECT_EQ(zh.problems[0].text, u8("999.0 MHz 不在 67-600 MHz 之内"));
    EXPECT_EQ(en.problems[0].text, u8("999.0 MHz is outside 67-600 MHz"));
    ASSERT_EQ(zh.notes.size(), 1);
    EXPECT_EQ(zh.notes[0].text, u8("\"AVERYLONGNAME\" 截为 \"AVERYLON\"（本机只存 8 个字符）"));
    EXPECT_EQ(parse(u8("Location,Comment\n1,x\n"), img, {}, Language::Chinese).refused,
              u8("第 1 行：标题行没有 Frequency, Name 列（此格式的标题行是 ") + header() + u8("）"));
    EXPECT_EQ(parse(header() + u8("\n,,\n"), img, {}, Language::Chinese).refused, u8("标题行下面没有信道行"));

    EXPECT_EQ(columnName(u8("Frequency"), Language::Chinese), u8("接收频率（Frequency）"));
    EXPECT_EQ(columnName(u8("RxDtcsCode"), Language::Chinese), u8("QT/DQT解码（RxDtcsCode）"));
    EXPECT_EQ(columnName(u8("Mode"), Language::Chinese), u8("宽/窄（Mode）"));
    EXPECT_EQ(columnName(u8("Frequency"), Language::English), u8("Frequency"));
    for (const QString& c : u8("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
                               "RxDtcsCode,CrossMode,Mode,Skip,Power")
                                .split(u','))
        EXPECT_TRUE(columnName(c, Language::Chinese).contains(u8("（"))) << c.toStdString();
}

TEST(CsvPlan, ColumnsAreFoundByNameAndTheRequiredOnesMustBeThere)
{
    const RadioImage img = newFile();
    // Any order, any case, unknown columns ignored, missing optional columns left to the channel.
    Plan plan = parse(u8("Extra,frequency,NAME,Location,Power,Duplex,Offset\nx,145.5,LONGERNAME,7,0.5W,split,146\n"
                         "y,145.5,B,8,5.0 W,,\n"),
                      img);
    ASSERT_TRUE(plan.ok()) << plan.problems.value(0).toString().toStdString();
    ASSERT_EQ(plan.edits.size(), 2);
    EXPECT_EQ(plan.edits[0].channel, 7);
    EXPECT_EQ(plan.edits[0].rx, 14550000);
    EXPECT_EQ(plan.edits[0].tx, 14600000);
    EXPECT_EQ(plan.edits[0].name, u8("LONGERNA"));
    EXPECT_EQ(plan.edits[0].high, false);
    EXPECT_EQ(plan.edits[1].high, true);
    EXPECT_FALSE(plan.edits[0].wide.has_value());
    ASSERT_EQ(plan.notes.size(), 1);
    EXPECT_EQ(plan.notes[0].toString(),
              u8("line 2, column Name: \"LONGERNAME\" is cut to \"LONGERNA\" (the radio holds 8 characters)"));

    plan = parse(u8("Location,Comment\n1,x\n"), img);
    EXPECT_EQ(plan.refused.left(50), u8("line 1: the header has no Frequency, Name column ("));
    EXPECT_TRUE(plan.edits.isEmpty());
    EXPECT_TRUE(parse(header() + u8("\n,,,\n\n"), img).refused.contains(u8("no channel rows")));
    EXPECT_TRUE(isCsvPlan(QString(QChar(0xFEFF)) + header()));
    EXPECT_TRUE(isCsvPlan(u8("name;x,frequency\n")));
    EXPECT_FALSE(isCsvPlan(u8("CH\tRx Frequency\tTx Frequency\n1\t145\n")));
}

TEST(CsvPlan, RenumberPlacesRowsInFileOrder)
{
    const RadioImage img = newFile();
    const QString text = withHeader("40,A,145.0\n3,B,145.123\n40,C,145.5\n9,D,145.25\n");
    Plan plan = parse(text, img, {true, 1});
    ASSERT_EQ(plan.problems.size(), 1); // the step, not the repeated Location
    EXPECT_EQ(plan.problems[0].line, 3);
    ASSERT_EQ(plan.edits.size(), 3);
    EXPECT_EQ(plan.edits[0].channel, 1);
    EXPECT_EQ(plan.edits[1].channel, 2); // the refused row takes no channel
    EXPECT_EQ(plan.edits[2].channel, 3);
    plan = parse(text, img, {true, 127});
    ASSERT_EQ(plan.problems.size(), 2);
    EXPECT_TRUE(plan.problems[1].toString().contains(u8("line 5: no channel is left")));
    EXPECT_EQ(plan.edits.size(), 2);
    // Without a Location column.
    plan = parse(u8("Name,Frequency\nA,145.0\n"), img, {true, 5});
    ASSERT_TRUE(plan.ok());
    EXPECT_EQ(plan.edits[0].channel, 5);
    EXPECT_FALSE(parse(u8("Name,Frequency\nA,145.0\n"), img).refused.isEmpty());
}

TEST(CsvPlan, ApplyKeepsWhatTheLayoutHasNoPlaceForAndDefaultsNewChannels)
{
    RadioImage img = typed({{"145.125", "", "", "", "OLD"}});
    const tabletext::ImportResult r =
        tabletext::importInto(img, u8("1\t145.125\t145.125\tNone\tNone\tOLD\tHigh\tWide\tYes\tBoth\tQT/DQT\tMSK\n"));
    ASSERT_TRUE(r.ok());
    img.set(14, 0x03); // the Channel Edit entries
    img.set(15, 0x05);
    img.set(ChannelTable::recordOffset(2) + 12, 0x3F); // a blank row's leftovers
    img.set(ChannelTable::recordOffset(2) + 13, 0x06);
    const Plan plan = parse(withHeader("1,NEW,145.5,,,,,,,,,,NFM,,S,Low\n2,SECOND,144.5,off,,,,,,,,,,,,\n"), img);
    ASSERT_TRUE(plan.ok());
    EXPECT_EQ(apply(img, plan.edits), (QList<int>{1, 2}));
    ChannelTable t;
    t.fillFromImage(img, Language::English);
    const char* row1[] = {"1",      "145.50000", "145.50000", "None",   "None", "NEW", "Low",
                          "Narrow", "No",        "Both",      "QT/DQT", "MSK",  ">>"};
    for (int c = 0; c < ColumnCount; ++c)
        EXPECT_EQ(t.cell(1, c), u8(row1[c])) << c;
    EXPECT_EQ(img.at(14), 0x03);
    EXPECT_EQ(img.at(15), 0x05);
    // Channel 2 receives only; its flags are the new-channel defaults.
    const std::size_t o = ChannelTable::recordOffset(2);
    EXPECT_EQ(freq::decode(img, o), 14450000);
    EXPECT_TRUE(freq::isAbsent(img, o + 4));
    EXPECT_EQ(img.at(o + 12) & 0x37, 0x00);
    EXPECT_EQ(img.at(o + 13), 0x78); // shift below (absent transmit), high, wide, scan, busy off
    EXPECT_EQ(name::read(img, o + 16), u8("SECOND"));
}

} // namespace
