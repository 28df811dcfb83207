#include "ChannelValues.h"

#include "fields/Field.h"

namespace zemtar::values {

namespace {

const ColumnInfo* find(int column)
{
    if (column < 0 || column >= ColumnCount)
        return nullptr;
    const ColumnInfo& c = columns::info(column);
    return c.editor == EditorKind::ValueList ? &c : nullptr;
}

} // namespace

bool isListColumn(int column) { return find(column) != nullptr; }

std::span<const Choice> choices(int column)
{
    const ColumnInfo* c = find(column);
    return c ? c->choices : std::span<const Choice>{};
}

map::rec::Bits bits(int column)
{
    const ColumnInfo* c = find(column);
    return c ? c->bits : map::rec::Bits{};
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

std::optional<QString> listedText(int column, const QString& text)
{
    QStringList texts;
    for (const Choice& c : choices(column))
        for (const char* t : {c.en, c.zh, c.enShown, c.alias})
            if (t && !texts.contains(QString::fromUtf8(t)))
                texts << QString::fromUtf8(t);
    const int i = fields::matchItem(texts, text);
    return i >= 0 ? std::optional<QString>(texts[i]) : std::nullopt;
}

std::optional<unsigned> valueOtherwise(int column)
{
    const ColumnInfo* c = find(column);
    return c ? c->otherwise : std::nullopt;
}

} // namespace zemtar::values
