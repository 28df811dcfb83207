#include "channels/ChannelMoves.h"

#include "channels/ChannelTable.h"

#include <gtest/gtest.h>

using namespace zemtar;
using namespace zemtar::channelmoves;

namespace {

constexpr std::size_t kPriority = map::kOptionalFeatures2.offset;

// A file whose channels 1..n hold receive frequencies 144.0 + c/100 MHz, named "C<c>", with
// distinct bytes in every field (the Channel Edit entries among them).
RadioImage numbered(int n)
{
    RadioImage img = RadioImage::newDocument();
    completeNewDocument(img, 0);
    ChannelTable().storeIntoImage(img);
    for (int c = 1; c <= n; ++c) {
        const std::size_t o = ChannelTable::recordOffset(c);
        freq::encodeRx(img, o, 14400000 + c * 1000);
        freq::encodeTx(img, o + 4, 14400000 + c * 1000);
        for (std::size_t i = 8; i < 16; ++i)
            img.set(o + i, std::uint8_t(c + i));
        name::write(img, o + 16, QStringLiteral("C%1").arg(c));
    }
    // The Fr record.
    freq::encodeRx(img, map::kFrRecord.offset, 14500000);
    img.set(kPriority, 3);
    return img;
}

// The channel whose record stands at each place 1..count ("" for an empty channel).
QStringList names(const RadioImage& img, int count)
{
    QStringList out;
    for (int c = 1; c <= count; ++c)
        out << (inUse(img, c) ? name::read(img, ChannelTable::recordOffset(c) + 16) : QString());
    return out;
}

QStringList split(const char* s) { return QString::fromLatin1(s).split(u','); }

// Each record is whole where it went: every byte equal to the source record's.
void expectWholeRecords(const RadioImage& before, const RadioImage& after)
{
    for (int c = 1; c <= 128; ++c) {
        if (!inUse(after, c))
            continue;
        const QString n = name::read(after, ChannelTable::recordOffset(c) + 16);
        const int source = n.mid(1).toInt();
        for (std::size_t i = 0; i < 24; ++i)
            EXPECT_EQ(after.at(ChannelTable::recordOffset(c) + i), before.at(ChannelTable::recordOffset(source) + i))
                << c << " " << i;
    }
    for (std::size_t i = 0; i < 24; ++i)
        EXPECT_EQ(after.at(map::kFrRecord.offset + i), before.at(map::kFrRecord.offset + i));
}

TEST(ChannelMoves, EachCommandMovesWholeRecordsAndFrStays)
{
    struct Case {
        const char* what;
        Result (*run)(RadioImage&);
        const char* order;     // channels 1..6 afterwards
        const char* selection; // channels selected afterwards
        int priority;          // channel 3's place afterwards
    } cases[] = {
        {"insert at 2", [](RadioImage& i) { return insertAt(i, 2); }, "C1,,C2,C3,C4,C5", "2", 4},
        {"insert at 6", [](RadioImage& i) { return insertAt(i, 6); }, "C1,C2,C3,C4,C5,", "6", 3},
        {"delete 2 and 4",
         [](RadioImage& i) {
             return deleteAndCloseUp(i, {4, 2});
         },
         "C1,C3,C5,,,", "2", 2},
        {"up 2,3,5",
         [](RadioImage& i) {
             return moveUp(i, {2, 3, 5});
         },
         "C2,C3,C1,C5,C4,", "1,2,4", 2},
        {"up 1,3",
         [](RadioImage& i) {
             return moveUp(i, {1, 3});
         },
         "C1,C3,C2,C4,C5,", "1,2", 2},
        {"down 1,2,4",
         [](RadioImage& i) {
             return moveDown(i, {1, 2, 4});
         },
         "C3,C1,C2,C5,C4,", "2,3,5", 1},
        {"down 5 to an empty place", [](RadioImage& i) { return moveDown(i, {5}); }, "C1,C2,C3,C4,,C5", "6", 3},
        {"sort 1-6 by name",
         [](RadioImage& i) {
             return sortChannels(i, {1, 2, 3, 4, 5, 6}, SortKey::Name);
         },
         "C1,C2,C3,C4,C5,", "1,2,3,4,5,6", 3},
    };
    for (const Case& c : cases) {
        RadioImage img = numbered(5);
        const RadioImage before = img;
        const Result r = c.run(img);
        ASSERT_TRUE(r.ok()) << c.what << ": " << r.refused.toStdString();
        EXPECT_EQ(names(img, 6), split(c.order)) << c.what;
        QStringList sel;
        for (int s : r.selection)
            sel << QString::number(s);
        EXPECT_EQ(sel.join(u','), QString::fromLatin1(c.selection)) << c.what;
        EXPECT_EQ(img.at(kPriority), c.priority) << c.what;
        expectWholeRecords(before, img);
        for (int ch = 7; ch <= 128; ++ch)
            EXPECT_FALSE(inUse(img, ch)) << c.what;
        // Nothing outside the channels changes but the priority channel.
        for (std::size_t i = map::kFrRecord.offset; i < RadioImage::kSize; ++i) {
            if (i != kPriority) {
                ASSERT_EQ(img.at(i), before.at(i)) << c.what << " " << i;
            }
        }
    }
}

TEST(ChannelMoves, EmptiedPlacesHoldTheEmptyRecordOfANewFile)
{
    RadioImage img = numbered(3);
    ASSERT_TRUE(deleteAndCloseUp(img, {1}).ok());
    RadioImage fresh = RadioImage::newDocument();
    ChannelTable().storeIntoImage(fresh);
    for (std::size_t i = 0; i < 24; ++i)
        EXPECT_EQ(img.at(ChannelTable::recordOffset(3) + i), fresh.at(i)) << i;
    EXPECT_EQ(emptyRecord()[13], 0x05);
}

TEST(ChannelMoves, SortsBySelectedPlacesFrequencyOrNameEmptyLast)
{
    RadioImage img = numbered(6);
    const auto rename = [&](int c, const char* n) {
        name::write(img, ChannelTable::recordOffset(c) + 16, QString::fromLatin1(n));
    };
    // Frequencies run down from channel 2 to 6; names in another order.
    for (int c = 2; c <= 6; ++c)
        freq::encodeRx(img, ChannelTable::recordOffset(c), 14500000 - c * 1000);
    rename(2, "b");
    rename(3, "A");
    rename(4, "c");
    rename(5, "B");
    rename(6, "a");
    ASSERT_TRUE(deleteAndCloseUp(img, {7}).ok());
    RadioImage byName = img;
    ASSERT_TRUE(sortChannels(byName, {2, 3, 4, 5, 6, 8}, SortKey::Name).ok());
    EXPECT_EQ(names(byName, 8), split("C1,a,A,B,b,c,,")); // equal names by frequency
    RadioImage byFreq = img;
    ASSERT_TRUE(sortChannels(byFreq, {3, 5, 6}, SortKey::ReceiveFrequency).ok());
    EXPECT_EQ(names(byFreq, 6), split("C1,b,a,c,B,A"));
}

TEST(ChannelMoves, RefusedCommandsChangeNothing)
{
    RadioImage full = numbered(128);
    const RadioImage before = full;
    Result r = insertAt(full, 5);
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.refused.contains(QStringLiteral("Channel 128 is in use")));
    EXPECT_EQ(full, before);
    for (auto run : {+[](RadioImage& i) {
                         return moveUp(i, {1, 2});
                     },
                     +[](RadioImage& i) { return moveDown(i, {128}); }, +[](RadioImage& i) { return moveUp(i, {129}); },
                     +[](RadioImage& i) { return deleteAndCloseUp(i, {}); },
                     +[](RadioImage& i) {
                         return sortChannels(i, {0, 5}, SortKey::Name);
                     },
                     +[](RadioImage& i) { return insertAt(i, 129); }}) {
        RadioImage img = full;
        EXPECT_FALSE(run(img).ok());
        EXPECT_EQ(img, before);
    }
    // Deleting the priority channel says so and leaves the number.
    RadioImage img = numbered(5);
    r = deleteAndCloseUp(img, {3});
    EXPECT_TRUE(r.note.contains(QStringLiteral("priority channel 3")));
    EXPECT_EQ(img.at(kPriority), 3);
}

} // namespace
