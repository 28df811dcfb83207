#include "HelpLauncher.h"

#include "AppGlobals.h"
#include "channels/ChannelEditModel.h"
#include "editors/Settings.h"
#include "editors/SettingsText.h"

#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <QHash>
#include <QMap>
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

// The window and the guide's section of each settings page (by the page's section in the
// settings text, which starts with one of these).
struct PageWindow {
    const char* page;
    const char* window;
    const char* section;
};
constexpr PageWindow kPageWindows[] = {
    {"DTMF", "dtmfDialog", "dtmf"},
    {"2-Tone", "twoToneDialog", "two-tone"},
    {"MSK", "mskDialog", "msk"},
    {"Optional Features", "optionalFeaturesDialog", "optional-features"},
    {"Key Assignment", "keyAssignDialog", "key-assignment"},
    {"Product Information", "productInfoDialog", "product-information"},
};

const PageWindow* windowOfPage(const QString& page)
{
    for (const PageWindow& p : kPageWindows)
        if (page.startsWith(QLatin1String(p.page)))
            return &p;
    return nullptr;
}

// (window, help context) -> section: the fixed numbers of the channel table and the
// dialogs, then every settings field's own context in the window that shows it. The same
// number means different things in different windows (the control identifiers of the
// original dialogs repeat), so a context is only ever looked up in its window.
using Key = std::pair<QString, int>;
const QMap<Key, QString>& contexts()
{
    static const QMap<Key, QString> table = [] {
        const QString main = QStringLiteral("mainFrame"), edit = QStringLiteral("channelEditDialog");
        QMap<Key, QString> t{
            {{main, 0x20000 + 128 - 0x10000}, QStringLiteral("main")},
            {{edit, ChannelEditModel::kHelpChannel}, QStringLiteral("channel-edit")},
            {{edit, ChannelEditModel::kHelpChoice}, QStringLiteral("channel-edit")},
            {{edit, ChannelEditModel::kHelpMskEntry}, QStringLiteral("channel-edit")},
            {{edit, ChannelEditModel::kHelpTwoToneEntry}, QStringLiteral("channel-edit")},
            {{QStringLiteral("comSetupDialog"), 32777}, QStringLiteral("com-setup")},
            {{QStringLiteral("languageDialog"), 32799}, QStringLiteral("language")},
            {{QStringLiteral("productInfoDialog"), editors::pi::kHighEdgeHelp}, QStringLiteral("product-information")},
        };
        for (const ColumnInfo& c : columns::kColumns)
            if (c.help > 0)
                t.insert({main, c.help}, QStringLiteral("channels"));
        for (const fields::Page& page : editors::settingsPages({}))
            for (int i = 0; i < page.size(); ++i) {
                const fields::Field& f = page.field(i);
                if (const PageWindow* w = windowOfPage(f.section); w && f.help > 0)
                    t.insert({QString::fromLatin1(w->window), f.help}, QString::fromLatin1(w->section));
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

QString sectionFor(const QString& windowName, int context)
{
    if (const auto it = contexts().find({windowName, context}); it != contexts().end() && context != 0)
        return *it;
    return windows().value(windowName, QStringLiteral("start"));
}

QList<std::pair<QString, int>> contextsOf(const QString& windowName)
{
    QList<std::pair<QString, int>> out;
    for (auto it = contexts().begin(); it != contexts().end(); ++it)
        if (it.key().first == windowName)
            out << it.key();
    return out;
}

void show(const QWidget* from, int context)
{
    const QWidget* w = from ? from->window() : nullptr;
    open(context, sectionFor(w ? w->objectName() : activeWindowName(), context));
}
void showTopics() { open(-1, QStringLiteral("start")); }
Request lastRequest() { return last(); }
QTextBrowser* browser() { return window() ? guideBrowser() : nullptr; }

} // namespace zemtar::ui::help
