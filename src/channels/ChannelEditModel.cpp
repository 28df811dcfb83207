#include "ChannelEditModel.h"

#include "ChannelValues.h"
#include "image/Encodings.h"

namespace zemtar {

namespace {
constexpr std::size_t kEncode = map::rec::kEncodeEntry;
constexpr std::size_t kDecode = map::rec::kDecodeEntry;
constexpr int kDecodeWrap = 8;
// The dialog's rules name the signals the optional-signal column stores.
using C = ChannelEditModel::Choice;
constexpr bool namesTheColumnsValues()
{
    const C named[] = {C::None, C::Msk, C::Dtmf, C::TwoTone};
    if (std::size(values::kSignal) != std::size(named))
        return false;
    for (std::size_t i = 0; i < std::size(named); ++i)
        if (values::kSignal[i].value != unsigned(named[i]))
            return false;
    return true;
}
static_assert(namesTheColumnsValues());
} // namespace

ChannelEditModel::ChannelEditModel(RadioImage& image, int channel, Language lang)
    : img_(image), lang_(lang), channel_(std::clamp(channel, 0, kMaxChannel))
{
    load();
}

std::size_t ChannelEditModel::recordOffset(int channel)
{
    return channel == 0 ? map::kFrRecord.offset : std::size_t(channel - 1) * map::kRowSize;
}

QStringList ChannelEditModel::choiceTexts(Language lang) { return values::entries(ColSignal, lang); }

ChannelEditModel::Choice ChannelEditModel::choiceAt(int index)
{
    const auto list = values::choices(ColSignal);
    return index >= 0 && std::size_t(index) < list.size() ? Choice(list[std::size_t(index)].value)
                                                          : Choice::NoSelection;
}

int ChannelEditModel::choiceIndex() const
{
    const auto list = values::choices(ColSignal);
    for (std::size_t i = 0; i < list.size(); ++i)
        if (Choice(list[i].value) == choice_)
            return int(i);
    return -1;
}

QString ChannelEditModel::groupTitle() const
{
    if (choice_ == Choice::TwoTone)
        return pick(lang_, "Optional Signal(2-Tone)", "可选信号(2-Tone)");
    if (choice_ == Choice::Msk)
        return pick(lang_, "Optional Signal(MSK)", "可选信号 (MSK)");
    return {};
}

void ChannelEditModel::load()
{
    const unsigned bits = img_.bits(recordOffset(channel_), map::rec::kSignal);
    choice_ = Choice::NoSelection;
    for (const values::Choice& c : values::choices(ColSignal))
        if (c.value == bits)
            choice_ = Choice(bits);
    showEntries();
}

void ChannelEditModel::showEntries()
{
    const std::size_t o = recordOffset(channel_);
    const int enc = img_.at(o + kEncode), dec = img_.at(o + kDecode);
    encode_ = decode_ = field::noneText(lang_);
    if (choice_ == Choice::TwoTone) {
        if (enc >= 1 && enc <= 33)
            encode_ = QString::number(enc);
        if (dec >= 1 && dec <= 9)
            decode_ = QString::number(dec);
    } else if (choice_ == Choice::Msk) {
        if (enc >= 1 && enc <= 9)
            encode_ = QString::number(enc);
    }
}

bool ChannelEditModel::setChoice(Choice c)
{
    choice_ = c;
    showEntries();
    const std::size_t at = recordOffset(channel_);
    const std::uint8_t before = img_.at(at + map::rec::kSignal.byte);
    img_.setBits(at, map::rec::kSignal, unsigned(c));
    return img_.at(at + map::rec::kSignal.byte) != before;
}

int ChannelEditModel::entryValue(const QString& text) const
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok && n > 0 ? n : 0;
}

QString ChannelEditModel::entryText(int value) const
{
    return value == 0 ? field::noneText(lang_) : QString::number(value);
}

void ChannelEditModel::spinEncode(int delta)
{
    const int max = encodeMaximum();
    int n = entryValue(encode_) + delta;
    if (n > max)
        n = 0;
    if (n < 0)
        n = max;
    encode_ = entryText(n);
}

void ChannelEditModel::spinDecode(int delta)
{
    int n = entryValue(decode_) + delta;
    if (n > kDecodeWrap)
        n = 0;
    if (n < 0)
        n = kDecodeWrap;
    decode_ = entryText(n);
}

void ChannelEditModel::setEncodeText(const QString& text)
{
    encode_ = entryText(std::min(entryValue(text), encodeMaximum()));
}

void ChannelEditModel::setDecodeText(const QString& text)
{
    decode_ = entryText(std::min(entryValue(text), kDecodeWrap));
}

void ChannelEditModel::storeEntries()
{
    const std::size_t o = recordOffset(channel_);
    if (choice_ == Choice::TwoTone) {
        img_.set(o + kEncode, std::uint8_t(entryValue(encode_)));
        img_.set(o + kDecode, std::uint8_t(entryValue(decode_)));
    } else if (choice_ == Choice::Msk) {
        img_.set(o + kEncode, std::uint8_t(entryValue(encode_)));
    }
}

int ChannelEditModel::steppedChannel(int channel, int delta)
{
    int n = channel + delta;
    if (n > kMaxChannel)
        n = 0;
    if (n < 0)
        n = kMaxChannel;
    return n;
}

void ChannelEditModel::changeChannel(int channel)
{
    storeEntries();
    channel_ = std::clamp(channel, 0, kMaxChannel);
    load();
}

void ChannelEditModel::ok()
{
    const std::size_t o = recordOffset(channel_);
    if (choice_ == Choice::TwoTone || choice_ == Choice::Msk) {
        storeEntries();
    } else if (choice_ == Choice::None || choice_ == Choice::Dtmf) {
        img_.set(o + kEncode, 0xFF);
        img_.set(o + kDecode, 0xFF);
    }
}

} // namespace zemtar
