#include "CNavigatorBar.h"

#include "AppGlobals.h"
#include "Legibility.h"

#include <QCursor>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

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
    title_ = title;
    title->setObjectName(QStringLiteral("navigatorHeader"));
    auto* column = new QVBoxLayout(title);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* hl = new QHBoxLayout;
    hl->setContentsMargins(8, 3, 5, 3);
    column->addLayout(hl, 1);
    header_ = new QLabel(company, title);
    hl->addWidget(header_, 1);
    auto* close = new QToolButton(title);
    close_ = close;
    close->setObjectName(QStringLiteral("navigatorClose"));
    close->setAutoRaise(true);
    close->setIconSize(QSize(16, 16));
    close->setToolTip(tr("Close"));
    close->setAccessibleName(tr("Close the navigator"));
    connect(close, &QToolButton::clicked, this, &QWidget::hide);
    hl->addWidget(close);
    // The line under the header, in the palette's own shades (no style sheet, which would
    // keep the header's colours from following a change of palette).
    auto* line = new QFrame(title);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    column->addWidget(line);
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
    followFont();
    followPalette();

    // The item acted on is the one under the pointer, not the new selection; afterwards the
    // root is selected again so that the same category can be chosen twice in a row.
    connect(tree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        if (current == root_ || !current)
            return;
        choose(tree_->itemAt(tree_->viewport()->mapFromGlobal(QCursor::pos())));
    });
}

int CNavigatorBar::initialWidth() const
{
    int widest = 0;
    for (int i = 0; i < root_->childCount(); ++i)
        widest = std::max(widest, tree_->fontMetrics().horizontalAdvance(root_->child(i)->text(0)));
    // Two levels of indentation, the tree's frame and a little air.
    const int need = widest + 2 * tree_->indentation() + 2 * tree_->frameWidth() + 16;
    return std::max(kInitialWidth, need);
}

void CNavigatorBar::followFont()
{
    // The header's text in Times New Roman, 12 pixels high at the least and as large as the
    // desktop's font; the bar grows with it.
    QFont f = font();
    const int pixels = std::max(12, QFontInfo(f).pixelSize());
    f.setFamily(QStringLiteral("Times New Roman"));
    f.setPixelSize(pixels);
    header_->setFont(f);
    title_->setFixedHeight(std::max(22, QFontMetrics(f).height() + 6) + 6);
}

void CNavigatorBar::followPalette()
{
    // The close mark in the header's own text colour, so that it shows on a dark desktop too.
    close_->setIcon(tintedIcon(QStringLiteral(":/icons/close.png"), palette().color(QPalette::WindowText)));
}

void CNavigatorBar::changeEvent(QEvent* e)
{
    QDockWidget::changeEvent(e);
    switch (e->type()) {
    case QEvent::FontChange:
    case QEvent::ApplicationFontChange:
        followFont();
        break;
    case QEvent::PaletteChange:
    case QEvent::ApplicationPaletteChange:
        followPalette();
        break;
    default:
        break;
    }
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
