#pragma once
// Channels moved as whole records: inserted, deleted with the rows below closing up, moved up
// or down, sorted. Each works on channels 1-128 of an image; the Fr record never moves. The
// whole 24-byte record goes with its channel (the Channel Edit entries included), and the
// priority channel setting follows its channel. Each is one change of the image, for one undo
// step in the window.
#include "image/RadioImage.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>

namespace zemtar::channelmoves {

struct Result {
    QString refused;                             // nothing changed, and why
    QList<int> selection;                        // the channels the moved records now occupy, in order
    std::optional<int> priorityFrom, priorityTo; // the priority channel, when it followed a move
    QString note;                                // said beside the change (the priority channel was deleted)
    bool ok() const { return refused.isEmpty(); }
};

using Record = std::array<std::uint8_t, map::kChannelRecordSize>;
// The record of a channel not in use, as a new file holds it.
Record emptyRecord();

// A channel not in use holds no receive frequency.
bool inUse(const RadioImage& img, int channel);

// An empty channel at `channel`; the channels from there to 127 move down one. Refused when
// channel 128 is in use (it would be pushed out).
Result insertAt(RadioImage& img, int channel);

// The channels are removed and those below move up to close the gaps; the last places become
// empty channels.
Result deleteAndCloseUp(RadioImage& img, const QList<int>& channels);

// Each selected channel changes places with the unselected one above (below) it; a selected
// block at the top (bottom) stays. Refused when nothing can move.
Result moveUp(RadioImage& img, const QList<int>& channels);
Result moveDown(RadioImage& img, const QList<int>& channels);

// The records of the selected channels reordered among their places: by receive frequency, or
// by name (ignoring case, then by frequency); channels not in use go last; equal keys keep
// their order.
enum class SortKey { ReceiveFrequency, Name };
Result sortChannels(RadioImage& img, const QList<int>& channels, SortKey key);

} // namespace zemtar::channelmoves
