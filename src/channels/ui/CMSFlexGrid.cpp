#include "CMSFlexGrid.h"

#include "shell/ui/Legibility.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHeaderView>
#include <QItemSelection>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionHeader>

namespace zemtar::ui {

CMSFlexGrid::CMSFlexGrid(QWidget* parent) : QTableView(parent)
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setHighlightSections(false);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    setWordWrap(false);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &CMSFlexGrid::Scroll);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &CMSFlexGrid::Scroll);
    followFont();
    if (auto* corner = findChild<QAbstractButton*>())
        corner->installEventFilter(this);
    // The row numbers select rows (Shift extends, Ctrl adds) and never open a cell's editor;
    // the table view's own row selection would make the first cell current.
    verticalHeader()->setSectionsClickable(false);
    verticalHeader()->viewport()->installEventFilter(this);
}

void CMSFlexGrid::setModel(QAbstractItemModel* m)
{
    QTableView::setModel(m);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, &CMSFlexGrid::onCurrentChanged);
}

void CMSFlexGrid::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    QTableView::scrollTo(index, hint);
    if (!index.isValid() || index.column() < frozenColumns || horizontalScrollBar()->value() == 0)
        return;
    int covered = 0;
    for (int c = 0; c < frozenColumns; ++c)
        covered += columnWidth(c);
    const int left = columnViewportPosition(index.column());
    if (left < covered)
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() - (covered - left));
}

void CMSFlexGrid::onCurrentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    if (previous.isValid()) {
        leavingRow_ = previous.row() + 1;
        leavingCol_ = previous.column() + 1;
        emit LeaveCell();
        leavingRow_ = leavingCol_ = -1;
        // A handler that kept the user on the cell being left has the last word.
        if (currentIndex() != current)
            return;
    }
    if (!selectingRows_ && current.isValid())
        emit EnterCell();
}

void CMSFlexGrid::setCurrentCell(int row, int column)
{
    if (model())
        setCurrentIndex(model()->index(row, column));
}

void CMSFlexGrid::setCurrentCell(int row, int column, QItemSelectionModel::SelectionFlags flags)
{
    if (model())
        selectionModel()->setCurrentIndex(model()->index(row, column), flags);
}

QList<QTableWidgetSelectionRange> CMSFlexGrid::selectedRanges() const
{
    QList<QTableWidgetSelectionRange> out;
    if (!selectionModel())
        return out;
    for (const QItemSelectionRange& r : selectionModel()->selection())
        out << QTableWidgetSelectionRange(r.top(), r.left(), r.bottom(), r.right());
    return out;
}

void CMSFlexGrid::setRangeSelected(const QTableWidgetSelectionRange& range, bool select)
{
    if (!model())
        return;
    const QItemSelection cells(model()->index(range.topRow(), range.leftColumn()),
                               model()->index(range.bottomRow(), range.rightColumn()));
    selectionModel()->select(cells, select ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
}

void CMSFlexGrid::selectRows(long row, bool extend, bool add)
{
    if (row < 1 || row > rows())
        return;
    if (!extend)
        anchorRow_ = row;
    const int col = std::max(0, currentIndex().column());
    selectingRows_ = true;
    setCurrentCell(int(row - 1), col, QItemSelectionModel::NoUpdate);
    selectingRows_ = false;
    const long from = extend ? anchorRow_ : row;
    const QItemSelection rows(model()->index(int(std::min(from, row) - 1), 0),
                              model()->index(int(std::max(from, row) - 1), cols() - 1));
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
    selectRows(std::clamp(GetRow() + delta, 1L, long(rows())), true);
}

bool CMSFlexGrid::wholeRowsSelected() const
{
    const auto ranges = selectedRanges();
    return !ranges.isEmpty() && std::all_of(ranges.begin(), ranges.end(), [this](const QTableWidgetSelectionRange& r) {
        return r.leftColumn() == 0 && r.rightColumn() == cols() - 1;
    });
}

long CMSFlexGrid::GetRow() const { return leavingRow_ >= 0 ? leavingRow_ : std::max(0, currentIndex().row()) + 1; }
long CMSFlexGrid::GetCol() const { return leavingCol_ >= 0 ? leavingCol_ : std::max(0, currentIndex().column()) + 1; }
QString CMSFlexGrid::GetTextMatrix(long row, long col) const
{
    if (row == 0 && col == 0)
        return corner_;
    if (!model())
        return {};
    if (row == 0)
        return model()->headerData(int(col - 1), Qt::Horizontal).toString();
    if (col == 0)
        return model()->headerData(int(row - 1), Qt::Vertical).toString();
    return model()->index(int(row - 1), int(col - 1)).data(Qt::EditRole).toString();
}

void CMSFlexGrid::SetTextMatrix(long row, long col, const QString& text)
{
    if (row < 0 || col < 0 || row > rows() || col > cols())
        return;
    if (row == 0 && col == 0) {
        corner_ = text;
        viewport()->update();
        if (auto* corner = findChild<QAbstractButton*>())
            corner->update();
        return;
    }
    if (row == 0) {
        model()->setHeaderData(int(col - 1), Qt::Horizontal, text);
        applyWidth(col); // a header in another language may need more room
    } else if (col == 0)
        model()->setHeaderData(int(row - 1), Qt::Vertical, text);
    else
        model()->setData(model()->index(int(row - 1), int(col - 1)), text);
}

void CMSFlexGrid::SetForeColorFixed(unsigned long bgr)
{
    fixedWanted_ = QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
    followPalette();
}

void CMSFlexGrid::followPalette()
{
    // The colour asked for where it reads on the fixed cells' background, else one of the
    // palette's that does (a dark desktop turns the dark blue into a light one).
    fixedColor_ = fixedWanted_.isValid() ? legibleOn(fixedWanted_, palette().color(QPalette::Button), palette())
                                         : palette().color(QPalette::ButtonText);
    if (auto* corner = findChild<QAbstractButton*>())
        corner->update();
    if (!model() || !fixedWanted_.isValid())
        return;
    for (const Qt::Orientation o : {Qt::Horizontal, Qt::Vertical})
        model()->setHeaderData(0, o, fixedColor_, Qt::ForegroundRole);
}

void CMSFlexGrid::changeEvent(QEvent* e)
{
    QTableView::changeEvent(e);
    if (e->type() == QEvent::PaletteChange || e->type() == QEvent::ApplicationPaletteChange)
        followPalette();
    // The headers take the new font after the grid hears of it: measure once they have.
    if (e->type() == QEvent::FontChange || e->type() == QEvent::ApplicationFontChange)
        QMetaObject::invokeMethod(this, &CMSFlexGrid::followFont, Qt::QueuedConnection);
}

void CMSFlexGrid::SetColAlignment(long col, short alignment)
{
    // The grid's alignment codes: 0-2 left, 3-5 centre, 6-8 right (top, middle, bottom).
    Qt::Alignment h = alignment <= 2 ? Qt::AlignLeft : alignment <= 5 ? Qt::AlignHCenter : Qt::AlignRight;
    const Qt::Alignment a = h | Qt::AlignVCenter;
    if (col == 0) {
        cornerAlignment_ = a;
        verticalHeader()->setDefaultAlignment(a);
    } else if (model()) {
        model()->setHeaderData(int(col - 1), Qt::Horizontal, int(a), Qt::TextAlignmentRole);
    }
}

void CMSFlexGrid::SetColWidth(long col, long twips)
{
    if (col < 0 || col > cols())
        return;
    if (std::size_t(col) >= widthTwips_.size())
        widthTwips_.resize(std::size_t(col) + 1, -1);
    widthTwips_[std::size_t(col)] = twips;
    applyWidth(col);
}

int CMSFlexGrid::fixedTextWidth(long col) const
{
    // What a header section needs for its text with the style's margins, in the header's font.
    // The grid's own font counts too: a new font may reach the headers after the grid.
    auto need = [this](const QHeaderView* header, const QString& text) {
        const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        const int advance =
            std::max(header->fontMetrics().horizontalAdvance(text), fontMetrics().horizontalAdvance(text));
        return advance + 2 * margin + 4;
    };
    if (col > 0)
        return need(horizontalHeader(), GetTextMatrix(0, col));
    int widest = need(verticalHeader(), corner_);
    for (int r = 0; r < rows(); ++r)
        widest = std::max(widest, need(verticalHeader(), model()->headerData(r, Qt::Vertical).toString()));
    return widest;
}

void CMSFlexGrid::applyWidth(long col)
{
    if (col < 0 || std::size_t(col) >= widthTwips_.size() || widthTwips_[std::size_t(col)] < 0)
        return;
    // The width asked for, and never less than the header's text takes in the font in use.
    const int px = std::max(twipsToPixels(widthTwips_[std::size_t(col)], logicalDpiX()), fixedTextWidth(col));
    if (col == 0)
        verticalHeader()->setFixedWidth(px);
    else
        setColumnWidth(int(col - 1), px);
}

void CMSFlexGrid::followFont()
{
    verticalHeader()->setDefaultSectionSize(std::max(kRowHeight, fontMetrics().height() + 8));
    for (long c = 0; c < long(widthTwips_.size()); ++c)
        applyWidth(c);
}

void CMSFlexGrid::mousePressEvent(QMouseEvent* e)
{
    const QModelIndex at = indexAt(e->position().toPoint());
    if (e->button() == Qt::RightButton) {
        // The context menu acts on the selection: a click inside it keeps it, a click on
        // another row selects that row; neither opens an editor.
        if (at.isValid() && !selectionModel()->isSelected(at))
            selectRows(at.row() + 1, false);
    } else {
        QTableView::mousePressEvent(e);
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
    QTableView::mouseMoveEvent(e);
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
            opt.textAlignment = cornerAlignment_;
            opt.palette.setColor(QPalette::ButtonText, fixedColor_);
            corner->style()->drawControl(QStyle::CE_Header, &opt, &p, corner);
            return true;
        }
    }
    return QTableView::eventFilter(o, e);
}

} // namespace zemtar::ui
