#include "link/PowerCalibration.h"
#include "shell/Messages.h"
#include "support/SimPort.h"

#include <gtest/gtest.h>

using namespace zemtar;
using namespace zemtar::test;
using Kind = PowerCalibration::Kind;
using Answer = LinkHost::Answer;

namespace {

struct Rig {
    sim::SimRadio radio;
    SimPort port{radio};
    ScriptedHost host{&port};
    explicit Rig(sim::Config cfg = {}) : radio(cfg)
    {
        radio.setPowers(140, 90);
        port.open();
    }
};

TEST(Power, EnterUpdateCloseForBothKinds)
{
    struct Case {
        Kind kind;
        std::size_t offset;
        int reported;
        int sent;
        int expected;
    } cases[] = {{Kind::High, 0x17F1, 140, 200, 200},
                 {Kind::Low, 0x17F0, 90, 60, 60},
                 {Kind::High, 0x17F1, 140, 300, 250},
                 {Kind::Low, 0x17F0, 90, 0, 1}};
    for (const Case& c : cases) {
        Rig rig;
        PowerCalibration cal(rig.port, rig.host, c.kind);
        RadioImage img = RadioImage::newDocument();
        ASSERT_EQ(cal.enter(img), LinkOutcome::Success);
        EXPECT_EQ(img.at(c.offset), c.reported);
        EXPECT_TRUE(rig.radio.inAdjustMode());
        EXPECT_TRUE(rig.port.isOpen());
        const long before = rig.host.sleptMs;
        EXPECT_EQ(cal.update(c.sent), PowerCalibration::Update::Sent);
        EXPECT_GE(rig.host.sleptMs - before, 1000); // sent a second after the scroll ended
        EXPECT_EQ(c.kind == Kind::High ? rig.radio.highPower() : rig.radio.lowPower(), c.expected);
        EXPECT_EQ(img.at(c.offset), c.reported); // the image keeps what the radio reported
        EXPECT_EQ(cal.close(), PowerCalibration::Close::Closed);
        EXPECT_FALSE(rig.radio.inAdjustMode());
        EXPECT_FALSE(rig.port.isOpen());
        EXPECT_TRUE(rig.host.questions.empty());
    }
}

int modeRequests(const SimPort& port, char mode)
{
    int n = 0; // 'M' followed by the mode byte
    for (std::size_t i = 0; i + 1 < port.writes.size(); ++i)
        n += port.writes[i] == QByteArray("M") && port.writes[i + 1] == QByteArray(1, mode);
    return n;
}

TEST(Power, ShortReplyToTheModeIsAskedAgainThenGivesNotEnoughBytes)
{
    sim::Config cfg;
    cfg.shortPowerReply = true;
    Rig rig(cfg);
    PowerCalibration cal(rig.port, rig.host, Kind::High);
    RadioImage img;
    EXPECT_EQ(cal.enter(img), LinkOutcome::CommFailure);
    ASSERT_EQ(rig.host.questions.size(), 1u);
    EXPECT_EQ(rig.host.questions[0].text,
              QStringLiteral("Not received enough byte\nThe answer to the high power mode, tried 4 times: only 3 of "
                             "5 bytes came (50 53 00)."));
    EXPECT_EQ(modeRequests(rig.port, 'S'), 4);
    EXPECT_EQ(rig.host.statuses.size(), 3);
    EXPECT_FALSE(rig.port.isOpen());
    EXPECT_EQ(img.at(0x17F1), 0xFF);
}

TEST(Power, AShortReplyOnceIsAskedAgainFromTheWakeUp)
{
    for (Kind kind : {Kind::High, Kind::Low}) {
        sim::Config cfg;
        cfg.shortPowerReply = true;
        cfg.shortPowerTimes = 1;
        Rig rig(cfg);
        PowerCalibration cal(rig.port, rig.host, kind);
        RadioImage img = RadioImage::newDocument();
        ASSERT_EQ(cal.enter(img), LinkOutcome::Success);
        EXPECT_EQ(img.at(cal.parameters().imageOffset), kind == Kind::High ? 140 : 90);
        EXPECT_EQ(cal.repliesRepeated(), 1);
        EXPECT_TRUE(rig.host.questions.empty());
        ASSERT_EQ(rig.host.statuses.size(), 1);
        EXPECT_TRUE(
            rig.host.statuses[0].endsWith(QStringLiteral("only 3 of 5 bytes came (50 %1 00); asking again "
                                                         "(1 of 3)")
                                              .arg(kind == Kind::High ? QStringLiteral("53") : QStringLiteral("52"))))
            << rig.host.statuses[0].toStdString();
        EXPECT_TRUE(rig.radio.inAdjustMode());
        EXPECT_EQ(cal.close(), PowerCalibration::Close::Closed);
    }
}

TEST(Power, SilentRadioAsksAfterSixAttempts)
{
    sim::Config cfg;
    cfg.ignoreWakeUps = 1000;
    Rig rig(cfg);
    rig.host.answers = {Answer::Retry, Answer::Cancel};
    PowerCalibration cal(rig.port, rig.host, Kind::Low);
    RadioImage img;
    EXPECT_EQ(cal.enter(img), LinkOutcome::CommFailure);
    ASSERT_EQ(rig.host.questions.size(), 2u);
    EXPECT_EQ(rig.host.questions[0].text, msg::text(msg::CommError, Language::English));
    int wakeUps = 0;
    for (const QByteArray& w : rig.port.writes)
        wakeUps += w == QByteArray(1, 0x02);
    EXPECT_EQ(wakeUps, 12);
    EXPECT_FALSE(rig.port.isOpen());
}

TEST(Power, UnacknowledgedUpdateAsksAndCancelLeavesNoPortBehind)
{
    sim::Config cfg;
    cfg.noPowerAck = true;
    Rig rig(cfg);
    PowerCalibration cal(rig.port, rig.host, Kind::High);
    RadioImage img;
    ASSERT_EQ(cal.enter(img), LinkOutcome::Success);
    rig.host.answers = {Answer::Cancel};
    EXPECT_EQ(cal.update(100), PowerCalibration::Update::Stopped);
    ASSERT_EQ(rig.host.questions.size(), 1u);
    EXPECT_EQ(rig.host.questions[0].text, QStringLiteral("Error had happen ,need try again\nThe answer to the "
                                                         "update wake-up, tried 6 times: no answer came."));
    EXPECT_FALSE(rig.port.isOpen());
    // After the port was closed nothing is written to it again: later steps say so instead.
    const std::size_t writes = rig.port.writes.size();
    EXPECT_EQ(cal.update(120), PowerCalibration::Update::NoPort);
    EXPECT_EQ(cal.close(), PowerCalibration::Close::NoPort);
    EXPECT_EQ(rig.port.writes.size(), writes);
    EXPECT_EQ(rig.host.questions.back().text, msg::text(msg::PortOpenFailed, Language::English));
}

TEST(Power, UnacknowledgedUpdateWithRetryKeepsAsking)
{
    sim::Config cfg;
    cfg.noPowerAck = true;
    Rig rig(cfg);
    PowerCalibration cal(rig.port, rig.host, Kind::High);
    RadioImage img;
    ASSERT_EQ(cal.enter(img), LinkOutcome::Success);
    rig.host.answers = {Answer::Retry, Answer::Retry, Answer::Cancel};
    EXPECT_EQ(cal.update(100), PowerCalibration::Update::Stopped);
    // Six silent wake-ups ask; Retry goes on as if answered, the unanswered mode asks
    // again, and from then on every failure asks.
    EXPECT_EQ(rig.host.questions.size(), 3u);
    EXPECT_EQ(rig.radio.highPower(), 140);
}

} // namespace

namespace {

TEST(Power, ARadioThatAnswersAtOnceGetsEveryValue)
{
    for (Kind kind : {Kind::High, Kind::Low}) {
        Rig rig;
        rig.port.instant = true;
        PowerCalibration cal(rig.port, rig.host, kind);
        RadioImage img = RadioImage::newDocument();
        ASSERT_EQ(cal.enter(img), LinkOutcome::Success);
        for (int v = 100; v < 140; ++v) {
            ASSERT_EQ(cal.update(v), PowerCalibration::Update::Sent) << v;
            ASSERT_EQ(kind == Kind::High ? rig.radio.highPower() : rig.radio.lowPower(), v);
        }
        EXPECT_EQ(cal.close(), PowerCalibration::Close::Closed);
        EXPECT_TRUE(rig.host.questions.empty());
    }
}

} // namespace
