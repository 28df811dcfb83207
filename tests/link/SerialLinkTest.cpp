#include "link/SerialLink.h"
#include "shell/CIniFile.h"

#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

using namespace zemtar;

namespace {

// The far end of a pseudo-terminal, standing in for the radio.
struct Pty {
    int master = -1;
    QString device;
    Pty()
    {
        master = posix_openpt(O_RDWR | O_NOCTTY);
        grantpt(master);
        unlockpt(master);
        device = QString::fromLocal8Bit(ptsname(master));
    }
    ~Pty()
    {
        if (master >= 0)
            ::close(master);
    }
    void send(const QByteArray& b) const { ASSERT_EQ(::write(master, b.constData(), size_t(b.size())), b.size()); }
    QByteArray receive() const
    {
        char buf[64];
        const ssize_t n = ::read(master, buf, sizeof buf);
        return n > 0 ? QByteArray(buf, n) : QByteArray();
    }
};

TEST(SerialLink, ReadReturnsOnCountSilenceOrTotalTimeout)
{
    Pty pty;
    SerialLink link;
    ASSERT_TRUE(link.openDevice(pty.device)) << link.errorText().toStdString();
    QElapsedTimer t;

    pty.send("abcd");
    t.start();
    EXPECT_EQ(link.read(4), QByteArray("abcd"));
    EXPECT_LT(t.elapsed(), 100);

    pty.send("xyz");
    t.start();
    EXPECT_EQ(link.read(10), QByteArray("xyz")); // 30 ms of silence ends it
    EXPECT_GE(t.elapsed(), 25);
    EXPECT_LT(t.elapsed(), 300);

    t.start();
    EXPECT_EQ(link.read(1), QByteArray()); // nothing: 90 + 500 ms, then success with no bytes
    EXPECT_GE(t.elapsed(), 570);
    EXPECT_LT(t.elapsed(), 1500);

    // Bytes 10 ms apart are one answer; a gap of 80 ms ends the read.
    std::thread slow([&] {
        for (char c : {'1', '2', '3'}) {
            pty.send(QByteArray(1, c));
            QThread::msleep(10);
        }
        QThread::msleep(80);
        pty.send("4");
    });
    EXPECT_EQ(link.read(4), QByteArray("123"));
    slow.join();
    EXPECT_EQ(link.read(1), QByteArray("4"));
}

TEST(SerialLink, WritesAndPurges)
{
    Pty pty;
    SerialLink link;
    ASSERT_TRUE(link.openDevice(pty.device));
    EXPECT_TRUE(link.write(QByteArray("\x02PROGRA")));
    EXPECT_EQ(pty.receive(), QByteArray("\x02PROGRA"));
    pty.send("stale");
    QThread::msleep(20);
    link.clearQueues();
    pty.send("Z");
    EXPECT_EQ(link.read(1), QByteArray("Z"));
}

TEST(SerialLink, IsExclusiveAndClosedMeansClosed)
{
    Pty pty;
    SerialLink first, second;
    ASSERT_TRUE(first.openDevice(pty.device));
    EXPECT_FALSE(second.openDevice(pty.device));
    EXPECT_TRUE(second.errorText().contains(QStringLiteral("in use")));
    EXPECT_FALSE(second.isOpen());
    first.close();
    EXPECT_FALSE(first.isOpen());
    EXPECT_FALSE(first.write(QByteArray("x")));
    EXPECT_EQ(first.read(1), std::nullopt);
    EXPECT_TRUE(second.openDevice(pty.device)); // free again
}

TEST(SerialLink, HangUpIsAFailedRead)
{
    auto pty = std::make_unique<Pty>();
    SerialLink link;
    ASSERT_TRUE(link.openDevice(pty->device));
    pty.reset();
    EXPECT_EQ(link.read(1), std::nullopt);
}

TEST(SerialLink, RefusesWhatIsNotASerialDevice)
{
    SerialLink link;
    EXPECT_FALSE(link.openDevice(QStringLiteral("/dev/null")));
    EXPECT_FALSE(link.openDevice(QStringLiteral("/no/such/device")));
    EXPECT_FALSE(link.openDevice(QString()));
    EXPECT_FALSE(link.isOpen());
    EXPECT_FALSE(SerialLink::probe(QStringLiteral("/no/such/device")));
}

TEST(SerialLink, PortNamesMapThroughTheSettingsFile)
{
    CIniFile setup;
    setup.Parse("[Ports]\ncom1=/dev/ttyUSB7\ncom2=\n");
    EXPECT_EQ(SerialLink::devicePath(QStringLiteral("com1"), &setup), QStringLiteral("/dev/ttyUSB7"));
    EXPECT_EQ(SerialLink::devicePath(QStringLiteral("COM1"), &setup), QStringLiteral("/dev/ttyUSB7"));
    EXPECT_EQ(SerialLink::devicePath(QStringLiteral("com2"), &setup), QStringLiteral("/dev/ttyUSB1"));
    EXPECT_EQ(SerialLink::devicePath(QStringLiteral("com3"), nullptr), QStringLiteral("/dev/ttyACM0"));
    EXPECT_EQ(SerialLink::devicePath(QStringLiteral("/dev/pts/3"), &setup), QStringLiteral("/dev/pts/3"));
    EXPECT_EQ(SerialLink::devicePath(QStringLiteral("com5"), &setup), QStringLiteral("com5"));
}

} // namespace

namespace {

// Terminal programs take a lock file for the port and no exclusive flag; a live lock means
// the port is in use, a stale one is taken over, and ours goes away on close.
TEST(SerialLink, HonoursAndTakesTheTerminalProgramsLockFile)
{
    QTemporaryDir locks;
    qputenv("ZEMTAR_LOCK_DIR", locks.path().toLocal8Bit());
    Pty pty;
    const QString lock = SerialLink::lockFile(pty.device);
    EXPECT_TRUE(lock.startsWith(locks.path() + QStringLiteral("/LCK..pts_")));

    QProcess holder; // a live process holding the port, as minicom would
    holder.setStandardInputFile(pty.device);
    holder.start(QStringLiteral("sleep"), {QStringLiteral("30")});
    ASSERT_TRUE(holder.waitForStarted());
    test::writeAll(lock, QByteArray::number(holder.processId()).rightJustified(10, ' ') + '\n');
    SerialLink link;
    EXPECT_FALSE(link.openDevice(pty.device));
    EXPECT_TRUE(link.errorText().contains(QStringLiteral("in use"))) << link.errorText().toStdString();
    EXPECT_TRUE(QFile::exists(lock));
    holder.kill();
    holder.waitForFinished();

    // The holder is gone: its lock is stale, taken over, and removed when the link closes.
    ASSERT_TRUE(link.openDevice(pty.device)) << link.errorText().toStdString();
    EXPECT_EQ(test::readAll(lock).trimmed().toLongLong(), QCoreApplication::applicationPid());
    link.close();
    EXPECT_FALSE(QFile::exists(lock));
    qunsetenv("ZEMTAR_LOCK_DIR");
}

} // namespace

namespace {

// A lock names a live holder only when its number is a process id, the process is alive, and
// (where the system shows it) that process has the device open.
TEST(SerialLink, ALockOfNoLiveHolderIsTakenOver)
{
    QTemporaryDir locks;
    qputenv("ZEMTAR_LOCK_DIR", locks.path().toLocal8Bit());
    Pty pty;
    const QString lock = SerialLink::lockFile(pty.device);
    QProcess bystander; // alive, ours, but without the device: its number was reused
    bystander.start(QStringLiteral("sleep"), {QStringLiteral("30")});
    ASSERT_TRUE(bystander.waitForStarted());
    const QByteArray pidMax = test::readAll(QStringLiteral("/proc/sys/kernel/pid_max")).trimmed();
    const QByteArray texts[] = {
        QByteArray::number(pidMax.toLongLong() + 1).rightJustified(10, ' ') + '\n',
        QByteArray::number(qint64(1) << 40) + '\n',
        "         0\n",
        "        -5\n",
        "not a number\n",
        QByteArray::number(bystander.processId()).rightJustified(10, ' ') + '\n',
    };
    for (const QByteArray& text : texts) {
        test::writeAll(lock, text);
        SerialLink link;
        EXPECT_TRUE(link.openDevice(pty.device)) << text.toStdString() << link.errorText().toStdString();
        EXPECT_EQ(test::readAll(lock).trimmed().toLongLong(), QCoreApplication::applicationPid());
        link.close();
        EXPECT_FALSE(QFile::exists(lock));
    }
    bystander.kill();
    bystander.waitForFinished();

    // A holder that has the device open keeps it, in the lock file format of Qt programs too,
    // and the message names the process.
    QProcess holder;
    holder.setStandardInputFile(pty.device);
    holder.start(QStringLiteral("sleep"), {QStringLiteral("30")});
    ASSERT_TRUE(holder.waitForStarted());
    test::writeAll(lock, QByteArray::number(holder.processId()) + "\nminicom\nhost\n");
    SerialLink link;
    EXPECT_FALSE(link.openDevice(pty.device));
    EXPECT_TRUE(link.errorText().contains(QStringLiteral("in use by process %1 (sleep)").arg(holder.processId())))
        << link.errorText().toStdString();
    holder.kill();
    holder.waitForFinished();
    qunsetenv("ZEMTAR_LOCK_DIR");
}

} // namespace
