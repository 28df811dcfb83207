#pragma once
// Named offsets of the radio's 6144-byte memory image. Every editor and the
// transfer reach the image through these names; the static_asserts keep each
// area inside the image.
#include <cstddef>

namespace zemtar::map {

inline constexpr std::size_t kImageSize = 6144;
inline constexpr std::size_t kRowSize = 24;
inline constexpr std::size_t kRowCount = kImageSize / kRowSize; // 256

struct Area {
    std::size_t offset;
    std::size_t size;
};

constexpr bool fits(Area a) { return a.offset + a.size <= kImageSize; }
constexpr std::size_t rowOffset(std::size_t row) { return row * kRowSize; }

// Channel records: channels 1..128 in rows 0..127, the "Fr" row in row 128.
inline constexpr std::size_t kChannelCount = 128;
inline constexpr std::size_t kChannelRecordSize = 24;
inline constexpr Area kChannels{0x0000, 128 * kChannelRecordSize};
inline constexpr Area kFrRecord{0x0C00, kChannelRecordSize};
inline constexpr std::size_t kChannelRows = 129; // 128 channels + "Fr"

// Offsets inside one channel record.
namespace rec {
inline constexpr std::size_t kRx = 0;          // 4 bytes BCD, LSB first
inline constexpr std::size_t kTx = 4;          // 4 bytes BCD, LSB first
inline constexpr std::size_t kDecodeTone = 8;  // L, H
inline constexpr std::size_t kEncodeTone = 10; // L, H
inline constexpr std::size_t kFlags12 = 12;    // PTT ID 5-4, optional signal 2-0
inline constexpr std::size_t kFlags13 = 13;    // shift 7-6, power 5, wide 4, scan 3, busy 2-1
inline constexpr std::size_t kEncodeEntry = 14;
inline constexpr std::size_t kDecodeEntry = 15;
inline constexpr std::size_t kName = 16;
inline constexpr std::size_t kNameSize = 8;

// Bits hi..lo of one byte of the record.
struct Bits {
    std::size_t byte;
    int hi, lo;
    constexpr unsigned mask() const { return ((1u << (hi - lo + 1)) - 1u) << lo; }
};
inline constexpr Bits kPttId{kFlags12, 5, 4};
inline constexpr Bits kSignal{kFlags12, 2, 0}; // 0 none, 1 MSK, 2 DTMF, 4 2-Tone
inline constexpr Bits kShift{kFlags13, 7, 6};  // 0 none, 1 minus, 2 plus
inline constexpr Bits kPower{kFlags13, 5, 5};  // 1 high
inline constexpr Bits kWide{kFlags13, 4, 4};
inline constexpr Bits kScan{kFlags13, 3, 3};
inline constexpr Bits kBusy{kFlags13, 2, 1}; // 0 off, 1 carrier, 2 QT/DQT
constexpr bool valid(Bits b) { return b.lo >= 0 && b.hi >= b.lo && b.hi < 8 && b.byte < kChannelRecordSize; }
static_assert(valid(kPttId) && valid(kSignal) && valid(kShift) && valid(kPower) && valid(kWide) && valid(kScan) &&
              valid(kBusy));
// The fields of a byte do not overlap.
static_assert((kPttId.mask() & kSignal.mask()) == 0);
static_assert(((kShift.mask() & kPower.mask()) | (kPower.mask() & kWide.mask()) | (kWide.mask() & kScan.mask()) |
               (kScan.mask() & kBusy.mask()) | (kShift.mask() & kBusy.mask())) == 0);
} // namespace rec

inline constexpr Area kRow129{0x0C18, 24};
inline constexpr Area kUnusedRows{0x0C30, 65 * kRowSize}; // rows 130-194, never transferred
inline constexpr Area kRow195{0x1248, 16};
inline constexpr Area kOptionalFeatures{0x1260, 10};
inline constexpr Area kOptionalText1{0x1278, 16};
inline constexpr Area kOptionalText2{0x1290, 16};
inline constexpr Area kMixedFlags{0x12A8, 1};
inline constexpr Area kOptionalFeatures2{0x12A9, 1};
inline constexpr Area kKeyAssignment{0x12AA, 1};
inline constexpr Area kOptionalFeatures3{0x12AB, 1};
inline constexpr Area kMskOwnId{0x12C0, 4};
inline constexpr Area kDtmfEncode{0x1308, 4};
inline constexpr Area kDtmfEncodeExtra{0x130D, 1};
inline constexpr Area kDtmfDecode1{0x1320, 10};
inline constexpr Area kDtmfDecodeChar{0x132F, 1};
inline constexpr Area kDtmfDecode2{0x1338, 10};
inline constexpr Area kDtmfDecodeExtra{0x1347, 1};
inline constexpr Area kDtmfFastCalls{0x1380, 9 * kRowSize};
inline constexpr Area kTwoToneEncode{0x1500, 8 * kRowSize}; // rows 224-231, columns 0-15
inline constexpr Area kTwoToneDecode{0x15C0, 4 * kRowSize}; // rows 232-235
inline constexpr Area kTwoToneTiming{0x1620, 8};
inline constexpr Area kTwoTonePeriods{0x1680, 8 * kRowSize};
inline constexpr Area kTwoToneDecode2{0x1740, 4 * kRowSize};
inline constexpr Area kTwoToneTimingCopy{0x17A0, 7};
inline constexpr Area kRadioType{0x17D1, 1};
inline constexpr Area kPassword{0x17D2, 6};
inline constexpr Area kBand{0x17E8, 3};
inline constexpr Area kLowPowerValue{0x17F0, 1};
inline constexpr Area kHighPowerValue{0x17F1, 1};

static_assert(fits(kChannels) && fits(kFrRecord) && fits(kRow129) && fits(kUnusedRows));
static_assert(fits(kRow195) && fits(kOptionalFeatures) && fits(kOptionalText1) && fits(kOptionalText2));
static_assert(fits(kMixedFlags) && fits(kKeyAssignment) && fits(kMskOwnId) && fits(kDtmfEncode));
static_assert(fits(kDtmfDecode1) && fits(kDtmfDecode2) && fits(kDtmfFastCalls) && fits(kTwoToneEncode));
static_assert(fits(kTwoToneDecode) && fits(kTwoToneTiming) && fits(kTwoTonePeriods));
static_assert(fits(kTwoToneDecode2) && fits(kTwoToneTimingCopy) && fits(kRadioType) && fits(kPassword));
static_assert(fits(kBand) && fits(kLowPowerValue) && fits(kHighPowerValue));
static_assert(kFrRecord.offset == rowOffset(128));
static_assert(kChannels.offset + kChannels.size == kFrRecord.offset);
static_assert(kUnusedRows.offset == rowOffset(130) && kRow195.offset == rowOffset(195));
static_assert(kBand.offset == rowOffset(255) && kLowPowerValue.offset == rowOffset(255) + 8);
static_assert(kPassword.offset == rowOffset(254) + 2);

// Radio memory as seen by the transfer: rows 0-129 whole, rows 195-255 in their first
// 16 bytes. 4096 bytes on the wire.
inline constexpr std::size_t kBlockSize = 8;
inline constexpr std::size_t kRadioMemorySize = 4096;
inline constexpr std::size_t kFullRowsEnd = 130;   // rows [0,130) move all three blocks
inline constexpr std::size_t kHalfRowsBegin = 195; // rows [195,256) move two blocks
static_assert(kFullRowsEnd * 3 * kBlockSize + (kRowCount - kHalfRowsBegin) * 2 * kBlockSize == kRadioMemorySize);

} // namespace zemtar::map
