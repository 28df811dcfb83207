#include "Legibility.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace zemtar::ui {

namespace {

double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

QColor blend(const QColor& from, const QColor& to, double t)
{
    auto mix = [t](double a, double b) { return int(std::lround(a + (b - a) * t)); };
    return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()), mix(from.blue(), to.blue()));
}

} // namespace

double luminance(const QColor& c)
{
    const QColor rgb = c.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

double contrast(const QColor& a, const QColor& b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor legibleOn(const QColor& wanted, const QColor& background, const QPalette& palette)
{
    if (wanted.isValid() && contrast(wanted, background) >= kMinContrast)
        return wanted;
    QColor start = palette.color(QPalette::Link);
    if (!start.isValid())
        start = wanted;
    if (contrast(start, background) >= kMinContrast)
        return start;
    // Towards white on a dark background, towards black on a light one, in small steps, so
    // that the colour keeps as much of its hue as the contrast allows.
    const QColor towards =
        contrast(Qt::white, background) >= contrast(Qt::black, background) ? QColor(Qt::white) : QColor(Qt::black);
    for (int step = 1; step <= 20; ++step) {
        const QColor c = blend(start, towards, step / 20.0);
        if (contrast(c, background) >= kMinContrast)
            return c;
    }
    return towards;
}

QIcon tintedIcon(const QString& path, const QColor& colour)
{
    QPixmap shape(path);
    if (shape.isNull())
        return {};
    QPixmap out(shape.size());
    out.fill(Qt::transparent);
    QPainter p(&out);
    p.drawPixmap(0, 0, shape);
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    p.fillRect(out.rect(), colour);
    p.end();
    return QIcon(out);
}

BodyScrollArea::BodyScrollArea(QWidget* body, QWidget* parent) : QScrollArea(parent)
{
    setObjectName(QStringLiteral("bodyScroll"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setWidget(body);
    viewport()->setAutoFillBackground(false);
    body->setAutoFillBackground(false);
    verticalScrollBar()->setAccessibleName(QCoreApplication::translate("BodyScrollArea", "Scroll the window"));
    horizontalScrollBar()->setAccessibleName(
        QCoreApplication::translate("BodyScrollArea", "Scroll the window sideways"));
}

QSize BodyScrollArea::sizeHint() const
{
    if (!widget())
        return QScrollArea::sizeHint();
    const int f = 2 * frameWidth();
    return widget()->sizeHint().expandedTo(widget()->minimumSizeHint()) + QSize(f, f);
}

QSize BodyScrollArea::minimumSizeHint() const
{
    // Room for the scroll bars and a little of the body; the rest scrolls.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    return QSize(6 * bar, 4 * bar);
}

namespace {

// True for a row of buttons (a button box, or a layout of buttons and space) that closes or
// runs a window: it stays in view below a scrolling body.
bool isButtonRow(QLayoutItem* item)
{
    if (qobject_cast<QDialogButtonBox*>(item->widget()))
        return true;
    QLayout* row = item->layout();
    if (!row || row->count() == 0)
        return false;
    bool anyButton = false;
    for (int i = 0; i < row->count(); ++i) {
        QLayoutItem* it = row->itemAt(i);
        if (it->spacerItem())
            continue;
        if (!qobject_cast<QAbstractButton*>(it->widget()))
            return false;
        anyButton = true;
    }
    return anyButton;
}

} // namespace

void scrollBody(QWidget* window)
{
    auto* top = qobject_cast<QBoxLayout*>(window->layout());
    if (!top || top->direction() != QBoxLayout::TopToBottom || window->findChild<BodyScrollArea*>() ||
        top->count() == 0)
        return;
    const int keep = isButtonRow(top->itemAt(top->count() - 1)) ? 1 : 0;
    auto* body = new QWidget(window);
    auto* inner = new QVBoxLayout(body);
    inner->setContentsMargins(0, 0, 0, 0);
    inner->setSpacing(top->spacing());
    while (top->count() > keep) {
        const int stretch = top->stretch(0);
        QLayoutItem* item = top->takeAt(0);
        if (QWidget* w = item->widget()) {
            inner->addWidget(w, stretch, item->alignment());
            delete item;
        } else if (QLayout* l = item->layout()) {
            l->setParent(nullptr);
            inner->addLayout(l, stretch);
        } else {
            inner->addItem(item);
        }
    }
    top->insertWidget(0, new BodyScrollArea(body, window), 1);
    top->activate(); // the window's minimum size is the new layout's from now on
}

void fitToScreen(QWidget* window)
{
    if (!window)
        return;
    window = window->window();
    QScreen* screen = window->screen();
    if (!window->isVisible() && window->parentWidget())
        screen = window->parentWidget()->window()->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // The window manager's frame around the window: known once shown, a title bar's worth before.
    QMargins frame(0, 0, 0, 0);
    if (window->isVisible()) {
        const QRect outer = window->frameGeometry(), inner = window->geometry();
        frame = QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                         outer.bottom() - inner.bottom());
    }
    if (frame.isNull()) {
        const int title = window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window);
        frame = QMargins(4, title + 4, 4, 4);
    }
    const QSize room = area.size().shrunkBy(frame);
    if (window->minimumSizeHint().width() > room.width() || window->minimumSizeHint().height() > room.height())
        scrollBody(window);
    const QSize size = window->size().boundedTo(room);
    if (size != window->size())
        window->resize(size.expandedTo(window->minimumSize()));
    QRect g = window->frameGeometry();
    if (!window->isVisible())
        g = QRect(window->pos(), window->size() + QSize(frame.left() + frame.right(), frame.top() + frame.bottom()));
    const int x = std::clamp(g.left(), area.left(), std::max(area.left(), area.right() - g.width() + 1));
    const int y = std::clamp(g.top(), area.top(), std::max(area.top(), area.bottom() - g.height() + 1));
    if (window->isVisible() && (x != g.left() || y != g.top()))
        window->move(x, y);
}

} // namespace zemtar::ui

namespace zemtar::ui {

namespace {

class ScreenFitter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Show && o->isWidgetType()) {
            auto* w = static_cast<QWidget*>(o);
            const Qt::WindowType type = w->windowType();
            if (w->isWindow() && (type == Qt::Window || type == Qt::Dialog))
                fitToScreen(w);
        }
        return false;
    }
};

} // namespace

void fitWindowsToScreens()
{
    auto* app = QCoreApplication::instance();
    if (!app || app->findChild<ScreenFitter*>(QStringLiteral("screenFitter"), Qt::FindDirectChildrenOnly))
        return;
    auto* fitter = new ScreenFitter(app);
    fitter->setObjectName(QStringLiteral("screenFitter"));
    app->installEventFilter(fitter);
}

} // namespace zemtar::ui
