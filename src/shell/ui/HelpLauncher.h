#pragma once
#include <QString>

namespace zemtar::ui {

// Opens the help file of the current language, beside the program, at a context number.
// A help folder named like the file ("enHelp/2127.html") opens at that page; otherwise the
// help file itself opens through the desktop's handler. Without a help file nothing happens.
namespace help {

struct Request {
    QString file;
    int context = -1; // -1: the default topic
    bool opened = false;
};

void show(int context);
void showTopics();
// The last request, for tests.
Request lastRequest();

} // namespace help
} // namespace zemtar::ui
