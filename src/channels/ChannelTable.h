#pragma once
// The channel table in text form: 129 rows ("1".."128", "Fr") of 13 cells, filled from
// the image and stored back into it. The channel view shows exactly these texts; the
// rules for editing a cell live here too, so the view, the command-line tool and the
// tests share them.
#include "ChannelValues.h"
#include "image/Encodings.h"
#include "image/Language.h"
#include "image/RadioImage.h"
#include "shell/Messages.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace zemtar {

class ChannelTable {
public:
    using Row = std::array<QString, ColumnCount>;

    ChannelTable(); // empty cells, row labels in column 0

    static QString header(int column, Language lang);
    static QString rowLabel(int row);             // "1".."128", "Fr"
    static int rowForLabel(const QString& label); // 0 when not a row label
    static std::size_t recordOffset(int row) { return std::size_t(row - 1) * map::kRowSize; }
    // Entries of the in-place list of a column, in order (empty for columns without a list).
    static QStringList listEntries(int column, Language lang);
    // The cells 3..12 a channel gets when a receive frequency is typed into an empty row.
    static Row newChannelDefaults(Language lang);

    const QString& cell(int row, int column) const { return rows_.at(std::size_t(row)).at(std::size_t(column)); }
    void setCell(int row, int column, const QString& text)
    {
        rows_.at(std::size_t(row)).at(std::size_t(column)) = text;
    }
    const Row& row(int row) const { return rows_.at(std::size_t(row)); }
    void setRow(int row, const Row& cells);

    // Both frequency cells empty: the row holds no channel.
    bool isEmptyRow(int row) const { return cell(row, ColRx).isEmpty() && cell(row, ColTx).isEmpty(); }
    void clearRow(int row); // columns 1..12

    void fillFromImage(const RadioImage& img, Language lang);
    void fillRow(int row, const RadioImage& img, Language lang);
    void storeIntoImage(RadioImage& img) const;
    void storeRow(int row, RadioImage& img) const;

private:
    std::array<Row, kTableRows> rows_;
};

// ---- Cell validation ----

struct ReceiveCheck {
    // 61447 not a number or outside 67-600 MHz, 61454 off the 5/6.25 kHz steps, 61446 outside
    // the band: checked in that order.
    std::optional<msg::Id> error;
    QString text; // the value reformatted "%3.5f"
    bool ok() const { return !error; }
};
ReceiveCheck checkReceive(const QString& text, BandLimits band);
// What is wrong with a receive frequency refused with 61447, and what the radio takes instead.
QString dataFormatDetail(const QString& text, BandLimits band, Language lang);

// A transmit frequency outside 67-512 MHz becomes "67.00000"; with no receive frequency
// the cell stays empty.
QString normaliseTransmit(const QString& text, bool receiveEmpty);

// What leaving an edited cell does to the table. A refused receive frequency leaves the
// row exactly as it was (the caller keeps the editor open with the typed text).
struct CommitResult {
    std::optional<msg::Id> error;
    bool accepted() const { return !error; }
};
CommitResult commitCell(ChannelTable& table, int row, int column, const QString& text, BandLimits band, Language lang);

// ---- Radio type and band on the view's fill ----

// The first fill of a new document: the radio type from the persisted setting (0 when
// missing, low byte stored) and the band 144-145 MHz.
void completeNewDocument(RadioImage& img, std::optional<int> persistedType);

// The main window caption: name + "  [ Type:" + model + "  Fre:" + band + " ]".
QString windowCaption(const QString& displayName, const QString& model, Band band, Language lang);
// The caption of an image whose band bytes or radio type mean nothing: "unknown" for either.
QString windowCaption(const QString& displayName, const QString& model, std::optional<Band> band, Language lang);

} // namespace zemtar
