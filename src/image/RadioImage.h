#pragma once
#include "MemoryMap.h"

#include <QByteArray>

#include <array>
#include <cstdint>

namespace zemtar {

// BCD of a value 0..99 (higher values keep their low two decimal digits).
constexpr std::uint8_t toBcd(unsigned v) { return static_cast<std::uint8_t>(((v / 10) % 10) * 16 + v % 10); }
// Value of a BCD byte; nibbles above 9 count with their face value, as the radio does.
constexpr unsigned fromBcd(std::uint8_t b) { return (b >> 4) * 10u + (b & 0x0Fu); }

// The 6144-byte memory image of one radio: the document. The one owner of the bytes;
// every field is reached through the typed accessors below and the offsets of MemoryMap.h.
class RadioImage {
public:
    static constexpr std::size_t kSize = map::kImageSize;
    using Bytes = std::array<std::uint8_t, kSize>;

    RadioImage() { bytes_.fill(0xFF); }

    // The image of a new document: every byte 0xFF, then the defaults of the settings areas.
    static RadioImage newDocument();

    std::uint8_t at(std::size_t offset) const { return bytes_.at(offset); }
    void set(std::size_t offset, std::uint8_t value) { bytes_.at(offset) = value; }
    void fill(map::Area area, std::uint8_t value);
    void setBytes(std::size_t offset, std::initializer_list<std::uint8_t> values);

    // Bits hi..lo of one byte, shifted down.
    unsigned bits(std::size_t offset, int hi, int lo) const;
    // Writes bits hi..lo of one byte; the other bits keep their values.
    void setBits(std::size_t offset, int hi, int lo, unsigned value);
    bool bit(std::size_t offset, int n) const { return bits(offset, n, n) != 0; }
    // A named field of the record at `record` (MemoryMap's rec::Bits).
    unsigned bits(std::size_t record, map::rec::Bits b) const { return bits(record + b.byte, b.hi, b.lo); }
    void setBits(std::size_t record, map::rec::Bits b, unsigned value) { setBits(record + b.byte, b.hi, b.lo, value); }
    void setBit(std::size_t offset, int n, bool on) { setBits(offset, n, n, on ? 1u : 0u); }

    std::uint16_t be16(std::size_t offset) const;
    void setBe16(std::size_t offset, std::uint16_t value);

    // Text of at most maxLen bytes, ending at the first 0xFF.
    QByteArray text(std::size_t offset, std::size_t maxLen) const;
    // Writes the text's bytes (cut to maxLen), then 0xFF up to maxLen.
    void setText(std::size_t offset, std::size_t maxLen, const QByteArray& text);

    QByteArray toByteArray() const;
    // Takes the first kSize bytes; returns false (image unchanged) when fewer are given.
    bool assign(const QByteArray& data);

    const Bytes& bytes() const { return bytes_; }
    Bytes& bytes() { return bytes_; }

    friend bool operator==(const RadioImage&, const RadioImage&) = default;

private:
    Bytes bytes_{};
};

} // namespace zemtar
