#include "ChannelTableModel.h"

#include <QFont>

namespace zemtar::ui {

ChannelTableModel::ChannelTableModel(ChannelTable& table, QObject* parent) : QAbstractTableModel(parent), table_(table)
{
    alignment_.fill(Qt::AlignLeft | Qt::AlignVCenter);
}

void ChannelTableModel::setTable(const ChannelTable& table)
{
    for (int r = kFirstRow; r <= kLastRow; ++r) {
        if (table_.row(r) == table.row(r))
            continue;
        table_.setRow(r, table.row(r));
        emit dataChanged(indexOf(r, ColRx), indexOf(r, ColumnCount - 1), {Qt::DisplayRole, Qt::EditRole});
    }
}

void ChannelTableModel::setCell(int row, int column, const QString& text)
{
    if (row < kFirstRow || row > kLastRow || column < 0 || column >= ColumnCount || table_.cell(row, column) == text)
        return;
    table_.setCell(row, column, text);
    if (column == ColLabel)
        emit headerDataChanged(Qt::Vertical, row - kFirstRow, row - kFirstRow);
    else
        emit dataChanged(indexOf(row, column), indexOf(row, column), {Qt::DisplayRole, Qt::EditRole});
}

int ChannelTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kLastRow; }
int ChannelTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount - ColRx;
}

QVariant ChannelTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int column = tableColumn(index);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return table_.cell(tableRow(index), column);
    case Qt::TextAlignmentRole:
        return int(alignment_[std::size_t(column)]);
    case Qt::FontRole:
        if (columns::info(column).editor == EditorKind::Text) {
            // The names in a fixed-pitch font, as the radio shows them.
            QFont f;
            f.setFamily(QStringLiteral("Courier"));
            f.setStyleHint(QFont::TypeWriter);
            return f;
        }
        return {};
    case Qt::AccessibleTextRole:
        // The More cell shows ">>"; a screen reader says what it opens.
        if (column == ColMore && !table_.cell(tableRow(index), column).isEmpty())
            return tr("More: Channel Edit");
        return {};
    default:
        return {};
    }
}

bool ChannelTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    setCell(tableRow(index), tableColumn(index), value.toString());
    return true;
}

QVariant ChannelTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    const bool across = orientation == Qt::Horizontal;
    if (section < 0 || section >= (across ? columnCount() : rowCount()))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return across ? headers_[std::size_t(section + ColRx)] : table_.cell(section + kFirstRow, ColLabel);
    case Qt::ForegroundRole:
        return headerColor_.isValid() ? QVariant(headerColor_) : QVariant();
    case Qt::TextAlignmentRole:
        return across ? QVariant(int(alignment_[std::size_t(section + ColRx)])) : QVariant();
    default:
        return {};
    }
}

bool ChannelTableModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value, int role)
{
    if (role == Qt::ForegroundRole) {
        headerColor_ = value.value<QColor>();
        emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
        emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
        return true;
    }
    if (role == Qt::TextAlignmentRole) {
        if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
            return false;
        alignment_[std::size_t(section + ColRx)] = Qt::Alignment(value.toInt());
        emit headerDataChanged(Qt::Horizontal, section, section);
        emit dataChanged(index(0, section), index(rowCount() - 1, section), {Qt::TextAlignmentRole});
        return true;
    }
    if (role != Qt::EditRole && role != Qt::DisplayRole)
        return false;
    if (orientation == Qt::Vertical) {
        setCell(section + kFirstRow, ColLabel, value.toString());
        return true;
    }
    if (section < 0 || section >= columnCount())
        return false;
    headers_[std::size_t(section + ColRx)] = value.toString();
    emit headerDataChanged(Qt::Horizontal, section, section);
    return true;
}

} // namespace zemtar::ui
