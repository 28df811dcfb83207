#pragma once
// The channel list in the CSV layout that multi-radio programming tools share: a header line
// naming the columns, then one line per channel in use. Reading a text gives the channels it
// would store and the problem of each line that does not fit, before anything changes; writing
// gives the text of an image. Nothing here touches a file or a window.
#include "image/Encodings.h"
#include "image/Language.h"
#include "image/RadioImage.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace zemtar::csvplan {

// "Location,Name,Frequency,Duplex,...": the layout's columns in the order it writes them.
const QStringList& columns();
QString header();

// Whether a text opens with a header of this layout: its first line names a Frequency or a
// Location column (in any order, in any case).
bool isCsvPlan(const QString& text);

// The header, then channels 1-128 that hold a receive frequency, one line each, "\n" ended.
QString exportText(const RadioImage& img);

struct Options {
    bool renumber = false; // rows go to channels in file order from `first`, not by Location
    int first = 1;
};

// One channel as a line of the text will store it.
struct ChannelEdit {
    int line = 0;
    int channel = 0; // 1-128
    qint64 rx = 0;   // 10 Hz units
    qint64 tx = 0;   // 0: no transmit frequency
    tone::Bytes decode, encode;
    QString name;
    // Nothing: what the channel holds, or the table's default for a channel not in use.
    std::optional<bool> high, wide, scan;
};

struct Problem {
    int line = 0;
    QString column; // the header name; empty for the whole line
    QString text;
    QString toString() const; // "line 5, column Frequency: ..."
};

// A column as a message names it: the file's header name, in Chinese after the channel
// table's header of what it holds.
QString columnName(const QString& column, Language lang);

struct Plan {
    QString refused;          // the whole text cannot be read (a missing column, no rows): nothing is taken
    QList<ChannelEdit> edits; // the rows that fit, in file order
    QList<Problem> problems;  // the rows that do not fit, in line order
    QList<Problem> notes;     // values taken otherwise than given (a name cut)
    int rows = 0;             // lines below the header that are not empty
    bool ok() const { return refused.isEmpty() && problems.isEmpty(); }
};

// Reads a text of the layout against an image (its band decides which frequencies fit); the
// problems and notes are in `lang`.
Plan parse(const QString& text, const RadioImage& img, const Options& options = {}, Language lang = Language::English);

// Stores edits into the image; only their channel records change, and in them only the fields
// the layout holds (PTT ID, busy lock, optional signal and the Channel Edit entries stay, or
// take the table's defaults on a channel not in use). Returns the channels stored.
QList<int> apply(RadioImage& img, const QList<ChannelEdit>& edits);

} // namespace zemtar::csvplan
