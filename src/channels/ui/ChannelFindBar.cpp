#include "ChannelFindBar.h"

#include "CZemtarView.h"
#include "channels/ChannelFind.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

namespace zemtar::ui {

ChannelFindBar::ChannelFindBar(CZemtarView* view) : QWidget(view), view_(view), edit_(new QLineEdit(this))
{
    setObjectName(QStringLiteral("findBar"));
    edit_->setObjectName(QStringLiteral("findEdit"));
    edit_->setPlaceholderText(tr("Name, frequency or tone"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(new QLabel(tr("Find:"), this));
    layout->addWidget(edit_, 1);
    auto* next = new QPushButton(tr("Next"), this);
    next->setAutoDefault(false);
    layout->addWidget(next);
    auto* close = new QPushButton(tr("Close"), this);
    close->setAutoDefault(false);
    layout->addWidget(close);
    connect(next, &QPushButton::clicked, this, &ChannelFindBar::findNext);
    connect(close, &QPushButton::clicked, this, [this] {
        hide();
        view_->grid()->setFocus();
    });
    connect(edit_, &QLineEdit::returnPressed, this, &ChannelFindBar::findNext);
    edit_->installEventFilter(this);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), view, nullptr, nullptr, Qt::WidgetWithChildrenShortcut),
            &QShortcut::activated, this, &ChannelFindBar::open);
    connect(new QShortcut(QKeySequence(Qt::Key_F3), view, nullptr, nullptr, Qt::WidgetWithChildrenShortcut),
            &QShortcut::activated, this, [this] {
                if (edit_->text().trimmed().isEmpty())
                    open();
                else
                    findNext();
            });
    hide();
}

void ChannelFindBar::open()
{
    view_->commitEditor();
    show();
    edit_->setFocus(Qt::ShortcutFocusReason);
    edit_->selectAll();
}

bool ChannelFindBar::findNext()
{
    const QString what = edit_->text();
    if (what.trimmed().isEmpty())
        return false;
    if (!view_->commitEditor())
        return false;
    const int row = channelfind::next(view_->table(), what, int(view_->grid()->GetRow()));
    if (row == 0) {
        emit view_->statusText(tr("No channel has \"%1\" in its name, frequencies or tones.").arg(what.trimmed()));
        return false;
    }
    view_->grid()->selectRows(row, false);
    view_->grid()->scrollTo(view_->grid()->model()->index(row - 1, 0));
    emit view_->statusText(tr("Found channel %1.").arg(ChannelTable::rowLabel(row)));
    return true;
}

bool ChannelFindBar::eventFilter(QObject* o, QEvent* e)
{
    if (o == edit_ && e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
        hide();
        view_->grid()->setFocus();
        return true;
    }
    return QWidget::eventFilter(o, e);
}

} // namespace zemtar::ui
