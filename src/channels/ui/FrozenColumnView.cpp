#include "FrozenColumnView.h"

#include "CMSFlexGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>

namespace zemtar::ui {

FrozenColumnView::FrozenColumnView(CMSFlexGrid* grid, int columns) : QTableView(grid), grid_(grid), columns_(columns)
{
    setObjectName(QStringLiteral("frozenColumns"));
    setAccessibleName(tr("Channels, fixed columns")); // the numbers and frequencies that stay in view
    grid->frozenColumns = columns;
    grid->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setModel(grid->model());
    setSelectionModel(grid->selectionModel());
    setItemDelegate(grid->itemDelegate());
    setFocusPolicy(Qt::NoFocus);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(grid->verticalScrollMode());
    setFrameShape(QFrame::NoFrame);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(grid->verticalHeader()->defaultSectionSize());
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    setStyleSheet(QStringLiteral("QTableView { border-right: 1px solid palette(mid); }"));

    connect(grid->verticalScrollBar(), &QScrollBar::valueChanged, verticalScrollBar(), &QScrollBar::setValue);
    connect(grid->horizontalScrollBar(), &QScrollBar::valueChanged, this, &FrozenColumnView::follow);
    connect(grid->horizontalScrollBar(), &QScrollBar::rangeChanged, this, &FrozenColumnView::follow);
    connect(grid->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int section, int, int size) {
        if (section < columns_)
            setColumnWidth(section, size);
        follow();
    });
    connect(grid->horizontalHeader(), &QHeaderView::geometriesChanged, this, &FrozenColumnView::follow);
    grid->installEventFilter(this);
    viewport()->installEventFilter(this);
    horizontalHeader()->viewport()->installEventFilter(this);
    hide();
}

int FrozenColumnView::frozenWidth() const
{
    int w = 0;
    for (int c = 0; c < columns_ && model() && c < model()->columnCount(); ++c)
        w += grid_->columnWidth(c);
    return w;
}

void FrozenColumnView::follow()
{
    if (!model())
        return;
    for (int c = 0; c < model()->columnCount(); ++c) {
        setColumnHidden(c, c >= columns_);
        if (c < columns_)
            setColumnWidth(c, grid_->columnWidth(c));
    }
    horizontalHeader()->setFixedHeight(grid_->horizontalHeader()->height());
    verticalHeader()->setDefaultSectionSize(grid_->verticalHeader()->defaultSectionSize());
    const int f = grid_->frameWidth();
    setGeometry(f + grid_->verticalHeader()->width(), f, frozenWidth() + 1,
                grid_->horizontalHeader()->height() + grid_->viewport()->height());
    verticalScrollBar()->setValue(grid_->verticalScrollBar()->value());
    setVisible(grid_->horizontalScrollBar()->value() > 0);
    raise();
}

bool FrozenColumnView::eventFilter(QObject* o, QEvent* e)
{
    if (o == grid_) {
        if (e->type() == QEvent::Resize || e->type() == QEvent::Show)
            follow();
        return false;
    }
    switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove: {
        // The grid acts on the click: its first columns come back into view under the mouse.
        auto* m = static_cast<QMouseEvent*>(e);
        auto* from = static_cast<QWidget*>(o);
        if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick)
            grid_->horizontalScrollBar()->setValue(0);
        QWidget* to = o == viewport() ? grid_->viewport() : grid_->horizontalHeader()->viewport();
        const QPointF at = to->mapFromGlobal(from->mapToGlobal(m->position()));
        QMouseEvent copy(m->type(), at, from->mapToGlobal(m->position()), m->button(), m->buttons(), m->modifiers());
        QApplication::sendEvent(to, &copy);
        return true;
    }
    case QEvent::Wheel:
        QApplication::sendEvent(grid_->viewport(), e);
        return true;
    default:
        return false;
    }
}

} // namespace zemtar::ui
