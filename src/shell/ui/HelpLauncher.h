#pragma once
#include <QList>
#include <QString>

#include <utility>

class QTextBrowser;
class QWidget;

namespace zemtar::ui {

// Help: the user guide of the current language ("guide/English.html" or "guide/Chinese.html"
// beside the program) in a help window of the program, at the section of a help context.
namespace help {

struct Request {
    QString file;
    int context = -1; // -1: the default topic
    QString section;  // the guide's anchor shown
    bool opened = false;
};

// The guide's section for a help context in a window (by its object name): the contexts the
// dialogs and the channel table give (control identifiers, the fixed numbers of the table,
// the settings fields' own) are looked up in the window that gives them; for a context the
// window does not name, the window's own section.
QString sectionFor(const QString& windowName, int context);
// The (window, context) pairs the table names for a window.
QList<std::pair<QString, int>> contextsOf(const QString& windowName);

// Opens the guide at the section of `context` in the window of `from` (the active window
// when `from` is nullptr).
void show(const QWidget* from, int context);
void showTopics();
// The last request, for tests.
Request lastRequest();
// The help window's browser, or nullptr before one was opened.
QTextBrowser* browser();

} // namespace help
} // namespace zemtar::ui
