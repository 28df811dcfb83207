#include "CMainFrame.h"

#include "CChildFrame.h"
#include "CDocumentManager.h"
#include "channels/ui/CZemtarView.h"
#include "editors/ProductInfo.h"
#include "editors/ui/CDtmfDlg.h"
#include "editors/ui/CKeyAssignDlg.h"
#include "editors/ui/CMskDlg.h"
#include "editors/ui/COptionalFeaturesDlg.h"
#include "editors/ui/CProductInfoDlg.h"
#include "editors/ui/CTwoToneDlg.h"
#include "fleet/ui/CFleetDlg.h"
#include "link/ui/CLinkController.h"
#include "print/PainterCanvas.h"
#include "print/ui/CPrintListDlg.h"
#include "print/ui/PdfFile.h"
#include "shell/Messages.h"
#include "shell/ui/AppGlobals.h"
#include "shell/ui/CNavigatorBar.h"
#include "shell/ui/CZemtarDoc.h"
#include "shell/ui/Dialogs.h"
#include "shell/ui/HelpLauncher.h"
#include "shell/ui/MessageBox.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QUndoStack>
#include <QtGui/qevent.h>

namespace zemtar::ui {

// ------------------------------------------------------------------ background

CMdiClientBackground::CMdiClientBackground(QWidget* parent) : QMdiArea(parent)
{
    setBackground(QBrush(backgroundPixmap()));
}

QPixmap CMdiClientBackground::backgroundPixmap()
{
    QPixmap pm(g().appFile(QStringLiteral("background.bmp")));
    if (pm.isNull())
        pm.load(QStringLiteral(":/background.bmp"));
    return pm;
}

// ------------------------------------------------------------------ frame

namespace {
constexpr const char* kCaptionProperty = "mainCaption"; // a child window's part of the main caption
}

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("mainFrame"));
    setWindowTitle(QStringLiteral("Zemtar"));
    setAcceptDrops(true);
    documents_ = new CDocumentManager(this);
    documents_->showDocument = [this](CZemtarDoc* doc) { return createFrame(doc); };
    documents_->activeFrame = [this] { return activeChild(); };
    documents_->frames = [this] { return childFrames(); };
    connect(documents_, &CDocumentManager::recentFilesChanged, this, &CMainFrame::rebuildMenus);
    mdi_ = new CMdiClientBackground(this);
    mdi_->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(mdi_);
    createActions();
    createToolBar();
    createStatusBar();
    createWindowMenu();

    navigator_ = new CNavigatorBar(this);
    addDockWidget(Qt::LeftDockWidgetArea, navigator_);
    resizeDocks({navigator_}, {navigator_->initialWidth()}, Qt::Horizontal);
    connect(navigator_, &CNavigatorBar::categoryChosen, this, &CMainFrame::onCategory);
    connect(navigator_, &QDockWidget::visibilityChanged, this,
            [this](bool) { action(ID_CONTROL_BAR)->setChecked(navigator_->isVisible()); });
    connect(mdi_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* w) {
        if (auto* f = qobject_cast<CChildFrame*>(w))
            lastActive_ = f;
        updateMainCaption();
        rebuildMenus();
        refreshStatus();
    });
    connect(documents_, &CDocumentManager::result, this, &CMainFrame::showResult);
    rebuildMenus();
}

CMainFrame::~CMainFrame()
{
    // Windows going away while the frame is torn down must not rebuild its menus.
    disconnect(mdi_, nullptr, this, nullptr);
    disconnect(navigator_, nullptr, this, nullptr);
    disconnect(QGuiApplication::clipboard(), nullptr, this, nullptr);
    for (CChildFrame* f : childFrames()) {
        disconnect(f, nullptr, this, nullptr);
        disconnect(f->view()->undoStack(), nullptr, this, nullptr);
    }
}

void CMainFrame::createActions()
{
    // The command table: every menu item, accelerator and toolbar button, when it is enabled
    // and what it does. A new editor is one row here plus its command id, its place in the
    // menus, its navigator category (when it has one) and its help window (CONTRIBUTING.md).
    using W = CommandRow::When;
    auto view = [this](void (CZemtarView::*f)()) {
        return [this, f] {
            if (CZemtarView* v = activeView())
                (v->*f)();
        };
    };
    auto link = [this](auto f) {
        return [this, f] {
            if (CChildFrame* c = activeChild())
                f(c->link());
        };
    };
    auto editor = [this](const char* what, auto makeDialog) {
        return [this, what, makeDialog] { editDocument(tr(what), makeDialog); };
    };
    commands_ = {
        {ID_FILE_NEW,
         QT_TR_NOOP("&New"),
         {QKeySequence(Qt::CTRL | Qt::Key_N)},
         "new",
         W::Always,
         [this] { documents_->fileNew(); }},
        {ID_FILE_OPEN,
         QT_TR_NOOP("&Open..."),
         {QKeySequence(Qt::CTRL | Qt::Key_O)},
         "open",
         W::Always,
         [this] { documents_->fileOpen(); }},
        {ID_FILE_CLOSE,
         QT_TR_NOOP("&Close"),
         {},
         nullptr,
         W::Document,
         [this] {
             if (CChildFrame* f = activeChild())
                 f->close();
         }},
        {ID_FILE_SAVE,
         QT_TR_NOOP("&Save"),
         {QKeySequence(Qt::CTRL | Qt::Key_S)},
         "save",
         W::Document,
         [this] {
             if (CChildFrame* f = activeChild())
                 documents_->saveDocument(f, false);
         }},
        {ID_FILE_SAVE_AS,
         QT_TR_NOOP("Save &As..."),
         {},
         nullptr,
         W::Document,
         [this] {
             if (CChildFrame* f = activeChild())
                 documents_->saveDocument(f, true);
         }},
        {ID_FILE_PRINT,
         QT_TR_NOOP("&Print..."),
         {QKeySequence(Qt::CTRL | Qt::Key_P)},
         "print",
         W::Document,
         [this] { onPrint(false); }},
        {ID_FILE_PRINT_PREVIEW, QT_TR_NOOP("Print Pre&view"), {}, "preview", W::Document, [this] { onPrint(true); }},
        {ID_FILE_PRINT_SETUP, QT_TR_NOOP("P&rint Setup..."), {}, nullptr, W::Always, [this] { onPrintSetup(); }},
        {ID_APP_EXIT, QT_TR_NOOP("E&xit"), {}, nullptr, W::Always, [this] { close(); }},
        {ID_PRODUCT_INFO, QT_TR_NOOP("Product Inform&ation"), {}, nullptr, W::Document, [this] { onProductInfo(); }},
        {ID_CHANNEL_INFO, QT_TR_NOOP("C&hannel Information"), {}, nullptr, W::Document, [this] { onChannelInfo(); }},
        {ID_OPTIONAL_FEATURES,
         QT_TR_NOOP("Optional F&eatures"),
         {},
         nullptr,
         W::Document,
         editor(QT_TR_NOOP("Optional Features"),
                [](RadioImage& img, QWidget* parent) { COptionalFeaturesDlg(img, g().lang(), parent).exec(); })},
        {ID_DTMF,
         QT_TR_NOOP("DT&MF"),
         {},
         nullptr,
         W::Document,
         editor(QT_TR_NOOP("DTMF"),
                [](RadioImage& img, QWidget* parent) { CDtmfDlg(img, g().lang(), parent).exec(); })},
        {ID_MSK,
         QT_TR_NOOP("M&SK"),
         {},
         nullptr,
         W::Document,
         editor(QT_TR_NOOP("MSK"), [](RadioImage& img, QWidget* parent) { CMskDlg(img, g().lang(), parent).exec(); })},
        {ID_TWO_TONE,
         QT_TR_NOOP("Two T&one"),
         {},
         nullptr,
         W::Document,
         editor(QT_TR_NOOP("Two Tone"),
                [](RadioImage& img, QWidget* parent) { CTwoToneDlg(img, g().lang(), parent).exec(); })},
        {ID_KEY_ASSIGN,
         QT_TR_NOOP("&Key Assignment"),
         {},
         nullptr,
         W::Document,
         editor(QT_TR_NOOP("Key Assignment"),
                [](RadioImage& img, QWidget* parent) { CKeyAssignDlg(img, g().lang(), parent).exec(); })},
        {ID_EDIT_UNDO,
         QT_TR_NOOP("&Undo"),
         {QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)},
         nullptr,
         W::Document,
         [this] {
             if (CZemtarView* v = activeView())
                 v->undoStack()->undo();
         }},
        {ID_EDIT_REDO,
         QT_TR_NOOP("&Redo"),
         {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
         nullptr,
         W::Document,
         [this] {
             if (CZemtarView* v = activeView())
                 v->undoStack()->redo();
         }},
        {ID_EDIT_CUT,
         QT_TR_NOOP("Cu&t"),
         {QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)},
         nullptr,
         W::Document,
         view(&CZemtarView::cutSelection)},
        {ID_EDIT_COPY,
         QT_TR_NOOP("&Copy"),
         {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)},
         nullptr,
         W::Document,
         view(&CZemtarView::copySelection)},
        {ID_EDIT_PASTE,
         QT_TR_NOOP("&Paste"),
         {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)},
         nullptr,
         W::Document,
         view(&CZemtarView::paste)},
        {ID_EDIT_DELETE,
         QT_TR_NOOP("&Delete Channels"),
         {},
         nullptr,
         W::Document,
         view(&CZemtarView::deleteSelectedRows)},
        {ID_INSERT_CHANNEL,
         QT_TR_NOOP("&Insert Channel"),
         {QKeySequence(Qt::CTRL | Qt::Key_I)},
         nullptr,
         W::Document,
         view(&CZemtarView::insertChannel)},
        {ID_DELETE_CLOSE_UP,
         QT_TR_NOOP("Delete and C&lose Up"),
         {},
         nullptr,
         W::Document,
         view(&CZemtarView::deleteAndCloseUp)},
        {ID_MOVE_UP,
         QT_TR_NOOP("Mo&ve Up"),
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Up)},
         nullptr,
         W::Document,
         view(&CZemtarView::moveSelectedUp)},
        {ID_MOVE_DOWN,
         QT_TR_NOOP("Move Do&wn"),
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Down)},
         nullptr,
         W::Document,
         view(&CZemtarView::moveSelectedDown)},
        {ID_SORT_FREQUENCY,
         QT_TR_NOOP("Sort by Receive &Frequency"),
         {},
         nullptr,
         W::Document,
         view(&CZemtarView::sortSelectedByFrequency)},
        {ID_SORT_NAME, QT_TR_NOOP("Sort b&y Name"), {}, nullptr, W::Document, view(&CZemtarView::sortSelectedByName)},
        {ID_IMPORT_CHANNELS,
         QT_TR_NOOP("&Import Channels..."),
         {},
         nullptr,
         W::Document,
         view(&CZemtarView::onImportChannels)},
        {ID_EXPORT_CHANNELS,
         QT_TR_NOOP("&Export Channels..."),
         {},
         nullptr,
         W::Document,
         view(&CZemtarView::onExportChannels)},
        {ID_COMPARE_WITH, QT_TR_NOOP("Co&mpare With..."), {}, nullptr, W::Document, view(&CZemtarView::onCompareWith)},
        {ID_CHANNEL_EDIT,
         QT_TR_NOOP("Cha&nnel Edit..."),
         {},
         nullptr,
         W::Document,
         view(&CZemtarView::openChannelEditHere)},
        {ID_READ,
         QT_TR_NOOP("&Read"),
         {QKeySequence(Qt::CTRL | Qt::Key_R)},
         "read",
         W::Document,
         link([](CLinkController* l) { l->OnRead(); })},
        {ID_WRITE,
         QT_TR_NOOP("&Write"),
         {QKeySequence(Qt::CTRL | Qt::Key_W)},
         "write",
         W::Document,
         link([](CLinkController* l) { l->OnWrite(); })},
        {ID_VERIFY, QT_TR_NOOP("&Verify"), {}, nullptr, W::Document, link([](CLinkController* l) { l->OnVerify(); })},
        {ID_FLEET, QT_TR_NOOP("Program &Many Radios..."), {}, nullptr, W::Document, [this] { onFleet(); }},
        {ID_HIGH_POWER, QT_TR_NOOP("&High Power Debug"), {}, nullptr, W::Document, link([](CLinkController* l) {
             l->OnPowerDebug(PowerCalibration::Kind::High);
         })},
        {ID_LOW_POWER, QT_TR_NOOP("&Low Power Debug"), {}, nullptr, W::Document, link([](CLinkController* l) {
             l->OnPowerDebug(PowerCalibration::Kind::Low);
         })},
        {ID_COM_SETUP, QT_TR_NOOP("&Com Setup"), {}, nullptr, W::Document, link([](CLinkController* l) {
             l->OnComSetup();
         })},
        {ID_LANGUAGE, QT_TR_NOOP("&Language"), {}, nullptr, W::Always, [this] { onLanguage(); }},
        {ID_VIEW_TOOLBAR,
         QT_TR_NOOP("&Toolbar"),
         {},
         nullptr,
         W::Always,
         [this] { toolBar_->setVisible(action(ID_VIEW_TOOLBAR)->isChecked()); }},
        {ID_VIEW_STATUS_BAR,
         QT_TR_NOOP("&Status Bar"),
         {},
         nullptr,
         W::Always,
         [this] { statusBar()->setVisible(action(ID_VIEW_STATUS_BAR)->isChecked()); }},
        {ID_CONTROL_BAR,
         QT_TR_NOOP("Control &Bar"),
         {QKeySequence(Qt::CTRL | Qt::Key_B)},
         "navigator",
         W::Always,
         [this] { navigator_->setVisible(!navigator_->isVisible()); }},
        {ID_HELP_TOPICS, QT_TR_NOOP("&Help Topics"), {}, "help", W::Always, [] { help::showTopics(); }},
        {ID_APP_ABOUT, QT_TR_NOOP("&About ..."), {}, "about", W::Always, [this] { onAbout(); }},
        {ID_NEXT_PANE,
         QT_TR_NOOP("Next Pane"),
         {QKeySequence(Qt::Key_F6)},
         nullptr,
         W::Always,
         [this] { cyclePane(true); }},
        {ID_PREV_PANE,
         QT_TR_NOOP("Previous Pane"),
         {QKeySequence(Qt::SHIFT | Qt::Key_F6)},
         nullptr,
         W::Always,
         [this] { cyclePane(false); }},
        // Ctrl+Tab (and Ctrl+F6, as in other programs with document windows) from any pane,
        // the table's editors included.
        {ID_NEXT_WINDOW,
         QT_TR_NOOP("Next Window"),
         {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_F6)},
         nullptr,
         W::Document,
         [this] { mdi_->activateNextSubWindow(); }},
        {ID_PREV_WINDOW,
         QT_TR_NOOP("Previous Window"),
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F6)},
         nullptr,
         W::Document,
         [this] { mdi_->activatePreviousSubWindow(); }},
        {ID_HELP,
         QT_TR_NOOP("Help"),
         {QKeySequence(Qt::Key_F1)},
         nullptr,
         W::Always,
         [this] { help::show(this, kMainHelpContext); }},
    };
    for (const CommandRow& d : commands_) {
        auto* a = new QAction(tr(d.text), this);
        a->setObjectName(QStringLiteral("command%1").arg(d.id));
        a->setData(d.id);
        a->setShortcuts(d.keys);
        a->setShortcutContext(Qt::WindowShortcut);
        a->setEnabled(d.when == W::Always);
        if (d.icon)
            a->setIcon(QIcon(QStringLiteral(":/icons/%1.png").arg(QLatin1String(d.icon))));
        const int id = d.id;
        connect(a, &QAction::triggered, this, [this, id] { runCommand(id); });
        actions_.insert(d.id, a);
        addAction(a); // accelerators work whichever menu is shown
    }
    for (int id : {int(ID_VIEW_TOOLBAR), int(ID_VIEW_STATUS_BAR), int(ID_CONTROL_BAR)}) {
        actions_[id]->setCheckable(true);
        actions_[id]->setChecked(true);
    }
    actions_[ID_CONTROL_BAR]->setIconVisibleInMenu(false); // the menu shows its check mark; the toolbar its icon
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &CMainFrame::updateEditActions);
    for (int i = 0; i < CDocumentManager::kRecentFiles; ++i) {
        auto* a = new QAction(this);
        connect(a, &QAction::triggered, this, [this, a] { documents_->openRecent(a->data().toString()); });
        recentActions_ << a;
    }
}

void CMainFrame::createToolBar()
{
    toolBar_ = addToolBar(tr("Toolbar"));
    toolBar_->setObjectName(QStringLiteral("toolBar"));
    toolBar_->setIconSize(QSize(24, 24));
    for (int id :
         {int(ID_FILE_NEW), int(ID_FILE_OPEN), int(ID_FILE_SAVE), 0, int(ID_READ), int(ID_WRITE), 0, int(ID_FILE_PRINT),
          int(ID_FILE_PRINT_PREVIEW), 0, int(ID_CONTROL_BAR), int(ID_HELP_TOPICS), int(ID_APP_ABOUT)}) {
        if (id == 0)
            toolBar_->addSeparator();
        else
            toolBar_->addAction(action(id));
    }
}

void CMainFrame::createStatusBar()
{
    message_ = new QLabel(tr("Ready"), this);
    message_->setObjectName(QStringLiteral("statusMessage"));
    statusBar()->addWidget(message_, 1);
    resultTimer_ = new QTimer(this);
    resultTimer_->setSingleShot(true);
    connect(resultTimer_, &QTimer::timeout, this, &CMainFrame::clearResult);
    // No Caps, Num and Scroll Lock indicators: Qt reads no lock key state on every desktop, and
    // an indicator that never changes tells the user something false.
}

void CMainFrame::rebuildMenus()
{
    documentMenu_ = !childFrames().isEmpty();
    QMenuBar* bar = menuBar();
    bar->clear();
    const QStringList recent = documents_->recentFiles();
    auto addRecent = [&](QMenu* m) {
        if (recent.isEmpty())
            return;
        for (int i = 0; i < CDocumentManager::kRecentFiles; ++i) {
            QAction* a = recentActions_[i];
            if (i < recent.size()) {
                a->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(recent[i]).fileName()));
                a->setData(recent[i]);
                a->setToolTip(recent[i]);
                m->addAction(a);
            }
        }
        m->addSeparator();
    };
    QMenu* file = bar->addMenu(tr("&File"));
    file->addAction(action(ID_FILE_NEW));
    file->addAction(action(ID_FILE_OPEN));
    if (documentMenu_) {
        file->addAction(action(ID_FILE_CLOSE));
        file->addAction(action(ID_FILE_SAVE));
        file->addAction(action(ID_FILE_SAVE_AS));
        file->addSeparator();
        file->addAction(action(ID_IMPORT_CHANNELS));
        file->addAction(action(ID_EXPORT_CHANNELS));
        file->addAction(action(ID_COMPARE_WITH));
        file->addSeparator();
        file->addAction(action(ID_FILE_PRINT));
        file->addAction(action(ID_FILE_PRINT_PREVIEW));
    } else {
        file->addSeparator();
    }
    file->addAction(action(ID_FILE_PRINT_SETUP));
    file->addSeparator();
    addRecent(file);
    file->addAction(action(ID_APP_EXIT));
    if (documentMenu_) {
        QMenu* edit = bar->addMenu(tr("&Edit"));
        for (int id : {int(ID_EDIT_UNDO), int(ID_EDIT_REDO), 0, int(ID_EDIT_CUT), int(ID_EDIT_COPY), int(ID_EDIT_PASTE),
                       int(ID_EDIT_DELETE), 0, int(ID_CHANNEL_EDIT), int(ID_INSERT_CHANNEL), int(ID_DELETE_CLOSE_UP),
                       int(ID_MOVE_UP), int(ID_MOVE_DOWN), int(ID_SORT_FREQUENCY), int(ID_SORT_NAME), 0}) {
            if (id == 0)
                edit->addSeparator();
            else
                edit->addAction(action(id));
        }
        for (int id : {int(ID_PRODUCT_INFO), int(ID_CHANNEL_INFO), int(ID_OPTIONAL_FEATURES), int(ID_DTMF), int(ID_MSK),
                       int(ID_TWO_TONE), int(ID_KEY_ASSIGN)})
            edit->addAction(action(id));
        QMenu* program = bar->addMenu(tr("&Program"));
        for (int id :
             {int(ID_READ), int(ID_WRITE), int(ID_VERIFY), int(ID_HIGH_POWER), int(ID_LOW_POWER), 0, int(ID_FLEET)})
            if (id == 0)
                program->addSeparator();
            else
                program->addAction(action(id));
        QMenu* setup = bar->addMenu(tr("&Setup"));
        setup->addAction(action(ID_COM_SETUP));
        setup->addAction(action(ID_LANGUAGE));
    }
    QMenu* view = bar->addMenu(tr("&View"));
    view->addAction(action(ID_VIEW_TOOLBAR));
    view->addAction(action(ID_VIEW_STATUS_BAR));
    if (documentMenu_)
        view->addAction(action(ID_CONTROL_BAR));
    if (documentMenu_) {
        fillWindowMenu();
        bar->addMenu(windowMenu_);
    }
    QMenu* helpMenu = bar->addMenu(tr("&Help"));
    if (documentMenu_)
        helpMenu->addAction(action(ID_HELP_TOPICS));
    helpMenu->addAction(action(ID_APP_ABOUT));
    for (const CommandRow& c : commands_)
        if (c.when != CommandRow::When::Always)
            action(c.id)->setEnabled(c.when == CommandRow::When::Document && documentMenu_ && bool(c.run));
    updateNavigator();
    updateEditActions();
}

void CMainFrame::updateEditActions()
{
    // The editing commands act on the channel window on screen: enabled from its state.
    CChildFrame* f = activeChild();
    CZemtarView* v = f ? f->view() : nullptr;
    const bool shown = v && f->isVisible();
    action(ID_EDIT_UNDO)->setEnabled(v && v->undoStack()->canUndo());
    action(ID_EDIT_REDO)->setEnabled(v && v->undoStack()->canRedo());
    for (int id :
         {int(ID_EDIT_CUT), int(ID_EDIT_COPY), int(ID_EDIT_DELETE), int(ID_CHANNEL_EDIT), int(ID_INSERT_CHANNEL),
          int(ID_DELETE_CLOSE_UP), int(ID_MOVE_UP), int(ID_MOVE_DOWN), int(ID_SORT_FREQUENCY), int(ID_SORT_NAME)})
        action(id)->setEnabled(shown);
    const QMimeData* clip = QGuiApplication::clipboard()->mimeData();
    action(ID_EDIT_PASTE)->setEnabled(shown && clip && clip->hasText());
}

void CMainFrame::updateNavigator()
{
    const int* commands = kCategoryCommands;
    for (int c = 0; c < int(std::size(kCategoryCommands)); ++c) {
        const CommandRow* cmd = nullptr;
        for (const CommandRow& k : commands_)
            if (k.id == commands[c])
                cmd = &k;
        navigator_->setEnabledCategory(CNavigatorBar::Category(c),
                                       cmd && cmd->when != CommandRow::When::Never && bool(cmd->run));
    }
}

void CMainFrame::runCommand(int id)
{
    clearResult(); // the last result is old news once the user does the next thing
    for (const CommandRow& c : commands_)
        if (c.id == id && c.run && action(id)->isEnabled())
            c.run();
}

void CMainFrame::editDocument(const QString& what, const std::function<void(RadioImage&, QWidget*)>& edit)
{
    CZemtarView* view = activeView();
    if (!view)
        return;
    view->changeDocument(what, [&] { edit(view->GetDocument()->image(), this); });
}

void CMainFrame::onCategory(int category)
{
    if (category >= 0 && category < int(std::size(kCategoryCommands)))
        runCommand(kCategoryCommands[category]);
}

QString CMainFrame::statusMessage() const { return message_->text(); }

void CMainFrame::showResult(const QString& text)
{
    if (text.isEmpty()) {
        clearResult();
        return;
    }
    resultShown_ = true;
    message_->setText(text);
    resultTimer_->start(resultLifetime_);
    // A result (a read or write done, a file saved) is said by a screen reader as it shows.
    QAccessibleEvent alert(message_, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void CMainFrame::clearResult()
{
    resultShown_ = false;
    resultTimer_->stop();
    refreshStatus();
}

void CMainFrame::refreshStatus()
{
    if (!resultShown_)
        message_->setText(idleText());
}

QString CMainFrame::idleText() const
{
    QStringList closed, changed;
    for (CChildFrame* f : childFrames()) {
        if (!f->isHidden() || f->destroyed())
            continue;
        (f->document()->isModified() ? changed : closed) << f->document()->displayName();
    }
    if (!changed.isEmpty())
        return tr("%1 is still open, with changes not saved; its window is closed: Channel Information or the "
                  "Window menu shows it again.")
            .arg(changed.join(QStringLiteral(", ")));
    if (!closed.isEmpty())
        return tr("%1 is still open; its window is closed: Channel Information or the Window menu shows it again.")
            .arg(closed.join(QStringLiteral(", ")));
    if (CZemtarView* v = activeView())
        if (const QString note = v->bandNote(); !note.isEmpty())
            return note;
    // The window's title names the customer's file; what it holds now is another radio.
    if (CChildFrame* f = activeChild())
        if (const auto read = f->unsavedRead(); read && f->document()->isModified())
            return tr("%1 now holds the radio read on %2 at %3, not saved yet.")
                .arg(f->document()->displayName(), read->port, read->at.toString(QStringLiteral("HH:mm")));
    return tr("Ready");
}

void CMainFrame::createWindowMenu()
{
    windowMenu_ = new QMenu(tr("&Window"), this);
    windowMenu_->setObjectName(QStringLiteral("windowMenu"));
    connect(windowMenu_, &QMenu::aboutToShow, this, &CMainFrame::fillWindowMenu);
}

void CMainFrame::fillWindowMenu()
{
    windowMenu_->clear();
    QList<CChildFrame*> frames = childFrames();
    frames.removeIf([](CChildFrame* f) { return f->destroyed(); });
    CChildFrame* active = activeChild();
    for (int i = 0; i < frames.size(); ++i) {
        CChildFrame* f = frames[i];
        QString text = QStringLiteral("&%1 %2").arg(i + 1).arg(f->document()->displayName());
        if (f->document()->isModified())
            text += QStringLiteral(" *");
        if (f->isHidden())
            text += QStringLiteral("  ") + tr("(window closed)");
        QAction* a = windowMenu_->addAction(text);
        a->setCheckable(true);
        a->setChecked(f == active);
        connect(a, &QAction::triggered, this, [this, f = QPointer<CChildFrame>(f)] {
            if (!f)
                return;
            f->showAgain();
            mdi_->setActiveSubWindow(f);
        });
    }
}

QList<CChildFrame*> CMainFrame::childFrames() const
{
    QList<CChildFrame*> frames;
    for (QMdiSubWindow* w : mdi_->subWindowList())
        if (auto* f = qobject_cast<CChildFrame*>(w))
            frames << f;
    return frames;
}

CChildFrame* CMainFrame::activeChild() const
{
    if (auto* f = qobject_cast<CChildFrame*>(mdi_->activeSubWindow()))
        return f;
    // A hidden window stays the active document's window.
    if (lastActive_ && childFrames().contains(lastActive_.data()))
        return lastActive_.data();
    return nullptr;
}

CZemtarView* CMainFrame::activeView() const
{
    CChildFrame* f = activeChild();
    return f ? f->view() : nullptr;
}

CZemtarDoc* CMainFrame::activeDocument() const
{
    CChildFrame* f = activeChild();
    return f ? f->document() : nullptr;
}

CChildFrame* CMainFrame::createFrame(CZemtarDoc* doc)
{
    auto* view = new CZemtarView(doc);
    auto* frame = new CChildFrame(doc, view);
    mdi_->addSubWindow(frame);
    connect(view, &CZemtarView::mainCaptionChanged, this, [this, frame](const QString& caption) {
        frame->setProperty(kCaptionProperty, caption);
        updateMainCaption();
    });
    connect(view, &CZemtarView::statusText, this, &CMainFrame::showResult);
    connect(frame->link(), &CLinkController::statusText, this, &CMainFrame::showResult);
    connect(view->undoStack(), &QUndoStack::indexChanged, this, &CMainFrame::clearResult);
    connect(frame, &CChildFrame::visibilityChanged, this, &CMainFrame::refreshStatus);
    connect(doc, &CZemtarDoc::titleChanged, this, &CMainFrame::refreshStatus);
    connect(doc, &CZemtarDoc::titleChanged, this, &CMainFrame::updateMainCaption);
    connect(view->undoStack(), &QUndoStack::canUndoChanged, this, &CMainFrame::updateEditActions);
    connect(view->undoStack(), &QUndoStack::canRedoChanged, this, &CMainFrame::updateEditActions);
    connect(frame, &CChildFrame::visibilityChanged, this, &CMainFrame::updateEditActions);
    // A maximized window that hides or shows resets the main window's mark: set it again.
    connect(frame, &CChildFrame::visibilityChanged, this, &CMainFrame::updateMainCaption);
    connect(doc, &CZemtarDoc::modifiedChanged, this, [this, frame](bool modified) {
        frame->setWindowModified(modified);
        updateMainCaption();
    });
    view->OnInitialUpdate();
    // The table is wider than most screens: the window fills the area, and the grid scrolls.
    frame->showMaximized();
    mdi_->setActiveSubWindow(frame);
    lastActive_ = frame;
    rebuildMenus();
    return frame;
}

void CMainFrame::updateMainCaption()
{
    // The caption of the active document's view, then the document's name and its mark;
    // without a document, the application's name alone.
    CChildFrame* f = activeChild();
    if (!f) {
        caption_ = g().languageValue(QStringLiteral("AppName")).trimmed();
        captionModified_ = false;
    } else {
        caption_ = f->property(kCaptionProperty).toString() + QStringLiteral(" - ") + f->document()->displayName() +
                   QStringLiteral("[*]");
        captionModified_ = f->document()->isModified();
    }
    setWindowTitle(caption_);
    setWindowModified(captionModified_);
}

void CMainFrame::changeEvent(QEvent* e)
{
    QMainWindow::changeEvent(e);
    if (caption_.isEmpty())
        return;
    if (e->type() == QEvent::WindowTitleChange && windowTitle() != caption_)
        setWindowTitle(caption_);
    else if (e->type() == QEvent::ModifiedChange && isWindowModified() != captionModified_)
        setWindowModified(captionModified_);
}

void CMainFrame::onProductInfo()
{
    CZemtarView* view = activeView();
    if (!view)
        return;
    view->changeDocument(tr("Product Information"), [&] {
        CProductInfoDlg dlg(view->GetDocument()->image(), this);
        connect(&dlg, &CProductInfoDlg::captionChanged, this, [this](const QString& caption) {
            if (CChildFrame* f = activeChild())
                f->setProperty(kCaptionProperty, caption);
            updateMainCaption();
        });
        connect(&dlg, &CProductInfoDlg::bandChanged, view, [view](qint64 low, qint64 high) {
            view->setBandLimits({low, high});
        });
        dlg.exec();
    });
}

QPrinter* CMainFrame::printer()
{
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return printer_.get();
}

void CMainFrame::onPrintSetup()
{
    QPageSetupDialog dlg(printer(), this);
    dlg.exec(); // the page size and orientation stay for the session
}

void CMainFrame::onPrint(bool preview)
{
    CZemtarView* view = activeView();
    if (!view)
        return;
    view->commitEditor(); // print what the table shows
    CPrintListDlg list(this);
    if (list.exec() != QDialog::Accepted)
        return;
    const ChannelTable table = view->table();
    const report::Layout layout = report::paginate(list.selection(), table);
    if (layout.total == 0) {
        appMessage(this, tr("There is nothing to print: no section is chosen, or the channels have no used channel."),
                   QMessageBox::Ok, QMessageBox::Information);
        return;
    }
    report::Input in;
    in.image = &view->GetDocument()->image();
    in.table = &table;
    in.lang = g().lang();
    in.owner = g().languageValue(QStringLiteral("Copyrights Owner"));
    const CZemtarDoc* doc = view->GetDocument();
    in.models = productinfo::modelNames(g().setupIni);
    in.fileName = doc->displayName();
    in.printed = QDateTime::currentDateTime();
    QPrinter* p = printer();
    p->setFromTo(0, 0);
    const QString pdf = pdfFileFor(doc->hasFile() ? doc->pathName() : QString(), doc->displayName());
    p->setDocName(QFileInfo(pdf).completeBaseName());
    auto paint = [&](QPrinter* target) {
        const int from = target->fromPage() > 0 ? target->fromPage() : 1;
        const int to = target->toPage() > 0 ? std::min(target->toPage(), layout.total) : layout.total;
        report::paintJob(*target, layout, in, from, to);
    };
    if (preview) {
        QPrintPreviewDialog dlg(p, this);
        dlg.setObjectName(QStringLiteral("printPreview"));
        proposePdfFile(dlg, *p, pdf);
        connect(&dlg, &QPrintPreviewDialog::paintRequested, this, paint);
        dlg.exec();
        return;
    }
    QPrintDialog dlg(p, this);
    dlg.setObjectName(QStringLiteral("printDialog"));
    proposePdfFile(dlg, *p, pdf);
    dlg.setMinMax(1, layout.total);
    if (dlg.exec() != QDialog::Accepted)
        return;
    paint(p);
    const bool toFile = p->outputFormat() == QPrinter::PdfFormat && !p->outputFileName().isEmpty();
    showResult(
        tr("The report went to %1").arg(toFile ? QDir::toNativeSeparators(p->outputFileName()) : p->printerName()));
}

namespace {

// The fleet log names the template as the command line does, by its file in full; a document
// that differs from its file, or has none, says so, since the file alone would not give back
// what went into the radios (the log's checksum of each image does).
QString fleetTemplateRecord(const CZemtarDoc& doc)
{
    if (!doc.hasFile())
        return doc.displayName() + QStringLiteral(" (not saved to a file)");
    const QString path = QDir::toNativeSeparators(QFileInfo(doc.pathName()).absoluteFilePath());
    return doc.isModified() ? path + QStringLiteral(" (with changes not saved)") : path;
}

} // namespace

void CMainFrame::onFleet()
{
    CZemtarView* view = activeView();
    if (!view)
        return;
    view->commitEditor();
    view->StoreTableIntoImage();
    const CZemtarDoc* doc = view->GetDocument();
    CFleetDlg dlg(doc->image(), doc->displayName(), g().setupIni, this);
    dlg.setTemplateFile(fleetTemplateRecord(*doc));
    dlg.exec();
}

void CMainFrame::onChannelInfo()
{
    CChildFrame* f = activeChild();
    if (!f)
        return;
    f->showAgain();
    mdi_->setActiveSubWindow(f);
}

void CMainFrame::onAbout()
{
    CAboutDlg dlg(this);
    dlg.exec();
}

void CMainFrame::onLanguage()
{
    CLanguageDlg dlg(this);
    if (dlg.exec() != QDialog::Accepted || dlg.chinese() == g().chinese)
        return;
    // Only the language changes in Setup.ini: the ports and whatever else was set since the
    // program started stay as the file holds them now.
    if (!g().setupIni.WriteValue(QStringLiteral("Setup"), QStringLiteral("Language"),
                                 g().chinese ? QStringLiteral("English") : QStringLiteral("Chinese"))) {
        appMessage(this, tr("The new language could not be saved: %1").arg(g().setupIni.errorText()), QMessageBox::Ok,
                   QMessageBox::Warning);
        return;
    }
    startAppSetupAfterClose();
    close();
}

bool CMainFrame::transferRunning() const
{
    for (CChildFrame* f : childFrames())
        if (f->link()->transferRunning())
            return true;
    return false;
}

void CMainFrame::closeEvent(QCloseEvent* e)
{
    if (transferRunning()) { // the transfer's own Cancel ends it first
        e->ignore();
        startAppSetup_ = false;
        return;
    }
    if (!documents_->maybeSaveAll())
        e->ignore();
    const QStringList reopen = documents_->openFiles(); // as saved just now
    if (e->isAccepted())
        QMainWindow::closeEvent(e);
    if (!e->isAccepted()) {
        startAppSetup_ = false;
        return;
    }
    if (startAppSetup_) {
        startAppSetup_ = false;
#ifdef Q_OS_WIN
        const QString helper = g().appFile(QStringLiteral("AppSetup.exe"));
#else
        const QString helper = g().appFile(QStringLiteral("AppSetup"));
#endif
        // The documents come back after the restart: their files go to the helper, which
        // hands them on to the program it starts.
        if (!QFileInfo(helper).isExecutable() || !QProcess::startDetached(helper, reopen))
            appMessage(nullptr, tr("Could not start %1. Start Zemtar again to use the new language.").arg(helper),
                       QMessageBox::Ok, QMessageBox::Warning);
    }
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* e)
{
    if (e->mimeData()->hasUrls())
        e->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* e)
{
    for (const QUrl& url : e->mimeData()->urls()) {
        if (url.isLocalFile()) {
            documents_->openDocument(url.toLocalFile());
            break;
        }
    }
}

void CMainFrame::resizeEvent(QResizeEvent* e)
{
    QMainWindow::resizeEvent(e);
    navigator_->limitWidth(width());
}

void CMainFrame::cyclePane(bool forward)
{
    CChildFrame* child = activeChild();
    CZemtarView* view = child && child->isVisible() ? child->view() : nullptr;
    QList<QWidget*> panes;
    if (navigator_->isVisible())
        panes << navigator_->tree();
    if (view)
        panes << view->grid();
    if (statusBar()->isVisible())
        panes << statusBar();
    if (panes.isEmpty())
        return;
    QWidget* focus = QApplication::focusWidget();
    qsizetype at = -1;
    for (qsizetype i = 0; i < panes.size(); ++i)
        if (focus && (focus == panes[i] || panes[i]->isAncestorOf(focus)))
            at = i;
    const qsizetype n = panes.size();
    const qsizetype to = at < 0 ? (forward ? 0 : n - 1) : (at + (forward ? 1 : n - 1)) % n;
    // What is typed into the table's open editor is taken on leaving it; a refused value
    // keeps the focus there with its message.
    if (view && at >= 0 && panes[at] == view->grid() && to != at && !view->commitEditor())
        return;
    if (view && panes[to] == view->grid())
        view->focusCurrentCell();
    else
        panes[to]->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

} // namespace zemtar::ui
