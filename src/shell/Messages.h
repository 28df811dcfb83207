#pragma once
#include "image/Language.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

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
// A port the user may not open: what to do about it (Linux's dialout group).
QString portPermissionDenied(const QString& device, Language lang);
// The second line under a frequency outside the band: "This radio takes 136-174 MHz."
QString radioTakes(int lowMHz, int highMHz, Language lang);
// The second line under "Error Data Format": what was wrong with the typed text, then the
// band and the steps the radio takes.
enum class FormatFault {
    NotANumber, // not digits with at most one decimal point
    BelowRange, // below 67 MHz
    AboveRange, // above 600 MHz
};
QString dataFormatDetail(FormatFault fault, const QString& typed, int lowMHz, int highMHz, Language lang);
// A transfer's progress: "block 37 of 512, 7 %, about 8 s left" (no time when not known).
QString transferProgress(int block, int blocks, int secondsLeft, Language lang);

// What was wrong with an answer of the radio.
enum class ReplyFault {
    Nothing,         // no byte came
    Short,           // fewer bytes than the frame has
    Long,            // more bytes than the frame has
    FirstByte,       // a block reply that does not begin with 'W'
    Address,         // a block reply naming another address
    Length,          // a block reply giving another length than 8
    NotAcknowledged, // something else than the acknowledgement
};
// The bytes as hex ("06 57 01 28"), or "nothing" when there are none.
QString hexBytes(const QByteArray& bytes, Language lang);
// What came instead, as a clause: "the reply names address 0x0130 (received 57 01 30 08 ...)".
QString replyFault(ReplyFault fault, const QByteArray& received, int expectedLength, Language lang);
// The status line while a block is asked for (or sent) again after a disturbed answer.
QString askingAgain(std::uint16_t address, bool writing, const QString& fault, int attempt, int retries, Language lang);
// The detail line under the message that ends a transfer: the block, how often it was tried,
// what came instead.
QString blockFailed(std::uint16_t address, bool writing, const QString& fault, int attempts, Language lang);
// Under the communication error: the radio acknowledged the wake-up but sent no (or not all
// of its) identification. `port` may be empty.
QString noIdentification(const QString& port, const QByteArray& received, Language lang);
// The line under the communication error when nothing answered: the port and device tried.
QString noAnswer(const QString& port, Language lang);
// The answers of the power adjustment: to its mode byte ('S' high, 'R' low), to the update
// wake-up, the update mode, the value, the exit wake-up.
enum class PowerStep { HighMode, LowMode, UpdateWakeUp, UpdateMode, Value, ExitWakeUp };
QString powerStep(PowerStep step, int value, Language lang);
// Under a power adjustment message: which answer was wrong and how often it was tried.
QString powerReplyFailed(const QString& step, const QString& fault, int attempts, Language lang);
// The status line while the answer to the mode byte is asked for again.
QString powerAskingAgain(const QString& step, const QString& fault, int attempt, int retries, Language lang);

} // namespace msg
} // namespace zemtar
