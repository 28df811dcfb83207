#include "link/TransferEngine.h"
#include "link/Protocol.h"
#include "shell/Messages.h"
#include "support/SimPort.h"

#include <gtest/gtest.h>

using namespace zemtar;
using namespace zemtar::test;
using Answer = LinkHost::Answer;
using Buttons = LinkHost::Buttons;
using Fault = sim::Config::BlockFault;

namespace {

// An image whose every transferred byte differs from a new document's.
RadioImage patternImage()
{
    RadioImage img = RadioImage::newDocument();
    for (std::size_t i = 0; i < img.kSize; ++i)
        img.set(i, std::uint8_t((i * 7 + 3) & 0xFF));
    img.fill(map::kPassword, 0xFF);
    band::write(img, {144, 145});
    return img;
}

struct Rig {
    sim::SimRadio radio;
    SimPort port{radio};
    ScriptedHost host{&port};
    explicit Rig(sim::Config cfg = {}) : radio(cfg) { port.open(); }
    TransferEngine engine() { return TransferEngine(port, host, Language::English); }
    int wakeUps() const
    {
        int n = 0; // 0x02 followed by 'P' (a lone 0x02 after 'M' is the program mode)
        for (std::size_t i = 0; i + 1 < port.writes.size(); ++i)
            n += port.writes[i] == QByteArray(1, 0x02) && port.writes[i + 1] == QByteArray("P");
        return n;
    }
    bool asked(const QString& text) const
    {
        for (const auto& q : host.questions)
            if (q.text == text)
                return true;
        return false;
    }
};

QString text(msg::Id id) { return msg::text(id, Language::English); }

TEST(Protocol, ReadReplyCheck)
{
    using F = msg::ReplyFault;
    const QByteArray data("\x11\x22\x33\x44\x55\x66\x77\x88", 8);
    const QByteArray good = QByteArray("W\x01\x28\x08", 4) + data;
    struct Case {
        QByteArray reply;
        std::optional<F> fault;
    } cases[] = {
        {good, std::nullopt},
        {{}, F::Nothing},
        {good.left(11), F::Short},
        {good.left(1), F::Short},
        {good + '\x06', F::Long},
        {QByteArray(1, 0x06) + good.left(11), F::FirstByte}, // a stray byte before the reply
        {QByteArray("R") + good.mid(1), F::FirstByte},
        {QByteArray("W\x01\x30\x08", 4) + data, F::Address},
        {QByteArray("W\x00\x28\x08", 4) + data, F::Address},
        {QByteArray("W\x01", 2), F::Short}, // too little to say more
        {QByteArray("W\x01\x28\x07", 4) + data, F::Length},
        {QByteArray("W\x01\x28", 3), F::Short},
    };
    for (const Case& c : cases)
        EXPECT_EQ(proto::checkReadReply(c.reply, 0x0128), c.fault) << c.reply.toHex(' ').toStdString();
    // The address is compared whole, both bytes.
    EXPECT_EQ(proto::checkReadReply(QByteArray("W\x0F\xE0\x08", 4) + data, 0x0FE0), std::nullopt);
    EXPECT_EQ(proto::checkReadReply(QByteArray("W\x0F\xE0\x08", 4) + data, 0x0FE8), F::Address);
}

TEST(Transfer, ReadCopiesTheRadioAndLeavesUntransferredBytesAlone)
{
    Rig rig;
    const RadioImage source = patternImage();
    rig.radio.loadImage(source);
    RadioImage doc = RadioImage::newDocument();
    doc.fill({0x0C30, 65 * 24}, 0x5A); // rows 130-194 must stay as they are
    const RadioImage before = doc;
    ASSERT_EQ(rig.engine().read(doc), LinkOutcome::Success);
    for (std::size_t i = 0; i < RadioImage::kSize; ++i) {
        const std::size_t row = i / 24, col = i % 24;
        const bool transferred = row < 130 || (row >= 195 && col < 16);
        ASSERT_EQ(doc.at(i), transferred ? source.at(i) : before.at(i)) << "offset " << i;
    }
    EXPECT_EQ(rig.host.progressValue, 191);
    EXPECT_EQ(rig.host.statuses.last(), QStringLiteral("block 512 of 512, 100 %"));
    EXPECT_EQ(rig.port.closes, 1);
    EXPECT_FALSE(rig.port.isOpen());
    EXPECT_TRUE(rig.host.questions.empty());
    // The password block, then 512 blocks in address order.
    std::vector<QByteArray> requests;
    for (const QByteArray& w : rig.port.writes)
        if (w.size() == 4 && w[0] == 'R')
            requests.push_back(w);
    ASSERT_EQ(requests.size(), 513u);
    EXPECT_EQ(requests[0], QByteArray("R\x0F\xE0\x08"));
    for (std::size_t k = 1; k < requests.size(); ++k)
        EXPECT_EQ(requests[k], proto::header('R', std::uint16_t((k - 1) * 8)));
}

TEST(Transfer, WriteSendsTheImageButNeverTheCalibrationBytes)
{
    Rig rig;
    rig.radio.setPowers(111, 99);
    const RadioImage doc = patternImage();
    ASSERT_EQ(rig.engine().write(doc, BandLimits::of({144, 145})), LinkOutcome::Success);
    for (int a = 0; a < sim::SimRadio::kMemorySize; ++a) {
        if (a >= 0x0FF8)
            continue;
        ASSERT_EQ(std::uint8_t(rig.radio.memory()[a]), doc.at(std::size_t(proto::imageOffsetOf(std::uint16_t(a)))))
            << "address " << a;
    }
    EXPECT_EQ(rig.radio.highPower(), 111);
    EXPECT_EQ(rig.radio.lowPower(), 99);
    EXPECT_EQ(rig.wakeUps(), 2); // woken and identified twice, no question asked
    EXPECT_TRUE(rig.host.questions.empty());
    EXPECT_EQ(rig.host.progressValue, 190);
    EXPECT_EQ(rig.host.statuses.last(), QStringLiteral("block 511 of 511, 100 %"));
    int blocks = 0;
    for (const QByteArray& w : rig.port.writes)
        blocks += w.size() == 4 && w[0] == 'W';
    EXPECT_EQ(blocks, 511);
    EXPECT_EQ(rig.port.writes[rig.port.writes.size() - 2], proto::header('W', 0x0FF0));
}

TEST(Transfer, ProgressCountsBlocksAndTheTimeLeftFromTheTimeEachTook)
{
    // Time passes with the bytes on the wire: 10 ms for every write to the port.
    for (const Language lang : {Language::English, Language::Chinese}) {
        Rig rig;
        rig.radio.loadImage(patternImage());
        TransferEngine engine(rig.port, rig.host, lang);
        engine.setClock([&] { return qint64(rig.port.writes.size()) * 10; });
        RadioImage doc = RadioImage::newDocument();
        ASSERT_EQ(engine.read(doc), LinkOutcome::Success);
        // Row 11 ends with block 36: 36 blocks (two writes each) and the password block took
        // 740 ms, so 476 blocks more take 9.8 s.
        const QString expected = lang == Language::English ? QStringLiteral("block 36 of 512, 7 %, about 10 s left")
                                                           : QString::fromUtf8("第 36 块，共 512 块，7%，约剩 10 秒");
        EXPECT_TRUE(rig.host.statuses.contains(expected)) << rig.host.statuses.join(u'|').toStdString();
        const QString last = lang == Language::English ? QStringLiteral("block 512 of 512, 100 %")
                                                       : QString::fromUtf8("第 512 块，共 512 块，100%");
        EXPECT_EQ(rig.host.statuses.last(), last);
        EXPECT_EQ(rig.host.progressValue, 191); // the bar keeps its range
    }
    // Long transfers count in minutes.
    EXPECT_EQ(msg::transferProgress(5, 512, 300, Language::English),
              QStringLiteral("block 5 of 512, 0 %, about 5 min left"));
}

TEST(Transfer, SilentRadioAsksAfterFifteenWakeUpsAndRetryStartsFifteenMore)
{
    sim::Config cfg;
    cfg.ignoreWakeUps = 1000;
    Rig rig(cfg);
    rig.host.answers = {Answer::Retry, Answer::Cancel};
    RadioImage doc = RadioImage::newDocument();
    const RadioImage before = doc;
    EXPECT_EQ(rig.engine().read(doc), LinkOutcome::CommFailure);
    EXPECT_EQ(rig.wakeUps(), 30);
    ASSERT_EQ(rig.host.questions.size(), 2u);
    EXPECT_EQ(rig.host.questions[0].text, text(msg::CommError));
    EXPECT_EQ(rig.host.questions[0].buttons, Buttons::RetryCancel);
    EXPECT_EQ(rig.port.reads, 60); // two one-byte reads per attempt
    EXPECT_EQ(doc, before);
    EXPECT_FALSE(rig.port.isOpen());
}

TEST(Transfer, RadioAnsweringLateIsStillReached)
{
    sim::Config cfg;
    cfg.ignoreWakeUps = 14;
    Rig rig(cfg);
    RadioImage doc = RadioImage::newDocument();
    EXPECT_EQ(rig.engine().read(doc), LinkOutcome::Success);
    EXPECT_TRUE(rig.host.questions.empty());
}

TEST(Transfer, IdentificationFamiliesAndModels)
{
    struct Case {
        char family;
        const char* model;
        bool wrong;
        bool accepted;
    } cases[] = {{'U', "530", false, true}, {'K', "530", false, true},  {'R', "530", false, true},
                 {'K', "530", true, false}, {'X', "530", false, false}, {'U', "503", false, false}};
    for (const Case& c : cases) {
        sim::Config cfg;
        cfg.family = c.family;
        cfg.model = c.model;
        cfg.wrongIdentity = c.wrong;
        Rig rig(cfg);
        RadioImage doc = RadioImage::newDocument();
        const LinkOutcome o = rig.engine().read(doc);
        EXPECT_EQ(o, c.accepted ? LinkOutcome::Success : LinkOutcome::TypeMismatch) << c.family << c.model;
        EXPECT_EQ(rig.asked(msg::typeMismatch(Language::English)), !c.accepted);
        EXPECT_FALSE(rig.port.isOpen());
    }
}

TEST(Transfer, WriteBandCheck)
{
    struct Case {
        Band doc;
        std::optional<Answer> answer; // the question is asked when set
        LinkOutcome outcome;
    } cases[] = {
        {{144, 145}, std::nullopt, LinkOutcome::Success},
        {{136, 174}, std::nullopt, LinkOutcome::Success},
        {{130, 145}, Answer::Ok, LinkOutcome::Success},
        {{144, 175}, Answer::Cancel, LinkOutcome::BandRefused},
    };
    for (const Case& c : cases) {
        Rig rig; // radio band 136-174
        if (c.answer)
            rig.host.answers = {*c.answer};
        EXPECT_EQ(rig.engine().write(patternImage(), BandLimits::of(c.doc)), c.outcome);
        EXPECT_EQ(rig.asked(text(msg::BandOverRange)), c.answer.has_value());
        EXPECT_EQ(rig.wakeUps(), c.outcome == LinkOutcome::Success ? 2 : 1);
        if (c.outcome != LinkOutcome::Success) {
            EXPECT_EQ(rig.radio.memory(), QByteArray(4096, char(0xFF)).replace(0x0FF8, 2, QByteArray("\x64\x7D")));
        }
    }
}

TEST(Transfer, PasswordMismatchStopsBeforeAnyAcknowledgement)
{
    Rig rig;
    rig.radio.setPassword("12345");
    RadioImage doc = RadioImage::newDocument();
    doc.setText(map::kPassword.offset, 6, "12346");
    const RadioImage before = doc;
    EXPECT_EQ(rig.engine().read(doc), LinkOutcome::PasswordError);
    EXPECT_TRUE(rig.asked(QStringLiteral("Password Erroe!")));
    EXPECT_EQ(rig.port.writes.back(), QByteArray("R\x0F\xE0\x08"));
    EXPECT_EQ(doc, before);

    Rig same;
    same.radio.setPassword("12346");
    EXPECT_EQ(same.engine().read(doc), LinkOutcome::Success);
}

// Read requests (and the password request) for one radio address.
int requestsFor(const SimPort& port, char op, std::uint16_t address)
{
    int n = 0;
    for (const QByteArray& w : port.writes)
        n += w == proto::header(op, address);
    return n;
}

TEST(Transfer, BlockFaultsThatPersistEndWithProgramInterruptAndLeaveTheDocument)
{
    struct Case {
        Fault fault;
        int block;
        bool writing;
    } cases[] = {
        {Fault::Missing, 10, false},
        {Fault::Short, 10, false},
        {Fault::Nak, 10, false},
        {Fault::HangUp, 400, false},
        {Fault::Short, 508, false}, // a short answer to the password request is not a
                                    // password error
        {Fault::Missing, 10, true},
        {Fault::Nak, 3, true},
        {Fault::HangUp, 509, true},
    };
    for (const Case& c : cases) {
        sim::Config cfg;
        cfg.blockFault = c.fault;
        cfg.faultBlock = c.block;
        cfg.faultTimes = 0; // every request
        Rig rig(cfg);
        rig.radio.loadImage(patternImage());
        RadioImage doc = RadioImage::newDocument();
        const RadioImage before = doc;
        const LinkOutcome o = c.writing ? rig.engine().write(doc, BandLimits::of({144, 145})) : rig.engine().read(doc);
        EXPECT_EQ(o, LinkOutcome::CommFailure) << int(c.fault) << "@" << c.block;
        ASSERT_EQ(rig.host.questions.size(), 1u);
        const QString address =
            QStringLiteral("Block 0x%1, ").arg(QStringLiteral("%1").arg(c.block * 8, 4, 16, QChar(u'0')).toUpper());
        EXPECT_TRUE(rig.host.questions[0].text.startsWith(text(msg::ProgramInterrupt) + u'\n' + address))
            << rig.host.questions[0].text.toStdString();
        // A radio that went away is not asked again; any other fault is, three times.
        const int expected = c.fault == Fault::HangUp ? 1 : 1 + TransferEngine::kBlockRetries;
        EXPECT_EQ(requestsFor(rig.port, c.writing ? 'W' : 'R', std::uint16_t(c.block * 8)), expected);
        EXPECT_EQ(doc, before);
        EXPECT_FALSE(rig.port.isOpen());
    }
}

// The faults of a disturbed line, once: the block is asked for again and the read brings the
// radio's memory exactly; the status says what came and which attempt follows.
TEST(Transfer, ADisturbedReplyIsAskedForAgainAndTheImageIsRight)
{
    struct Case {
        Fault fault;
        int block;
        const char* status;
    } cases[] = {
        {Fault::Stray, 37, "Block 0x0128: the reply begins with 06 instead of 57 ('W') (received 06 57 01 28"},
        {Fault::OtherAddress, 37, "Block 0x0128: the reply names address 0x0130 (received 57 01 30 08"},
        {Fault::OtherFirstByte, 37, "Block 0x0128: the reply begins with 52 instead of 57 ('W') (received 52 01 28"},
        {Fault::Short, 37, "Block 0x0128: only 6 of 12 bytes came (57 01 28 08"},
        {Fault::Missing, 37, "Block 0x0128: no answer came; asking again (1 of 3)"},
        {Fault::Nak, 37, "Block 0x0128: 15 came instead of the acknowledgement; asking again (1 of 3)"},
        {Fault::Stray, 508, "Block 0x0FE0: the reply begins with 06"}, // the password request
        {Fault::Stray, 511, "Block 0x0FF8: the reply begins with 06"},
    };
    const RadioImage source = patternImage();
    for (const Case& c : cases) {
        sim::Config cfg;
        cfg.blockFault = c.fault;
        cfg.faultBlock = c.block;
        Rig rig(cfg);
        rig.radio.loadImage(source);
        RadioImage doc = RadioImage::newDocument();
        TransferEngine engine = rig.engine();
        ASSERT_EQ(engine.read(doc), LinkOutcome::Success) << c.status;
        EXPECT_EQ(engine.blocksRepeated(), 1);
        EXPECT_TRUE(rig.host.questions.empty());
        for (std::size_t i = 0; i < RadioImage::kSize; ++i) {
            const std::size_t row = i / 24, col = i % 24;
            if (row < 130 || (row >= 195 && col < 16)) {
                ASSERT_EQ(doc.at(i), source.at(i)) << c.status << " offset " << i;
            }
        }
        const QStringList asked = rig.host.statuses.filter(QStringLiteral("asking again"));
        ASSERT_EQ(asked.size(), 1) << rig.host.statuses.join(u'|').toStdString();
        EXPECT_TRUE(asked[0].startsWith(QString::fromUtf8(c.status))) << asked[0].toStdString();
        EXPECT_TRUE(asked[0].endsWith(QStringLiteral("; asking again (1 of 3)")));
    }
}

TEST(Transfer, AReplyDisturbedEveryTimeNamesTheBlockAndWhatCame)
{
    for (Language lang : {Language::English, Language::Chinese}) {
        sim::Config cfg;
        cfg.blockFault = Fault::Stray;
        cfg.faultBlock = 37;
        cfg.faultTimes = 0;
        Rig rig(cfg);
        RadioImage doc = RadioImage::newDocument();
        const RadioImage before = doc;
        TransferEngine engine(rig.port, rig.host, lang);
        EXPECT_EQ(engine.read(doc), LinkOutcome::CommFailure);
        EXPECT_EQ(doc, before);
        EXPECT_EQ(engine.blocksRepeated(), 3);
        ASSERT_EQ(rig.host.questions.size(), 1u);
        const QString expected =
            lang == Language::English
                ? QStringLiteral("Program Interrupt，Please reset the radio and try again\nBlock 0x0128, asked 4 "
                                 "times: the reply begins with 06 instead of 57 ('W') (received 06 57 01 28 08 FF FF "
                                 "FF FF FF FF FF).")
                : QString::fromUtf8(
                      "编程中断，请重新启动对讲机后再试\n数据块 0x0128，请求 4 次：应答以 06 开头，而不是 "
                      "57（'W'）（收到 06 57 01 28 08 FF FF FF FF FF FF FF）。");
        EXPECT_EQ(rig.host.questions[0].text, expected);
        EXPECT_EQ(requestsFor(rig.port, 'R', 0x0128), 4);
        EXPECT_EQ(rig.host.progressValue, 12); // rows 0-11 came, row 12 holds block 37
    }
}

TEST(Transfer, AnUnacknowledgedWriteBlockIsSentAgain)
{
    struct Case {
        int times; // how many sends of block 3 are refused
        LinkOutcome outcome;
    } cases[] = {{1, LinkOutcome::Success}, {3, LinkOutcome::Success}, {4, LinkOutcome::CommFailure}};
    for (const Case& c : cases) {
        sim::Config cfg;
        cfg.blockFault = Fault::Nak;
        cfg.faultBlock = 3;
        cfg.faultTimes = c.times;
        Rig rig(cfg);
        const RadioImage doc = patternImage();
        TransferEngine engine = rig.engine();
        EXPECT_EQ(engine.write(doc, BandLimits::of({144, 145})), c.outcome) << c.times;
        EXPECT_EQ(requestsFor(rig.port, 'W', 0x0018), std::min(c.times + 1, 4));
        EXPECT_EQ(engine.blocksRepeated(), std::min(c.times, 3));
        if (c.outcome == LinkOutcome::Success) {
            EXPECT_TRUE(rig.host.questions.empty());
            for (int a = 0; a < 0x0FF8; ++a)
                ASSERT_EQ(std::uint8_t(rig.radio.memory()[a]),
                          doc.at(std::size_t(proto::imageOffsetOf(std::uint16_t(a)))));
            EXPECT_TRUE(rig.host.statuses.contains(
                QStringLiteral("Block 0x0018: 15 came instead of the acknowledgement; sending it again (1 of 3)")));
        } else {
            ASSERT_EQ(rig.host.questions.size(), 1u);
            EXPECT_EQ(rig.host.questions[0].text,
                      text(msg::ProgramInterrupt) +
                          QStringLiteral("\nBlock 0x0018, sent 4 times: 15 came instead of the acknowledgement."));
        }
    }
}

// A radio that takes the wake-up but sends no (or half an) identification is not reached;
// it is not a radio of another type. Retry sets the link up again.
TEST(Transfer, AMissingIdentificationIsNoReply)
{
    struct Case {
        int bytes;
        const char* port;
        const char* detail;
    } cases[] = {
        {0, "", "No reply: the radio sent no identification (no answer came)."},
        {3, "com3", "No reply: the radio on com3 sent no identification (only 3 of 8 bytes came (55 35 33))."},
        {7, "/dev/pts/9",
         "No reply: the radio on /dev/pts/9 sent no identification (only 7 of 8 bytes came (55 35 "
         "33 30 00 13 17))."},
    };
    for (const Case& c : cases) {
        sim::Config cfg;
        cfg.identBytes = c.bytes;
        Rig rig(cfg);
        rig.host.answers = {Answer::Retry, Answer::Cancel};
        RadioImage doc = RadioImage::newDocument();
        const RadioImage before = doc;
        TransferEngine engine = rig.engine();
        engine.setPortName(QString::fromLatin1(c.port));
        EXPECT_EQ(engine.read(doc), LinkOutcome::CommFailure);
        EXPECT_FALSE(rig.asked(msg::typeMismatch(Language::English)));
        ASSERT_EQ(rig.host.questions.size(), 2u);
        EXPECT_EQ(rig.host.questions[0].text, text(msg::CommError) + u'\n' + QString::fromLatin1(c.detail));
        EXPECT_EQ(rig.host.questions[0].buttons, Buttons::RetryCancel);
        EXPECT_EQ(rig.wakeUps(), 2);
        EXPECT_EQ(doc, before);
        EXPECT_FALSE(rig.port.isOpen());
    }
}

TEST(Transfer, UnansweredConfirmationOffersRetry)
{
    sim::Config cfg;
    cfg.noConfirm = true;
    Rig rig(cfg);
    rig.host.answers = {Answer::Retry, Answer::Retry, Answer::Retry, Answer::Retry};
    RadioImage doc = RadioImage::newDocument();
    EXPECT_EQ(rig.engine().read(doc), LinkOutcome::CommFailure);
    // Each Retry starts over with the counter at 1, so the fifth refusal is still a question.
    ASSERT_EQ(rig.host.questions.size(), 5u);
    EXPECT_EQ(rig.host.questions.back().text, text(msg::CommError));
}

TEST(Transfer, CancelWhileReadingLeavesTheDocumentAsItWas)
{
    Rig rig;
    rig.radio.loadImage(patternImage());
    rig.host.cancelAfterPolls = 6 + 5 * 50; // after row 50
    RadioImage doc = RadioImage::newDocument();
    const RadioImage before = doc;
    EXPECT_EQ(rig.engine().read(doc), LinkOutcome::Cancelled);
    EXPECT_EQ(rig.host.progressValue, 51);
    EXPECT_TRUE(rig.host.questions.empty());
    EXPECT_EQ(doc, before);
    EXPECT_FALSE(rig.port.isOpen());
}

TEST(Transfer, ClosedPortIsReported)
{
    sim::SimRadio radio;
    SimPort port(radio);
    ScriptedHost host(&port);
    RadioImage doc;
    EXPECT_EQ(TransferEngine(port, host, Language::Chinese).read(doc), LinkOutcome::PortFailed);
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(host.questions[0].text, msg::text(msg::PortOpenFailed, Language::Chinese));
    EXPECT_TRUE(port.writes.empty());
}

} // namespace

namespace {

// A radio or adapter that answers the moment a request is written: no exchange may lose its
// answer to a clearing of the receive queue.
TEST(Transfer, ARadioThatAnswersAtOnceIsReadAndWritten)
{
    for (int round = 0; round < 2; ++round) {
        Rig rig;
        rig.port.instant = true;
        const RadioImage doc = patternImage();
        ASSERT_EQ(rig.engine().write(doc, BandLimits::of({144, 145})), LinkOutcome::Success) << round;
        rig.port.open();
        RadioImage back = RadioImage::newDocument();
        ASSERT_EQ(rig.engine().read(back), LinkOutcome::Success) << round;
        EXPECT_TRUE(rig.host.questions.empty());
    }
}

} // namespace
