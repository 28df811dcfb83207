#pragma once
// Keys as a fast typist's keyboard delivers them: all queued on the window at once, each one
// going to whichever widget has the focus when its turn comes, and nothing else (no timer,
// no queued call) handled between them. "\r" is Return; "\n" is the line feed key that X
// delivers for a line break typed by a tool (xdotool type, a scanner); "\t" is Tab and
// "\x1b" Escape.
#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

namespace zemtar::ui::uitest {

inline void postKey(QWidget* window, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = {})
{
    QWindow* w = window->window()->windowHandle();
    QCoreApplication::postEvent(w, new QKeyEvent(QEvent::KeyPress, key, mods, text));
    QCoreApplication::postEvent(w, new QKeyEvent(QEvent::KeyRelease, key, mods, text));
}

inline void postKeys(QWidget* window, const QString& keys)
{
    for (const QChar c : keys) {
        const char16_t u = c.unicode();
        if (u == u'\r')
            postKey(window, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        else if (u == u'\n')
            postKey(window, Qt::Key(0x0a), Qt::NoModifier, QStringLiteral("\n"));
        else if (u == u'\t')
            postKey(window, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
        else if (u == 0x1b)
            postKey(window, Qt::Key_Escape, Qt::NoModifier, QString(c));
        else if (u >= u'a' && u <= u'z')
            postKey(window, Qt::Key(Qt::Key_A + (u - u'a')), Qt::NoModifier, QString(c));
        else if (u >= u'A' && u <= u'Z')
            postKey(window, Qt::Key(Qt::Key_A + (u - u'A')), Qt::ShiftModifier, QString(c));
        else if (u < 0x80)
            postKey(window, Qt::Key(u), Qt::NoModifier, QString(c)); // digits and signs: the key is the code
        else
            postKey(window, Qt::Key_unknown, Qt::NoModifier, QString(c));
    }
}

// Lets the queued keys (and what they cause) be handled.
inline void deliverKeys()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

} // namespace zemtar::ui::uitest
