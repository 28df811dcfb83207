#include "CMSFlexGrid.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QItemSelection>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionHeader>

namespace zemtar::ui {

CMSFlexGrid::CMSFlexGrid(QWidget* parent) : QTableWidget(parent)
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(22);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setHighlightSections(false);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    setWordWrap(false);
    connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int col, int prevRow, int prevCol) {
        if (prevRow >= 0 && prevCol >= 0) {
            leavingRow_ = prevRow + 1;
            leavingCol_ = prevCol + 1;
            emit LeaveCell();
            leavingRow_ = leavingCol_ = -1;
            // A handler that kept the user on the cell being left has the last word.
            if (currentRow() != row || currentColumn() != col)
                return;
        }
        if (!selectingRows_)
            emit EnterCell();
    });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &CMSFlexGrid::Scroll);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &CMSFlexGrid::Scroll);
    if (auto* corner = findChild<QAbstractButton*>())
        corner->installEventFilter(this);
    // The row numbers select rows (Shift extends, Ctrl adds) and never open a cell's editor;
    // the table view's own row selection would make the first cell current.
    verticalHeader()->setSectionsClickable(false);
    verticalHeader()->viewport()->installEventFilter(this);
}

void CMSFlexGrid::selectRows(long row, bool extend, bool add)
{
    if (row < 1 || row > rowCount())
        return;
    if (!extend)
        anchorRow_ = row;
    const int col = std::max(0, currentColumn());
    selectingRows_ = true;
    setCurrentCell(int(row - 1), col, QItemSelectionModel::NoUpdate);
    selectingRows_ = false;
    const long from = extend ? anchorRow_ : row;
    const QItemSelection rows(model()->index(int(std::min(from, row) - 1), 0),
                              model()->index(int(std::max(from, row) - 1), columnCount() - 1));
    QItemSelection all = add ? selectionModel()->selection() : QItemSelection();
    if (extend && add) {
        // Ctrl+Shift: the rows from the anchor are added to what was selected before.
        all.merge(rows, QItemSelectionModel::Select);
    } else if (add && selectionModel()->isRowSelected(int(row - 1), QModelIndex())) {
        all.merge(rows, QItemSelectionModel::Deselect); // Ctrl on a selected row takes it out
    } else {
        all.merge(rows, QItemSelectionModel::Select);
    }
    selectionModel()->select(all, QItemSelectionModel::ClearAndSelect);
    viewport()->update();
}

void CMSFlexGrid::extendRows(long delta)
{
    if (!wholeRowsSelected())
        anchorRow_ = GetRow();
    selectRows(std::clamp(GetRow() + delta, 1L, long(rowCount())), true);
}

bool CMSFlexGrid::wholeRowsSelected() const
{
    const auto ranges = selectedRanges();
    return !ranges.isEmpty() && std::all_of(ranges.begin(), ranges.end(), [this](const QTableWidgetSelectionRange& r) {
        return r.leftColumn() == 0 && r.rightColumn() == columnCount() - 1;
    });
}

void CMSFlexGrid::SetRows(long rows) { setRowCount(int(std::max(0L, rows - 1))); }
void CMSFlexGrid::SetCols(long cols) { setColumnCount(int(std::max(0L, cols - 1))); }

long CMSFlexGrid::GetRow() const { return leavingRow_ >= 0 ? leavingRow_ : std::max(0, currentRow()) + 1; }
long CMSFlexGrid::GetCol() const { return leavingCol_ >= 0 ? leavingCol_ : std::max(0, currentColumn()) + 1; }
long CMSFlexGrid::GetRowSel() const
{
    const auto ranges = selectedRanges();
    return ranges.isEmpty() ? GetRow() : ranges.last().bottomRow() + 1;
}

void CMSFlexGrid::SetRow(long row)
{
    if (row >= 1 && row <= rowCount())
        setCurrentCell(int(row - 1), std::max(0, currentColumn()));
}

void CMSFlexGrid::SetCol(long col)
{
    if (col >= 1 && col <= columnCount())
        setCurrentCell(std::max(0, currentRow()), int(col - 1));
}

QTableWidgetItem* CMSFlexGrid::itemAt(long row, long col) const
{
    if (row == 0 && col >= 1)
        return horizontalHeaderItem(int(col - 1));
    if (col == 0 && row >= 1)
        return verticalHeaderItem(int(row - 1));
    return item(int(row - 1), int(col - 1));
}

QTableWidgetItem* CMSFlexGrid::ensureItem(long row, long col)
{
    if (auto* it = itemAt(row, col))
        return it;
    auto* it = new QTableWidgetItem;
    if (row == 0)
        setHorizontalHeaderItem(int(col - 1), it);
    else if (col == 0)
        setVerticalHeaderItem(int(row - 1), it);
    else
        setItem(int(row - 1), int(col - 1), it);
    if (row == 0 || col == 0)
        it->setForeground(fixedColor_);
    it->setTextAlignment(alignment_.value(col, Qt::AlignLeft | Qt::AlignVCenter));
    return it;
}

QString CMSFlexGrid::GetTextMatrix(long row, long col) const
{
    if (row == 0 && col == 0)
        return corner_;
    const QTableWidgetItem* it = itemAt(row, col);
    return it ? it->text() : QString();
}

void CMSFlexGrid::SetTextMatrix(long row, long col, const QString& text)
{
    if (row < 0 || col < 0 || row > rowCount() || col > columnCount())
        return;
    if (row == 0 && col == 0) {
        corner_ = text;
        viewport()->update();
        if (auto* corner = findChild<QAbstractButton*>())
            corner->update();
        return;
    }
    auto* it = ensureItem(row, col);
    if (it->text() != text)
        it->setText(text);
}

void CMSFlexGrid::SetForeColorFixed(unsigned long bgr)
{
    fixedColor_ = QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
    for (int c = 0; c < columnCount(); ++c)
        if (auto* it = horizontalHeaderItem(c))
            it->setForeground(fixedColor_);
    for (int r = 0; r < rowCount(); ++r)
        if (auto* it = verticalHeaderItem(r))
            it->setForeground(fixedColor_);
}

void CMSFlexGrid::SetCellFontName(const QString& family)
{
    auto* it = ensureItem(GetRow(), GetCol());
    QFont f = font();
    f.setFamily(family);
    f.setStyleHint(family.startsWith(QStringLiteral("Courier")) ? QFont::TypeWriter : QFont::AnyStyle);
    it->setFont(f);
}

void CMSFlexGrid::SetColAlignment(long col, short alignment)
{
    // The grid's alignment codes: 0-2 left, 3-5 centre, 6-8 right (top, middle, bottom).
    Qt::Alignment h = alignment <= 2 ? Qt::AlignLeft : alignment <= 5 ? Qt::AlignHCenter : Qt::AlignRight;
    const Qt::Alignment a = h | Qt::AlignVCenter;
    alignment_[col] = a;
    if (col == 0)
        verticalHeader()->setDefaultAlignment(a);
    for (int r = 0; r <= rowCount(); ++r)
        if (auto* it = itemAt(r, col))
            it->setTextAlignment(a);
}

long CMSFlexGrid::GetColWidth(long col) const
{
    const int px = col == 0 ? verticalHeader()->width() : columnWidth(int(col - 1));
    return pixelsToTwips(px, logicalDpiX());
}

void CMSFlexGrid::SetColWidth(long col, long twips)
{
    const int px = twipsToPixels(twips, logicalDpiX());
    if (col == 0)
        verticalHeader()->setFixedWidth(px);
    else
        setColumnWidth(int(col - 1), px);
}

QRect CMSFlexGrid::cellRect() const
{
    const int r = int(GetRow() - 1), c = int(GetCol() - 1);
    QRect rect = visualRect(model()->index(r, c));
    // Relative to the grid's own top-left corner, like the grid's cell positions.
    rect.translate(viewport()->pos());
    return rect;
}

long CMSFlexGrid::GetCellLeft() const { return pixelsToTwips(cellRect().left(), logicalDpiX()); }
long CMSFlexGrid::GetCellTop() const { return pixelsToTwips(cellRect().top(), logicalDpiY()); }
long CMSFlexGrid::GetCellWidth() const { return pixelsToTwips(cellRect().width(), logicalDpiX()); }
long CMSFlexGrid::GetCellHeight() const { return pixelsToTwips(cellRect().height(), logicalDpiY()); }

void CMSFlexGrid::mousePressEvent(QMouseEvent* e)
{
    const QModelIndex at = indexAt(e->position().toPoint());
    if (e->button() == Qt::RightButton) {
        // The context menu acts on the selection: a click inside it keeps it, a click on
        // another row selects that row; neither opens an editor.
        if (at.isValid() && !selectionModel()->isSelected(at))
            selectRows(at.row() + 1, false);
    } else {
        QTableWidget::mousePressEvent(e);
    }
    const auto mods = e->modifiers();
    const short shift = short((mods & Qt::ShiftModifier ? 1 : 0) | (mods & Qt::ControlModifier ? 2 : 0) |
                              (mods & Qt::AltModifier ? 4 : 0));
    const short button = e->button() == Qt::LeftButton ? 1 : e->button() == Qt::RightButton ? 2 : 4;
    const QPoint p = e->position().toPoint();
    emit MouseDown(button, shift, pixelsToTwips(p.x(), logicalDpiX()), pixelsToTwips(p.y(), logicalDpiY()));
}

void CMSFlexGrid::mouseMoveEvent(QMouseEvent* e)
{
    if (e->buttons() & Qt::RightButton)
        return; // no drag selection with the context-menu button
    QTableWidget::mouseMoveEvent(e);
}

bool CMSFlexGrid::eventFilter(QObject* o, QEvent* e)
{
    if (o == verticalHeader()->viewport()) {
        const auto type = e->type();
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick ||
            (type == QEvent::MouseMove && draggingRows_)) {
            auto* m = static_cast<QMouseEvent*>(e);
            if (type == QEvent::MouseMove && !(m->buttons() & Qt::LeftButton))
                return false;
            const int section = verticalHeader()->logicalIndexAt(m->position().toPoint());
            if (section < 0)
                return true;
            const bool shift = m->modifiers() & Qt::ShiftModifier, ctrl = m->modifiers() & Qt::ControlModifier;
            if (type == QEvent::MouseMove)
                selectRows(section + 1, true, ctrl);
            else if (m->button() == Qt::LeftButton || !selectionModel()->isRowSelected(section, QModelIndex()))
                selectRows(section + 1, shift, ctrl);
            draggingRows_ = m->button() == Qt::LeftButton || (type == QEvent::MouseMove && draggingRows_);
            setFocus(Qt::MouseFocusReason);
            return true;
        }
        if (type == QEvent::MouseButtonRelease)
            draggingRows_ = false;
        return false;
    }
    // The corner cell (row 0, column 0) shows its text like the other fixed cells.
    if (e->type() == QEvent::Paint) {
        auto* corner = qobject_cast<QAbstractButton*>(o);
        if (corner) {
            QPainter p(corner);
            QStyleOptionHeader opt;
            opt.initFrom(corner);
            opt.rect = corner->rect();
            opt.position = QStyleOptionHeader::OnlyOneSection;
            opt.text = corner_;
            opt.textAlignment = alignment_.value(0, Qt::AlignCenter);
            opt.palette.setColor(QPalette::ButtonText, fixedColor_);
            corner->style()->drawControl(QStyle::CE_Header, &opt, &p, corner);
            return true;
        }
    }
    return QTableWidget::eventFilter(o, e);
}

} // namespace zemtar::ui
