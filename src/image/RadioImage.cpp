#include "RadioImage.h"

#include <stdexcept>

namespace zemtar {

RadioImage RadioImage::newDocument()
{
    RadioImage img; // all 0xFF
    img.setBytes(map::kOptionalFeatures.offset, {0x00, 0x05, 0x00, 0x04, 0x8D, 0x15, 0x00, 0x00, 0x00, 0x01});
    img.set(map::kMixedFlags.offset, 0xFF);
    img.set(map::kOptionalFeatures2.offset, 0x01);
    img.set(map::kOptionalFeatures3.offset, 0x05);
    img.setBytes(map::kDtmfEncode.offset, {0x00, 0x04, 0x00, 0x00});
    img.set(map::kDtmfEncodeExtra.offset, 0x01);
    img.set(map::kDtmfDecodeChar.offset, 'A');
    img.set(map::kDtmfDecodeExtra.offset, 0x00);
    // 2-Tone encode list: 32 entries of 2000.0 Hz / 1000.0 Hz, four per row in columns 0-15.
    for (std::size_t entry = 0; entry < 32; ++entry) {
        const std::size_t off = map::kTwoToneEncode.offset + (entry / 4) * map::kRowSize + (entry % 4) * 4;
        img.setBytes(off, {0x4E, 0x20, 0x27, 0x10});
    }
    // 2-Tone decode codes: 8 records, two per row.
    for (std::size_t rec = 0; rec < 8; ++rec) {
        const std::size_t off = map::kTwoToneDecode.offset + (rec / 2) * map::kRowSize + (rec % 2) * 8;
        img.setBytes(off, {0x4E, 0x20, 0x27, 0x10, 0x05, 0x05, 0x0A, 0x05});
    }
    img.setBytes(map::kTwoToneTiming.offset, {0x05, 0x05, 0x0A, 0x00, 0x14, 0x00, 0x02, 0x00});
    img.set(map::kRadioType.offset, 0x00);
    return img;
}

void RadioImage::fill(map::Area area, std::uint8_t value)
{
    if (!map::fits(area))
        throw std::out_of_range("RadioImage::fill");
    std::fill_n(bytes_.begin() + static_cast<std::ptrdiff_t>(area.offset), area.size, value);
}

void RadioImage::setBytes(std::size_t offset, std::initializer_list<std::uint8_t> values)
{
    if (offset + values.size() > kSize)
        throw std::out_of_range("RadioImage::setBytes");
    std::copy(values.begin(), values.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(offset));
}

unsigned RadioImage::bits(std::size_t offset, int hi, int lo) const
{
    const unsigned mask = (1u << (hi - lo + 1)) - 1u;
    return (at(offset) >> lo) & mask;
}

void RadioImage::setBits(std::size_t offset, int hi, int lo, unsigned value)
{
    const unsigned mask = ((1u << (hi - lo + 1)) - 1u) << lo;
    const unsigned old = at(offset);
    set(offset, static_cast<std::uint8_t>((old & ~mask) | ((value << lo) & mask)));
}

std::uint16_t RadioImage::be16(std::size_t offset) const
{
    return static_cast<std::uint16_t>((at(offset) << 8) | at(offset + 1));
}

void RadioImage::setBe16(std::size_t offset, std::uint16_t value)
{
    set(offset, static_cast<std::uint8_t>(value >> 8));
    set(offset + 1, static_cast<std::uint8_t>(value & 0xFF));
}

QByteArray RadioImage::text(std::size_t offset, std::size_t maxLen) const
{
    QByteArray out;
    for (std::size_t i = 0; i < maxLen; ++i) {
        const std::uint8_t b = at(offset + i);
        if (b == 0xFF)
            break;
        out.append(static_cast<char>(b));
    }
    return out;
}

void RadioImage::setText(std::size_t offset, std::size_t maxLen, const QByteArray& text)
{
    for (std::size_t i = 0; i < maxLen; ++i)
        set(offset + i,
            i < static_cast<std::size_t>(text.size()) ? static_cast<std::uint8_t>(text[qsizetype(i)]) : 0xFF);
}

QByteArray RadioImage::toByteArray() const
{
    return QByteArray(reinterpret_cast<const char*>(bytes_.data()), qsizetype(kSize));
}

bool RadioImage::assign(const QByteArray& data)
{
    if (data.size() < qsizetype(kSize))
        return false;
    std::copy_n(reinterpret_cast<const std::uint8_t*>(data.constData()), kSize, bytes_.begin());
    return true;
}

} // namespace zemtar
