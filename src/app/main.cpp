// zemtar: the radio programming application.
#include "CZemtarApp.h"
#include "shell/ui/AppGlobals.h"

#include <QApplication>
#include <QMessageBox>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv)
{
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN); // a file-size limit fails the save with its reason
#endif
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    bool platformGiven = std::getenv("QT_QPA_PLATFORM") != nullptr;
    for (int i = 1; i < argc; ++i)
        platformGiven = platformGiven || std::strcmp(argv[i], "-platform") == 0;
    if (!platformGiven && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
        std::fputs("zemtar: no display to show the window on.\n"
                   "Run it from a desktop session, or on a machine without a screen under a virtual one:\n"
                   "  xvfb-run -a -s \"-screen 0 1280x800x24\" zemtar\n"
                   "The command-line tool zemtar-cli needs no display.\n",
                   stderr);
        return 2;
    }
#endif
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zemtar"));
    int status = 1;
    {
        zemtar::ui::CZemtarApp zemtarApp;
        if (zemtarApp.InitInstance(app.arguments(), QCoreApplication::applicationDirPath()))
            status = app.exec();
    }
    // Setup.ini is written back when it changed (a new language, say); a failure is said.
    if (!zemtar::ui::g().setupIni.Save(false))
        QMessageBox::warning(
            nullptr, QStringLiteral("Zemtar"),
            QStringLiteral("The settings could not be saved: %1").arg(zemtar::ui::g().setupIni.errorText()));
    zemtar::ui::resetGlobals();
    return status;
}
