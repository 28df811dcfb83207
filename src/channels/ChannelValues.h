#pragma once
// The value lists of the channel table (power, width, scan, PTT ID, busy lock, optional
// signal), read from the column table: the stored value, the English and Chinese texts,
// and the channel-record bits it lives in.
#include "ChannelColumns.h"
#include "image/Language.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <span>

namespace zemtar {

namespace values {

// The columns with a fixed list, in table order.
inline constexpr auto kListColumns = columns::columnsOf<EditorKind::ValueList>();

bool isListColumn(int column);
// The choices of a list column in the order its list shows them; empty for other columns.
std::span<const Choice> choices(int column);
map::rec::Bits bits(int column);
// The list's entries as the in-place list offers them.
QStringList entries(int column, Language lang);
// The text a filled cell shows for a stored value; a value no choice names shows as the last choice.
QString text(int column, unsigned value, Language lang);
// The stored value a text stands for, in either language; nothing for a text no choice has.
std::optional<unsigned> value(int column, const QString& text);
// The text of a choice as the list spells it, for a text typed in any case where it names that
// choice alone ("low" is "Low"); nothing for a text no choice has.
std::optional<QString> listedText(int column, const QString& text);
// The value stored for a text no choice has (an emptied row's cells): nothing keeps the bits.
std::optional<unsigned> valueOtherwise(int column);

} // namespace values
} // namespace zemtar
