#include "channels/ChannelEditModel.h"

#include <gtest/gtest.h>

using namespace zemtar;
using Choice = ChannelEditModel::Choice;

namespace {

QString u8(const char* s) { return QString::fromUtf8(s); }

// Channel 5 (image row 4) with the given byte 12, 14 and 15.
RadioImage imageWith(std::uint8_t b12, std::uint8_t b14, std::uint8_t b15, int channel = 5)
{
    RadioImage img = RadioImage::newDocument();
    const std::size_t o = ChannelEditModel::recordOffset(channel);
    img.set(o + 12, b12);
    img.set(o + 14, b14);
    img.set(o + 15, b15);
    return img;
}

TEST(ChannelEdit, ChannelNumbersAndRows)
{
    EXPECT_EQ(ChannelEditModel::channelForTableRow(129), 0);
    EXPECT_EQ(ChannelEditModel::channelForTableRow(7), 7);
    EXPECT_EQ(ChannelEditModel::recordOffset(0), 128u * 24);
    EXPECT_EQ(ChannelEditModel::recordOffset(1), 0u);
    EXPECT_EQ(ChannelEditModel::steppedChannel(0, -1), 128);
    EXPECT_EQ(ChannelEditModel::steppedChannel(128, 1), 0);
    EXPECT_EQ(ChannelEditModel::steppedChannel(5, 1), 6);
}

struct ShowCase {
    std::uint8_t b12, b14, b15;
    Choice choice;
    const char* encode;
    const char* decode;
    bool group, decodeShown;
};
void PrintTo(const ShowCase& c, std::ostream* os) { *os << int(c.b12) << "/" << int(c.b14) << "/" << int(c.b15); }

class ChannelEditShows : public ::testing::TestWithParam<ShowCase> {};

TEST_P(ChannelEditShows, TheChannelsSignalAndEntries)
{
    const ShowCase& c = GetParam();
    RadioImage img = imageWith(c.b12, c.b14, c.b15);
    const RadioImage before = img;
    ChannelEditModel m(img, 5, Language::English);
    EXPECT_EQ(m.choice(), c.choice);
    EXPECT_EQ(m.encodeText(), u8(c.encode));
    EXPECT_EQ(m.decodeText(), u8(c.decode));
    EXPECT_EQ(m.groupVisible(), c.group);
    EXPECT_EQ(m.decodeVisible(), c.decodeShown);
    EXPECT_EQ(img, before); // opening writes nothing
}

INSTANTIATE_TEST_SUITE_P(Cases, ChannelEditShows,
                         ::testing::Values(ShowCase{0x04, 5, 3, Choice::TwoTone, "5", "3", true, true},
                                           ShowCase{0x04, 33, 9, Choice::TwoTone, "33", "9", true, true},
                                           ShowCase{0x04, 34, 10, Choice::TwoTone, "None", "None", true, true},
                                           ShowCase{0x04, 0, 0, Choice::TwoTone, "None", "None", true, true},
                                           ShowCase{0x31, 9, 3, Choice::Msk, "9", "None", true, false},
                                           ShowCase{0x01, 10, 3, Choice::Msk, "None", "None", true, false},
                                           ShowCase{0x02, 0xFF, 0xFF, Choice::Dtmf, "None", "None", false, false},
                                           ShowCase{0x00, 0xFF, 0xFF, Choice::None, "None", "None", false, false},
                                           ShowCase{0x03, 0xFF, 0xFF, Choice::NoSelection, "None", "None", false,
                                                    false}));

TEST(ChannelEdit, OkStoresEntriesByChoice)
{
    struct Case {
        Choice choice;
        int encodeSteps, decodeSteps;
        std::uint8_t bits, b14, b15;
    } cases[] = {
        {Choice::TwoTone, 5, 3, 4, 0x05, 0x03},
        {Choice::Msk, 3, 0, 1, 0x03, 0x77}, // decode untouched for MSK
        {Choice::Dtmf, 0, 0, 2, 0xFF, 0xFF},
        {Choice::None, 0, 0, 0, 0xFF, 0xFF},
    };
    for (const Case& c : cases) {
        RadioImage img = imageWith(0xF0, 0, 0x77);
        ChannelEditModel m(img, 5, Language::English);
        EXPECT_EQ(m.setChoice(c.choice), c.choice != Choice::None); // true when the bits changed
        for (int i = 0; i < c.encodeSteps; ++i)
            m.spinEncode(1);
        for (int i = 0; i < c.decodeSteps; ++i)
            m.spinDecode(1);
        m.ok();
        const std::size_t o = ChannelEditModel::recordOffset(5);
        EXPECT_EQ(img.at(o + 12), 0xF0 | c.bits) << int(c.choice); // the other bits stay
        EXPECT_EQ(img.at(o + 14), c.b14) << int(c.choice);
        EXPECT_EQ(img.at(o + 15), c.b15) << int(c.choice);
    }
}

TEST(ChannelEdit, SpinsWrapAndLeavingNormalises)
{
    RadioImage img = imageWith(0x04, 32, 8);
    ChannelEditModel m(img, 5, Language::Chinese);
    m.spinEncode(1);
    EXPECT_EQ(m.encodeText(), u8("无"));
    m.spinEncode(-1);
    EXPECT_EQ(m.encodeText(), u8("32"));
    m.spinDecode(1);
    EXPECT_EQ(m.decodeText(), u8("无"));
    m.spinDecode(-1);
    EXPECT_EQ(m.decodeText(), u8("8"));
    for (auto [typed, shown] :
         {std::pair{"40", "32"}, std::pair{"0", "无"}, std::pair{"ab", "无"}, std::pair{"7", "7"}}) {
        m.setEncodeText(u8(typed));
        EXPECT_EQ(m.encodeText(), u8(shown)) << typed;
    }
    m.setDecodeText(u8("9"));
    EXPECT_EQ(m.decodeText(), u8("8"));

    m.setChoice(Choice::Msk);
    EXPECT_EQ(m.encodeMaximum(), 9);
    m.setEncodeText(u8("9"));
    m.spinEncode(1);
    EXPECT_EQ(m.encodeText(), u8("无"));
    m.setEncodeText(u8("12"));
    EXPECT_EQ(m.encodeText(), u8("9"));
    EXPECT_EQ(m.groupTitle(), u8("可选信号 (MSK)"));
}

TEST(ChannelEdit, ChangingChannelStoresWhatIsShownAndCancelKeepsTheChoice)
{
    RadioImage img = imageWith(0x04, 1, 1);
    img.set(ChannelEditModel::recordOffset(6) + 12, 0x01);
    img.set(ChannelEditModel::recordOffset(6) + 14, 7);
    ChannelEditModel m(img, 5, Language::English);
    m.spinEncode(1);
    m.spinDecode(1);
    m.changeChannel(ChannelEditModel::steppedChannel(5, 1));
    EXPECT_EQ(img.at(ChannelEditModel::recordOffset(5) + 14), 2);
    EXPECT_EQ(img.at(ChannelEditModel::recordOffset(5) + 15), 2);
    EXPECT_EQ(m.channel(), 6);
    EXPECT_EQ(m.choice(), Choice::Msk);
    EXPECT_EQ(m.encodeText(), u8("7"));
    // A new choice is written at once; closing without OK keeps it.
    m.setChoice(Choice::Dtmf);
    EXPECT_EQ(img.bits(ChannelEditModel::recordOffset(6) + 12, 2, 0), 2u);
    // Leaving a DTMF channel stores nothing into its entry bytes.
    m.changeChannel(0);
    EXPECT_EQ(img.at(ChannelEditModel::recordOffset(6) + 14), 7);
    EXPECT_EQ(m.channel(), 0);
}

} // namespace
