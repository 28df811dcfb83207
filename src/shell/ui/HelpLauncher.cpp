#include "HelpLauncher.h"

#include "AppGlobals.h"
#include "editors/SettingsText.h"

#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <QHash>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace zemtar::ui::help {

namespace {

Request& last()
{
    static Request r;
    return r;
}

// The guide's section of each settings page (by the page's section in the settings text).
QString sectionOfPage(const QString& page)
{
    if (page.startsWith(QStringLiteral("DTMF")))
        return QStringLiteral("dtmf");
    if (page.startsWith(QStringLiteral("2-Tone")))
        return QStringLiteral("two-tone");
    if (page.startsWith(QStringLiteral("MSK")))
        return QStringLiteral("msk");
    if (page == QStringLiteral("Optional Features"))
        return QStringLiteral("optional-features");
    if (page == QStringLiteral("Key Assignment"))
        return QStringLiteral("key-assignment");
    if (page == QStringLiteral("Product Information"))
        return QStringLiteral("product-information");
    return {};
}

// Help contexts -> sections: the fixed numbers, then every settings field's own context.
const QHash<int, QString>& contexts()
{
    static const QHash<int, QString> table = [] {
        QHash<int, QString> t{
            {2127, QStringLiteral("channels")},        {2128, QStringLiteral("channels")},
            {2132, QStringLiteral("channels")},        {2133, QStringLiteral("channels")},
            {2025, QStringLiteral("channel-edit")},    {2026, QStringLiteral("channel-edit")},
            {32777, QStringLiteral("com-setup")},      {32799, QStringLiteral("language")},
            {32800, QStringLiteral("key-assignment")}, {0x20000 + 128 - 0x10000, QStringLiteral("main")},
        };
        for (const fields::Page& page : editors::settingsPages({}))
            for (int i = 0; i < page.size(); ++i) {
                const fields::Field& f = page.field(i);
                const QString section = sectionOfPage(f.section);
                if (f.help > 0 && !t.contains(f.help) && !section.isEmpty())
                    t.insert(f.help, section);
            }
        return t;
    }();
    return table;
}

// Windows -> sections, for a context no table names (F1 on a button, say).
const QHash<QString, QString>& windows()
{
    static const QHash<QString, QString> table{
        {QStringLiteral("mainFrame"), QStringLiteral("main")},
        {QStringLiteral("channelEditDialog"), QStringLiteral("channel-edit")},
        {QStringLiteral("productInfoDialog"), QStringLiteral("product-information")},
        {QStringLiteral("optionalFeaturesDialog"), QStringLiteral("optional-features")},
        {QStringLiteral("dtmfDialog"), QStringLiteral("dtmf")},
        {QStringLiteral("twoToneDialog"), QStringLiteral("two-tone")},
        {QStringLiteral("mskDialog"), QStringLiteral("msk")},
        {QStringLiteral("keyAssignDialog"), QStringLiteral("key-assignment")},
        {QStringLiteral("processDialog"), QStringLiteral("read-write")},
        {QStringLiteral("verifyDialog"), QStringLiteral("verify")},
        {QStringLiteral("highPowerDialog"), QStringLiteral("power")},
        {QStringLiteral("lowPowerDialog"), QStringLiteral("power")},
        {QStringLiteral("comSetupDialog"), QStringLiteral("com-setup")},
        {QStringLiteral("fleetDialog"), QStringLiteral("fleet")},
        {QStringLiteral("printListDialog"), QStringLiteral("print")},
        {QStringLiteral("printDialog"), QStringLiteral("print")},
        {QStringLiteral("languageDialog"), QStringLiteral("language")},
        {QStringLiteral("aboutDialog"), QStringLiteral("start")},
    };
    return table;
}

QPointer<QDialog>& window()
{
    static QPointer<QDialog> w;
    return w;
}

QTextBrowser* guideBrowser()
{
    if (!window()) {
        auto* dlg = new QDialog(nullptr, Qt::Window);
        dlg->setObjectName(QStringLiteral("helpWindow"));
        dlg->setAttribute(Qt::WA_DeleteOnClose, false);
        auto* b = new QTextBrowser(dlg);
        b->setObjectName(QStringLiteral("guide"));
        b->setOpenExternalLinks(true);
        auto* layout = new QVBoxLayout(dlg);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(b);
        dlg->resize(760, 640);
        window() = dlg;
    }
    return window()->findChild<QTextBrowser*>(QStringLiteral("guide"));
}

void open(int context, const QString& section)
{
    const QString file =
        g().appFile(QStringLiteral("guide/") + (g().chinese ? QStringLiteral("Chinese") : QStringLiteral("English")) +
                    QStringLiteral(".html"));
    Request r{file, context, section, false};
    if (QFileInfo::exists(file)) {
        QTextBrowser* b = guideBrowser();
        // A window a modal dialog does not block: one of the dialog's own.
        QWidget* owner = QApplication::activeModalWidget();
        if (owner == window())
            owner = window()->parentWidget();
        if (window()->parentWidget() != owner) {
            window()->setParent(owner, Qt::Window);
            window()->resize(760, 640);
        }
        window()->setWindowTitle(g().chinese ? QString::fromUtf8("帮助") : QStringLiteral("Help"));
        QUrl url = QUrl::fromLocalFile(file);
        url.setFragment(section);
        if (b->source().adjusted(QUrl::RemoveFragment) != url.adjusted(QUrl::RemoveFragment))
            b->setSource(url);
        b->scrollToAnchor(section);
        window()->show();
        window()->raise();
        window()->activateWindow();
        r.opened = true;
    }
    last() = r;
}

QString activeWindowName()
{
    if (QWidget* w = QApplication::activeModalWidget())
        return w->objectName();
    if (QWidget* w = QApplication::activeWindow())
        return w->objectName();
    return {};
}

} // namespace

QString sectionFor(int context, const QString& windowName)
{
    if (const auto it = contexts().find(context); it != contexts().end() && context != 0)
        return *it;
    return windows().value(windowName, QStringLiteral("start"));
}

void show(int context) { open(context, sectionFor(context, activeWindowName())); }
void showTopics() { open(-1, QStringLiteral("start")); }
Request lastRequest() { return last(); }
QTextBrowser* browser() { return window() ? guideBrowser() : nullptr; }

} // namespace zemtar::ui::help
