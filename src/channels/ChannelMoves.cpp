#include "ChannelMoves.h"

#include "ChannelTable.h"

#include <QSet>

#include <algorithm>

namespace zemtar::channelmoves {

namespace {

constexpr int kChannels = int(map::kChannelCount);
constexpr std::size_t kPriority = map::kOptionalFeatures2.offset; // the priority channel, 1-128

Record recordOf(const RadioImage& img, int channel)
{
    Record r;
    const std::size_t o = ChannelTable::recordOffset(channel);
    for (std::size_t i = 0; i < r.size(); ++i)
        r[i] = img.at(o + i);
    return r;
}

void put(RadioImage& img, int channel, const Record& r)
{
    const std::size_t o = ChannelTable::recordOffset(channel);
    for (std::size_t i = 0; i < r.size(); ++i)
        img.set(o + i, r[i]);
}

// For each place 1-128 the channel whose record goes there (0: an empty channel).
using Order = std::array<int, kChannels + 1>;

Order identity()
{
    Order o{};
    for (int c = 1; c <= kChannels; ++c)
        o[std::size_t(c)] = c;
    return o;
}

// The channels asked for, each once, in order; false when one is not a channel.
bool selectionOf(const QList<int>& channels, QList<int>& out)
{
    for (int c : channels)
        if (c < 1 || c > kChannels)
            return false;
    out = QSet<int>(channels.begin(), channels.end()).values();
    std::sort(out.begin(), out.end());
    return !out.isEmpty();
}

Result refuse(const QString& why) { return Result{why, {}, std::nullopt, std::nullopt, {}}; }

Result applyOrder(RadioImage& img, const Order& order, const QList<int>& moved)
{
    const RadioImage before = img;
    for (int c = 1; c <= kChannels; ++c)
        put(img, c, order[std::size_t(c)] ? recordOf(before, order[std::size_t(c)]) : emptyRecord());
    Result r;
    for (int source : moved)
        for (int c = 1; c <= kChannels; ++c)
            if (order[std::size_t(c)] == source)
                r.selection << c;
    std::sort(r.selection.begin(), r.selection.end());
    const int priority = before.at(kPriority);
    if (priority >= 1 && priority <= kChannels) {
        const auto* at = std::find(order.begin() + 1, order.end(), priority);
        if (at == order.end()) {
            r.note =
                QStringLiteral("The priority channel %1 was deleted; the setting now names the channel in its place.")
                    .arg(priority);
        } else if (const int now = int(at - order.begin()); now != priority) {
            img.set(kPriority, std::uint8_t(now));
            r.priorityFrom = priority;
            r.priorityTo = now;
        }
    }
    return r;
}

QString noChannels() { return QStringLiteral("Select channels 1 to 128 (the Fr row does not move)."); }

Result move(RadioImage& img, const QList<int>& channels, int step)
{
    QList<int> sel;
    if (!selectionOf(channels, sel))
        return refuse(noChannels());
    std::array<bool, kChannels + 2> selected{};
    for (int c : sel)
        selected[std::size_t(c)] = true;
    Order order = identity();
    bool any = false;
    // Up: from the top, each selected place swaps with an unselected one above; down the same
    // from the bottom.
    for (int i = step < 0 ? 2 : kChannels - 1; step < 0 ? i <= kChannels : i >= 1; i -= step) {
        const int j = i + step;
        if (selected[std::size_t(i)] && !selected[std::size_t(j)]) {
            std::swap(order[std::size_t(i)], order[std::size_t(j)]);
            std::swap(selected[std::size_t(i)], selected[std::size_t(j)]);
            any = true;
        }
    }
    if (!any)
        return refuse(step < 0 ? QStringLiteral("The selected channels are at the top already.")
                               : QStringLiteral("The selected channels are at the bottom already."));
    return applyOrder(img, order, sel);
}

} // namespace

Record emptyRecord()
{
    static const Record r = [] {
        RadioImage img = RadioImage::newDocument();
        ChannelTable().storeRow(1, img);
        return recordOf(img, 1);
    }();
    return r;
}

bool inUse(const RadioImage& img, int channel)
{
    return !freq::isAbsent(img, ChannelTable::recordOffset(channel) + map::rec::kRx);
}

Result insertAt(RadioImage& img, int channel)
{
    if (channel < 1 || channel > kChannels)
        return refuse(noChannels());
    if (inUse(img, kChannels))
        return refuse(QStringLiteral("Channel 128 is in use: delete it or move it up before inserting a channel."));
    Order order = identity();
    for (int c = kChannels; c > channel; --c)
        order[std::size_t(c)] = c - 1;
    order[std::size_t(channel)] = 0;
    Result r = applyOrder(img, order, {});
    r.selection = {channel};
    return r;
}

Result deleteAndCloseUp(RadioImage& img, const QList<int>& channels)
{
    QList<int> sel;
    if (!selectionOf(channels, sel))
        return refuse(noChannels());
    Order order{};
    int place = 1;
    for (int c = 1; c <= kChannels; ++c)
        if (!sel.contains(c))
            order[std::size_t(place++)] = c;
    Result r = applyOrder(img, order, {});
    r.selection = {std::min(sel.front(), kChannels)};
    return r;
}

Result moveUp(RadioImage& img, const QList<int>& channels) { return move(img, channels, -1); }

Result moveDown(RadioImage& img, const QList<int>& channels) { return move(img, channels, +1); }

Result sortChannels(RadioImage& img, const QList<int>& channels, SortKey key)
{
    QList<int> sel;
    if (!selectionOf(channels, sel))
        return refuse(noChannels());
    QList<int> sorted = sel;
    auto rx = [&](int c) { return freq::decode(img, ChannelTable::recordOffset(c) + map::rec::kRx); };
    auto nameOf = [&](int c) { return name::read(img, ChannelTable::recordOffset(c) + map::rec::kName); };
    std::stable_sort(sorted.begin(), sorted.end(), [&](int a, int b) {
        if (inUse(img, a) != inUse(img, b))
            return inUse(img, a);
        if (!inUse(img, a))
            return false;
        if (key == SortKey::Name) {
            if (const int n = nameOf(a).compare(nameOf(b), Qt::CaseInsensitive); n != 0)
                return n < 0;
        }
        return rx(a) < rx(b);
    });
    Order order = identity();
    for (qsizetype i = 0; i < sel.size(); ++i)
        order[std::size_t(sel[i])] = sorted[i];
    Result r = applyOrder(img, order, sel);
    r.selection = sel;
    return r;
}

} // namespace zemtar::channelmoves
