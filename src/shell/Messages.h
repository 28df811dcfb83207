#pragma once
#include "image/Language.h"

#include <QString>

namespace zemtar {

// The program's string table (ids as the resources number them) and its fixed texts,
// in both languages.
namespace msg {

enum Id : int {
    OutOfRange = 61446,
    DataFormat = 61447,
    NotEnoughBytes = 61448,
    CommError = 61449,
    AllDataCleared = 61450,
    PortOpenFailed = 61451,
    ProgramInterrupt = 61452,
    BandOverRange = 61453,
    StepError = 61454,
    ErrorTryAgain = 61455,
    CautionTitle = 61456,
};

QString text(Id id, Language lang);

QString typeMismatch(Language lang);
QString passwordError(); // the same text in both languages
// A write that ended after its first block: the radio holds part of the new image.
QString partlyWritten(int rows, int total, Language lang);
QString frequencyInputError(Language lang);
QString loadLanguageFailed(bool chinese);
// Why the language module could not be loaded, and which file was tried.
struct LanguageFailure {
    enum Kind { SettingsUnreadable, NoLanguage, Missing, Unreadable, NotTranslation } kind;
    QString file;
    QString reason; // the system's words, for the unreadable ones
};
// The whole start-up message: loadLanguageFailed's line, what was wrong and the question
// whether to go on in English, in the language of the flag and under it in the other one
// (the language the settings ask for is the one that could not be loaded).
QString languageFailure(const LanguageFailure& f, bool chinese);
// A persisted radio type (`value`, kept in `where`) that names none of `count` types.
QString radioTypeReset(const QString& where, const QString& value, int count, Language lang);
QString waitingForRadio(Language lang);

} // namespace msg
} // namespace zemtar
