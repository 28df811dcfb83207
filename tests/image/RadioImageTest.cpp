#include "image/RadioImage.h"
#include "image/DataFile.h"
#include "support/TestSupport.h"

#include <QIODevice>

#include <cstring>

#include <gtest/gtest.h>

using namespace zemtar;
using zemtar::test::readAll;
using zemtar::test::writeAll;

namespace {

struct Default {
    std::size_t offset;
    std::vector<std::uint8_t> bytes;
};

TEST(RadioImage, NewDocumentHoldsTheDefaultsAndOtherwiseOnly0xFF)
{
    const RadioImage img = RadioImage::newDocument();
    std::vector<Default> defaults = {
        {0x1260, {0x00, 0x05, 0x00, 0x04, 0x8D, 0x15, 0x00, 0x00, 0x00, 0x01}},
        {0x12A9, {0x01}},
        {0x12AB, {0x05}},
        {0x1308, {0x00, 0x04, 0x00, 0x00}},
        {0x130D, {0x01}},
        {0x132F, {0x41}},
        {0x1347, {0x00}},
        {0x1620, {0x05, 0x05, 0x0A, 0x00, 0x14, 0x00, 0x02, 0x00}},
        {0x17D1, {0x00}},
    };
    for (std::size_t row = 224; row < 232; ++row)
        for (std::size_t e = 0; e < 4; ++e)
            defaults.push_back({row * 24 + e * 4, {0x4E, 0x20, 0x27, 0x10}});
    for (std::size_t row = 232; row < 236; ++row)
        for (std::size_t r = 0; r < 2; ++r)
            defaults.push_back({row * 24 + r * 8, {0x4E, 0x20, 0x27, 0x10, 0x05, 0x05, 0x0A, 0x05}});

    std::vector<int> expected(RadioImage::kSize, 0xFF);
    for (const auto& d : defaults)
        for (std::size_t i = 0; i < d.bytes.size(); ++i)
            expected[d.offset + i] = d.bytes[i];
    for (std::size_t i = 0; i < RadioImage::kSize; ++i)
        ASSERT_EQ(img.at(i), expected[i]) << "offset 0x" << std::hex << i;
}

TEST(RadioImage, BitFieldsKeepTheirNeighbours)
{
    RadioImage img;
    img.set(13, 0b1010'0101);
    img.setBits(13, 2, 1, 3);
    EXPECT_EQ(img.at(13), 0b1010'0111);
    EXPECT_EQ(img.bits(13, 7, 6), 2u);
    img.setBit(13, 7, false);
    EXPECT_EQ(img.at(13), 0b0010'0111);
    img.setBe16(0x1500, 0x4E20);
    EXPECT_EQ(img.at(0x1500), 0x4E);
    EXPECT_EQ(img.be16(0x1500), 0x4E20);
}

TEST(RadioImage, TextEndsAtFirst0xFFAndIsPaddedWith0xFF)
{
    RadioImage img;
    img.setText(16, 8, "ABC");
    EXPECT_EQ(img.toByteArray().mid(16, 8), QByteArray("ABC\xFF\xFF\xFF\xFF\xFF"));
    EXPECT_EQ(img.text(16, 8), QByteArray("ABC"));
    img.setText(16, 8, "ABCDEFGHIJ"); // cut to the field
    EXPECT_EQ(img.text(16, 8), QByteArray("ABCDEFGH"));
    EXPECT_EQ(img.at(24), 0xFF);
}

TEST(RadioImage, AccessOutsideTheImageThrowsInsteadOfCorrupting)
{
    RadioImage img;
    EXPECT_THROW(img.set(6144, 0), std::out_of_range);
    EXPECT_THROW(img.setBytes(6143, {1, 2}), std::out_of_range);
}

class DataFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
};

TEST_F(DataFileTest, SaveThenLoadGivesIdenticalBytes)
{
    RadioImage img = RadioImage::newDocument();
    for (std::size_t i = 0; i < 6144; i += 7)
        img.set(i, std::uint8_t(i * 31));
    QString error;
    ASSERT_TRUE(DataFile::save(path("a.dat"), img, &error)) << error.toStdString();
    EXPECT_EQ(readAll(path("a.dat")), img.toByteArray());
    RadioImage back;
    ASSERT_TRUE(DataFile::load(path("a.dat"), back, &error));
    EXPECT_EQ(back, img);
}

TEST_F(DataFileTest, LoadRefusesShortFilesAndReadsFirst6144BytesOfLongOnes)
{
    const RadioImage original = RadioImage::newDocument();
    QByteArray longer(7000, '\x11');
    longer[6143] = '\x22';
    struct Case {
        const char* name;
        QByteArray content;
        bool ok;
    } cases[] = {
        {"empty.dat", QByteArray(), false},
        {"short.dat", QByteArray(6143, '\x00'), false},
        {"exact.dat", QByteArray(6144, '\x33'), true},
        {"long.dat", longer, true},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(writeAll(path(c.name), c.content));
        RadioImage img = original;
        QString error;
        EXPECT_EQ(DataFile::load(path(c.name), img, &error), c.ok) << c.name;
        if (c.ok) {
            EXPECT_EQ(img.toByteArray(), c.content.left(6144)) << c.name;
        } else {
            EXPECT_EQ(img, original) << c.name << ": image changed by a refused load";
            EXPECT_TRUE(error.contains(QString::fromLatin1(c.name))) << error.toStdString();
            EXPECT_TRUE(error.contains(QString::number(c.content.size()))) << error.toStdString();
        }
    }
    RadioImage img = original;
    QString error;
    EXPECT_FALSE(DataFile::load(path("missing.dat"), img, &error));
    EXPECT_FALSE(DataFile::load(dir.path(), img, &error));
    EXPECT_EQ(img, original);
}

TEST_F(DataFileTest, FailedSaveLeavesTheOldFileIntact)
{
    const QByteArray old(6144, '\x5A');
    ASSERT_TRUE(writeAll(path("keep.dat"), old));
    QString error;
    {
        zemtar::test::FileSizeLimit limit(1000);
        EXPECT_FALSE(DataFile::save(path("keep.dat"), RadioImage::newDocument(), &error));
    }
    EXPECT_TRUE(error.contains(QStringLiteral("keep.dat")));
    EXPECT_EQ(readAll(path("keep.dat")), old);
    EXPECT_FALSE(DataFile::save(path("no/such/folder/x.dat"), RadioImage(), &error));
}

} // namespace

namespace {
// A device that gives or takes `limit` bytes, then fails as a pulled cable or a full disk does.
class FailingDevice : public QIODevice {
public:
    explicit FailingDevice(qint64 limit) : limit_(limit) { open(QIODevice::ReadWrite); }
    bool isSequential() const override { return true; }
    QByteArray written;

protected:
    qint64 readData(char* data, qint64 max) override
    {
        const qint64 n = std::min(max, limit_ - done_);
        if (n <= 0) {
            setErrorString(QStringLiteral("Input/output error"));
            return -1;
        }
        std::memset(data, 0x5A, std::size_t(n));
        done_ += n;
        return n;
    }
    qint64 writeData(const char* data, qint64 len) override
    {
        const qint64 n = std::min(len, std::min<qint64>(limit_ - done_, 1000));
        if (n <= 0) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        written.append(data, n);
        done_ += n;
        return n;
    }

private:
    qint64 limit_, done_ = 0;
};
} // namespace

TEST(DataFileDevice, AFailurePartWayIsNamedAndLosesNothing)
{
    struct {
        qint64 limit;
        bool ok;
        const char* readMessage;
        const char* writeMessage;
    } cases[] = {{6144, true, "", ""},
                 {100000, true, "", ""},
                 {4096, false, "Cannot read cable: Input/output error",
                  "Cannot write cable: No space left on device (4096 of 6144 bytes written)"},
                 {0, false, "Cannot read cable: Input/output error", "(0 of 6144 bytes written)"}};
    for (const auto& c : cases) {
        RadioImage image = RadioImage::newDocument();
        const RadioImage before = image;
        FailingDevice in(c.limit);
        QString error;
        EXPECT_EQ(DataFile::read(in, QStringLiteral("cable"), image, &error), c.ok) << c.limit;
        if (c.ok) {
            EXPECT_EQ(image.at(0), 0x5A);
        } else {
            EXPECT_EQ(image, before) << "a failed read must leave the image as it was";
            EXPECT_EQ(error, QString::fromLatin1(c.readMessage));
        }
        FailingDevice out(c.limit);
        EXPECT_EQ(DataFile::write(out, QStringLiteral("cable"), before, &error), c.ok) << c.limit;
        if (c.ok)
            EXPECT_EQ(out.written, before.toByteArray());
        else
            EXPECT_TRUE(error.contains(QString::fromLatin1(c.writeMessage))) << qPrintable(error);
    }
}
