// The real programs over a pseudo-terminal: zemtar-cli against zemtar-radiosim.
#include "image/DataFile.h"
#include "image/Encodings.h"
#include "link/Protocol.h"
#include "link/SerialLink.h"
#include "support/TestSupport.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

using namespace zemtar;

namespace {

QString binDir() { return QStringLiteral(ZEMTAR_BIN_DIR); }

struct CliRun {
    int code = -1;
    QString out, err;
};

CliRun cli(const QStringList& args, int timeoutMs = 120000)
{
    QProcess p;
    p.start(binDir() + QStringLiteral("/zemtar-cli"), args);
    p.waitForFinished(timeoutMs);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

class Sim {
public:
    Sim(const QTemporaryDir& dir, QStringList args)
    {
        transcript = dir.filePath(QStringLiteral("transcript.txt"));
        memory = dir.filePath(QStringLiteral("memory.bin"));
        args << QStringLiteral("--transcript") << transcript << QStringLiteral("--save") << memory;
        proc.start(binDir() + QStringLiteral("/zemtar-radiosim"), args);
        if (proc.waitForReadyRead(10000))
            device = QString::fromUtf8(proc.readLine()).trimmed();
    }
    ~Sim() { stop(); }
    void stop()
    {
        if (proc.state() != QProcess::NotRunning) {
            proc.terminate();
            proc.waitForFinished(10000);
        }
    }
    // Frames of the transcript: direction ("PC>" or "<RADIO") and the bytes.
    std::vector<std::pair<QString, QByteArray>> frames() const
    {
        std::vector<std::pair<QString, QByteArray>> out;
        const QStringList lines = QString::fromUtf8(test::readAll(transcript)).split(u'\n', Qt::SkipEmptyParts);
        for (const QString& l : lines) {
            const QStringList parts = l.simplified().split(u' ');
            QByteArray bytes;
            for (int i = 2; i < parts.size() && parts[i].size() == 2; ++i)
                bytes.append(char(parts[i].toInt(nullptr, 16)));
            out.emplace_back(parts.value(1), bytes);
        }
        return out;
    }

    QProcess proc;
    QString device, transcript, memory;
};

RadioImage patternImage()
{
    RadioImage img = RadioImage::newDocument();
    for (std::size_t i = 0; i < img.kSize; ++i)
        img.set(i, std::uint8_t((i * 13 + 5) & 0xFF));
    img.fill(map::kPassword, 0xFF);
    band::write(img, {144, 145});
    return img;
}

class LinkIntegration : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
};

TEST_F(LinkIntegration, WriteThenReadGivesTheImageBackAndFramesFollowTheProtocol)
{
    const RadioImage source = patternImage();
    ASSERT_TRUE(DataFile::save(path("source.dat"), source, nullptr));
    Sim sim(dir, {QStringLiteral("--power-high"), QStringLiteral("77"), QStringLiteral("--power-low"),
                  QStringLiteral("66")});
    ASSERT_FALSE(sim.device.isEmpty());

    const CliRun w = cli({QStringLiteral("write"), QStringLiteral("--port"), sim.device, path("source.dat")});
    ASSERT_EQ(w.code, 0) << w.err.toStdString();
    // Frame by frame: two wake-ups with identification, the confirmation, 510 blocks, the band block.
    auto frames = sim.frames();
    const QByteArray wake("\x02PROGRA"), ack(1, 0x06), mode("M\x02");
    std::vector<std::pair<QString, QByteArray>> expect;
    auto pc = [&](const QByteArray& b) { expect.emplace_back(QStringLiteral("PC>"), b); };
    auto radio = [&](const QByteArray& b) { expect.emplace_back(QStringLiteral("<RADIO"), b); };
    const QByteArray ident("U530\x00\x13\x17\x64", 8);
    for (int pass = 0; pass < 2; ++pass) {
        pc(wake);
        radio(ack);
        pc(mode);
        radio(ident);
    }
    pc(ack);
    radio(ack);
    for (const proto::Block& b : proto::blocks(254)) {
        pc(proto::header('W', b.address) + source.toByteArray().mid(qsizetype(b.imageOffset), 8));
        radio(ack);
    }
    pc(proto::header('W', 0x0FF0) + source.toByteArray().mid(0x17E8, 8));
    radio(ack);
    ASSERT_EQ(frames.size(), expect.size());
    for (std::size_t i = 0; i < expect.size(); ++i) {
        ASSERT_EQ(frames[i].first, expect[i].first) << "frame " << i;
        ASSERT_EQ(frames[i].second, expect[i].second) << "frame " << i;
    }

    const CliRun r = cli({QStringLiteral("read"), QStringLiteral("--port"), sim.device, path("back.dat")});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    RadioImage back;
    ASSERT_TRUE(DataFile::load(path("back.dat"), back, nullptr));
    const RadioImage fresh = RadioImage::newDocument();
    for (std::size_t i = 0; i < RadioImage::kSize; ++i) {
        const std::size_t row = i / 24, col = i % 24;
        std::uint8_t want = fresh.at(i); // never transferred: as a new document has it
        if (row < 130 || (row >= 195 && col < 16))
            want = source.at(i);
        if (i == 0x17F0)
            want = 66; // the radio's own calibration values, never written
        if (i == 0x17F1)
            want = 77;
        if (i > 0x17F1 && i < 0x17F8)
            want = 0xFF;
        ASSERT_EQ(back.at(i), want) << "offset " << i;
    }
    frames = sim.frames();
    const std::size_t start = expect.size();
    std::vector<std::pair<QString, QByteArray>> readExpect;
    expect.clear();
    pc(wake);
    radio(ack);
    pc(mode);
    radio(ident);
    pc(ack);
    radio(ack);
    pc(QByteArray("R\x0F\xE0\x08"));
    radio(QByteArray("W\x0F\xE0\x08") + back.toByteArray().mid(0x17D0, 8));
    pc(ack);
    radio(ack);
    for (const proto::Block& b : proto::blocks(255)) {
        pc(proto::header('R', b.address));
        radio(proto::header('W', b.address) + back.toByteArray().mid(qsizetype(b.imageOffset), 8));
        pc(ack);
        radio(ack);
    }
    ASSERT_EQ(frames.size(), start + expect.size());
    for (std::size_t i = 0; i < expect.size(); ++i) {
        ASSERT_EQ(frames[start + i].first, expect[i].first) << "read frame " << i;
        ASSERT_EQ(frames[start + i].second, expect[i].second) << "read frame " << i;
    }
}

TEST_F(LinkIntegration, FaultsGiveTheirMessageAndLeaveFilesAsTheyWere)
{
    ASSERT_TRUE(DataFile::save(path("doc.dat"), patternImage(), nullptr));
    const QByteArray docBytes = test::readAll(path("doc.dat"));
    struct Case {
        QStringList simArgs;
        QString command;
        int code;
        const char* message;
    } cases[] = {
        {{QStringLiteral("--wrong-id")},
         "read",
         4,
         "Becuase the type of radio does not match,\ncommunications is interrupt."},
        {{"--password", "1234"}, "read", 4, "Password Erroe!"},
        {{"--fault", "missing@20:always"},
         "read",
         4,
         "Program Interrupt，Please reset the radio and try again\nBlock 0x00A0, asked 4 times: no answer came."},
        {{"--fault", "short@5:always"}, "read", 4, "Block 0x0028, asked 4 times: only 6 of 12 bytes came"},
        {{"--fault", "nak@0:always"}, "read", 4, "Program Interrupt"},
        {{"--fault", "hangup@30"}, "read", 4, "Program Interrupt"},
        {{"--fault", "nak@7:always"}, "write", 4, "Block 0x0038, sent 4 times: 15 came instead"},
        {{"--fault", "hangup@12"}, "write", 4, "Program Interrupt"},
        {{"--fault", "address@37:always"}, "read", 4, "Block 0x0128, asked 4 times: the reply names address 0x0130"},
        {{"--fault", "first-byte@508:always"}, "read", 4, "Block 0x0FE0, asked 4 times: the reply begins with 52"},
        {{"--ident-bytes", "0"},
         "read",
         4,
         "Communication Error，Please check all the connections and the radio "
         "power\nNo reply: the radio on "},
        {{"--ident-bytes", "5"}, "read", 4, "sent no identification (only 5 of 8 bytes came (55 35 33 30 00))."},
        {{"--band", "400-470"}, "write", 5, "The frequency band over the range of the radio."},
        {{"--no-confirm"}, "read", 4, "Communication Error，Please check all the connections and the radio power"},
    };
    for (const Case& c : cases) {
        Sim sim(dir, c.simArgs);
        ASSERT_FALSE(sim.device.isEmpty());
        const CliRun r = c.command == QLatin1String("read")
                             ? cli({c.command, QStringLiteral("--port"), sim.device, path("out.dat")})
                             : cli({c.command, QStringLiteral("--port"), sim.device, path("doc.dat")});
        EXPECT_EQ(r.code, c.code) << c.simArgs.join(u' ').toStdString() << ": " << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.message))) << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(path("out.dat")));
        EXPECT_EQ(test::readAll(path("doc.dat")), docBytes);
    }
}

// A stray byte before one reply: asked again, the read saves the radio's memory exactly; a
// line disturbed at every request ends the read with the block named and no file written.
TEST_F(LinkIntegration, AStrayByteBeforeAReplyIsAskedAgainOrEndsTheRead)
{
    const RadioImage source = patternImage();
    ASSERT_TRUE(DataFile::save(path("source.dat"), source, nullptr));
    for (const QStringList& paceArgs : {QStringList{QStringLiteral("--turnaround"), QStringLiteral("0")},
                                        QStringList{QStringLiteral("--throttle")}}) {
        const std::string pace = paceArgs.join(u' ').toStdString();
        {
            Sim sim(dir, paceArgs + QStringList{QStringLiteral("--from-dat"), path("source.dat"),
                                                QStringLiteral("--fault"), QStringLiteral("stray@37")});
            const CliRun r = cli({QStringLiteral("read"), QStringLiteral("--port"), sim.device, path("once.dat")});
            ASSERT_EQ(r.code, 0) << pace << ": " << r.err.toStdString();
            // On a loaded machine the stray byte may arrive apart from the reply (a reply cut short);
            // either way the block is named and asked for again.
            EXPECT_TRUE(r.err.contains(QStringLiteral("Block 0x0128: the reply begins with 06 instead of 57 ('W') "
                                                      "(received 06 57 01 28 08")) ||
                        r.err.contains(QStringLiteral("Block 0x0128: only 1 of 12 bytes came (06)")))
                << r.err.toStdString();
            EXPECT_TRUE(r.err.contains(QStringLiteral("; asking again (1 of 3)")));
            RadioImage back;
            ASSERT_TRUE(DataFile::load(path("once.dat"), back, nullptr));
            for (std::size_t i = 0; i < 0x0C30; ++i)
                ASSERT_EQ(back.at(i), source.at(i)) << "offset " << i;
            // The request asked again follows the refused reply once the line is quiet.
            const auto frames = sim.frames();
            int requests = 0;
            for (const auto& f : frames)
                requests += f.first == QLatin1String("PC>") && f.second == proto::header('R', 0x0128);
            EXPECT_EQ(requests, 2);
        }
        Sim sim(dir, paceArgs + QStringList{QStringLiteral("--fault"), QStringLiteral("stray@37:always")});
        const CliRun r = cli({QStringLiteral("read"), QStringLiteral("--port"), sim.device, path("always.dat")});
        EXPECT_EQ(r.code, 4) << pace << ": " << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("Program Interrupt，Please reset the radio and try again\nBlock "
                                                  "0x0128, asked 4 times: ")))
            << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("asking again (3 of 3)")));
        EXPECT_FALSE(QFile::exists(path("always.dat")));
    }
}

TEST_F(LinkIntegration, SilentRadioRetriesOnRequest)
{
    Sim sim(dir, {QStringLiteral("--ignore-wakeups"), QStringLiteral("16")});
    const CliRun r = cli({QStringLiteral("read"), QStringLiteral("--port"), sim.device, path("out.dat"),
                          QStringLiteral("--retries"), QStringLiteral("1")});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("Communication Error")));
    EXPECT_TRUE(QFile::exists(path("out.dat")));
}

TEST_F(LinkIntegration, PortHeldByAnotherProgramFailsWithoutTraffic)
{
    Sim sim(dir, {});
    SerialLink holder;
    ASSERT_TRUE(holder.openDevice(sim.device));
    const CliRun r = cli({QStringLiteral("read"), QStringLiteral("--port"), sim.device, path("out.dat")});
    EXPECT_EQ(r.code, 4);
    EXPECT_TRUE(r.err.contains(
        QStringLiteral("Could not Open the Port,Please check whether the Port are occupied or the device are ok")));
    EXPECT_TRUE(sim.frames().empty());
    EXPECT_FALSE(QFile::exists(path("out.dat")));
}

TEST_F(LinkIntegration, PowerAdjustmentMovesTheRadiosValue)
{
    {
        Sim sim(dir, {QStringLiteral("--power-high"), QStringLiteral("120")});
        const CliRun r = cli({QStringLiteral("power"), QStringLiteral("high"), QStringLiteral("--port"), sim.device,
                              QStringLiteral("--set"), QStringLiteral("201")});
        EXPECT_EQ(r.code, 0) << r.err.toStdString();
        EXPECT_TRUE(r.out.contains(QStringLiteral("High power value: 120")));
        sim.stop();
        EXPECT_EQ(std::uint8_t(test::readAll(sim.memory).at(0x0FF9)), 201);
        const auto frames = sim.frames();
        ASSERT_FALSE(frames.empty());
        EXPECT_EQ(frames.back().second, QByteArray("MU"));
    }
    Sim sim(dir, {QStringLiteral("--short-power-reply")});
    const CliRun r = cli({QStringLiteral("power"), QStringLiteral("low"), QStringLiteral("--port"), sim.device});
    EXPECT_EQ(r.code, 4);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Not received enough byte")));
}

TEST_F(LinkIntegration, AnAdaptersLatencyTimerDelaysEveryAnswer)
{
    // The power mode's few exchanges (three answers), with and without a modelled 100 ms timer.
    auto timed = [&](const QStringList& extra) {
        Sim sim(dir, QStringList{QStringLiteral("--turnaround"), QStringLiteral("0")} + extra);
        QElapsedTimer t;
        t.start();
        const CliRun r = cli({QStringLiteral("power"), QStringLiteral("high"), QStringLiteral("--port"), sim.device});
        EXPECT_EQ(r.code, 0) << r.err.toStdString();
        return t.elapsed();
    };
    const qint64 plain = timed({});
    const qint64 slow = timed({QStringLiteral("--latency"), QStringLiteral("100")});
    EXPECT_GE(slow - plain, 200) << plain << " ms without, " << slow << " ms with the timer";
    // A pseudo-terminal has no latency setting: the link opens all the same.
    Sim sim(dir, {});
    SerialLink link;
    ASSERT_TRUE(link.openDevice(sim.device)) << link.errorText().toStdString();
    EXPECT_FALSE(link.lowLatency());
}

} // namespace

namespace {

// A radio that answers at once: no exchange may lose its answer to a clearing of the queue.
TEST(FastRadio, ZeroTurnaroundNeverLosesAnAnswer)
{
    QTemporaryDir dir;
    const QString dat = dir.filePath(QStringLiteral("a.dat"));
    ASSERT_TRUE(DataFile::save(dat, patternImage(), nullptr));
    Sim sim(dir,
            {QStringLiteral("--turnaround"), QStringLiteral("0"), QStringLiteral("--band"), QStringLiteral("136-174")});
    ASSERT_FALSE(sim.device.isEmpty());
    // Each write is some 500 exchanges, each power adjustment about a dozen.
    for (int i = 0; i < 3; ++i) {
        const CliRun w = cli({QStringLiteral("write"), QStringLiteral("--port"), sim.device, dat});
        ASSERT_EQ(w.code, 0) << w.err.toStdString();
    }
    for (int i = 0; i < 4; ++i) {
        const CliRun p = cli({QStringLiteral("power"), i % 2 ? QStringLiteral("low") : QStringLiteral("high"),
                              QStringLiteral("--port"), sim.device, QStringLiteral("--set"), QString::number(150 + i)});
        ASSERT_EQ(p.code, 0) << p.err.toStdString();
    }
}

} // namespace

namespace {

// A write that stops after its first block says that the radio now holds part of the image.
TEST(PartialWrite, AFailedBlockOrAStopRequestSaysHowMuchTheRadioHolds)
{
    QTemporaryDir dir;
    const QString dat = dir.filePath(QStringLiteral("a.dat"));
    ASSERT_TRUE(DataFile::save(dat, patternImage(), nullptr));
    {
        Sim sim(dir, {QStringLiteral("--fault"), QStringLiteral("nak@200:always")});
        const CliRun w = cli({QStringLiteral("write"), QStringLiteral("--port"), sim.device, dat});
        EXPECT_NE(w.code, 0);
        EXPECT_TRUE(w.err.contains(QStringLiteral("The radio holds a partly written image ("))) << w.err.toStdString();
        EXPECT_TRUE(w.err.contains(QStringLiteral(" of 190 rows). Write again before using it.")));
    }
    {
        Sim sim(dir, {QStringLiteral("--throttle")});
        QProcess p;
        p.start(binDir() + QStringLiteral("/zemtar-cli"),
                {QStringLiteral("write"), QStringLiteral("--port"), sim.device, dat});
        ASSERT_TRUE(p.waitForStarted());
        QThread::msleep(2500); // well into the blocks
        p.terminate();         // SIGTERM cancels as Ctrl+C does
        ASSERT_TRUE(p.waitForFinished(20000));
        const QString err = QString::fromUtf8(p.readAllStandardError());
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p.exitCode(), 5) << err.toStdString();
        EXPECT_TRUE(err.contains(QStringLiteral("partly written image"))) << err.toStdString();
    }
}

} // namespace
