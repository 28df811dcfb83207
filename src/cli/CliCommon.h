#pragma once
#include "image/Language.h"

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
    Refused = 5,
    Differs = 6, // verify: the radio holds something else
};

void out(const QString& text); // stdout, UTF-8, as is
void err(const QString& line); // stderr, one line

// Options of one subcommand: positional arguments and "--name value" / "--flag" options.
struct Args {
    QStringList positional;
    QStringList flags;
    QList<std::pair<QString, QString>> values;
    QString error;

    bool has(const QString& flag) const { return flags.contains(flag); }
    std::optional<QString> value(const QString& name) const;
};
// `valued` names the options that take a value; any other "--x" must be in `flagNames`.
Args parseArgs(const QStringList& args, const QStringList& valued, const QStringList& flagNames);

// "Setup.ini" beside the program, read once, without creating or changing it.
inline constexpr qint64 kMaxSetupSize = 1 << 20;
const CIniFile& setupIni();
QString setupValue(const QString& section, const QString& key, const QString& def = {});
QString appName();
// "English" or "Chinese", in any case.
std::optional<Language> parseLanguage(const QString& s);
// The --language option of a command into `lang`; the exit status of a usage error, if any.
std::optional<int> languageOption(const Args& a, const QString& command, Language& lang);

int usageError(const QString& command, const QString& why);
// One problem a line, the first twenty, then "and N more".
inline constexpr int kMaxProblemsShown = 20;
void printProblems(const QStringList& problems, const QString& prefix = {});

int cmdNew(const QStringList& args);
int cmdDump(const QStringList& args);
int cmdImport(const QStringList& args);
int cmdRead(const QStringList& args);
int cmdWrite(const QStringList& args);
int cmdPower(const QStringList& args);
int cmdSettings(const QStringList& args);
int cmdPrint(const QStringList& args);
int cmdVerify(const QStringList& args);
int cmdFleet(const QStringList& args);

} // namespace zemtar::cli
