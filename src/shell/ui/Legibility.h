#pragma once
// Colours, sizes and places that follow the desktop: text colours that stay readable on the
// palette in use (light or dark), icons drawn in the palette's text colour, and windows that
// fit the screen they open on.
#include <QColor>
#include <QIcon>
#include <QPalette>
#include <QScrollArea>

namespace zemtar::ui {

// The contrast text needs against its background to be read comfortably.
inline constexpr double kMinContrast = 4.5;

// Relative luminance of a colour as a screen shows it (0 black, 1 white).
double luminance(const QColor& c);
// Contrast ratio of two colours, 1 (none) to 21 (black on white).
double contrast(const QColor& a, const QColor& b);

// A text colour for `background`: `wanted` itself where it reads well there (the radio's own
// blue on a light desktop); otherwise the palette's link colour, lightened or darkened until
// it reads, so that a dark desktop gets a light colour of its own.
QColor legibleOn(const QColor& wanted, const QColor& background, const QPalette& palette);

// The icon at `path` drawn in `colour` (its shape kept), so that it shows on the palette's
// background whether that is light or dark.
QIcon tintedIcon(const QString& path, const QColor& colour);

// A scroll area around a window's body that asks for the body's whole size and scrolls once
// the window has been made smaller than that (a small or scaled screen).
class BodyScrollArea : public QScrollArea {
public:
    explicit BodyScrollArea(QWidget* body, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
};

// Puts a window's body (all of its top-to-bottom layout but a closing row of buttons) into a
// BodyScrollArea; nothing for a window without such a layout or already scrolling.
void scrollBody(QWidget* window);

// Makes a top-level window no larger than the available area of the screen it opens on (of
// its parent's screen before it is shown) and moves it inside that area; a body that cannot
// shrink that far scrolls.
void fitToScreen(QWidget* window);

} // namespace zemtar::ui

namespace zemtar::ui {

// Fits every top-level window of the application to its screen as it is shown (installed on
// the application once).
void fitWindowsToScreens();

} // namespace zemtar::ui
