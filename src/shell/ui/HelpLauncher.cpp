#include "HelpLauncher.h"

#include "AppGlobals.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace zemtar::ui::help {

namespace {
Request& last()
{
    static Request r;
    return r;
}

void open(int context)
{
    const QString file = g().appFile(g().helpFile);
    Request r{file, context, false};
    const QString pages = QFileInfo(file).path() + QLatin1Char('/') + QFileInfo(file).completeBaseName();
    const QString page = pages + QStringLiteral("/%1.html").arg(context < 0 ? 0 : context);
    if (QFileInfo::exists(page))
        r.opened = QDesktopServices::openUrl(QUrl::fromLocalFile(page));
    else if (QFileInfo::exists(file))
        r.opened = QDesktopServices::openUrl(QUrl::fromLocalFile(file));
    last() = r;
}
} // namespace

void show(int context) { open(context); }
void showTopics() { open(-1); }
Request lastRequest() { return last(); }

} // namespace zemtar::ui::help
