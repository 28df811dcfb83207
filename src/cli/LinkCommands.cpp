// zemtar-cli read, write and power: the radio link from a terminal.
#include "CliCommon.h"
#include "Stop.h"
#include "TerminalHost.h"

#include "editors/ProductInfo.h"
#include "fleet/Verify.h"
#include "image/AtomicFile.h"
#include "image/DataFile.h"
#include "link/PortNames.h"
#include "link/PowerCalibration.h"
#include "link/SerialLink.h"
#include "link/TransferEngine.h"
#include "shell/CIniFile.h"
#include "shell/Messages.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <functional>

namespace zemtar::cli {

namespace {

int exitFor(LinkOutcome o)
{
    switch (o) {
    case LinkOutcome::Success:
        return Ok;
    case LinkOutcome::Cancelled:
    case LinkOutcome::BandRefused:
        return Refused;
    default:
        return CommFailure;
    }
}

// The --retries option; the exit status of a usage error, if any.
std::optional<int> retriesOption(const Args& a, int& retries)
{
    retries = 0;
    if (auto r = a.value(QStringLiteral("retries"))) {
        bool ok = false;
        retries = r->toInt(&ok);
        if (!ok || retries < 0)
            return usageError(a.command, QStringLiteral("--retries takes a whole number, not \"%1\"").arg(*r));
    }
    return std::nullopt;
}

// Opens the named port ("com1".."com4" through Setup.ini, or a device path).
void openPort(SerialLink& link, const QString& port)
{
    link.m_strPort = port;
    if (link.OpenPort(&setupIni()))
        return;
    err(link.errorText());
    if (link.failure().kind == OpenFailure::Kind::PermissionDenied)
        err(msg::portPermissionDenied(link.device(), Language::English));
}

// After an exchange that found no radio (or a silent one): which port was tried.
void namePortTried(LinkOutcome o, const SerialLink& link, const QString& port)
{
    if (o == LinkOutcome::CommFailure || o == LinkOutcome::PortFailed)
        err(port == link.device() ? QStringLiteral("Port tried: %1.").arg(port)
                                  : QStringLiteral("Port tried: %1 (%2).").arg(port, link.device()));
}

// Timing figures for benchmarks: how long the exchange took, how much of it the protocol's
// own waits are, and how many bytes crossed the wire.
void printStats(const QElapsedTimer& t, const TerminalHost& host, const SerialLink& link)
{
    err(QStringLiteral("stats: elapsed_ms=%1 waits_ms=%2 bytes_out=%3 bytes_in=%4")
            .arg(t.elapsed())
            .arg(host.sleptMs())
            .arg(link.bytesWritten())
            .arg(link.bytesRead()));
}

// Runs a read or write on the named port with a terminal host, timing it for --stats.
LinkOutcome runTransfer(const QString& port, int retries, bool acceptBand, bool stats,
                        const std::function<LinkOutcome(TransferEngine&)>& transfer)
{
    TerminalHost host(retries, acceptBand); // first: a stop from here on ends the exchange cleanly
    SerialLink link;
    openPort(link, port);
    TransferEngine engine(link, host, Language::English);
    engine.setPortName(port);
    QElapsedTimer timer;
    timer.start();
    LinkOutcome o = transfer(engine);
    host.finishProgress();
    namePortTried(o, link, port);
    if (stats)
        printStats(timer, host, link);
    if (o != LinkOutcome::Success && stopRequested()) {
        reportStop(QStringLiteral("the exchange with the radio was ended; the port is released."));
        o = LinkOutcome::Cancelled;
    }
    return o;
}

// Reads the radio into a copy of `image` (the read's password check uses `password`, the
// image's own when empty) and prints each difference of the written bytes.
int verifyAgainst(const QString& port, int retries, bool stats, const RadioImage& image, const QString& fileName,
                  const std::optional<QByteArray>& password)
{
    RadioImage back = image;
    if (password)
        back.setText(map::kPassword.offset, map::kPassword.size, *password);
    const LinkOutcome o =
        runTransfer(port, retries, false, stats, [&](TransferEngine& engine) { return engine.read(back); });
    if (o != LinkOutcome::Success)
        return exitFor(o);
    const QStringList diffs = fleet::differences(image, back, productinfo::modelNames(setupIni()));
    if (diffs.isEmpty()) {
        err(QStringLiteral("The radio holds exactly %1.").arg(fileName));
        return Ok;
    }
    for (const QString& d : diffs)
        out(d + u'\n');
    err(QStringLiteral("The radio differs from %1 in %2 place(s).").arg(fileName).arg(diffs.size()));
    return Differs;
}

// The --password option: at most six Latin-1 characters. Returns the exit status of a usage
// error, if any.
std::optional<int> passwordOption(const Args& a, const QString& cmd, std::optional<QByteArray>& password)
{
    std::optional<QString> pw = a.value(QStringLiteral("password"));
    if (pw && a.has(QStringLiteral("ask-password")))
        return usageError(cmd, QStringLiteral("give --password or --ask-password, not both"));
    if (a.has(QStringLiteral("ask-password"))) {
        int rc = Ok;
        const auto typed = askPassword(QStringLiteral("Radio password: "), rc);
        if (!typed)
            return rc;
        pw = QString::fromLocal8Bit(*typed);
    }
    if (pw) {
        password = pw->toLatin1();
        if (password->size() > 6 || *pw != QString::fromLatin1(*password))
            return usageError(cmd, QStringLiteral("--password takes at most 6 characters"));
    }
    return std::nullopt;
}

} // namespace

int cmdVerify(const Args& a)
{
    const QString& cmd = a.command;
    int retries = 0;
    if (auto rc = retriesOption(a, retries))
        return *rc;
    const auto loaded = loadDataFile(a.positional[0]);
    if (!loaded)
        return FileError;
    const RadioImage& image = *loaded;
    std::optional<QByteArray> password;
    if (auto rc = passwordOption(a, cmd, password))
        return *rc;
    return verifyAgainst(*a.value(QStringLiteral("port")), retries, a.has(QStringLiteral("stats")), image,
                         a.positional[0], password);
}

int cmdRead(const Args& a)
{
    const QString& cmd = a.command;
    int retries = 0;
    if (auto rc = retriesOption(a, retries))
        return *rc;
    const auto port = a.value(QStringLiteral("port"));
    RadioImage image = RadioImage::newDocument();
    std::optional<QByteArray> password;
    if (auto rc = passwordOption(a, cmd, password))
        return *rc;
    if (password)
        image.setText(map::kPassword.offset, map::kPassword.size, *password);
    // Ten seconds of reading are not spent on a file that cannot be written.
    const QString outPath = a.positional[0];
    const QFileInfo outInfo(outPath);
    if (const auto why = notWritableTarget(outPath)) {
        err(*why);
        return FileError;
    }
    if (!outInfo.absoluteDir().exists()) {
        err(QStringLiteral("Cannot write %1: the folder %2 does not exist. Nothing was read.")
                .arg(outPath, outInfo.absolutePath()));
        return FileError;
    }
    if (!QFileInfo(outInfo.absolutePath()).isWritable() || (outInfo.exists() && !outInfo.isWritable())) {
        err(QStringLiteral("Cannot write %1: Permission denied. Nothing was read.").arg(outPath));
        return FileError;
    }
    const LinkOutcome o = runTransfer(*port, retries, false, a.has(QStringLiteral("stats")),
                                      [&](TransferEngine& engine) { return engine.read(image); });
    if (o != LinkOutcome::Success)
        return exitFor(o);
    QString error;
    if (!DataFile::save(outPath, image, &error)) {
        err(error);
        // Keep what was read: beside the file if possible, else in the temporary folder.
        const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
        for (const QString& dir : {outInfo.absolutePath(), QDir::tempPath()}) {
            const QString rescue = QDir(dir).filePath(outInfo.completeBaseName() + QStringLiteral(".recovered-") +
                                                      stamp + QStringLiteral(".dat"));
            if (DataFile::save(rescue, image, nullptr)) {
                err(QStringLiteral("The image read from the radio is kept in %1.").arg(rescue));
                break;
            }
        }
        return FileError;
    }
    err(QStringLiteral("Read the radio into %1.").arg(a.positional[0]));
    return Ok;
}

int cmdWrite(const Args& a)
{
    int retries = 0;
    if (auto rc = retriesOption(a, retries))
        return *rc;
    const auto port = a.value(QStringLiteral("port"));
    const auto loaded = loadDataFile(a.positional[0]);
    if (!loaded)
        return FileError;
    const RadioImage& image = *loaded;
    std::optional<int> partly;
    const LinkOutcome o = runTransfer(*port, retries, a.has(QStringLiteral("accept-band")),
                                      a.has(QStringLiteral("stats")), [&](TransferEngine& engine) {
                                          const LinkOutcome r = engine.write(image, BandLimits::of(band::read(image)));
                                          if (r != LinkOutcome::Success && engine.wroteAnything())
                                              partly = engine.rowsWritten();
                                          return r;
                                      });
    if (o == LinkOutcome::Success)
        err(QStringLiteral("Wrote %1 into the radio.").arg(a.positional[0]));
    if (partly)
        err(msg::partlyWritten(*partly, TransferEngine::kWriteRows, Language::English));
    if (o == LinkOutcome::Success && a.has(QStringLiteral("verify")))
        return verifyAgainst(*port, retries, a.has(QStringLiteral("stats")), image, a.positional[0], std::nullopt);
    return exitFor(o);
}

int cmdPower(const Args& a)
{
    const QString& cmd = a.command;
    int retries = 0;
    if (auto rc = retriesOption(a, retries))
        return *rc;
    const auto port = a.value(QStringLiteral("port"));
    if (a.positional[0] != QStringLiteral("high") && a.positional[0] != QStringLiteral("low"))
        return usageError(cmd, QString::fromLatin1(powerCommand.expected));
    const auto kind =
        a.positional[0] == QStringLiteral("high") ? PowerCalibration::Kind::High : PowerCalibration::Kind::Low;
    std::optional<int> value;
    if (auto s = a.value(QStringLiteral("set"))) {
        bool ok = false;
        const int n = s->toInt(&ok);
        const int max = PowerCalibration::params(kind).maximum;
        if (!ok || n < 1 || n > max)
            return usageError(cmd, QStringLiteral("--set takes a number from 1 to %1, not \"%2\"").arg(max).arg(*s));
        value = n;
    }
    TerminalHost host(retries, false); // first: a stop from here on ends the exchange cleanly
    SerialLink link;
    openPort(link, *port);
    PowerCalibration cal(link, host, kind);
    RadioImage scratch;
    const LinkOutcome o = cal.enter(scratch);
    if (o != LinkOutcome::Success) {
        if (!stopRequested()) {
            namePortTried(o, link, *port);
            return exitFor(o);
        }
        reportStop(QStringLiteral("the radio was not put into the power adjust mode."));
        return Refused;
    }
    out(QStringLiteral("%1 power value: %2\n")
            .arg(kind == PowerCalibration::Kind::High ? QStringLiteral("High") : QStringLiteral("Low"))
            .arg(scratch.at(cal.parameters().imageOffset)));
    bool sent = false;
    if (value && !stopRequested()) {
        sent = cal.update(*value) == PowerCalibration::Update::Sent;
        if (sent)
            out(QStringLiteral("Sent %1.\n").arg(*value));
    }
    // Out of the adjust mode in every case, a stop included: the radio is left as it works.
    const bool closed = cal.close() == PowerCalibration::Close::Closed;
    if (stopRequested()) {
        const QString what = (sent ? QStringLiteral("%1 was sent before the stop; ").arg(*value)
                                   : QStringLiteral("no value was sent; ")) +
                             (closed ? QStringLiteral("the radio is out of the power adjust mode.")
                                     : QStringLiteral("the radio did not answer the sequence that leaves the "
                                                      "power adjust mode: switch it off and on."));
        reportStop(what);
        return Refused;
    }
    return (sent || !value) && closed ? Ok : CommFailure;
}

int cmdPorts(const Args&)
{
    for (const ports::PortEntry& e : ports::available(&setupIni()))
        out(QStringList{e.name, e.device, e.stablePath, e.description, e.state}.join(u'\t') + u'\n');
    return Ok;
}

const Command portsCommand{"ports",
                           "ports",
                           "list the serial ports and whether they can be used",
                           "Usage: zemtar-cli ports\n"
                           "Lists the ports as Com Setup does, one a line, tab-separated: name, device, stable\n"
                           "path, description, state. First com1..com4 (the devices Setup.ini's [Ports] maps them\n"
                           "to), then every serial port of the system, USB adapters first. The stable path\n"
                           "(/dev/serial/by-id/...) finds the same adapter after it is plugged in elsewhere.\n"
                           "The state is available, in use by process N, in use, permission denied or absent.\n"
                           "Every --port takes a name of this list, a stable path or a device path.\n",
                           {},
                           {},
                           {},
                           0,
                           "expected no arguments",
                           cmdPorts};

const Command verifyCommand{
    "verify",
    "verify --port P FILE.dat",
    "compare a radio with a data file",
    "Usage: zemtar-cli verify --port P FILE.dat [--password TEXT|--ask-password] [--retries N]\n"
    "Reads the radio on port P and compares every byte a write of FILE.dat would send.\n"
    "Prints one line per difference (a channel's cell, a setting, or a byte no editor\n"
    "shows). The radio's password must equal TEXT (default: the file's password).\n"
    "Exit status 0 when the radio holds exactly the file, 6 when it differs.\n",
    {QStringLiteral("port"), QStringLiteral("retries"), QStringLiteral("password")},
    {QStringLiteral("stats"), QStringLiteral("ask-password")},
    {QStringLiteral("port")},
    1,
    "expected --port P and one data file",
    cmdVerify};

const Command readCommand{"read",
                          "read --port P OUT.dat [--password TEXT]",
                          "read a radio into a data file",
                          "Usage: zemtar-cli read --port P OUT.dat [--password TEXT|--ask-password] [--retries N]\n"
                          "Reads the radio on port P into OUT.dat (P: com1..com4, a name 'zemtar-cli ports'\n"
                          "lists, or a device or stable path). The radio's password must equal TEXT (default:\n"
                          "none set). OUT.dat is written only when the whole read succeeded. --retries answers\n"
                          "Retry to that many communication errors; --stats prints the time taken, the\n"
                          "protocol's waits and the bytes exchanged. --ask-password asks for TEXT on the\n"
                          "terminal without showing it.\n",
                          {QStringLiteral("port"), QStringLiteral("retries"), QStringLiteral("password")},
                          {QStringLiteral("stats"), QStringLiteral("ask-password")},
                          {QStringLiteral("port")},
                          1,
                          "expected --port P and one output file",
                          cmdRead};

const Command writeCommand{"write",
                           "write --port P FILE.dat [--accept-band]",
                           "write a data file into a radio",
                           "Usage: zemtar-cli write --port P FILE.dat [--accept-band] [--verify] [--retries N]\n"
                           "Writes FILE.dat into the radio on port P. When the file's band reaches beyond the\n"
                           "radio's band the write stops, unless --accept-band is given. --verify reads the\n"
                           "radio back afterwards and compares, as verify does. --stats as for read.\n",
                           {QStringLiteral("port"), QStringLiteral("retries")},
                           {QStringLiteral("accept-band"), QStringLiteral("stats"), QStringLiteral("verify")},
                           {QStringLiteral("port")},
                           1,
                           "expected --port P and one data file",
                           cmdWrite};

const Command powerCommand{"power",
                           "power high|low --port P [--set N]",
                           "adjust the transmit power live",
                           "Usage: zemtar-cli power high|low --port P [--set N] [--retries N]\n"
                           "Puts the radio into its power adjust mode, prints the value it reports, sends N\n"
                           "(1-250 high, 1-200 low) when --set is given, and takes the radio out of the mode.\n"
                           "Ctrl+C (or SIGTERM, SIGHUP) before N is sent sends nothing; the radio is taken out\n"
                           "of the mode in either case and the exit status is 5.\n",
                           {QStringLiteral("port"), QStringLiteral("retries"), QStringLiteral("set")},
                           {},
                           {QStringLiteral("port")},
                           1,
                           "expected high or low and --port P",
                           cmdPower};

} // namespace zemtar::cli
