#pragma once
// Encodings of the channel record fields and their display texts.
#include "Language.h"
#include "RadioImage.h"

#include <QString>
#include <QStringList>

#include <cstdint>

namespace zemtar {

// ---- Frequencies: counts of 10 Hz units, shown as MHz with five decimals ----
namespace freq {

inline constexpr qint64 kUnitsPerMHz = 100000;

// A decimal number of MHz in units of 10 Hz, computed exactly (no binary floating point):
// "145.125" gives 14512500. Like the C library's atof, leading blanks are skipped and the
// number ends at the first character that cannot continue it; text without a number gives 0.
// `complete` (optional) tells whether the whole text (blanks aside) was a number, or empty.
qint64 parseMHz(const QString& text, bool* complete = nullptr);

// "%3.5f" of units / 100000, e.g. "145.12500".
QString format(qint64 units);

// Units stored at offset (4 BCD bytes, least significant first), or 0 when absent
// (highest byte 0xFF or 0x00).
qint64 decode(const RadioImage& img, std::size_t offset);
bool isAbsent(const RadioImage& img, std::size_t offset);

// Writes units as 8 BCD digits. Units 0 marks the frequency absent: for the receive
// frequency all four bytes become 0xFF, for the transmit frequency only the highest byte.
void encodeRx(RadioImage& img, std::size_t offset, qint64 units);
void encodeTx(RadioImage& img, std::size_t offset, qint64 units);

} // namespace freq

// ---- Tones: (low, high) byte pairs, CTCSS in tenths of a hertz or DCS codes ----
namespace tone {

struct Bytes {
    std::uint8_t low = 0xFF;
    std::uint8_t high = 0xFF;
    friend bool operator==(const Bytes&, const Bytes&) = default;
};

bool isNone(std::uint8_t high);
// The display text of a tone; "None" (or "无") when no tone is set.
QString text(Bytes b, Language lang);
// The bytes for a display text: "D..N"/"D..I" for DCS, a number of hertz for CTCSS,
// anything that parses as 0 ("None", "无", "") for no tone.
Bytes fromText(const QString& text);

// The 261 entries offered by the tone lists: none, 50 CTCSS tones, 105 DCS codes
// normal, the same codes inverted.
const QStringList& list(Language lang);
inline constexpr int kListSize = 261;

} // namespace tone

// ---- Texts shared by several fields ----
namespace field {

QString noneText(Language lang);

} // namespace field

// ---- Channel names: up to 8 single-byte characters, 0xFF padded ----
namespace name {
// Each byte is one character (Latin-1), so any stored name comes back byte for byte.
QString read(const RadioImage& img, std::size_t offset);
void write(RadioImage& img, std::size_t offset, const QString& text);
} // namespace name

// ---- Band limits: three BCD bytes, e.g. 14 14 45 for 144-145 MHz ----
struct Band {
    int lowMHz = 0;
    int highMHz = 0;
    friend bool operator==(const Band&, const Band&) = default;
};
namespace band {
Band decode(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2);
Band read(const RadioImage& img);
// A band whose bytes hold decimal digits only and whose upper edge is not below the lower
// (a blank radio holds FF FF FF, which would read as 1665-1665 MHz).
bool valid(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2);
bool valid(const RadioImage& img);
void write(RadioImage& img, Band b);
QString text(Band b); // "%d-%dMHz"
} // namespace band

// The band in units of 10 Hz, as the frequency checks compare it.
struct BandLimits {
    qint64 low = 0;
    qint64 high = 0;
    static BandLimits of(Band b) { return {b.lowMHz * freq::kUnitsPerMHz, b.highMHz * freq::kUnitsPerMHz}; }
};

} // namespace zemtar
