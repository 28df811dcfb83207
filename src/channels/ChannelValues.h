#pragma once
// The columns of the channel table and the one table of value texts behind each of its
// lists (power, width, scan, PTT ID, busy lock, optional signal): the stored value, the
// English and Chinese texts, and the channel-record bits it lives in. The fill, the store,
// the cell editors, paste and import all read these tables.
#include "image/Language.h"
#include "image/MemoryMap.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <span>

namespace zemtar {

enum Column : int {
    ColLabel = 0,
    ColRx = 1,
    ColTx = 2,
    ColDecode = 3,
    ColEncode = 4,
    ColName = 5,
    ColPower = 6,
    ColWidth = 7,
    ColScan = 8,
    ColPttId = 9,
    ColBusy = 10,
    ColSignal = 11,
    ColMore = 12,
    ColumnCount = 13,
};

namespace values {

struct Choice {
    unsigned value;
    const char* en;
    const char* zh;
    const char* enShown = nullptr; // the English text a filled cell shows, where it differs from the list's
    const char* alias = nullptr;   // a further text read as this value
};

// The columns with a fixed list, in table order.
inline constexpr std::array<int, 6> kListColumns{ColPower, ColWidth, ColScan, ColPttId, ColBusy, ColSignal};

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
// The value stored for a text no choice has (an emptied row's cells): nothing keeps the bits.
std::optional<unsigned> valueOtherwise(int column);

} // namespace values
} // namespace zemtar
