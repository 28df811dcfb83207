#pragma once
// The settings editors as field tables: one page per dialog page. The dialogs, the settings
// text and the printed report all walk these.
#include "fields/Page.h"

namespace zemtar::editors {

// Field indices of the Optional Features page, in the order of the settings text.
namespace of {
enum : int {
    BackLight,
    BackLightColor,
    DisplayMode,
    KeyLock,
    PriorityChannel,
    ScanMode,
    SquelchLevel,
    Step,
    Tot,
    Voice,
    VoxGain,
    PttIdType,
    FrequencyMode,
    MskType,
    DisplayPttId,
    Beep,
    BatterySaver,
    Scrambler,
    KeypadLock,
    RepeaterMskInvert,
    CancelCodeSquelch,
    PttIdBegin,
    PttIdEnd,
    DataPassword,
    Count
};
}
const fields::Page& optionalFeaturesPage();

// MSK: the own ID code, then the nine call list entries (field 1 + j - 1 for entry j).
namespace msk {
enum : int { IdCode, Call1, Count = Call1 + 9 };
inline constexpr int kCallCount = 9;
} // namespace msk
const fields::Page& mskIdPage();       // [MSK]: the ID code
const fields::Page& mskCallListPage(); // [MSK Call List]: "1".."9"

// Key Assignment: the side key.
const fields::Page& keyAssignPage();
// The four choices of the side key, in the order of the radio buttons.
QStringList sideKeyItems(Language lang);

// DTMF: the encode page, the decode page and the fast call list.
namespace dtmf {
enum : int { Speed, FirstDigitDelay, FirstDigitTime, StarHashTime, SideTone, EncodeCount };
enum : int { IdCode, GroupCode, StunActivation, StunCode, StunType, DecodeCount };
} // namespace dtmf
const fields::Page& dtmfEncodePage();
const fields::Page& dtmfDecodePage();
const fields::Page& dtmfCallListPage();

// 2-Tone: the encode timings, the encode list (entry e's two tones are fields 2e and
// 2e + 1) and the eight decode codes.
namespace twotone {
enum : int { FirstDelay, SecondDelay, LongToneDelay, ToneInterval, TxRiseDelay, ShortBeep, EncodeCount };
enum : int { ATone, BTone, DecodeFirstDelay, DecodeSecondDelay, Interval, DecodeLongToneDelay, DecodeCount };
inline constexpr int kEntries = 32;
inline constexpr int kCodes = 8;
} // namespace twotone
const fields::Page& twoToneEncodePage();
const fields::Page& twoToneEncodeListPage();
const fields::Page& twoToneDecodePage(int code); // 1..8

// DTMF and 2-Tone, in the order of the settings text: DTMF Encode, DTMF Decode, DTMF Fast
// Call List, 2-Tone Encode, 2-Tone Encode List, 2-Tone1 .. 2-Tone8.
const std::vector<fields::Page>& signallingPages();

// Product Information: the radio type (shown as its model name from `models`) and the band.
namespace pi {
enum : int { Type, Band, Count };
// The dialog shows the band in two boxes: the low edge has the band field's help, the high edge its own.
inline constexpr int kHighEdgeHelp = 1114;
} // namespace pi
fields::Page productInfoPage(const QStringList& models);

} // namespace zemtar::editors
