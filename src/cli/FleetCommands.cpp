// zemtar-cli fleet: many radios, each with its own identity, on several ports at once.
#include "CliCommon.h"
#include "Stop.h"
#include "TerminalHost.h"

#include "editors/ProductInfo.h"
#include "fleet/FleetJob.h"
#include "fleet/Units.h"
#include "image/AtomicFile.h"
#include "image/DataFile.h"
#include "shell/CIniFile.h"
#include "shell/Messages.h"

#include <QDir>
#include <QFileInfo>

#include <atomic>
#include <cstdio>
#include <iostream>
#include <mutex>
#include <string>

namespace zemtar::cli {

namespace {

std::atomic<fleet::Job*> g_job{nullptr};
void onStop()
{
    if (fleet::Job* job = g_job.load())
        job->cancel();
}

constexpr qint64 kMaxUnitsTableSize = 16 << 20;

} // namespace

int cmdFleet(const Args& a)
{
    const QString& cmd = a.command;
    QStringList ports, sequences;
    for (const auto& [name, value] : a.values) {
        if (name == QStringLiteral("port"))
            ports << value;
        if (name == QStringLiteral("sequence"))
            sequences << value;
    }
    const auto unitsPath = a.value(QStringLiteral("units"));
    const auto logOption = a.value(QStringLiteral("log")), resume = a.value(QStringLiteral("resume"));
    if (bool(unitsPath) == !sequences.isEmpty())
        return usageError(cmd, QStringLiteral("give either --units or --sequence"));
    if (bool(logOption) == bool(resume))
        return usageError(cmd, QStringLiteral("give either --log or --resume"));
    if (ports.removeDuplicates() > 0)
        return usageError(cmd, QStringLiteral("a port is given twice"));

    const auto loaded = loadDataFile(a.positional[0]);
    if (!loaded)
        return FileError;
    const RadioImage& templ = *loaded;
    QString error;
    const QStringList models = productinfo::modelNames(setupIni());
    fleet::UnitsTable table;
    if (unitsPath) {
        int rc = FileError;
        const auto bytes = readInput(*unitsPath, kMaxUnitsTableSize, rc);
        if (!bytes)
            return rc;
        table = fleet::parseUnits(QString::fromUtf8(*bytes));
    } else {
        table = fleet::sequenceUnits(sequences, templ, models);
    }
    QList<RadioImage> images;
    QStringList problems = table.problems;
    if (problems.isEmpty())
        problems = fleet::checkUnits(templ, table.units, models, &images);
    if (!problems.isEmpty()) {
        printProblems(problems, unitsPath ? inputName(*unitsPath) + QStringLiteral(": ") : QString());
        err(QStringLiteral("Nothing was written to any radio."));
        return InvalidData;
    }

    const QString logPath = resume ? *resume : *logOption;
    QSet<QString> done;
    if (resume && QFileInfo::exists(logPath)) {
        QByteArray bytes;
        if (!readFileBounded(logPath, kMaxUnitsTableSize, &bytes, &error)) {
            err(error);
            return FileError;
        }
        done = fleet::doneUnits(QString::fromUtf8(bytes));
    }
    // The log is the only record of which unit went into which radio: no radio is touched
    // unless it, and the folder for the images, can be written.
    const QString outDir = a.value(QStringLiteral("out")).value_or(QString());
    fleet::LogStart logStart;
    if (const auto why = fleet::prepareOutputs(logPath, outDir, &logStart)) {
        err(*why);
        err(QStringLiteral("Nothing was written to any radio."));
        return FileError;
    }
    if (logStart.headerUpdated)
        err(fleet::logStartNote(logPath, logStart));

    fleet::Job::Options options;
    options.ports = ports;
    options.logPath = logPath;
    options.outDir = outDir;
    options.acceptBand = a.has(QStringLiteral("accept-band"));
    options.setup = &setupIni();
    options.models = models;
    options.templateFile = a.positional[0] == QStringLiteral("-") ? inputName(a.positional[0])
                                                                  : QFileInfo(a.positional[0]).absoluteFilePath();
    QStringList names;
    for (const fleet::Unit& u : table.units) {
        names << u.name;
        options.values << fleet::valuesText(u);
    }
    fleet::Job job(options, names, images);
    job.skip(done);
    int already = 0;
    for (const QString& n : names)
        already += done.contains(n) ? 1 : 0;
    if (already > 0)
        err(QStringLiteral("%1 of %2 units are done already (%3).").arg(already).arg(names.size()).arg(logPath));

    std::mutex console;
    // How far each port is: on a terminal one line drawn again in place, otherwise a plain
    // line per port at every quarter.
    const bool tty = stderrIsTerminal();
    bool lineOpen = false;
    QStringList current(ports.size()), shown(ports.size());
    QList<int> quarter(ports.size(), -1);
    auto closeLine = [&] {
        if (lineOpen)
            std::fputc('\n', stderr);
        lineOpen = false;
    };
    job.unitStarted = [&](int port, const QString& unit) {
        const std::lock_guard lock(console);
        closeLine();
        current[port] = unit;
        shown[port].clear();
        quarter[port] = -1;
        err(QStringLiteral("%1: unit %2 ...").arg(std::as_const(ports)[port], unit));
    };
    job.blockProgress = [&](int port, bool verifying, int block, int blocks, int secondsLeft) {
        const std::lock_guard lock(console);
        const QString text = QStringLiteral("%1: unit %2: %3, %4")
                                 .arg(std::as_const(ports)[port], std::as_const(current)[port],
                                      verifying ? QStringLiteral("verifying") : QStringLiteral("writing"),
                                      msg::transferProgress(block, blocks, secondsLeft, Language::English));
        if (tty) {
            shown[port] = text;
            QStringList parts;
            for (const QString& p : std::as_const(shown))
                if (!p.isEmpty())
                    parts << p;
            std::fprintf(stderr, "\r%s\x1b[K", parts.join(QStringLiteral(" | ")).toLocal8Bit().constData());
            std::fflush(stderr);
            lineOpen = true;
            return;
        }
        const int q = (verifying ? 5 : 0) + (blocks > 0 ? block * 4 / blocks : 0);
        if (block > 0 && q != quarter[port]) {
            quarter[port] = q;
            err(text);
        }
    };
    job.unitEnded = [&](int port, const fleet::LogEntry& e) {
        const std::lock_guard lock(console);
        closeLine();
        shown[port].clear();
        err(QStringLiteral("%1: unit %2: %3 - %4").arg(e.port, e.unit, e.result, e.message));
    };
    job.problem = [&](const QString& p) {
        const std::lock_guard lock(console);
        closeLine();
        err(p);
    };
    if (!a.has(QStringLiteral("yes"))) {
        job.nextRadio = [&](int port, const QString& unit) {
            const std::lock_guard lock(console);
            closeLine();
            err(QStringLiteral("%1: connect the radio for unit %2 and press Enter (q and Enter: this port stops).")
                    .arg(std::as_const(ports)[port], unit));
            std::string line;
            if (job.cancelled() || !std::getline(std::cin, line))
                return false;
            return line != "q";
        };
    }

    // Ctrl+C (or a stop) cancels the transfers in progress; the log keeps what was done.
    g_job = &job;
    {
        const StopScope stop(onStop);
        job.run();
    }
    g_job = nullptr;
    closeLine();

    const QStringList left = job.failedUnits();
    err(QStringLiteral("%1 of %2 units programmed and verified in this run; %3 done in all.")
            .arg(job.succeeded())
            .arg(names.size() - already)
            .arg(job.succeeded() + already));
    if (!left.isEmpty())
        err(QStringLiteral("Not done: %1. Run again with --resume %2 to program them.")
                .arg(left.join(QStringLiteral(", ")), logPath));
    if (job.cancelled())
        return Refused;
    return left.isEmpty() ? Ok : CommFailure;
}

const Command fleetCommand{"fleet",
                           "fleet TEMPLATE.dat --units CSV --port P...",
                           "program many radios, each its own unit",
                           "Usage: zemtar-cli fleet TEMPLATE.dat (--units UNITS.csv | --sequence S=A..B ...)\n"
                           "                        --port P [--port Q ...] (--log LOG.csv | --resume LOG.csv)\n"
                           "                        [--out DIR] [--yes] [--accept-band]\n"
                           "Programs one radio per unit: the template with the unit's values, written and read\n"
                           "back to verify, on every port at once (one worker per port, each taking the next\n"
                           "unit not yet done). Every value is checked before any radio is written, unit\n"
                           "names must give distinct file names, and the log and DIR must be writable.\n"
                           "  --units UNITS.csv   a header row: Unit, then Section/Label columns as printed by\n"
                           "                      \"settings\" (MSK/ID Code, DTMF Decode/ID Code ...) or channel\n"
                           "                      cells (Channel 5/Chnnel Name); an empty cell keeps the template;\n"
                           "                      - reads the table from standard input (then give --yes)\n"
                           "  --sequence S=A..B   units generated by steps: \"MSK/ID Code=1001..1040\" (hexadecimal\n"
                           "                      when A or B holds a letter A-F; the width of A is kept); both\n"
                           "                      ends must fit the field, B not below A, at most 100000 units\n"
                           "  --log LOG.csv       one line appended per unit: started, ended, unit, port, radio\n"
                           "                      identification, result (ok, failed, differs, cancelled), message,\n"
                           "                      radio model, radio band, template file, SHA-256 of the unit's\n"
                           "                      image (as sha256sum gives it for DIR/<unit>.dat), unit's values\n"
                           "  --resume LOG.csv    as --log, skipping the units the log records as ok\n"
                           "  --out DIR           keep each unit's image as DIR/<unit>.dat\n"
                           "  --yes               no question before each radio (scripts, simulated radios);\n"
                           "                      without it each port asks to connect the next radio\n"
                           "A unit that fails is offered once more at the end; none is written twice after it\n"
                           "succeeded. Ctrl+C stops the job; --resume goes on from where it stopped.\n"
                           "Exit status 0 when every unit is done, 4 when some failed, 5 when stopped.\n",
                           {QStringLiteral("units"), QStringLiteral("sequence"), QStringLiteral("port"),
                            QStringLiteral("log"), QStringLiteral("resume"), QStringLiteral("out")},
                           {QStringLiteral("yes"), QStringLiteral("accept-band")},
                           {QStringLiteral("port")},
                           1,
                           "expected one template file and at least one --port",
                           cmdFleet};

} // namespace zemtar::cli
