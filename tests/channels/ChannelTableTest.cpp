#include "channels/ChannelTable.h"

#include <gtest/gtest.h>

using namespace zemtar;

namespace {

QString u8(const char* s) { return QString::fromUtf8(s); }

// Channel 1: 145.12500 / 145.72500, tones 67.0 and D023N, name "CALL",
// high power, wide, scan, PTT ID EOT, busy lock carrier, MSK, entry bytes 3 and 0xFF.
RadioImage knownImage()
{
    RadioImage img = RadioImage::newDocument();
    img.setBytes(0, {0x00, 0x25, 0x51, 0x14, 0x00, 0x25, 0x57, 0x14, 0x70, 0x06, 0x23, 0x80,
                     0x21, 0xBA, 0x03, 0xFF, 'C',  'A',  'L',  'L',  0xFF, 0xFF, 0xFF, 0xFF});
    // Channel 2: receive only, with a decode tone, oddball flag values.
    img.setBytes(24, {0x00, 0x50, 0x00, 0x44, 0xFF, 0xFF, 0xFF, 0xFF, 0x41, 0x25, 0xFF, 0xFF,
                      0x07, 0xFF, 0x01, 0x02, 'X',  0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
    // Fr row: busy lock 3, optional signal 6, low power, narrow, no scan.
    img.setBytes(128 * 24, {0x00, 0x00, 0x00, 0x44, 0x00, 0x00, 0x00, 0x44, 0xFF, 0xFF, 0xFF, 0xFF,
                            0x36, 0x06, 0x09, 0x04, 'F',  'R',  0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
    band::write(img, {136, 470});
    return img;
}

TEST(ChannelTable, NewTableIsEmptyWithLabels)
{
    ChannelTable t;
    t.fillFromImage(RadioImage::newDocument(), Language::English);
    for (int r = kFirstRow; r <= kLastRow; ++r) {
        EXPECT_EQ(t.cell(r, ColLabel), r == kLastRow ? u8("Fr") : QString::number(r));
        for (int c = ColRx; c < ColumnCount; ++c)
            ASSERT_TRUE(t.cell(r, c).isEmpty()) << r << "," << c;
    }
    EXPECT_EQ(ChannelTable::rowForLabel(u8("128")), 128);
    EXPECT_EQ(ChannelTable::rowForLabel(u8("Fr")), 129);
    for (const char* bad : {"0", "129", "01", "fr", "", " 1"})
        EXPECT_EQ(ChannelTable::rowForLabel(u8(bad)), 0) << bad;
}

TEST(ChannelTable, FillShowsEveryFieldInBothLanguages)
{
    const RadioImage img = knownImage();
    struct {
        Language lang;
        std::array<const char*, 13> row1;
        std::array<const char*, 13> fr;
    } cases[] = {
        {Language::English,
         {"1", "145.12500", "145.72500", "67.0", "D023N", "CALL", "High", "Wide", "Yes", "EOT", "Carrier Only", "MSK",
          ">>"},
         {"Fr", "440.00000", "440.00000", "None", "None", "FR", "Low", "Narrow", "No", "Both", "QT/DQT", "2-Tone",
          ">>"}},
        {Language::Chinese,
         {"1", "145.12500", "145.72500", "67.0", "D023N", "CALL", "高", "宽", "是", "发射结束", "载波", "MSK", ">>"},
         {"Fr", "440.00000", "440.00000", "无", "无", "FR", "低", "窄", "否", "两者", "QT/DQT", "2-Tone", ">>"}},
    };
    for (const auto& c : cases) {
        ChannelTable t;
        t.fillFromImage(img, c.lang);
        for (int col = 0; col < ColumnCount; ++col) {
            EXPECT_EQ(t.cell(1, col), u8(c.row1[std::size_t(col)])) << "row 1 col " << col;
            EXPECT_EQ(t.cell(kLastRow, col), u8(c.fr[std::size_t(col)])) << "Fr col " << col;
        }
        // Receive-only channel: the frequency and the set tone, nothing else.
        EXPECT_EQ(t.cell(2, ColRx), u8("440.05000"));
        EXPECT_EQ(t.cell(2, ColDecode), u8("254.1"));
        for (int col : {ColTx, ColEncode, ColName, ColPower, ColSignal, ColMore})
            EXPECT_TRUE(t.cell(2, col).isEmpty()) << col;
    }
}

TEST(ChannelTable, StoringAnUneditedTableChangesOnlyWhatTheRulesRecompute)
{
    const RadioImage img = knownImage();
    for (Language lang : {Language::English, Language::Chinese}) {
        ChannelTable t;
        t.fillFromImage(img, lang);
        RadioImage stored = img;
        t.storeIntoImage(stored);
        // Channel 1: shift bits recomputed (transmit above receive), everything else identical.
        QByteArray expect1 = img.toByteArray().mid(0, 24);
        expect1[13] = char((0xBA & 0x3F) | 0x80);
        EXPECT_EQ(stored.toByteArray().mid(0, 24), expect1);
        // Fr: busy lock 3 becomes 2, optional signal 6 becomes 4; entry bytes untouched.
        EXPECT_EQ(stored.at(128 * 24 + 12), 0x34);
        EXPECT_EQ(stored.at(128 * 24 + 13), 0x04);
        EXPECT_EQ(stored.at(128 * 24 + 14), 0x09);
        EXPECT_EQ(stored.at(128 * 24 + 15), 0x04);
        // Receive-only channel: name erased, bits cleared, busy lock 2, tone kept, receive below
        // an absent transmit frequency counts as "transmit below".
        EXPECT_EQ(stored.text(24 + 16, 8), QByteArray());
        EXPECT_EQ(stored.at(24 + 9), 0x25);
        EXPECT_EQ(stored.at(24 + 13), ((0xFF & 0x01) | 0x04 | 0x40));
        EXPECT_EQ(stored.at(24 + 14), 0x01);
        // Everything outside the channel rows is untouched.
        EXPECT_EQ(stored.toByteArray().mid(129 * 24), img.toByteArray().mid(129 * 24));
    }
}

TEST(ChannelTable, StoringABlankRowClearsItsBytesAndKeepsPttAndSignal)
{
    RadioImage img = knownImage();
    ChannelTable t;
    t.fillFromImage(img, Language::English);
    t.clearRow(1);
    t.storeIntoImage(img);
    const QByteArray r = img.toByteArray().mid(0, 24);
    EXPECT_EQ(r.mid(0, 4), QByteArray(4, '\xFF'));
    EXPECT_EQ(r.mid(4, 3), QByteArray("\x00\x25\x57", 3)); // lower transmit bytes stay
    EXPECT_EQ(r.mid(7, 5), QByteArray(5, '\xFF'));
    EXPECT_EQ(quint8(r[12]), 0x21);
    EXPECT_EQ(quint8(r[13]), (0xBA & 0x01) | 0x04);
    EXPECT_EQ(r.mid(14, 2), QByteArray("\x03\xFF", 2));
    EXPECT_EQ(r.mid(16), QByteArray(8, '\xFF'));
}

TEST(ChannelTable, StoreAcceptsTextsOfEitherLanguage)
{
    ChannelTable t;
    ChannelTable::Row row = ChannelTable::newChannelDefaults(Language::Chinese);
    row[ColRx] = u8("438.50000");
    row[ColTx] = u8("430.50000");
    row[ColPttId] = u8("发射开始");
    row[ColBusy] = u8("Carrier");
    row[ColSignal] = u8("两音");
    t.setRow(5, row);
    RadioImage img;
    t.storeRow(5, img);
    const std::size_t o = 4 * 24;
    EXPECT_EQ(img.at(o + 12) & 0x37, 0x14);
    EXPECT_EQ(img.at(o + 13), 0x40 | 0x20 | 0x10 | 0x08 | 0x02 | 0x01);
}

struct RxCase {
    const char* text;
    std::optional<msg::Id> error;
    Band band;
};
void PrintTo(const RxCase& c, std::ostream* os) { *os << c.text << " in " << c.band.lowMHz << "-" << c.band.highMHz; }
class ReceiveCheck : public ::testing::TestWithParam<RxCase> {};

TEST_P(ReceiveCheck, RangeThenStepThenBand)
{
    const RxCase& c = GetParam();
    const auto r = checkReceive(u8(c.text), BandLimits::of(c.band));
    EXPECT_EQ(r.error, c.error) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReceiveCheck,
    ::testing::Values(RxCase{"145.125", std::nullopt, {144, 145}}, RxCase{"145.123", msg::StepError, {144, 145}},
                      RxCase{"66.99999", msg::DataFormat, {144, 145}}, RxCase{"600.00000", msg::OutOfRange, {144, 145}},
                      RxCase{"600.00000", std::nullopt, {100, 600}}, RxCase{"600.00625", msg::DataFormat, {100, 600}},
                      RxCase{"145.99375", std::nullopt, {144, 145}}, RxCase{"146.00000", msg::OutOfRange, {144, 145}},
                      RxCase{"143.99500", msg::OutOfRange, {144, 145}}, RxCase{"144", std::nullopt, {144, 145}},
                      RxCase{"145.9a", msg::DataFormat, {144, 145}}, RxCase{"abc", msg::DataFormat, {144, 145}},
                      RxCase{"144.00500", std::nullopt, {144, 145}}, RxCase{"144.00625", std::nullopt, {144, 145}},
                      RxCase{"144.0075", msg::StepError, {144, 145}}));

TEST(CellCommit, TypingIntoEmptyRowCreatesAChannelWithDefaults)
{
    ChannelTable t;
    const auto band = BandLimits::of({144, 145});
    EXPECT_TRUE(commitCell(t, 3, ColRx, u8("145.125"), band, Language::English).accepted());
    const char* expect[] = {"3",    "145.12500", "145.12500", "None", "None", "",  "High",
                            "Wide", "Yes",       "Off",       "Off",  "None", ">>"};
    for (int c = 0; c < ColumnCount; ++c)
        EXPECT_EQ(t.cell(3, c), u8(expect[c])) << c;
    // A second receive frequency only replaces that cell.
    t.setCell(3, ColName, u8("NAME"));
    EXPECT_TRUE(commitCell(t, 3, ColRx, u8("144.5"), band, Language::English).accepted());
    EXPECT_EQ(t.cell(3, ColRx), u8("144.50000"));
    EXPECT_EQ(t.cell(3, ColTx), u8("145.12500"));
    EXPECT_EQ(t.cell(3, ColName), u8("NAME"));
}

TEST(CellCommit, RefusedReceiveFrequencyKeepsTheWholeRow)
{
    ChannelTable t;
    const auto band = BandLimits::of({144, 145});
    commitCell(t, 7, ColRx, u8("145.125"), band, Language::Chinese);
    t.setCell(7, ColName, u8("KEEP"));
    const ChannelTable::Row before = t.row(7);
    for (const char* bad : {"145.123", "60", "146"}) {
        EXPECT_FALSE(commitCell(t, 7, ColRx, u8(bad), band, Language::Chinese).accepted()) << bad;
        EXPECT_EQ(t.row(7), before) << bad;
    }
    EXPECT_EQ(commitCell(t, 7, ColRx, u8("145.123"), band, Language::Chinese).error, msg::StepError);
}

TEST(CellCommit, TransmitNormalisationEmptyingAndEmptyRows)
{
    ChannelTable t;
    const auto band = BandLimits::of({144, 145});
    commitCell(t, 1, ColTx, u8("145"), band, Language::English);
    EXPECT_TRUE(t.cell(1, ColTx).isEmpty()); // no receive frequency
    commitCell(t, 1, ColPower, u8("Low"), band, Language::English);
    EXPECT_TRUE(t.cell(1, ColPower).isEmpty());
    commitCell(t, 1, ColMore, QString(), band, Language::English);
    EXPECT_TRUE(t.cell(1, ColMore).isEmpty());

    commitCell(t, 1, ColRx, u8("144.1"), band, Language::English);
    for (auto [typed, shown] :
         {std::pair{"520", "67.00000"}, std::pair{"", "67.00000"}, std::pair{"66.99999", "67.00000"},
          std::pair{"512", "512.00000"}, std::pair{"433.1", "433.10000"}}) {
        commitCell(t, 1, ColTx, u8(typed), band, Language::English);
        EXPECT_EQ(t.cell(1, ColTx), u8(shown)) << typed;
    }
    commitCell(t, 1, ColPower, u8("Low"), band, Language::English);
    EXPECT_EQ(t.cell(1, ColPower), u8("Low"));
    commitCell(t, 1, ColRx, QString(), band, Language::English);
    EXPECT_TRUE(t.isEmptyRow(1));
    for (int c = ColRx; c < ColumnCount; ++c)
        EXPECT_TRUE(t.cell(1, c).isEmpty()) << c;
}

TEST(ChannelValues, TextsInBothLanguages)
{
    using L = Language;
    EXPECT_EQ(values::text(ColPower, 1, L::Chinese), u8("高"));
    EXPECT_EQ(values::text(ColWidth, 0, L::English), u8("Narrow"));
    EXPECT_EQ(values::text(ColScan, 0, L::Chinese), u8("否"));
    const char* busyEn[] = {"Off", "Carrier Only", "QT/DQT", "QT/DQT"};
    const char* busyZh[] = {"关", "载波", "QT/DQT", "QT/DQT"};
    const char* pttZh[] = {"关", "发射开始", "发射结束", "两者"};
    for (unsigned v = 0; v < 4; ++v) {
        EXPECT_EQ(values::text(ColBusy, v, L::English), u8(busyEn[v]));
        EXPECT_EQ(values::text(ColBusy, v, L::Chinese), u8(busyZh[v]));
        EXPECT_EQ(values::text(ColPttId, v, L::Chinese), u8(pttZh[v]));
    }
    const char* sig[] = {"None", "MSK", "DTMF", "2-Tone", "2-Tone", "2-Tone", "2-Tone", "2-Tone"};
    for (unsigned v = 0; v < 8; ++v)
        EXPECT_EQ(values::text(ColSignal, v, L::English), u8(sig[v])) << v;
    EXPECT_EQ(values::text(ColSignal, 0, L::Chinese), u8("无"));
}

// Every entry of every list, in either language, reads back as the value that shows it, and a
// value's filled text is one the store understands.
TEST(ChannelValues, EveryEntryAndFilledTextReadsBackAsItsValue)
{
    for (int column : values::kListColumns) {
        const auto list = values::choices(column);
        ASSERT_FALSE(list.empty()) << column;
        for (Language lang : {Language::English, Language::Chinese}) {
            const QStringList entries = ChannelTable::listEntries(column, lang);
            ASSERT_EQ(entries.size(), qsizetype(list.size()));
            for (qsizetype i = 0; i < entries.size(); ++i) {
                EXPECT_EQ(values::value(column, entries[i]), list[std::size_t(i)].value)
                    << column << " " << entries[i].toStdString();
                const QString filled = values::text(column, list[std::size_t(i)].value, lang);
                EXPECT_EQ(values::value(column, filled), list[std::size_t(i)].value) << filled.toStdString();
            }
        }
        EXPECT_FALSE(values::value(column, u8("nonsense")).has_value());
    }
    EXPECT_FALSE(values::isListColumn(ColName));
    EXPECT_TRUE(values::entries(ColRx, Language::English).isEmpty());
}

TEST(TypeAndBand, NewDocumentTakesPersistedTypeAndDefaultBand)
{
    for (auto [persisted, stored] : {std::pair{std::optional<int>{}, 0}, std::pair{std::optional<int>{2}, 2},
                                     std::pair{std::optional<int>{258}, 2}}) {
        RadioImage img = RadioImage::newDocument();
        completeNewDocument(img, persisted);
        EXPECT_EQ(img.at(0x17D1), stored);
        EXPECT_EQ(img.toByteArray().mid(0x17E8, 3), QByteArray("\x14\x14\x45"));
    }
    EXPECT_EQ(windowCaption(u8("Zemtar"), u8("ZR-530V"), {144, 145}, Language::English),
              u8("Zemtar  [ Type:ZR-530V  Fre:144-145MHz ]"));
    EXPECT_EQ(windowCaption(u8("Z"), u8("M"), {400, 470}, Language::Chinese), u8("Z  [ 类型:M  频率:400-470MHz ]"));
}

} // namespace
