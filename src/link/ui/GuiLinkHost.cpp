#include "GuiLinkHost.h"

#include "shell/Messages.h"
#include "shell/ui/AppGlobals.h"
#include "shell/ui/MessageBox.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <algorithm>

namespace zemtar::ui {

bool GuiLinkHost::poll()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    return cancelled && cancelled();
}

void GuiLinkHost::sleepMs(int ms)
{
    // The protocol's short waits stay exact. The long ones (700 and 1000 ms of the power
    // adjustment) keep the window painting: only events that are not the user's are handled
    // meanwhile, so no click or scroll runs inside an exchange.
    if (ms < kPaintingSleepMs) {
        QThread::msleep(unsigned(ms));
        return;
    }
    QElapsedTimer timer;
    timer.start();
    for (qint64 left = ms; left > 0; left = ms - timer.elapsed()) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(unsigned(std::min<qint64>(left, 10)));
    }
}

LinkHost::Answer GuiLinkHost::ask(const QString& text, Caption caption, Buttons buttons, Icon icon)
{
    QMessageBox::StandardButtons b = QMessageBox::Ok;
    if (buttons == Buttons::OkCancel)
        b = QMessageBox::Ok | QMessageBox::Cancel;
    else if (buttons == Buttons::RetryCancel)
        b = QMessageBox::Retry | QMessageBox::Cancel;
    const QMessageBox::Icon i = icon == Icon::Stop      ? QMessageBox::Critical
                                : icon == Icon::Warning ? QMessageBox::Warning
                                                        : QMessageBox::Information;
    const QMessageBox::StandardButton r =
        caption == Caption::Caution ? messageBox(parent_, text, msg::text(msg::CautionTitle, g().lang()), b, i)
                                    : appMessage(parent_, text, b, i);
    return r == QMessageBox::Retry ? Answer::Retry : r == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
}

} // namespace zemtar::ui
