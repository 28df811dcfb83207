#include "image/Encodings.h"

#include <gtest/gtest.h>

using namespace zemtar;

namespace {

QString u8(const char* s) { return QString::fromUtf8(s); }

struct ParseCase {
    const char* text;
    qint64 units;
    bool complete;
};
void PrintTo(const ParseCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class ParseMHz : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseMHz, IsExactDecimal)
{
    bool complete = false;
    EXPECT_EQ(freq::parseMHz(u8(GetParam().text), &complete), GetParam().units) << GetParam().text;
    EXPECT_EQ(complete, GetParam().complete) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Cases, ParseMHz,
                         ::testing::Values(ParseCase{"145.125", 14512500, true}, ParseCase{"145.12500", 14512500, true},
                                           ParseCase{"67", 6700000, true}, ParseCase{"", 0, true},
                                           ParseCase{"  438.00625 ", 43800625, true},
                                           ParseCase{"145.123459", 14512345, true}, // truncated beyond 10 Hz
                                           ParseCase{"0.1", 10000, true}, ParseCase{".5", 50000, true},
                                           ParseCase{"5.", 500000, true}, ParseCase{"-1", -100000, true},
                                           ParseCase{"abc", 0, false}, ParseCase{"146.5x", 14650000, false},
                                           ParseCase{"1.7976931348623157e308", 179769, false},
                                           ParseCase{"99999999999999999999999", qint64(1) << 50, true}));

TEST(Frequency, FormatsWithFiveDecimals)
{
    EXPECT_EQ(freq::format(14512500), QStringLiteral("145.12500"));
    EXPECT_EQ(freq::format(6700000), QStringLiteral("67.00000"));
    EXPECT_EQ(freq::format(43800625), QStringLiteral("438.00625"));
    EXPECT_EQ(freq::format(0), QStringLiteral("0.00000"));
}

TEST(Frequency, EncodesAsLittleEndianBcdAndDecodesBack)
{
    struct {
        qint64 units;
        std::array<std::uint8_t, 4> bytes;
    } cases[] = {{14512500, {0x00, 0x25, 0x51, 0x14}},
                 {6700000, {0x00, 0x00, 0x70, 0x06}},
                 {43800625, {0x25, 0x06, 0x80, 0x43}},
                 {60000000, {0x00, 0x00, 0x00, 0x60}}};
    for (const auto& c : cases) {
        RadioImage img;
        freq::encodeRx(img, 0, c.units);
        for (std::size_t i = 0; i < 4; ++i)
            EXPECT_EQ(img.at(i), c.bytes[i]) << c.units << " byte " << i;
        EXPECT_EQ(freq::decode(img, 0), c.units);
    }
}

TEST(Frequency, AbsentIsHighByte0xFFOr0x00AndWritesDifferForRxAndTx)
{
    RadioImage img;
    img.setBytes(0, {0x00, 0x25, 0x51, 0x00});
    EXPECT_TRUE(freq::isAbsent(img, 0));
    EXPECT_EQ(freq::decode(img, 0), 0);

    img.setBytes(0, {0x00, 0x25, 0x51, 0x14, 0x00, 0x25, 0x51, 0x14});
    freq::encodeRx(img, 0, 0);
    freq::encodeTx(img, 4, 0);
    const std::array<std::uint8_t, 8> expect = {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x25, 0x51, 0xFF};
    for (std::size_t i = 0; i < 8; ++i)
        EXPECT_EQ(img.at(i), expect[i]) << i;
}

struct ToneCase {
    const char* text;
    std::uint8_t low, high;
};
void PrintTo(const ToneCase& c, std::ostream* os) { *os << c.text; }
class ToneText : public ::testing::TestWithParam<ToneCase> {};

TEST_P(ToneText, ConvertsBothWays)
{
    const ToneCase& c = GetParam();
    const tone::Bytes b = tone::fromText(u8(c.text));
    EXPECT_EQ(b.low, c.low) << c.text;
    EXPECT_EQ(b.high, c.high) << c.text;
    EXPECT_EQ(tone::text(b, Language::English), u8(c.text));
}

INSTANTIATE_TEST_SUITE_P(Cases, ToneText,
                         ::testing::Values(ToneCase{"D023N", 0x23, 0x80}, ToneCase{"D754I", 0x54, 0xC7},
                                           ToneCase{"67.0", 0x70, 0x06}, ToneCase{"254.1", 0x41, 0x25},
                                           ToneCase{"69.3", 0x93, 0x06}, ToneCase{"D114N", 0x14, 0x81},
                                           ToneCase{"D606I", 0x06, 0xC6}, ToneCase{"None", 0xFF, 0xFF}));

TEST(Tone, NoneTextsAndOddInputs)
{
    EXPECT_EQ(tone::fromText(u8("无")), (tone::Bytes{0xFF, 0xFF}));
    EXPECT_EQ(tone::fromText(QString()), (tone::Bytes{0xFF, 0xFF}));
    EXPECT_EQ(tone::fromText(u8("-5")), (tone::Bytes{0xFF, 0xFF}));
    EXPECT_EQ(tone::fromText(u8("69.35")), (tone::Bytes{0x94, 0x06})); // rounded up to tenths
    EXPECT_EQ(tone::text({0x12, 0x00}, Language::Chinese), u8("无"));
    EXPECT_EQ(tone::text({0x12, 0xFF}, Language::English), u8("None"));
    EXPECT_EQ(tone::text({0x05, 0x80}, Language::English), u8("D05N")); // the "D0" prefix rule as it stands
    EXPECT_FALSE(tone::text({0xFF, 0xBF}, Language::English).isEmpty());
}

TEST(Tone, ListHas261EntriesInOrderAndEachRoundTrips)
{
    for (Language lang : {Language::English, Language::Chinese}) {
        const QStringList& l = tone::list(lang);
        ASSERT_EQ(l.size(), 261);
        EXPECT_EQ(l[0], field::noneText(lang));
        EXPECT_EQ(l[1], u8("67.0"));
        EXPECT_EQ(l[50], u8("254.1"));
        EXPECT_EQ(l[51], u8("D023N"));
        EXPECT_EQ(l[155], u8("D754N"));
        EXPECT_EQ(l[156], u8("D023I"));
        EXPECT_EQ(l[260], u8("D754I"));
        for (const QString& t : l)
            EXPECT_EQ(tone::text(tone::fromText(t), lang), t);
    }
}

TEST(Name, StoresBytesPaddedWith0xFFAndReadsBackExactly)
{
    RadioImage img;
    name::write(img, 16, u8("ABC"));
    EXPECT_EQ(img.toByteArray().mid(16, 8), QByteArray("ABC\xFF\xFF\xFF\xFF\xFF"));
    img.setBytes(16, {0x80, 0x41, 0xFE, 0x00, 0x20, 0xFF, 0x42, 0x43});
    const QString read = name::read(img, 16);
    EXPECT_EQ(read.size(), 5);
    RadioImage again;
    name::write(again, 16, read);
    EXPECT_EQ(again.toByteArray().mid(16, 5), img.toByteArray().mid(16, 5));
    name::write(again, 16, u8("信道"));
    EXPECT_EQ(again.text(16, 8), QByteArray("??"));
}

TEST(Band, EncodesAndDecodes)
{
    struct {
        Band band;
        std::array<std::uint8_t, 3> bytes;
    } cases[] = {{{144, 145}, {0x14, 0x14, 0x45}}, {{400, 470}, {0x40, 0x47, 0x00}}, {{136, 174}, {0x13, 0x17, 0x64}}};
    for (const auto& c : cases) {
        RadioImage img;
        band::write(img, c.band);
        for (std::size_t i = 0; i < 3; ++i)
            EXPECT_EQ(img.at(0x17E8 + i), c.bytes[i]);
        EXPECT_EQ(band::read(img), c.band);
        EXPECT_TRUE(band::valid(img));
    }
    EXPECT_EQ(band::text({144, 145}), u8("144-145MHz"));
}

TEST(Band, BytesThatAreNotAPairOfMHzValuesAreInvalid)
{
    struct {
        std::array<std::uint8_t, 3> bytes;
        bool valid;
    } cases[] = {{{0xFF, 0xFF, 0xFF}, false},                              // a blank radio
                 {{0x1A, 0x14, 0x45}, false},                              // a digit above 9
                 {{0x14, 0x14, 0x4F}, false}, {{0x47, 0x40, 0x00}, false}, // upper edge below the lower
                 {{0x14, 0x14, 0x44}, true},                               // one MHz wide
                 {{0x00, 0x00, 0x00}, true}};
    for (const auto& c : cases)
        EXPECT_EQ(band::valid(c.bytes[0], c.bytes[1], c.bytes[2]), c.valid)
            << int(c.bytes[0]) << ' ' << int(c.bytes[2]);
}

} // namespace
