#pragma once
// The document's channel table as an item model: rows 1..129 of the table are the model's
// rows 0..128, columns 1..12 its columns 0..11; the row labels and the headers are its header
// data. The texts live once, in the ChannelTable the document owns; a view shows them and
// writes them back only through this model.
#include "channels/ChannelTable.h"

#include <QAbstractTableModel>
#include <QColor>

#include <array>

namespace zemtar::ui {

class ChannelTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    ChannelTableModel(ChannelTable& table, QObject* parent = nullptr);

    const ChannelTable& table() const { return table_; }
    // Replaces the texts; the views update the rows that changed.
    void setTable(const ChannelTable& table);
    const QString& cell(int row, int column) const { return table_.cell(row, column); }
    void setCell(int row, int column, const QString& text);
    // Header data also takes the fixed cells' colour (ForegroundRole, any section) and a
    // column's alignment (TextAlignmentRole of its horizontal section), for its cells and
    // its header.
    // The model's index of a table cell (row 1..129, column 1..12).
    QModelIndex indexOf(int row, int column) const { return index(row - kFirstRow, column - ColRx); }
    static int tableRow(const QModelIndex& i) { return i.row() + kFirstRow; }
    static int tableColumn(const QModelIndex& i) { return i.column() + ColRx; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                       int role = Qt::EditRole) override;

private:
    ChannelTable& table_;
    std::array<QString, ColumnCount> headers_;
    QColor headerColor_; // of the fixed cells
    std::array<Qt::Alignment, ColumnCount> alignment_;
};

} // namespace zemtar::ui
