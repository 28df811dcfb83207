#pragma once
// The channel table as text for spreadsheets and scripts: one line per row, 12 fields
// (row label and columns 1-11), tab-separated or CSV. The same format serves the
// command-line dump and import and the clipboard.
#include "ChannelTable.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace zemtar::tabletext {

enum class Format { Tsv, Csv };
inline constexpr int kFieldCount = ColMore; // label + columns 1..11

// Fields holding a tab, comma, quote, CR or LF are quoted (in both formats), every other text is written as it is.
QString joinLine(const QStringList& fields, Format format);
// Header line plus the 129 rows, each line ended by "\n".
QString dump(const ChannelTable& table, Language lang, Format format);

struct Line {
    int number = 0; // 1-based line number in the text
    QStringList fields;
    bool unclosedQuote = false; // the text ended inside a quoted field
};
// Splits text into lines of fields. Tab-separated when the first line holds a tab outside quotes, else CSV. Both
// quote as RFC 4180 does: a field that begins with a quote may hold separators, quotes (doubled) and line breaks.
// Lines end at LF, CR LF or CR alone; empty lines are dropped; a byte order mark at the start is skipped.
QList<Line> parse(const QString& text);

struct RowCheck {
    ChannelTable::Row cells; // columns 1..12 as stored; all empty when the row becomes blank
    QStringList problems;
    QList<int> problemColumns; // the column of each problem
    QStringList notes;         // values taken otherwise than given (a transmit frequency outside 67-512 MHz)
    bool ok() const { return problems.isEmpty(); }
};
// Checks an edited row given as the texts of columns 1..11, as typed values are checked: an
// empty receive frequency blanks the row, an empty transmit cell takes the receive frequency,
// other empty cells take the new-channel defaults, list cells (tones among them) must be entries of their list.
RowCheck checkRow(const QStringList& fields, BandLimits limits, Language messageLanguage = Language::English);

// A header line as the dump writes it (either language) is dropped from the front.
void dropHeader(QList<Line>& lines);

struct RowEdit {
    int row = 0;        // the table row
    QStringList fields; // the texts of columns 1..11
};
struct RowProblem {
    int edit = 0;   // index into the edits
    int column = 0; // the refused column
    QString text;
};
struct ApplyResult {
    QList<RowProblem> problems;
    QList<int> changedRows;
    QList<std::pair<int, QString>> notes; // (edit, note)
    bool ok() const { return problems.isEmpty(); }
};
// The one way edited rows come into the table, from the clipboard or an imported file. An edit
// that reads exactly as its row shows now (in `table`, or in `sameAlso` when given) changes
// nothing; every other edit is checked with checkRow. Only when all of them pass are the
// changed rows set into the table, in `lang`'s texts as a fill would show them; otherwise the
// table stays as it was.
ApplyResult applyRows(ChannelTable& table, const QList<RowEdit>& edits, BandLimits limits, Language lang,
                      Language messageLanguage, const ChannelTable* sameAlso = nullptr);

struct ImportResult {
    QStringList problems;   // "line N: ..." per refused line or cell
    QList<int> changedRows; // table rows stored into the image
    QStringList notes;      // "line N: ..." per value taken otherwise than given
    int rowsRead = 0;       // lines of rows below the header, well-formed or not
    bool ok() const { return problems.isEmpty(); }
};

// Applies an edited table to the image. Rows that are missing, or that read exactly as the
// table shows them now (in either language), stay byte for byte as they are. Every changed
// row is checked as cell editing checks it; only when every row passes are the changed
// rows stored. On any problem the image is left untouched.
ImportResult importInto(RadioImage& img, const QString& text, Language messageLanguage = Language::English);

} // namespace zemtar::tabletext
