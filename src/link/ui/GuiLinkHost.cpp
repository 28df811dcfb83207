#include "GuiLinkHost.h"

#include "shell/Messages.h"
#include "shell/ui/AppGlobals.h"
#include "shell/ui/MessageBox.h"

#include <QCoreApplication>
#include <QThread>

namespace zemtar::ui {

bool GuiLinkHost::poll()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    return cancelled && cancelled();
}

void GuiLinkHost::sleepMs(int ms) { QThread::msleep(unsigned(ms)); }

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
