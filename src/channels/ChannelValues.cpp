#include "ChannelValues.h"

namespace zemtar::values {

namespace {

namespace rec = map::rec;

constexpr Choice kPower[] = {{0, "Low", "低"}, {1, "High", "高"}};
constexpr Choice kWidth[] = {{1, "Wide", "宽"}, {0, "Narrow", "窄"}};
constexpr Choice kScan[] = {{1, "Yes", "是"}, {0, "No", "否"}};
constexpr Choice kPttId[] = {{0, "Off", "关"}, {1, "BOT", "发射开始"}, {2, "EOT", "发射结束"}, {3, "Both", "两者"}};
constexpr Choice kBusy[] = {{0, "Off", "关"}, {1, "Carrier", "载波", "Carrier Only"}, {2, "QT/DQT", "QT/DQT"}};
constexpr Choice kSignal[] = {
    {0, "None", "无"}, {1, "MSK", "MSK"}, {2, "DTMF", "DTMF"}, {4, "2-Tone", "2-Tone", nullptr, "两音"}};

struct List {
    int column;
    std::span<const Choice> choices;
    rec::Bits bits;
    std::optional<unsigned> otherwise;
};

constexpr List kLists[] = {
    {ColPower, kPower, rec::kPower, 0u}, {ColWidth, kWidth, rec::kWide, 0u},
    {ColScan, kScan, rec::kScan, 0u},    {ColPttId, kPttId, rec::kPttId, std::nullopt},
    {ColBusy, kBusy, rec::kBusy, 2u},    {ColSignal, kSignal, rec::kSignal, std::nullopt},
};

const List* find(int column)
{
    for (const List& l : kLists)
        if (l.column == column)
            return &l;
    return nullptr;
}

QString pick(Language lang, const char* en, const char* zh)
{
    return QString::fromUtf8(lang == Language::Chinese ? zh : en);
}

} // namespace

bool isListColumn(int column) { return find(column) != nullptr; }

std::span<const Choice> choices(int column)
{
    const List* l = find(column);
    return l ? l->choices : std::span<const Choice>{};
}

map::rec::Bits bits(int column)
{
    const List* l = find(column);
    return l ? l->bits : map::rec::Bits{};
}

QStringList entries(int column, Language lang)
{
    QStringList out;
    for (const Choice& c : choices(column))
        out << pick(lang, c.en, c.zh);
    return out;
}

QString text(int column, unsigned value, Language lang)
{
    const std::span<const Choice> list = choices(column);
    if (list.empty())
        return {};
    const Choice* shown = &list.back();
    for (const Choice& c : list)
        if (c.value == value)
            shown = &c;
    return pick(lang, shown->enShown ? shown->enShown : shown->en, shown->zh);
}

std::optional<unsigned> value(int column, const QString& text)
{
    for (const Choice& c : choices(column))
        for (const char* t : {c.en, c.zh, c.enShown, c.alias})
            if (t && text == QString::fromUtf8(t))
                return c.value;
    return std::nullopt;
}

std::optional<unsigned> valueOtherwise(int column)
{
    const List* l = find(column);
    return l ? l->otherwise : std::nullopt;
}

} // namespace zemtar::values
