// DTMF and 2-Tone: normalising and stepping typed values, what loading shows, and the bytes a
// store writes, derived ones included.
#include "editors/Settings.h"
#include "editors/SettingsText.h"

#include <gtest/gtest.h>

#include <random>

using namespace zemtar;
using namespace zemtar::editors;
using fields::Context;
using fields::Page;

namespace {

const Context kEn{Language::English};
QString s(const char* t) { return QString::fromUtf8(t); }

struct StepCase {
    const Page* page;
    int field;
    const char* text;
    int delta; // 0: leaving the field; +1 / -1: a spin step
    const char* result;
};

// One table for every field rule: leaving normalises, the spin steps and wraps.
TEST(Signalling, NormaliseAndSpinRules)
{
    const Page& enc = dtmfEncodePage();
    const Page& tenc = twoToneEncodePage();
    const Page& list = twoToneEncodeListPage();
    const Page& d1 = twoToneDecodePage(1);
    const Page& d2 = twoToneDecodePage(2);
    namespace d = dtmf;
    namespace t = twotone;
    const StepCase cases[] = {
        // DTMF speed
        {&enc, d::Speed, "12", 0, "10"},
        {&enc, d::Speed, "7", 0, "6"},
        {&enc, d::Speed, "9", 0, "8"},
        {&enc, d::Speed, "99", 0, "15"},
        {&enc, d::Speed, "", 0, "6"},
        {&enc, d::Speed, "15", +1, "6"},
        {&enc, d::Speed, "6", -1, "15"},
        {&enc, d::Speed, "6", +1, "8"},
        {&enc, d::Speed, "10", -1, "8"},
        {&enc, d::Speed, "11", -1, "10"},
        {&enc, d::Speed, "20", -1, "15"},
        // first digit delay
        {&enc, d::FirstDigitDelay, "730", 0, "700"},
        {&enc, d::FirstDigitDelay, "1550", 0, "1000"},
        {&enc, d::FirstDigitDelay, "x", 0, "0"},
        {&enc, d::FirstDigitDelay, "730", +1, "750"},
        {&enc, d::FirstDigitDelay, "730", -1, "700"},
        {&enc, d::FirstDigitDelay, "1000", +1, "0"},
        {&enc, d::FirstDigitDelay, "0", -1, "1000"},
        {&enc, d::FirstDigitDelay, "200", +1, "250"},
        // first digit time and "*"/"#" time
        {&enc, d::FirstDigitTime, "499", 0, "100"},
        {&enc, d::FirstDigitTime, "99", 0, "0"},
        {&enc, d::FirstDigitTime, "999", 0, "500"},
        {&enc, d::StarHashTime, "5000", 0, "1000"},
        {&enc, d::FirstDigitTime, "50", +1, "100"},
        {&enc, d::FirstDigitTime, "100", +1, "500"},
        {&enc, d::FirstDigitTime, "1000", +1, "0"},
        {&enc, d::StarHashTime, "0", -1, "1000"},
        {&enc, d::StarHashTime, "100", -1, "0"},
        {&enc, d::StarHashTime, "500", -1, "100"},
        {&enc, d::StarHashTime, "1000", -1, "500"},
        // 2-Tone encode timings
        {&tenc, t::FirstDelay, "12", 0, "10.0"},
        {&tenc, t::FirstDelay, "0.2", 0, "0.5"},
        {&tenc, t::SecondDelay, "10.0", +1, "0.5"},
        {&tenc, t::LongToneDelay, "0.5", -1, "10.0"},
        {&tenc, t::FirstDelay, "0.9", +1, "1.0"},
        {&tenc, t::ToneInterval, "3", 0, "2.0"},
        {&tenc, t::ToneInterval, "2.0", +1, "0.0"},
        {&tenc, t::ToneInterval, "0.0", -1, "2.0"},
        {&tenc, t::TxRiseDelay, "0.12", 0, "0.10"},
        {&tenc, t::TxRiseDelay, "0.12", +1, "0.15"},
        {&tenc, t::TxRiseDelay, "0.12", -1, "0.10"},
        {&tenc, t::TxRiseDelay, "0.15", -1, "0.10"},
        {&tenc, t::TxRiseDelay, "0.10", -1, "1.00"},
        {&tenc, t::TxRiseDelay, "1.00", +1, "0.10"},
        {&tenc, t::TxRiseDelay, "2", 0, "1.00"},
        {&tenc, t::TxRiseDelay, "0.05", 0, "0.10"},
        {&tenc, t::TxRiseDelay, "0.95", +1, "1.00"},
        // encode list cells
        {&list, 0, "250", 0, "288.5"},
        {&list, 1, "4000", 0, "3106.0"},
        {&list, 0, "", 0, ""},
        {&list, 0, "1234.56", 0, "1234.6"},
        // decode pages: tones and delays, every page clamps when left, spins wrap
        {&d1, t::ATone, "288.5", -1, "3106.0"},
        {&d1, t::ATone, "3106.0", +1, "288.5"},
        {&d1, t::BTone, "100", 0, "288.5"},
        {&d1, t::DecodeFirstDelay, "12", 0, "10.0"},
        {&d2, t::DecodeFirstDelay, "12", 0, "10.0"},
        {&d2, t::DecodeSecondDelay, "0.1", 0, "0.5"},
        {&d2, t::DecodeFirstDelay, "10.0", +1, "0.5"},
        {&d2, t::Interval, "2.5", 0, "2.0"},
        {&d2, t::Interval, "0.0", -1, "2.0"},
        {&d2, t::DecodeLongToneDelay, "0.5", -1, "10.0"},
    };
    for (const StepCase& c : cases) {
        const QString in = s(c.text);
        const QString out = c.delta == 0 ? c.page->normalise(c.field, in) : c.page->spin(c.field, in, c.delta);
        EXPECT_EQ(out, s(c.result)) << c.page->field(c.field).path().toStdString() << " \"" << c.text << "\" "
                                    << c.delta;
    }
}

TEST(Signalling, NewDocumentShowsTheDefaults)
{
    const RadioImage img = RadioImage::newDocument();
    EXPECT_EQ(dtmfEncodePage().load(img, kEn), (QStringList{"6", "200", "0", "0", "On"}));
    EXPECT_EQ(dtmfDecodePage().load(img, kEn), (QStringList{"", "A", "On", "", "Tx inhibit"}));
    EXPECT_EQ(dtmfDecodePage().load(img, Context{Language::Chinese})[dtmf::StunType], s("禁止发射"));
    for (const QString& t : dtmfCallListPage().load(img, kEn))
        EXPECT_TRUE(t.isEmpty());
    EXPECT_EQ(twoToneEncodePage().load(img, kEn), (QStringList{"0.5", "0.5", "1.0", "1.0", "0.10", "Off"}));
    const QStringList cells = twoToneEncodeListPage().load(img, kEn);
    ASSERT_EQ(cells.size(), 64);
    for (int e = 0; e < 32; ++e) {
        EXPECT_EQ(cells[2 * e], s("2000.0"));
        EXPECT_EQ(cells[2 * e + 1], s("1000.0"));
    }
    for (int k = 1; k <= 8; ++k)
        EXPECT_EQ(twoToneDecodePage(k).load(img, kEn), (QStringList{"2000.0", "1000.0", "0.5", "0.5", "1.0", "0.5"}));
}

TEST(Signalling, PeriodCountsAndDerivedRecords)
{
    // Decode code 3 with A 1000.0 and B 2000.0.
    RadioImage img = RadioImage::newDocument();
    QStringList t = twoToneDecodePage(3).load(img, kEn);
    t[twotone::ATone] = s("1000.0");
    t[twotone::BTone] = s("2000.0");
    twoToneDecodePage(3).store(img, t, kEn);
    const std::uint8_t main[] = {0x27, 0x10, 0x4E, 0x20, 5, 5, 10, 5};
    const std::uint8_t derived[] = {0x03, 0x80, 0x01, 0xC0, 10, 10, 20, 10};
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(img.at(0x15D8 + i), main[i]) << i;
        EXPECT_EQ(img.at(0x1758 + i), derived[i]) << i;
    }
    // The worked period counts of both clocks, at both ends of the range.
    const struct {
        const char* tone;
        std::uint16_t decode, encode;
    } counts[] = {{"1000.0", 896, 112}, {"2000.0", 448, 56}, {"288.5", 3105, 388}, {"3106.0", 288, 36}};
    for (const auto& c : counts) {
        RadioImage x = RadioImage::newDocument();
        twoToneDecodePage(1).storeField(twotone::ATone, x, s(c.tone));
        EXPECT_EQ(x.be16(0x1740), c.decode) << c.tone;
        twoToneEncodeListPage().storeField(5, x, s(c.tone)); // entry 3, tone 2
        EXPECT_EQ(x.be16(0x1680 + 8 + 2), c.encode) << c.tone;
    }
    // An empty encode cell stores no tone and a zero period, and loads empty again.
    RadioImage e = RadioImage::newDocument();
    QStringList l = twoToneEncodeListPage().load(e, kEn);
    l[2 * 9] = QString(); // entry 10 (row 226, column 4), tone 1
    twoToneEncodeListPage().store(e, l, kEn);
    EXPECT_EQ(e.be16(0x1500 + 2 * 24 + 4), 0xFFFF);
    EXPECT_EQ(e.be16(0x1680 + 2 * 24 + 4), 0x0000);
    EXPECT_EQ(twoToneEncodeListPage().load(e, kEn)[18], QString());
}

TEST(Signalling, EncodeTimingsAndTheirCopies)
{
    RadioImage img = RadioImage::newDocument();
    QStringList t = twoToneEncodePage().load(img, kEn);
    t[twotone::FirstDelay] = s("1.5");
    t[twotone::ToneInterval] = s("2.0");
    t[twotone::TxRiseDelay] = s("0.35");
    t[twotone::ShortBeep] = s("On");
    twoToneEncodePage().store(img, t, kEn);
    const std::uint8_t timing[] = {15, 5, 10, 0x00, 40, 0x00, 7, 1};
    const std::uint8_t copy[] = {30, 10, 20, 0x00, 40, 0x00, 7};
    for (std::size_t i = 0; i < 8; ++i)
        EXPECT_EQ(img.at(0x1620 + i), timing[i]) << i;
    for (std::size_t i = 0; i < 7; ++i)
        EXPECT_EQ(img.at(0x17A0 + i), copy[i]) << i;
    EXPECT_EQ(img.at(0x17A7), 0xFF);
}

TEST(Signalling, DtmfStoresOnlyItsBitsAndBytes)
{
    std::mt19937 rng(7);
    for (int round = 0; round < 20; ++round) {
        RadioImage img;
        for (auto& b : img.bytes())
            b = std::uint8_t(rng());
        const RadioImage before = img;
        QStringList e = dtmfEncodePage().load(img, kEn);
        e[dtmf::Speed] = s("15");
        e[dtmf::SideTone] = e[dtmf::SideTone] == s("On") ? s("Off") : s("On");
        dtmfEncodePage().store(img, e, kEn);
        QStringList d = dtmfDecodePage().load(img, kEn);
        d[dtmf::GroupCode] = s("#");
        d[dtmf::StunType] = d[dtmf::StunType] == s("Tx inhibit") ? s("Transceiver inhibit") : s("Tx inhibit");
        dtmfDecodePage().store(img, d, kEn);
        for (std::size_t i = 0; i < RadioImage::kSize; ++i) {
            if (img.at(i) == before.at(i))
                continue;
            const std::uint8_t diff = img.at(i) ^ before.at(i);
            if (i == 0x1308)
                EXPECT_EQ(diff & 0xFC, 0);
            else if (i == 0x12A8)
                EXPECT_EQ(diff & ~0x60 & 0xFF, 0); // side tone and stun type only
            else
                EXPECT_EQ(i, 0x132Fu);
        }
        EXPECT_EQ(img.at(0x132F), 0x23);
        EXPECT_EQ(img.at(0x1308) & 3, 3);
    }
    RadioImage img = RadioImage::newDocument();
    QStringList d = dtmfDecodePage().load(img, kEn);
    d[dtmf::GroupCode] = s("Off");
    d[dtmf::StunActivation] = s("Off");
    d[dtmf::StunCode] = s("12*#");
    EXPECT_FALSE(dtmfDecodePage().enabled(dtmf::StunCode, d));
    dtmfDecodePage().store(img, d, kEn); // disabled, but still stored
    EXPECT_EQ(img.at(0x132F), 0xFF);
    EXPECT_EQ(img.text(0x1338, 10), QByteArray("12*#"));
    EXPECT_FALSE(img.bit(0x12A8, 4));
    QStringList calls = dtmfCallListPage().load(img, kEn);
    calls[1] = s("123");
    dtmfCallListPage().store(img, calls, kEn);
    EXPECT_EQ(img.text(0x1398, 16), QByteArray("123"));
    for (std::size_t i = 3; i < 16; ++i)
        EXPECT_EQ(img.at(0x1398 + i), 0xFF);
    EXPECT_FALSE(dtmfCallListPage().accepts(0, u'E', {}));
    EXPECT_TRUE(dtmfCallListPage().accepts(0, u'*', {}));
}

TEST(Signalling, SettingsTextKeepsUneditedBytesAndReportsNormalisation)
{
    RadioImage img = RadioImage::newDocument();
    img.set(0x1309, 0xFF); // shows 1550
    const RadioImage before = img;
    QStringList problems;
    const QString text = printSettings(img, Language::English, {});
    EXPECT_TRUE(text.contains(s("\nFirst Digit Delay Time(ms)=1550\n")));
    EXPECT_TRUE(text.contains(s("\n[2-Tone Encode List]\n1=2000.0,1000.0\n")));
    EXPECT_TRUE(text.indexOf(s("[Optional Features]")) < text.indexOf(s("[DTMF Encode]")));
    EXPECT_TRUE(text.indexOf(s("[2-Tone8]")) < text.indexOf(s("[MSK]")));
    auto change = applySettings(img, parseSettingsText(text, &problems), {});
    EXPECT_TRUE(change.problems.isEmpty());
    EXPECT_TRUE(img == before);

    const QString edit = s("[DTMF Encode]\nDTMF Speed(digit/s)=12\n[2-Tone Encode List]\n2=,250\n[2-Tone3]\n"
                           "A Tone(HZ)=1000\n[DTMF Decode]\nStun Code=12E\n");
    change = applySettings(img, parseSettingsText(edit, &problems), {});
    ASSERT_EQ(change.problems.size(), 1);
    EXPECT_TRUE(change.problems[0].startsWith(s("line 8: DTMF Decode/Stun Code:")));
    EXPECT_TRUE(img == before);
    change = applySettings(img, parseSettingsText(QString(edit).replace(s("12E"), s("12#")), &problems), {});
    ASSERT_TRUE(change.problems.isEmpty()) << change.problems.join(u'\n').toStdString();
    EXPECT_TRUE(change.notes.contains(s("line 2: DTMF Encode/DTMF Speed(digit/s): \"12\" is taken as \"10\"")));
    EXPECT_EQ(img.at(0x1308) & 3, 2);
    EXPECT_EQ(img.at(0x1309), 0xFF); // untouched field of a changed page
    EXPECT_EQ(img.be16(0x1504), 0xFFFF);
    EXPECT_EQ(img.be16(0x1506), 2885);
    EXPECT_EQ(img.be16(0x1684), 0);
    EXPECT_EQ(img.be16(0x1686), 388);
    EXPECT_EQ(img.be16(0x1680), 56); // the whole list's period counts follow
    EXPECT_EQ(img.be16(0x15D8), 10000);
    EXPECT_EQ(img.be16(0x1758), 896);
    EXPECT_EQ(img.be16(0x175A), 896); // B keeps 1000.0 Hz; its derived count follows too
}

} // namespace
