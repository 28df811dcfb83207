#pragma once
#include <QString>

class QTextBrowser;

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

// The guide's section for a help context: the contexts the dialogs and the channel table
// give (control identifiers, the fixed numbers of the table, the settings fields' own), and,
// for a context no table names, the section of the window that asked (by its object name).
QString sectionFor(int context, const QString& windowName = {});

void show(int context);
void showTopics();
// The last request, for tests.
Request lastRequest();
// The help window's browser, or nullptr before one was opened.
QTextBrowser* browser();

} // namespace help
} // namespace zemtar::ui
