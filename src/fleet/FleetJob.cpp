#include "FleetJob.h"

#include "Units.h"
#include "Verify.h"
#include "channels/TableText.h"
#include "image/AtomicFile.h"
#include "image/DataFile.h"
#include "link/LinkHost.h"
#include "link/SerialLink.h"
#include "link/TransferEngine.h"
#include "shell/Messages.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QThread>

#include <chrono>
#include <thread>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace zemtar::fleet {

QString logHeader()
{
    return tabletext::joinLine({QStringLiteral("Started"), QStringLiteral("Ended"), QStringLiteral("Unit"),
                                QStringLiteral("Port"), QStringLiteral("Radio"), QStringLiteral("Result"),
                                QStringLiteral("Message"), QStringLiteral("Model"), QStringLiteral("Band"),
                                QStringLiteral("Template"), QStringLiteral("Image SHA-256"), QStringLiteral("Values")},
                               tabletext::Format::Csv);
}

QString earlierLogHeader()
{
    return tabletext::joinLine({QStringLiteral("Started"), QStringLiteral("Ended"), QStringLiteral("Unit"),
                                QStringLiteral("Port"), QStringLiteral("Radio"), QStringLiteral("Result"),
                                QStringLiteral("Message")},
                               tabletext::Format::Csv);
}

QString logLine(const LogEntry& e)
{
    return tabletext::joinLine({e.started, e.ended, e.unit, e.port, e.identity, e.result, e.message, e.model, e.band,
                                e.templateFile, e.imageSha256, e.values},
                               tabletext::Format::Csv);
}

QString identityModel(const QByteArray& identity)
{
    const RadioIdentity id{identity};
    return id.matches() ? QString::fromLatin1(identity.left(4)) : QString();
}

QString identityBand(const QByteArray& identity)
{
    const RadioIdentity id{identity};
    return id.bandValid() ? band::text(id.band()) : QString();
}

QString imageSha256(const RadioImage& image)
{
    return QString::fromLatin1(QCryptographicHash::hash(image.toByteArray(), QCryptographicHash::Sha256).toHex());
}

QSet<QString> doneUnits(const QString& logText)
{
    QSet<QString> done;
    for (const tabletext::Line& l : tabletext::parse(logText))
        if (l.fields.size() >= 6 && l.fields[5] == QStringLiteral("ok"))
            done.insert(l.fields[2]);
    return done;
}

bool appendLogLine(const QString& path, const QString& line, QString* error)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        if (error)
            *error = QStringLiteral("Cannot write the log %1: %2").arg(path, f.errorString());
        return false;
    }
    QByteArray bytes;
    if (f.size() == 0)
        bytes = logHeader().toUtf8() + '\n';
    bytes += line.toUtf8() + '\n';
    // One write: a job cut short leaves whole lines.
    const bool ok = f.write(bytes) == bytes.size();
#ifdef Q_OS_UNIX
    if (ok)
        ::fsync(f.handle());
#endif
    if (!ok && error)
        *error = QStringLiteral("Cannot write the log %1: %2").arg(path, f.errorString());
    return ok;
}

namespace {

// The lines of a log below its header must match it: a log of today's layout is appended to
// as it is, one with the earlier header gets today's, anything else is not a fleet log. A
// last line without its line break gets one, so that the next line does not run into it.
std::optional<QString> checkLogHeader(const QString& logPath, LogStart* start)
{
    // A log of a hundred thousand units is some tens of megabytes.
    constexpr qint64 kMaxLogSize = qint64(512) << 20;
    QByteArray bytes;
    QString error;
    if (!readFileBounded(logPath, kMaxLogSize, &bytes, &error))
        return QStringLiteral("Cannot read the log %1: %2").arg(logPath, error);
    const QByteArray bom("\xEF\xBB\xBF");
    const qsizetype skip = bytes.startsWith(bom) ? bom.size() : 0;
    const qsizetype end = bytes.indexOf('\n', skip);
    const QString first = QString::fromUtf8(bytes.mid(skip, end < 0 ? -1 : end - skip)).trimmed();
    QByteArray fixed;
    if (first == logHeader()) {
        if (!bytes.endsWith('\n'))
            fixed = bytes + '\n';
    } else if (first == earlierLogHeader()) {
        const QByteArray rest = end < 0 ? QByteArray() : bytes.mid(end + 1);
        const bool crlf = end > 0 && bytes[end - 1] == '\r';
        fixed = bytes.left(skip) + logHeader().toUtf8() + (crlf ? "\r\n" : "\n") + rest;
        if (!fixed.endsWith('\n'))
            fixed += '\n';
        if (start) {
            start->headerUpdated = true;
            start->earlierLines = 0;
            for (const tabletext::Line& l : tabletext::parse(QString::fromUtf8(rest)))
                start->earlierLines += l.fields.size() > 1 ? 1 : 0;
        }
    } else {
        return QStringLiteral("%1 is not a fleet log (its first line is not the log's header): choose another file; "
                              "this one was left as it was.")
            .arg(logPath);
    }
    if (!fixed.isEmpty() && !writeFileAtomically(logPath, fixed, &error))
        return QStringLiteral("Cannot write the log %1: %2").arg(logPath, error);
    return std::nullopt;
}

} // namespace

std::optional<QString> prepareOutputs(const QString& logPath, const QString& outDir, LogStart* start)
{
    // The folder first: a refused job leaves no log behind.
    if (!outDir.isEmpty()) {
        if (!QDir().mkpath(outDir))
            return QStringLiteral("Cannot make the folder %1.").arg(outDir);
        QTemporaryFile probe(QDir(outDir).filePath(QStringLiteral(".zemtar-fleet-check-XXXXXX")));
        if (!probe.open())
            return QStringLiteral("Cannot write in the folder %1: %2.").arg(outDir, probe.errorString());
    }
    if (const auto why = notWritableTarget(logPath))
        return QStringLiteral("The log cannot be kept: %1").arg(*why);
    QFile log(logPath);
    if (!log.open(QIODevice::WriteOnly | QIODevice::Append))
        return QStringLiteral("Cannot open the log %1: %2.").arg(logPath, log.errorString());
    if (log.size() == 0) {
        const QByteArray header = logHeader().toUtf8() + '\n';
        if (log.write(header) != header.size() || !log.flush())
            return QStringLiteral("Cannot write the log %1: %2.").arg(logPath, log.errorString());
        return std::nullopt;
    }
    log.close();
    return checkLogHeader(logPath, start);
}

QString logStartNote(const QString& logPath, const LogStart& start)
{
    if (!start.headerUpdated)
        return {};
    return QStringLiteral("The log %1 had the earlier seven-column header: it now names all %2 columns; its %3 "
                          "earlier line(s) are kept as they were, with the new columns empty.")
        .arg(logPath)
        .arg(tabletext::parse(logHeader()).value(0).fields.size())
        .arg(start.earlierLines);
}

namespace {

// A worker's host: no window and nobody to ask. Questions are answered for the job (a
// communication error ends the unit; a wider band is written only when accepted), the last
// message is kept for the log, and waits are real.
class WorkerHost : public LinkHost {
public:
    WorkerHost(const std::atomic<bool>& cancelled, bool acceptBand, std::function<void(int, int)> progress,
               std::function<void(bool, int, int, int)> blocks)
        : cancelled_(cancelled), acceptBand_(acceptBand), progress_(std::move(progress)), blocks_(std::move(blocks))
    {
    }
    bool poll() override { return cancelled_; }
    void sleepMs(int ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
    Answer ask(const QString& text, Caption, Buttons buttons, Icon) override
    {
        message = text.trimmed().replace(u'\n', u' ');
        if (buttons == Buttons::OkCancel)
            return acceptBand_ ? Answer::Ok : Answer::Cancel;
        return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
    void progress(int value, int maximum) override
    {
        if (progress_)
            progress_(offset + value, 2 * maximum);
    }
    void status(const QString&) override {}
    void blockProgress(int block, int blocks, int secondsLeft, const QString&) override
    {
        if (blocks_)
            blocks_(offset > 0, block, blocks, secondsLeft);
    }

    QString message;
    int offset = 0;

private:
    const std::atomic<bool>& cancelled_;
    bool acceptBand_;
    std::function<void(int, int)> progress_;
    std::function<void(bool, int, int, int)> blocks_;
};

QString now()
{
    return QDateTime::currentDateTime()
        .toOffsetFromUtc(QDateTime::currentDateTime().offsetFromUtc())
        .toString(Qt::ISODate);
}

} // namespace

UnitOutcome Job::programOne(const QString& port, const RadioImage& image, const Options& options,
                            const std::atomic<bool>& cancelled, const std::function<void(int, int)>& progress,
                            const std::function<void(bool, int, int, int)>& blocks)
{
    UnitOutcome out;
    WorkerHost host(cancelled, options.acceptBand, progress, blocks);
    SerialLink link;
    link.m_strPort = port;
    auto failed = [&](LinkOutcome o, const QString& what) {
        out.result = o == LinkOutcome::Cancelled ? QStringLiteral("cancelled") : QStringLiteral("failed");
        out.message = what + (host.message.isEmpty() ? QString() : QStringLiteral(": ") + host.message);
    };
    if (!link.OpenPort(options.setup)) {
        out.message = link.errorText();
        return out;
    }
    TransferEngine engine(link, host, Language::English);
    const LinkOutcome w = engine.write(image, BandLimits::of(band::read(image)));
    out.identityBytes = engine.identity().bytes;
    out.identity = QString::fromLatin1(out.identityBytes.toHex(' ')).toUpper();
    if (w != LinkOutcome::Success) {
        failed(w, QStringLiteral("write"));
        if (engine.wroteAnything())
            out.message +=
                QStringLiteral(" (") +
                msg::partlyWritten(engine.rowsWritten(), TransferEngine::kWriteRows, Language::English).trimmed() +
                u')';
        return out;
    }
    // Read it back: the radio's whole memory into a scratch copy, then the written bytes compared.
    host.offset = TransferEngine::kProgressMax;
    host.message.clear();
    RadioImage back = image;
    if (!link.OpenPort(options.setup)) {
        out.message = QStringLiteral("verify: ") + link.errorText();
        return out;
    }
    TransferEngine reader(link, host, Language::English);
    const LinkOutcome r = reader.read(back);
    if (r != LinkOutcome::Success) {
        failed(r, QStringLiteral("verify"));
        return out;
    }
    out.differences = differences(image, back, options.models);
    if (out.differences.isEmpty()) {
        out.result = QStringLiteral("ok");
        out.message = QStringLiteral("written and verified");
    } else {
        out.result = QStringLiteral("differs");
        out.message = QStringLiteral("%1 difference(s) after writing: %2")
                          .arg(out.differences.size())
                          .arg(out.differences.front());
    }
    return out;
}

Job::Job(Options options, QList<QString> unitNames, QList<RadioImage> images)
    : options_(std::move(options)), names_(unitNames.begin(), unitNames.end()), images_(images.begin(), images.end())
{
    for (int i = 0; i < int(names_.size()); ++i) {
        pending_ << i;
        attempts_ << 0;
    }
}

Job::~Job() = default;

void Job::skip(const QSet<QString>& done)
{
    const std::lock_guard lock(mutex_);
    pending_.removeIf([&](int i) { return done.contains(names_[std::size_t(i)]); });
}

QStringList Job::failedUnits() const
{
    QStringList out;
    for (int i : failed_)
        out << names_[std::size_t(i)];
    for (int i : retry_)
        out << names_[std::size_t(i)];
    for (int i : pending_)
        out << names_[std::size_t(i)];
    return out;
}

std::optional<int> Job::takeNext()
{
    const std::lock_guard lock(mutex_);
    if (cancelled_)
        return std::nullopt;
    QList<int>& from = !pending_.isEmpty() ? pending_ : retry_;
    if (from.isEmpty())
        return std::nullopt;
    ++running_;
    return from.takeFirst();
}

void Job::worker(int port)
{
    const QString portName = std::as_const(options_.ports)[port];
    for (;;) {
        const std::optional<int> next = takeNext();
        if (!next)
            return;
        const int i = *next;
        const QString& name = names_[std::size_t(i)];
        if (nextRadio && !nextRadio(port, name)) {
            const std::lock_guard lock(mutex_);
            pending_.prepend(i);
            --running_;
            return;
        }
        if (unitStarted)
            unitStarted(port, name);
        LogEntry e;
        e.started = now();
        e.unit = name;
        e.port = portName;
        const UnitOutcome o = programOne(
            portName, images_[std::size_t(i)], options_, cancelled_,
            [&](int v, int max) {
                if (progress)
                    progress(port, v, max);
            },
            [&](bool verifying, int block, int blocks, int secondsLeft) {
                if (blockProgress)
                    blockProgress(port, verifying, block, blocks, secondsLeft);
            });
        e.ended = now();
        e.identity = o.identity;
        e.model = identityModel(o.identityBytes);
        e.band = identityBand(o.identityBytes);
        e.templateFile = options_.templateFile;
        e.imageSha256 = imageSha256(images_[std::size_t(i)]);
        e.values = std::as_const(options_.values).value(i);
        e.result = o.result;
        e.message = o.message;
        if (o.result == QStringLiteral("ok") && !options_.outDir.isEmpty()) {
            QString error;
            const QString path = QDir(options_.outDir).filePath(fileNameFor(name) + QStringLiteral(".dat"));
            if (!DataFile::save(path, images_[std::size_t(i)], &error))
                e.message += QStringLiteral("; ") + error;
        }
        {
            const std::lock_guard lock(logMutex_);
            QString error;
            if (!options_.logPath.isEmpty() && !appendLogLine(options_.logPath, logLine(e), &error) && problem)
                problem(error);
        }
        {
            const std::lock_guard lock(mutex_);
            --running_;
            ++attempts_[i];
            if (o.result == QStringLiteral("ok"))
                ++succeeded_;
            else if (attempts_[i] < 2 && !cancelled_)
                retry_ << i;
            else
                failed_ << i;
        }
        if (unitEnded)
            unitEnded(port, e);
    }
}

void Job::run()
{
    // Qt threads: a port driven through Qt's serial port needs one.
    std::vector<std::unique_ptr<QThread>> threads;
    for (int p = 0; p < options_.ports.size(); ++p) {
        threads.emplace_back(QThread::create([this, p] { worker(p); }));
        threads.back()->start();
    }
    for (auto& t : threads)
        t->wait();
}

} // namespace zemtar::fleet
