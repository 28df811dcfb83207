#pragma once
// Programming many radios: one worker per port, in parallel, each taking the next unit not yet
// done, writing its image, reading it back to verify, and logging the result. The workers run
// on threads of their own; everything they report goes through the callbacks, which are called
// on the worker's thread.
#include "image/RadioImage.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace zemtar {
class CIniFile;
}

namespace zemtar::fleet {

// One line of the job's log (CSV, UTF-8, one header line).
struct LogEntry {
    QString started, ended; // ISO 8601, local time with offset
    QString unit, port;
    QString identity; // the radio's identification bytes in hex
    QString result;   // "ok", "failed", "differs" or "cancelled"
    QString message;
    // Appended after the columns above, so that readers of older logs keep working.
    QString model;        // the radio's model as it identified itself ("K530"); empty when unknown
    QString band;         // the band the radio reported ("136-174MHz"); empty when unknown
    QString templateFile; // the template the unit's image was made from
    QString imageSha256;  // SHA-256 of the unit's 6144-byte image, as its .dat file holds it
    QString values;       // the unit's own values, "Section/Label=value; ..."
};
// The identification bytes decoded: model and band, empty where they say nothing.
QString identityModel(const QByteArray& identity);
QString identityBand(const QByteArray& identity);
QString imageSha256(const RadioImage& image);
QString logHeader();
QString logLine(const LogEntry& e);
// The units a log records as done ("ok"); lines that are not log lines are skipped.
QSet<QString> doneUnits(const QString& logText);
// Appends one line to the log with one write and flushes it to the disk, so that a job cut
// short leaves whole lines only. Writes the header first when the file is new or empty.
bool appendLogLine(const QString& path, const QString& line, QString* error);
// The header of the logs written before the model, band, template, checksum and values
// columns: the first seven columns of today's.
QString earlierLogHeader();
// What preparing found in a log that exists already.
struct LogStart {
    // The log had the earlier seven-column header; it now has today's header over the same
    // lines, whose last five columns are empty.
    bool headerUpdated = false;
    int earlierLines = 0; // the lines below the header, kept byte for byte
};
// Makes sure the job's record can be kept before any radio is touched: the log is opened
// (created, with its header, when new) and the folder for the units' images (when not
// empty) is made and tried with a file. Gives the reason when either cannot be. A log with
// the earlier header gets today's (replacing the file whole, so that a failure leaves it as
// it was); a file with any other first line is not a fleet log and is refused untouched.
std::optional<QString> prepareOutputs(const QString& logPath, const QString& outDir, LogStart* start = nullptr);
// The command line's note of an updated header.
QString logStartNote(const QString& logPath, const LogStart& start);

// Writes `image` to the radio on `port` and reads it back to compare the written bytes.
// `progress` gets 0..(2 x 191) over the write and the read. `differences` lists what the radio
// holds otherwise (then the result is "differs").
struct UnitOutcome {
    QString result = QStringLiteral("failed");
    QString message;
    QString identity;
    QByteArray identityBytes;
    QStringList differences;
};

class Job {
public:
    struct Options {
        QStringList ports;
        QString logPath;
        QString outDir;          // each unit's image as <outDir>/<unit>.dat; empty: none
        bool acceptBand = false; // a template band wider than a radio's is written anyway
        const CIniFile* setup = nullptr;
        QStringList models;   // radio models, for naming differences
        QString templateFile; // named in the log
        QStringList values;   // per unit, its own values for the log (see Units.h valuesText)
    };
    // Events from the workers (called on their threads).
    std::function<void(int port, const QString& unit)> unitStarted;
    std::function<void(int port, int value, int maximum)> progress;
    // How far the write (then the read back) is in blocks, with the seconds left (-1: not known).
    std::function<void(int port, bool verifying, int block, int blocks, int secondsLeft)> blockProgress;
    std::function<void(int port, const LogEntry& entry)> unitEnded;
    std::function<void(const QString& problem)> problem; // a log line that could not be written
    // Asked before each unit on a port (the operator connects the next radio): true goes on,
    // false ends that port's worker. Unset: go on at once.
    std::function<bool(int port, const QString& unit)> nextRadio;

    Job(Options options, QList<QString> unitNames, QList<RadioImage> images);
    ~Job();

    // Units recorded as done (from a resumed log) are never written again.
    void skip(const QSet<QString>& done);
    // Runs every unit through the ports and returns when all workers have ended. A unit that
    // fails is offered once more after the others.
    void run();
    // Ends the job as soon as each worker can: the transfers in progress are cancelled.
    void cancel() { cancelled_ = true; }
    bool cancelled() const { return cancelled_; }

    int succeeded() const { return succeeded_; }
    QStringList failedUnits() const;
    int total() const { return int(names_.size()); }

    static UnitOutcome programOne(const QString& port, const RadioImage& image, const Options& options,
                                  const std::atomic<bool>& cancelled, const std::function<void(int, int)>& progress,
                                  const std::function<void(bool, int, int, int)>& blocks = {});

private:
    void worker(int port);
    std::optional<int> takeNext();

    Options options_;
    // Read by every worker at once: containers without implicit sharing, so that no access
    // detaches (copies) one under another thread's feet.
    std::vector<QString> names_;
    std::vector<RadioImage> images_;
    std::mutex mutex_;
    QList<int> pending_;
    QList<int> retry_;  // failed once, offered again at the end
    QList<int> failed_; // failed for good
    QList<int> attempts_;
    int running_ = 0; // units in progress
    std::atomic<bool> cancelled_{false};
    std::atomic<int> succeeded_{0};
    std::mutex logMutex_;
};

} // namespace zemtar::fleet
