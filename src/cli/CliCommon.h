#pragma once
#include "image/Language.h"
#include "image/RadioImage.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace zemtar {
class CIniFile;
}

namespace zemtar::cli {

enum Exit : int {
    Ok = 0,
    Usage = 1,
    InvalidData = 2,
    FileError = 3,
    CommFailure = 4,
    Refused = 5, // also: stopped by Ctrl+C or a signal
    Differs = 6, // verify: the radio holds something else
};

void out(const QString& text); // stdout, UTF-8, as is
void err(const QString& line); // stderr, one line

// The options of one subcommand as given: positional arguments and "--name value",
// "--name=value" and "--flag" options, in their order.
struct Args {
    QString command;
    QStringList positional;
    QStringList flags;
    QList<std::pair<QString, QString>> values;
    QString error;

    bool has(const QString& flag) const { return flags.contains(flag); }
    std::optional<QString> value(const QString& name) const; // the first one given
};
// `valued` names the options that take a value; any other "--x" must be in `flagNames`.
Args parseArgs(const QString& command, const QStringList& args, const QStringList& valued,
               const QStringList& flagNames);

// One subcommand: its line in the overview, its --help, the options it takes, the options and
// number of positional arguments it needs (with the usage error when they are not there), and
// what it does once its options parse.
struct Command {
    const char* name;
    const char* synopsis;
    const char* summary;
    const char* help;
    QStringList valued;
    QStringList flags;
    QStringList required;
    int positionals;
    const char* expected;
    int (*run)(const Args&);
};
// Parses and checks the options of `command` and runs it; --help anywhere prints its help.
int runCommand(const Command& command, const QStringList& args);

extern const Command newCommand, dumpCommand, importCommand, readCommand, writeCommand, powerCommand, settingsCommand,
    printCommand, verifyCommand, fleetCommand, portsCommand;

// "Setup.ini" beside the program, read once, without creating or changing it.
inline constexpr qint64 kMaxSetupSize = 1 << 20;
const CIniFile& setupIni();
QString setupValue(const QString& section, const QString& key, const QString& def = {});
QString appName();
// "English" or "Chinese", in any case.
std::optional<Language> parseLanguage(const QString& s);
// The --language option of a command into `lang`; the exit status of a usage error, if any.
std::optional<int> languageOption(const Args& a, const QString& command, Language& lang);

// The bytes of a file, or of standard input when `path` is "-", read to their end (a pipe
// delivers them in pieces): at most `maxBytes`, a larger input is refused with one message.
// On failure the message is printed and `rc` is set (3 a file error, 5 stopped while waiting).
std::optional<QByteArray> readInput(const QString& path, qint64 maxBytes, int& rc);
// How messages name an input: the path, or "standard input" for "-".
QString inputName(const QString& path);

// Asks for a password on the terminal without showing what is typed (standard input when there
// is no terminal). nullopt after a message, `rc` set: 3 nothing to read, 5 stopped. The
// terminal's echo is back on in every case, a stop included.
std::optional<QByteArray> askPassword(const QString& prompt, int& rc);

// A data file (.dat) as the application opens it; nullopt after printing why (exit status 3).
std::optional<RadioImage> loadDataFile(const QString& path);

int usageError(const QString& command, const QString& why);
// One problem a line, the first twenty, then "and N more".
inline constexpr int kMaxProblemsShown = 20;
void printProblems(const QStringList& problems, const QString& prefix = {});

} // namespace zemtar::cli
