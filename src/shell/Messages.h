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
QString waitingForRadio(Language lang);
// A port the user may not open: what to do about it (Linux's dialout group).
QString portPermissionDenied(const QString& device, Language lang);

} // namespace msg
} // namespace zemtar
