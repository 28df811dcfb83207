#pragma once
// Looking a channel up by what a dealer remembers of it: part of its name, a frequency
// (145.5 finds 145.50000) or a tone (67 finds 67.0, d023 finds D023N).
#include "ChannelTable.h"

namespace zemtar::channelfind {

inline bool matches(const ChannelTable& t, int row, const QString& what)
{
    const QString w = what.trimmed();
    if (w.isEmpty() || t.isEmptyRow(row))
        return false;
    if (t.cell(row, ColName).contains(w, Qt::CaseInsensitive))
        return true;
    bool number = false;
    const double value = w.toDouble(&number);
    for (const int c : {int(ColRx), int(ColTx), int(ColDecode), int(ColEncode)}) {
        const QString text = t.cell(row, c);
        if (text.startsWith(w, Qt::CaseInsensitive))
            return true;
        bool cellNumber = false;
        const double cellValue = text.toDouble(&cellNumber);
        if (number && cellNumber && qAbs(cellValue - value) < 5e-6)
            return true;
    }
    return false;
}

// The first row after `from` (round past the last row to the first) that matches; 0 for none.
inline int next(const ChannelTable& t, const QString& what, int from)
{
    const int count = kLastRow - kFirstRow + 1;
    for (int i = 1; i <= count; ++i) {
        const int row = kFirstRow + (from - kFirstRow + i + count) % count;
        if (matches(t, row, what))
            return row;
    }
    return 0;
}

} // namespace zemtar::channelfind
