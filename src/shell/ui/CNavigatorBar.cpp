#include "CNavigatorBar.h"

#include "AppGlobals.h"

#include <QCursor>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QToolButton>
#include <QTreeWidget>

namespace zemtar::ui {

QStringList CNavigatorBar::categoryTexts(bool chinese)
{
    if (chinese)
        return {QString::fromUtf8("类型设置"), QString::fromUtf8("信道信息"), QString::fromUtf8("可选功能"),
                QStringLiteral("DTMF"),        QStringLiteral("MSK"),         QStringLiteral("2-Tone"),
                QString::fromUtf8("侧键设定")};
    return {QStringLiteral("Product Information"),
            QStringLiteral("Channel Information"),
            QStringLiteral("Optional Features"),
            QStringLiteral("DTMF"),
            QStringLiteral("MSK"),
            QStringLiteral("2-Tone"),
            QStringLiteral("Key Assignment")};
}

CNavigatorBar::CNavigatorBar(QWidget* parent) : QDockWidget(parent)
{
    setObjectName(QStringLiteral("navigatorBar"));
    // The title a screen reader names the bar with (its own header shows the company).
    setWindowTitle(tr("IE Control Bar"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea | Qt::TopDockWidgetArea |
                    Qt::BottomDockWidgetArea);
    const QString company = g().languageValue(QStringLiteral("company"));

    // Header: the company name and a close button.
    auto* title = new QWidget(this);
    title->setObjectName(QStringLiteral("navigatorHeader"));
    title->setFixedHeight(22 + 6);
    auto* hl = new QHBoxLayout(title);
    hl->setContentsMargins(8, 3, 5, 3);
    header_ = new QLabel(company, title);
    QFont f(QStringLiteral("Times New Roman"));
    f.setPixelSize(12);
    header_->setFont(f);
    hl->addWidget(header_, 1);
    auto* close = new QToolButton(title);
    close->setObjectName(QStringLiteral("navigatorClose"));
    close->setAutoRaise(true);
    close->setIcon(QIcon(QStringLiteral(":/icons/close.png")));
    close->setIconSize(QSize(16, 16));
    close->setToolTip(tr("Close"));
    close->setAccessibleName(tr("Close the navigator"));
    connect(close, &QToolButton::clicked, this, &QWidget::hide);
    hl->addWidget(close);
    title->setStyleSheet(QStringLiteral("#navigatorHeader { border-bottom: 1px solid palette(mid); }"));
    setTitleBarWidget(title);

    tree_ = new QTreeWidget(this);
    tree_->setObjectName(QStringLiteral("navigatorTree"));
    tree_->setAccessibleName(tr("Settings of the radio"));
    tree_->header()->hide();
    tree_->setRootIsDecorated(true);
    tree_->setIconSize(QSize(18, 18));
    root_ = new QTreeWidgetItem(tree_, {company});
    root_->setIcon(0, QIcon(QStringLiteral(":/icons/navigator.png")));
    for (const QString& t : categoryTexts(g().chinese))
        new QTreeWidgetItem(root_, {t});
    tree_->expandAll();
    setWidget(tree_);
    setMinimumWidth(kMinWidth);

    // The item acted on is the one under the pointer, not the new selection; afterwards the
    // root is selected again so that the same category can be chosen twice in a row.
    connect(tree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        if (current == root_ || !current)
            return;
        choose(tree_->itemAt(tree_->viewport()->mapFromGlobal(QCursor::pos())));
    });
}

void CNavigatorBar::choose(QTreeWidgetItem* item)
{
    const int index = item && item->parent() == root_ && !item->isDisabled()
                          ? int(categoryTexts(g().chinese).indexOf(item->text(0)))
                          : -1;
    {
        const QSignalBlocker block(tree_);
        tree_->setCurrentItem(root_);
    }
    if (index >= 0)
        emit categoryChosen(index);
}

void CNavigatorBar::setEnabledCategory(Category c, bool on)
{
    if (QTreeWidgetItem* it = root_->child(int(c)))
        it->setDisabled(!on);
}

void CNavigatorBar::limitWidth(int frameClientWidth) { setMaximumWidth(std::max(kMinWidth, frameClientWidth / 2)); }

} // namespace zemtar::ui
