// zemtar-radiosim: a simulated radio on a pseudo-terminal. Point Zemtar at the device path
// it prints and Read, Write and the power adjustment work without a radio.
#include "SimRadio.h"

#include "image/DataFile.h"
#include "link/Protocol.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

using namespace zemtar;
using namespace zemtar::sim;

namespace {

volatile std::sig_atomic_t g_stop = 0;
void onSignal(int) { g_stop = 1; }

qint64 nowNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

const char* kUsage = "Usage: zemtar-radiosim [OPTIONS]\n"
                     "A simulated radio on a pseudo-terminal. Prints the device to use, then answers the\n"
                     "programming protocol until interrupted.\n"
                     "  --count N              N radios on N pseudo-terminals (one device line each);\n"
                     "                         --save, --transcript and --link then get .1 .. .N appended\n"
                     "  --link PATH            also make PATH a symbolic link to the device\n"
                     "  --memory FILE          load the radio's 4096-byte memory (raw) from FILE\n"
                     "  --from-dat FILE        load the memory from a 6144-byte data file\n"
                     "  --save FILE            save the memory to FILE after every write and at exit\n"
                     "  --transcript FILE      log every byte each way with time stamps\n"
                     "  --throttle             pace both directions like a 9600-baud wire\n"
                     "  --turnaround MS        the radio's reply delay (default 2, 0 when throttled)\n"
                     "  --latency MS           a USB adapter's latency timer: each reply reaches the program\n"
                     "                         MS after its last byte (default 0)\n"
                     "  --family LETTER        identification family letter (default U)\n"
                     "  --model DIGITS         identification model digits (default 530)\n"
                     "  --band LOW-HIGH        band in MHz (default 136-174)\n"
                     "  --password TEXT        the radio's password (6 characters at most)\n"
                     "  --power-high N --power-low N   the power values (default 125 and 100)\n"
                     "Faults:\n"
                     "  --ignore-wakeups N     no answer to the first N wake-ups\n"
                     "  --wrong-id             identify as model 531\n"
                     "  --no-confirm           no answer to the confirmation\n"
                     "  --ident-bytes N        send only the first N bytes of the identification (0-7)\n"
                     "  --fault KIND@K[:WHEN]  a fault at block K (radio address / 8), where KIND is\n"
                     "                           missing     no reply to the request\n"
                     "                           short       a reply cut short (6 of 12 bytes)\n"
                     "                           nak         0x15 instead of 0x06 to the acknowledgement\n"
                     "                           hangup      the radio goes away\n"
                     "                           stray       a stray byte (0x06) before the reply (read)\n"
                     "                           address     the next block's reply, naming its address (read)\n"
                     "                           first-byte  a reply beginning 'R' instead of 'W' (read)\n"
                     "                         WHEN: once (default; the request asked again is answered),\n"
                     "                         always, or N (the first N requests of block K)\n"
                     "  --short-power-reply    a 3-byte reply to the power mode (every time)\n"
                     "  --short-power-reply-once   the same for the first power mode only\n"
                     "  --no-power-ack         no answer to power value updates\n";

struct Options {
    Config cfg;
    QString link, memory, fromDat, save, transcript;
    bool throttle = false;
    int turnaroundMs = -1;
    QByteArray password;
    bool havePassword = false;
    int high = 125, low = 100;
    int count = 1;
    int latencyMs = 0;
};

bool parse(const QStringList& args, Options& o, QString& error)
{
    auto need = [&](qsizetype& i) -> std::optional<QString> {
        if (i + 1 >= args.size()) {
            error = args[i] + QStringLiteral(" needs a value");
            return std::nullopt;
        }
        return args[++i];
    };
    auto number = [&](const QString& s, int lo, int hi, int& out) {
        bool ok = false;
        const int n = s.toInt(&ok);
        if (!ok || n < lo || n > hi) {
            error = QStringLiteral("\"%1\" is not a number from %2 to %3").arg(s).arg(lo).arg(hi);
            return false;
        }
        out = n;
        return true;
    };
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        std::optional<QString> v;
        if (a == QLatin1String("--throttle"))
            o.throttle = true;
        else if (a == QLatin1String("--wrong-id"))
            o.cfg.wrongIdentity = true;
        else if (a == QLatin1String("--no-confirm"))
            o.cfg.noConfirm = true;
        else if (a == QLatin1String("--short-power-reply"))
            o.cfg.shortPowerReply = true;
        else if (a == QLatin1String("--short-power-reply-once")) {
            o.cfg.shortPowerReply = true;
            o.cfg.shortPowerTimes = 1;
        } else if (a == QLatin1String("--no-power-ack"))
            o.cfg.noPowerAck = true;
        else if (a == QLatin1String("--link")) {
            if (!(v = need(i)))
                return false;
            o.link = *v;
        } else if (a == QLatin1String("--memory")) {
            if (!(v = need(i)))
                return false;
            o.memory = *v;
        } else if (a == QLatin1String("--from-dat")) {
            if (!(v = need(i)))
                return false;
            o.fromDat = *v;
        } else if (a == QLatin1String("--save")) {
            if (!(v = need(i)))
                return false;
            o.save = *v;
        } else if (a == QLatin1String("--transcript")) {
            if (!(v = need(i)))
                return false;
            o.transcript = *v;
        } else if (a == QLatin1String("--latency")) {
            if (!(v = need(i)) || !number(*v, 0, 1000, o.latencyMs))
                return false;
        } else if (a == QLatin1String("--count")) {
            if (!(v = need(i)) || !number(*v, 1, 64, o.count))
                return false;
        } else if (a == QLatin1String("--turnaround")) {
            if (!(v = need(i)) || !number(*v, 0, 1000, o.turnaroundMs))
                return false;
        } else if (a == QLatin1String("--power-high")) {
            if (!(v = need(i)) || !number(*v, 0, 255, o.high))
                return false;
        } else if (a == QLatin1String("--power-low")) {
            if (!(v = need(i)) || !number(*v, 0, 255, o.low))
                return false;
        } else if (a == QLatin1String("--ignore-wakeups")) {
            if (!(v = need(i)) || !number(*v, 0, 1000000, o.cfg.ignoreWakeUps))
                return false;
        } else if (a == QLatin1String("--family")) {
            if (!(v = need(i)))
                return false;
            if (v->size() != 1) {
                error = QStringLiteral("--family takes one letter");
                return false;
            }
            o.cfg.family = v->at(0).toLatin1();
        } else if (a == QLatin1String("--model")) {
            if (!(v = need(i)))
                return false;
            if (v->size() != 3) {
                error = QStringLiteral("--model takes three digits");
                return false;
            }
            o.cfg.model = v->toLatin1();
        } else if (a == QLatin1String("--band")) {
            if (!(v = need(i)))
                return false;
            const QStringList p = v->split(u'-');
            if (p.size() != 2 || !number(p[0], 0, 999, o.cfg.band.lowMHz) ||
                !number(p[1], 0, 999, o.cfg.band.highMHz)) {
                error = QStringLiteral("--band takes LOW-HIGH in MHz, such as 136-174");
                return false;
            }
        } else if (a == QLatin1String("--password")) {
            if (!(v = need(i)))
                return false;
            o.password = v->toLatin1();
            if (o.password.size() > 6) {
                error = QStringLiteral("--password takes at most 6 characters");
                return false;
            }
            o.havePassword = true;
        } else if (a == QLatin1String("--ident-bytes")) {
            if (!(v = need(i)) || !number(*v, 0, 8, o.cfg.identBytes))
                return false;
        } else if (a == QLatin1String("--fault")) {
            if (!(v = need(i)))
                return false;
            // KIND@BLOCK, KIND@BLOCK:always or KIND@BLOCK:N (the first N requests).
            const QStringList p = v->split(u'@');
            const QStringList kinds = {"missing", "short", "nak", "hangup", "stray", "address", "first-byte"};
            const QStringList when = p.value(1).split(u':');
            int block = 0;
            const QString usage = QStringLiteral("--fault takes KIND@BLOCK[:always|:N], KIND one of ") +
                                  kinds.join(QStringLiteral(", ")) + QStringLiteral(", BLOCK from 0 to 511");
            if (p.size() != 2 || !kinds.contains(p[0]) || when.size() > 2 || !number(when[0], 0, 511, block)) {
                error = usage;
                return false;
            }
            o.cfg.faultTimes = 1;
            if (when.size() == 2 && when[1] == QLatin1String("always")) {
                o.cfg.faultTimes = 0;
            } else if (when.size() == 2 && !number(when[1], 1, 1000000, o.cfg.faultTimes)) {
                error = usage;
                return false;
            }
            o.cfg.blockFault = Config::BlockFault(kinds.indexOf(p[0]) + 1);
            o.cfg.faultBlock = block;
        } else {
            error = QStringLiteral("unknown option ") + a;
            return false;
        }
    }
    return true;
}

bool saveMemory(const QString& path, const QByteArray& memory)
{
    QFile f(path + QStringLiteral(".tmp"));
    if (!f.open(QIODevice::WriteOnly) || f.write(memory) != memory.size())
        return false;
    f.close();
    QFile::remove(path);
    return QFile::rename(path + QStringLiteral(".tmp"), path);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.contains(QStringLiteral("--help"))) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    Options o;
    QString error;
    const bool explicitPowers =
        args.contains(QStringLiteral("--power-high")) || args.contains(QStringLiteral("--power-low"));
    if (!parse(args, o, error)) {
        std::fprintf(stderr, "zemtar-radiosim: %s\n%s", qPrintable(error), kUsage);
        return 1;
    }
    SimRadio radio(o.cfg);
    if (!o.fromDat.isEmpty()) {
        RadioImage img;
        if (!DataFile::load(o.fromDat, img, &error)) {
            std::fprintf(stderr, "zemtar-radiosim: %s\n", qPrintable(error));
            return 3;
        }
        radio.loadImage(img);
    }
    if (!o.memory.isEmpty()) {
        QFile f(o.memory);
        if (!f.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "zemtar-radiosim: cannot open %s\n", qPrintable(o.memory));
            return 3;
        }
        const QByteArray m = f.readAll();
        if (m.size() != SimRadio::kMemorySize) {
            std::fprintf(stderr, "zemtar-radiosim: %s holds %lld bytes; radio memory is %d bytes\n",
                         qPrintable(o.memory), (long long)m.size(), SimRadio::kMemorySize);
            return 3;
        }
        radio.memory() = m;
    }
    if (o.havePassword)
        radio.setPassword(o.password);
    // A data file made by the program holds no calibration values (0xFF); the radio keeps its own.
    const int high = explicitPowers || radio.highPower() == 0xFF ? o.high : radio.highPower();
    const int low = explicitPowers || radio.lowPower() == 0xFF ? o.low : radio.lowPower();
    radio.setPowers(high, low);

    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    std::signal(SIGPIPE, SIG_IGN);
    // Every radio's terminal first, so that the device lines come out in order; then one
    // process per further radio.
    struct Terminal {
        int master = -1, holder = -1;
        QByteArray name;
    };
    std::vector<Terminal> terminals;
    for (int i = 0; i < o.count; ++i) {
        Terminal t;
        t.master = posix_openpt(O_RDWR | O_NOCTTY);
        if (t.master < 0 || grantpt(t.master) != 0 || unlockpt(t.master) != 0) {
            std::fprintf(stderr, "zemtar-radiosim: no pseudo-terminal: %s\n", std::strerror(errno));
            return 3;
        }
        t.name = ptsname(t.master);
        // Hold the terminal side open in raw mode so it never echoes and never reports a
        // hang-up between two connections of the program.
        t.holder = open(t.name.constData(), O_RDWR | O_NOCTTY);
        termios tio{};
        tcgetattr(t.holder, &tio);
        cfmakeraw(&tio);
        tcsetattr(t.holder, TCSANOW, &tio);
        fcntl(t.master, F_SETFL, fcntl(t.master, F_GETFL) | O_NONBLOCK);
        terminals.push_back(t);
    }
    for (const Terminal& t : terminals)
        std::printf("%s\n", t.name.constData());
    std::fflush(stdout);
    int index = 0;
    std::vector<pid_t> children;
    for (int i = 1; i < o.count; ++i) {
        const pid_t pid = fork();
        if (pid == 0) {
            index = i;
            children.clear();
            prctl(PR_SET_PDEATHSIG, SIGTERM); // goes with the first radio
            break;
        }
        if (pid > 0)
            children.push_back(pid);
    }
    for (int i = 0; i < o.count; ++i)
        if (i != index) {
            close(terminals[std::size_t(i)].master);
            close(terminals[std::size_t(i)].holder);
        }
    const int master = terminals[std::size_t(index)].master;
    const int holder = terminals[std::size_t(index)].holder;
    const QByteArray slaveName = terminals[std::size_t(index)].name;
    if (o.count > 1) {
        const QString suffix = QStringLiteral(".%1").arg(index + 1);
        for (QString* path : {&o.save, &o.transcript, &o.link})
            if (!path->isEmpty())
                *path += suffix;
    }

    FILE* transcript = nullptr;
    if (!o.transcript.isEmpty()) {
        transcript = std::fopen(o.transcript.toLocal8Bit().constData(), "w");
        if (!transcript) {
            std::fprintf(stderr, "zemtar-radiosim: cannot write %s\n", qPrintable(o.transcript));
            return 3;
        }
        std::setvbuf(transcript, nullptr, _IOLBF, 0);
    }
    const qint64 start = nowNs();
    // Frame times: when the frame was complete at the radio, or when the radio answered.
    qint64 frameTime = start;
    radio.setFrameLog([&](SimRadio::Direction d, const QByteArray& bytes, const QString& what) {
        if (!transcript)
            return;
        std::fprintf(transcript, "%12.3f %s %-40s %s\n", double(frameTime - start) / 1e6,
                     d == SimRadio::Direction::FromPc ? "PC>" : "<RADIO", qPrintable(hex(bytes)), qPrintable(what));
    });
    if (!o.save.isEmpty())
        radio.setWriteDone([&] { saveMemory(o.save, radio.memory()); });

    if (!o.link.isEmpty()) {
        unlink(o.link.toLocal8Bit().constData());
        if (symlink(slaveName.constData(), o.link.toLocal8Bit().constData()) != 0)
            std::fprintf(stderr, "zemtar-radiosim: cannot link %s: %s\n", qPrintable(o.link), std::strerror(errno));
    }

    const qint64 byteNs = o.throttle ? 10LL * 1000000000LL / 9600 : 0; // 10 bits a byte
    const qint64 latencyNs = qint64(o.latencyMs) * 1000000;
    const qint64 turnaroundNs = qint64(o.turnaroundMs >= 0 ? o.turnaroundMs : (o.throttle ? 0 : 2)) * 1000000;
    struct Timed {
        char byte;
        qint64 at;
    };
    std::deque<Timed> incoming, outgoing;
    qint64 lastIn = 0, lastOut = 0, lastActivity = nowNs();
    int status = 0;
    while (!g_stop && !radio.hungUp()) {
        const qint64 now = nowNs();
        // Bytes that have crossed the wire reach the radio.
        QByteArray arrived;
        while (!incoming.empty() && incoming.front().at <= now) {
            arrived += incoming.front().byte;
            frameTime = incoming.front().at;
            incoming.pop_front();
        }
        if (!arrived.isEmpty()) {
            lastActivity = now;
            const QByteArray reply = radio.feed(arrived);
            qint64 t = frameTime + turnaroundNs;
            const std::size_t first = outgoing.size();
            for (char c : reply) {
                t = std::max(t, lastOut) + byteNs;
                if (byteNs == 0)
                    t = std::max(t, frameTime + turnaroundNs);
                outgoing.push_back({c, t});
                lastOut = t;
            }
            // An adapter's latency timer: the reply is handed over once the line has been
            // quiet for the timer's period after its last byte.
            if (latencyNs > 0 && outgoing.size() > first)
                for (std::size_t k = first; k < outgoing.size(); ++k)
                    outgoing[k].at = t + latencyNs;
        } else if (incoming.empty() && now - lastActivity > 200000000LL) {
            radio.idle();
            lastActivity = now;
        }
        // Answers go out when their time has come.
        QByteArray due;
        while (!outgoing.empty() && outgoing.front().at <= now) {
            due += outgoing.front().byte;
            outgoing.pop_front();
        }
        if (!due.isEmpty() && write(master, due.constData(), std::size_t(due.size())) < 0 && errno != EAGAIN)
            break;

        qint64 next = now + 200000000LL;
        if (!incoming.empty())
            next = std::min(next, incoming.front().at);
        if (!outgoing.empty())
            next = std::min(next, outgoing.front().at);
        const qint64 waitNs = std::max<qint64>(0, next - nowNs());
        timespec ts{time_t(waitNs / 1000000000), long(waitNs % 1000000000)};
        pollfd p{master, POLLIN, 0};
        const int r = ppoll(&p, 1, &ts, nullptr);
        if (r > 0 && (p.revents & POLLIN)) {
            char buf[512];
            const ssize_t n = read(master, buf, sizeof buf);
            const qint64 t = nowNs();
            for (ssize_t i = 0; i < n; ++i) {
                const qint64 at = byteNs ? std::max(t, lastIn) + byteNs : t;
                incoming.push_back({buf[i], at});
                lastIn = at;
            }
        }
    }
    // Whatever the program sent before it let go still reaches the radio.
    if (!radio.hungUp()) {
        QByteArray rest;
        for (const Timed& t : incoming)
            rest += t.byte;
        char buf[512];
        for (ssize_t n; (n = read(master, buf, sizeof buf)) > 0;)
            rest.append(buf, n);
        frameTime = nowNs();
        if (!rest.isEmpty())
            radio.feed(rest);
    }
    if (radio.hungUp()) {
        std::fprintf(stderr, "zemtar-radiosim: hung up\n");
        status = 0;
    }
    if (!o.save.isEmpty() && !saveMemory(o.save, radio.memory())) {
        std::fprintf(stderr, "zemtar-radiosim: cannot save %s\n", qPrintable(o.save));
        status = 3;
    }
    if (!o.link.isEmpty())
        unlink(o.link.toLocal8Bit().constData());
    close(master);
    close(holder);
    if (transcript)
        std::fclose(transcript);
    for (pid_t child : children) {
        kill(child, SIGTERM);
        int childStatus = 0;
        waitpid(child, &childStatus, 0);
        if (!WIFEXITED(childStatus) || WEXITSTATUS(childStatus) != 0)
            status = status ? status : 3;
    }
    return status;
}
