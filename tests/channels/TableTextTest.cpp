#include "channels/TableText.h"
#include "fields/Field.h"
#include "fleet/Units.h"

#include <gtest/gtest.h>

using namespace zemtar;
using namespace zemtar::tabletext;

namespace {

QString u8(const char* s) { return QString::fromUtf8(s); }

RadioImage sampleImage()
{
    RadioImage img = RadioImage::newDocument();
    completeNewDocument(img, 0);
    ChannelTable t;
    const auto band = BandLimits::of({144, 145});
    commitCell(t, 1, ColRx, u8("145.125"), band, Language::English);
    commitCell(t, 2, ColRx, u8("144.5"), band, Language::English);
    commitCell(t, 2, ColName, u8("A,\"B\""), band, Language::English);
    t.storeIntoImage(img);
    return img;
}

QString dumpOf(const RadioImage& img, Language lang, Format f)
{
    ChannelTable t;
    t.fillFromImage(img, lang);
    return dump(t, lang, f);
}

TEST(TableText, DumpHasHeaderAnd129LinesOf12Fields)
{
    const QString text = dumpOf(sampleImage(), Language::English, Format::Tsv);
    EXPECT_TRUE(text.endsWith(u'\n'));
    const QStringList lines = text.chopped(1).split(u'\n');
    ASSERT_EQ(lines.size(), 130);
    EXPECT_EQ(lines[0], u8("CH\tRx Frequency\tTx Frequency\tQT/DQT Dec\tQT/DQT Enc\tChnnel Name\tPower\t W/N \t"
                           "Scan Add\tPTT ID\tBusy Lock\tOpt Signal"));
    EXPECT_EQ(lines[1], u8("1\t145.12500\t145.12500\tNone\tNone\t\tHigh\tWide\tYes\tOff\tOff\tNone"));
    EXPECT_EQ(lines[129], u8("Fr\t\t\t\t\t\t\t\t\t\t\t"));
    for (const QString& l : lines)
        EXPECT_EQ(l.split(u'\t').size(), 12);
    EXPECT_TRUE(dumpOf(sampleImage(), Language::Chinese, Format::Tsv).startsWith(u8("信道\t接收频率")));
}

TEST(TableText, CsvQuotesAndParsesBack)
{
    const QString csv = dumpOf(sampleImage(), Language::English, Format::Csv);
    EXPECT_TRUE(csv.contains(u8("2,144.50000,144.50000,None,None,\"A,\"\"B\"\"\",High")));
    const QList<Line> lines = parse(csv);
    ASSERT_EQ(lines.size(), 130);
    EXPECT_EQ(lines[2].fields[ColName], u8("A,\"B\""));
    EXPECT_EQ(lines[2].number, 3);
    // Quoted line breaks, CRLF line ends and a byte order mark.
    const QList<Line> odd = parse(QString(QChar(0xFEFF)) + u8("a,\"x\r\ny\",c\r\n\r\nd,e\r\n"));
    ASSERT_EQ(odd.size(), 2);
    EXPECT_EQ(odd[0].fields, (QStringList{u8("a"), u8("x\r\ny"), u8("c")}));
    EXPECT_EQ(odd[1].number, 4);
}

TEST(TableText, UneditedDumpImportsWithoutChangingAByte)
{
    RadioImage img = sampleImage();
    img.set(24 + 13, 0xFF); // odd flag bits the store would recompute
    const RadioImage before = img;
    for (Language lang : {Language::English, Language::Chinese})
        for (Format f : {Format::Tsv, Format::Csv}) {
            const ImportResult r = importInto(img, dumpOf(before, lang, f));
            EXPECT_TRUE(r.ok()) << r.problems.join(u'\n').toStdString();
            EXPECT_TRUE(r.changedRows.isEmpty());
            EXPECT_EQ(img, before);
        }
}

TEST(TableText, ImportStoresChangedRowsWithDefaultsForEmptyCells)
{
    RadioImage img = sampleImage();
    const RadioImage before = img;
    const QString table = u8("CH\tignored\n"
                             "3\t144.0125\t\t67.0\t\tREPEAT\tLow\t\t\tBOT\tCarrier Only\tDTMF\n"
                             "1\t\t\t\t\t\t\t\t\t\t\t\n"
                             "Fr\t145.5\t440\tD023I\t无\tFR\t高\t窄\t否\t两者\t载波\t2-Tone\n");
    const ImportResult r = importInto(img, table);
    ASSERT_TRUE(r.ok()) << r.problems.join(u'\n').toStdString();
    EXPECT_EQ(r.changedRows, (QList<int>{3, 1, 129}));
    ChannelTable t;
    t.fillFromImage(img, Language::English);
    const char* row3[] = {"3",    "144.01250", "144.01250", "67.0",         "None", "REPEAT", "Low",
                          "Wide", "Yes",       "BOT",       "Carrier Only", "DTMF", ">>"};
    for (int c = 0; c < ColumnCount; ++c)
        EXPECT_EQ(t.cell(3, c), u8(row3[c])) << c;
    EXPECT_TRUE(t.isEmptyRow(1));
    const char* fr[] = {"Fr",     "145.50000", "440.00000", "D023I",        "None",   "FR", "High",
                        "Narrow", "No",        "Both",      "Carrier Only", "2-Tone", ">>"};
    for (int c = 0; c < ColumnCount; ++c)
        EXPECT_EQ(t.cell(kLastRow, c), u8(fr[c])) << c;
    // Row 2 was not in the table: untouched.
    EXPECT_EQ(img.toByteArray().mid(24, 24), before.toByteArray().mid(24, 24));
}

TEST(TableText, ListTextsAndTonesAreTakenInAnyCase)
{
    // Typed in another case, a text is the one item it names; the table shows the list's spelling.
    RadioImage img = sampleImage();
    const ImportResult r =
        importInto(img, u8("3\t144.0125\t\td023n\tnone\tGATE\tlow\tNARROW\tno\tboth\tcarrier only\t2-TONE\n"
                           "4\t144.025\t\tD023I\t67.0\t\tHIGH\twide\tYES\tbot\tqt/dqt\tdtmf\n"));
    ASSERT_TRUE(r.ok()) << r.problems.join(u'\n').toStdString();
    ChannelTable t;
    t.fillFromImage(img, Language::English);
    const char* row3[] = {"D023N", "None", "GATE", "Low", "Narrow", "No", "Both", "Carrier Only", "2-Tone"};
    const char* row4[] = {"D023I", "67.0", "", "High", "Wide", "Yes", "BOT", "QT/DQT", "DTMF"};
    for (int c = ColDecode; c <= ColSignal; ++c) {
        EXPECT_EQ(t.cell(3, c), u8(row3[c - ColDecode])) << c;
        EXPECT_EQ(t.cell(4, c), u8(row4[c - ColDecode])) << c;
    }
    // A text no item has in any case is still refused, and nothing is imported.
    RadioImage again = img;
    const ImportResult bad = importInto(again, u8("5\t145\t\t\t\t\tlo\t\t\t\t\t\n"));
    ASSERT_FALSE(bad.ok());
    EXPECT_TRUE(bad.problems.join(u'\n').contains(u8("\"lo\" is not a choice of the Power column")));
    EXPECT_EQ(again, img);

    // The shared rule: exact first, another case only where it names one item alone.
    const QStringList items{u8("a"), u8("A"), u8("Low"), u8("Carrier Only")};
    struct {
        const char* text;
        int index;
    } cases[] = {{"a", 0}, {"A", 1}, {"LOW", 2}, {"low", 2}, {"CARRIER ONLY", 3}, {"b", -1}, {"Lo", -1}};
    for (const auto& c : cases)
        EXPECT_EQ(fields::matchItem(items, u8(c.text)), c.index) << c.text;
    EXPECT_EQ(fields::matchItem({u8("ab"), u8("AB")}, u8("Ab")), -1); // two items differ from it in case only
}

TEST(TableText, AnyProblemRefusesTheWholeImportAndNamesEachLine)
{
    const RadioImage before = sampleImage();
    struct Case {
        const char* table;
        const char* expect;
    } cases[] = {
        {"4\t145.123\t\t\t\t\t\t\t\t\t\t\n",
         "line 1: Error data Value，please input according the step value(6.25K/5k)."},
        {"4\t150\t\t\t\t\t\t\t\t\t\t\n", "line 1: Out of range，please input again."},
        {"4\t45\t\t\t\t\t\t\t\t\t\t\n", "line 1: Error Data Format，please input again."},
        {"4\t145.1x\t\t\t\t\t\t\t\t\t\t\n", "line 1: Error Data Format"},
        {"4\t145\tabc\t\t\t\t\t\t\t\t\t\n", "line 1: transmit frequency \"abc\""},
        {"4\t145\t\t67\t\t\t\t\t\t\t\t\n", "line 1: \"67\" is not a tone"},
        {"4\t145\t\t\t\tTOOLONGNAME\t\t\t\t\t\t\n", "line 1: channel name \"TOOLONGNAME\""},
        {"4\t145\t\t\t\t名字\t\t\t\t\t\t\n", "printable ASCII"},
        {"4\t145\t\t\t\t\tMedium\t\t\t\t\t\n", "line 1: \"Medium\" is not a choice of the Power column"},
        {"4\t145\t\t\t\t\t\t\t\t\t\t\n\n129\t145\t\t\t\t\t\t\t\t\t\t\n", "line 3: \"129\" is not a row"},
        {"4\t145\n", "line 1: expected 12 fields, found 2"},
        {"4\t145\t\t\t\t\t\t\t\t\t\t\n4\t145\t\t\t\t\t\t\t\t\t\t\n", "line 2: row 4 appears more than once"},
    };
    for (const Case& c : cases) {
        RadioImage img = before;
        const ImportResult r = importInto(img, u8(c.table));
        ASSERT_FALSE(r.ok()) << c.table;
        EXPECT_TRUE(r.problems.join(u'\n').contains(u8(c.expect))) << r.problems.join(u'\n').toStdString();
        EXPECT_EQ(img, before) << c.table;
    }
}

TEST(TableText, ApplyRowsSetsCheckedRowsInTheTablesLanguageOrNothing)
{
    const auto band = BandLimits::of({144, 145});
    ChannelTable t;
    t.fillFromImage(sampleImage(), Language::Chinese);
    const ChannelTable before = t;
    auto fields = [&](int row) {
        QStringList f;
        for (int c = ColRx; c < kFieldCount; ++c)
            f << t.cell(row, c);
        return f;
    };
    // Row 1 as it shows, row 3 new with English texts, row 2 renamed.
    QStringList row3 = QStringList{u8("144.25")} + QStringList(kFieldCount - 2);
    row3[ColBusy - ColRx] = u8("Carrier");
    QStringList row2 = fields(2);
    row2[ColName - ColRx] = u8("NEW");
    ApplyResult r = applyRows(t, {{1, fields(1)}, {3, row3}, {2, row2}}, band, Language::Chinese, Language::English);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.changedRows, (QList<int>{3, 2}));
    EXPECT_EQ(t.row(1), before.row(1));
    EXPECT_EQ(t.cell(3, ColBusy), u8("载波"));
    EXPECT_EQ(t.cell(3, ColPower), u8("高"));
    EXPECT_EQ(t.cell(2, ColName), u8("NEW"));

    // One bad edit among good ones: the table stays as it was and the problem names its edit.
    const ChannelTable good = t;
    QStringList bad = fields(4);
    bad[0] = u8("150");
    row2[ColName - ColRx] = u8("OTHER");
    r = applyRows(t, {{2, row2}, {4, bad}}, band, Language::Chinese, Language::English);
    ASSERT_EQ(r.problems.size(), 1);
    EXPECT_EQ(r.problems[0].edit, 1);
    EXPECT_EQ(r.problems[0].column, int(ColRx));
    EXPECT_TRUE(r.changedRows.isEmpty());
    EXPECT_EQ(t.cell(2, ColName), u8("NEW"));
    for (int row = kFirstRow; row <= kLastRow; ++row)
        EXPECT_EQ(t.row(row), good.row(row));
}

TEST(TableText, ImportNamesProblemsInLineOrder)
{
    RadioImage img = sampleImage();
    const ImportResult r = importInto(img, u8("4\t150\t\t\t\t\t\t\t\t\t\t\n4\t145\n5\t145\t\t67\t\t\t\t\t\t\t\t\n"));
    ASSERT_EQ(r.problems.size(), 3);
    EXPECT_TRUE(r.problems[0].startsWith(u8("line 1:")));
    EXPECT_TRUE(r.problems[1].startsWith(u8("line 2: expected")));
    EXPECT_TRUE(r.problems[2].startsWith(u8("line 3:")));
}

} // namespace

namespace {

// A table of two edited rows with the given line end.
QString editedRows(const char* lineEnd)
{
    return u8("CH\tRx Frequency\tTx Frequency\tQT/DQT Dec\tQT/DQT Enc\tChnnel Name\tPower\t W/N \t"
              "Scan Add\tPTT ID\tBusy Lock\tOpt Signal%1"
              "3\t144.0125\t\t\t\t\t\t\t\t\t\t%1"
              "4\t145.5\t\t\t\t\"A,\"\"B\"\t\t\t\t\t\t%1")
        .replace(u8("%1"), u8(lineEnd));
}

TEST(TableText, LineEndsCrLfAndCrAloneReadAlike)
{
    const QList<Line> lf = parse(editedRows("\n"));
    ASSERT_EQ(lf.size(), 3);
    for (const char* end : {"\r\n", "\r"}) {
        const QList<Line> other = parse(editedRows(end));
        ASSERT_EQ(other.size(), 3) << end;
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(other[i].fields, lf[i].fields);
            EXPECT_EQ(other[i].number, i + 1);
        }
        // A quoted line break counts as a line of the text.
        EXPECT_EQ(parse(u8("a,\"x%1y\"%1b").replace(u8("%1"), u8(end))).value(1).number, 3);
        RadioImage img = sampleImage();
        const ImportResult r = importInto(img, editedRows(end));
        ASSERT_TRUE(r.ok()) << r.problems.join(u'\n').toStdString();
        EXPECT_EQ(r.changedRows, (QList<int>{3, 4})) << end;
        EXPECT_EQ(r.rowsRead, 2);
    }
    // A units table saved with CR alone has its units below the header.
    const fleet::UnitsTable units = fleet::parseUnits(u8("Unit,MSK/ID Code\rA,101\rB,102\r"));
    EXPECT_TRUE(units.ok()) << units.problems.join(u'\n').toStdString();
    EXPECT_EQ(units.units.size(), 2);
}

TEST(TableText, NamesWithAnyByteComeBackFromDumpCopyAndPaste)
{
    // Every byte a name can hold (0xFF ends it), the separators and quotes among them.
    QList<QByteArray> names{"A\tB", "A\rB", "A\nB", "A\r\nB", "\"AB", "A\"B\"", "A,B", "\"", "\t", ",\",\t\r\n"};
    for (int b = 0; b < 0xFF; ++b)
        names << QByteArray(1, char(b)) + "x" + QByteArray(1, char(b));
    for (const QByteArray& name : names) {
        RadioImage img = sampleImage();
        for (int i = 0; i < 8; ++i)
            img.set(24 + 16 + std::size_t(i), std::uint8_t(i < name.size() ? name[i] : 0xFF));
        const RadioImage before = img;
        const QString shown = QString::fromLatin1(name);
        for (Format f : {Format::Tsv, Format::Csv}) {
            const QString text = dumpOf(before, Language::English, f);
            const QList<Line> lines = parse(text);
            ASSERT_EQ(lines.size(), 130) << name.toHex().toStdString();
            EXPECT_EQ(lines[2].fields.value(ColName), shown) << name.toHex().toStdString();
            const ImportResult r = importInto(img, text);
            EXPECT_TRUE(r.ok() && r.changedRows.isEmpty()) << r.problems.join(u'\n').toStdString();
            EXPECT_EQ(img, before);
        }
        // A block of cells as copy writes it: a single cell too.
        for (const QStringList& cells : {QStringList{shown}, QStringList{shown, u8("High")}}) {
            const QList<Line> pasted = parse(joinLine(cells, Format::Tsv) + u'\n');
            ASSERT_EQ(pasted.size(), 1) << name.toHex().toStdString();
            EXPECT_EQ(pasted[0].fields, cells) << name.toHex().toStdString();
        }
    }
    // Ordinary names are written as they are.
    EXPECT_EQ(joinLine({u8("AB CD"), u8("x.y-z"), u8("")}, Format::Tsv), u8("AB CD\tx.y-z\t"));
    EXPECT_EQ(joinLine({u8("A\tB"), u8("A,B")}, Format::Tsv), u8("\"A\tB\"\t\"A,B\""));
}

TEST(TableText, TonesOutsideTheRadiosListsAndUnclosedQuotesAreRefused)
{
    const RadioImage before = sampleImage();
    for (const char* table : {"4\t145\t\tD999N\t\t\t\t\t\t\t\t\n", "4\t145\t\t\t67.1\t\t\t\t\t\t\t\n",
                              "4\t145\t\t\tD023X\t\t\t\t\t\t\t\n", "4\t145\t\t\t\t\"AB\t\t\t\t\t\t\n"}) {
        RadioImage img = before;
        const ImportResult r = importInto(img, u8(table));
        ASSERT_FALSE(r.ok()) << table;
        EXPECT_TRUE(r.problems.join(u'\n').contains(u8("line 1:"))) << r.problems.join(u'\n').toStdString();
        EXPECT_EQ(img, before);
    }
    RadioImage img = before;
    EXPECT_TRUE(importInto(img, u8("4\t145\t\tD754I\t254.1\t\t\t\t\t\t\t\n")).ok());
}

} // namespace
