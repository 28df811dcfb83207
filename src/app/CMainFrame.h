#pragma once
#include <QHash>
#include <QMainWindow>

#include <QMdiArea>
#include <QPointer>
#include <optional>

#include "image/RadioImage.h"

#include <functional>
#include <memory>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QPrinter;
class QTimer;
class QToolBar;

namespace zemtar::ui {

class CChildFrame;
class CDocumentManager;
class CNavigatorBar;
class CZemtarDoc;
class CZemtarView;

// The MDI client with the tiled background picture.
class CMdiClientBackground : public QMdiArea {
    Q_OBJECT
public:
    explicit CMdiClientBackground(QWidget* parent = nullptr);
    // "background.bmp" beside the program, else the built-in picture.
    static QPixmap backgroundPixmap();
};

// The main window: menus, toolbar, status bar, the navigator and the documents' windows.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    // Command identifiers of the menus and the accelerator table.
    enum Command : int {
        ID_FILE_NEW = 57600,
        ID_FILE_OPEN = 57601,
        ID_FILE_CLOSE = 57602,
        ID_FILE_SAVE = 57603,
        ID_FILE_SAVE_AS = 57604,
        ID_FILE_PRINT_SETUP = 57606,
        ID_FILE_PRINT = 57607,
        ID_FILE_PRINT_PREVIEW = 57609,
        ID_APP_EXIT = 57665,
        ID_APP_ABOUT = 57664,
        ID_VIEW_TOOLBAR = 59392,
        ID_VIEW_STATUS_BAR = 59393,
        ID_EDIT_COPY = 57634,
        ID_EDIT_CUT = 57635,
        ID_EDIT_PASTE = 57637,
        ID_EDIT_UNDO = 57643,
        ID_EDIT_REDO = 57644,
        ID_EDIT_DELETE = 57632,
        ID_HELP = 57670,
        ID_NEXT_PANE = 57680,
        ID_PREV_PANE = 57681,
        ID_CONTROL_BAR = 32772,
        ID_READ = 32773,
        ID_WRITE = 32774,
        ID_COM_SETUP = 32777,
        ID_PRODUCT_INFO = 32786,
        ID_CHANNEL_INFO = 32787,
        ID_OPTIONAL_FEATURES = 32788,
        ID_DTMF = 32789,
        ID_MSK = 32790,
        ID_TWO_TONE = 32791,
        ID_HELP_TOPICS = 32793,
        ID_HIGH_POWER = 32797,
        ID_LOW_POWER = 32798,
        ID_LANGUAGE = 32799,
        ID_KEY_ASSIGN = 32800,
        ID_VERIFY = 32801,
        ID_FLEET = 32802,
        ID_INSERT_CHANNEL = 32850,
        ID_DELETE_CLOSE_UP = 32851,
        ID_MOVE_UP = 32852,
        ID_MOVE_DOWN = 32853,
        ID_SORT_FREQUENCY = 32854,
        ID_SORT_NAME = 32855,
        ID_IMPORT_CHANNELS = 32856,
        ID_EXPORT_CHANNELS = 32857,
        ID_COMPARE_WITH = 32858,
        ID_CHANNEL_EDIT = 32865,
        ID_NEXT_WINDOW = 32866,
        ID_PREV_WINDOW = 32867,
    };

    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;

    QAction* action(int id) const { return actions_.value(id); }
    // Runs a command as its menu item or accelerator would.
    void runCommand(int id);

    CMdiClientBackground* mdiArea() const { return mdi_; }
    QString statusMessage() const;
    // A result for the status bar (what was read, written, saved where): it stays until the
    // next command or edit, or for a while, and then the bar says what holds now.
    void showResult(const QString& text);
    void setResultLifetime(int ms) { resultLifetime_ = ms; }
    // What the status bar says when no result shows: "Ready", or what keeps it from being
    // so (a document whose window is closed, a band the image does not give).
    QString idleText() const;
    // Every open document, the one whose window is closed among them.
    QMenu* windowMenu() const { return windowMenu_; }
    CNavigatorBar* navigator() const { return navigator_; }
    QList<CChildFrame*> childFrames() const;
    CChildFrame* activeChild() const;
    CZemtarView* activeView() const;
    CZemtarDoc* activeDocument() const;
    bool documentMenuShown() const { return documentMenu_; }
    bool transferRunning() const;

    // Opening, saving and closing documents, the recent files.
    CDocumentManager* documents() const { return documents_; }
    // The caption of the active document's view, its name and whether it is modified.
    void updateMainCaption();

    // The printer of the session: Print Setup's page size and orientation stay on it.
    QPrinter* printer();

    // Set by the Language dialog: the helper program is started once this window has closed.
    void startAppSetupAfterClose() { startAppSetup_ = true; }

protected:
    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    // What the main caption shows; a maximized channel window would otherwise append its own
    // title to it and clear the mark when it hides.
    QString caption_;
    bool captionModified_ = false;
    void createActions();
    void rebuildMenus();
    void createToolBar();
    void createStatusBar();
    void onCategory(int category);
    void onProductInfo();
    void onChannelInfo();
    void onFleet();
    void onPrint(bool preview);
    void onPrintSetup();
    void onAbout();
    void onLanguage();
    // F6 and Shift+F6: the focus goes on to the next (previous) pane of the window: the
    // navigator, the active channel table, the status bar.
    void cyclePane(bool forward);
    CChildFrame* createFrame(CZemtarDoc* doc);

    // One row of the command table.
    struct CommandRow {
        enum class When { Always, Document, Never };
        int id;
        const char* text;
        QList<QKeySequence> keys;
        const char* icon;
        When when; // Document: while a document is open
        std::function<void()> run;
    };
    // The navigator's categories, in its order, and the command each one runs.
    static constexpr int kCategoryCommands[] = {ID_PRODUCT_INFO, ID_CHANNEL_INFO, ID_OPTIONAL_FEATURES, ID_DTMF,
                                                ID_MSK,          ID_TWO_TONE,     ID_KEY_ASSIGN};
    static constexpr int kMainHelpContext = 0x20000 + 128 - 0x10000;
    void updateNavigator();
    void updateEditActions();
    void createWindowMenu();
    void fillWindowMenu();
    void clearResult();
    void refreshStatus();
    // Runs a settings editor on the active document as one undoable change named `what`.
    void editDocument(const QString& what, const std::function<void(RadioImage&, QWidget*)>& edit);

    std::vector<CommandRow> commands_;
    std::unique_ptr<QPrinter> printer_;
    QHash<int, QAction*> actions_;
    QList<QAction*> recentActions_;
    CDocumentManager* documents_ = nullptr;
    CMdiClientBackground* mdi_;
    CNavigatorBar* navigator_;
    QToolBar* toolBar_ = nullptr;
    QLabel* message_ = nullptr;
    bool documentMenu_ = false;
    QPointer<CChildFrame> lastActive_;
    bool startAppSetup_ = false;
    QMenu* windowMenu_ = nullptr;
    QTimer* resultTimer_ = nullptr;
    int resultLifetime_ = 15000;
    bool resultShown_ = false;
};

} // namespace zemtar::ui
