#include "CZemtarApp.h"
#include "shell/ui/HelpLauncher.h"
#include "shell/ui/Mnemonics.h"

#include <QKeyEvent>

#include "CDocumentManager.h"
#include "CMainFrame.h"
#include "editors/ProductInfo.h"
#include "shell/Messages.h"
#include "shell/ui/AppGlobals.h"
#include "shell/ui/Legibility.h"
#include "shell/ui/MessageBox.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QThread>
#include <QTimer>

namespace zemtar::ui {

// ------------------------------------------------------------------ splash

bool CSplashWnd::ShowSplashScreen()
{
    if (!picture_.load(g().appFile(QStringLiteral("startup.bmp"))))
        return false;
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setObjectName(QStringLiteral("splash"));
    setCursor(Qt::ArrowCursor);
    resize(picture_.size());
    if (const QScreen* s = QGuiApplication::primaryScreen())
        move(s->geometry().center() - rect().center());
    qApp->installEventFilter(this);
    QTimer::singleShot(1000, this, &CSplashWnd::HideSplashScreen);
    show();
    return true;
}

void CSplashWnd::HideSplashScreen()
{
    if (!isVisible())
        return;
    qApp->removeEventFilter(this);
    hide();
}

void CSplashWnd::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawPixmap(0, 0, picture_);
}

bool CSplashWnd::eventFilter(QObject*, QEvent* e)
{
    switch (e->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
        if (isVisible()) {
            HideSplashScreen();
            return true; // the click or key that removed the picture goes no further
        }
        return false;
    default:
        return false;
    }
}

// ------------------------------------------------------------------ application

CZemtarApp::CZemtarApp() = default;

CZemtarApp::~CZemtarApp()
{
    frame_.reset();
    if (translatorInstalled_)
        QCoreApplication::removeTranslator(&translator_);
    QCoreApplication::removeTranslator(&qtTranslator_);
}

QString CZemtarApp::languageModule(const QString& appDir, const QString& language)
{
    if (language.isEmpty())
        return {};
    const QString wanted = language + QStringLiteral(".qm");
    // Only the program's own folder is searched: a file of that name elsewhere (the current
    // folder, say) is never loaded in its place.
    const QStringList files = QDir(appDir).entryList(QDir::Files | QDir::Dirs | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& f : files)
        if (f.compare(wanted, Qt::CaseInsensitive) == 0)
            return QDir(appDir).filePath(f);
    return {};
}

std::optional<msg::LanguageFailure> CZemtarApp::loadLanguage(const QString& setupError, const QString& setupPath)
{
    using F = msg::LanguageFailure;
    const Globals& gl = g();
    if (!setupError.isEmpty())
        return F{F::SettingsUnreadable, setupPath, setupError};
    if (gl.language.isEmpty())
        return F{F::NoLanguage, setupPath, {}};
    const QString module = languageModule(gl.appDir, gl.language);
    if (module.isEmpty())
        return F{F::Missing, QDir(gl.appDir).filePath(gl.language + QStringLiteral(".qm")), {}};
    const QFileInfo info(module);
    if (info.isDir())
        return F{F::Unreadable, module, QStringLiteral("it is a folder")};
    if (!info.isFile()) // a device or a pipe, which could block the start
        return F{F::Unreadable, module, QStringLiteral("it is not a regular file")};
    QFile file(module);
    if (!file.open(QIODevice::ReadOnly))
        return F{F::Unreadable, module, file.errorString()};
    file.close();
    if (!translator_.load(module))
        return F{F::NotTranslation, module, {}};
    QCoreApplication::installTranslator(&translator_);
    translatorInstalled_ = true;
    return std::nullopt;
}

namespace {
// F1 in any window opens the guide at that window's section; a window that knows better (the
// focused field's own context) opens it again right after, at its own.
class HelpKey : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_F1 && o->isWidgetType() &&
            static_cast<QWidget*>(o)->window()->objectName() != QStringLiteral("mainFrame"))
            help::show(static_cast<QWidget*>(o), 0);
        return false;
    }
};
} // namespace

bool CZemtarApp::InitInstance(const QStringList& arguments, const QString& appDir, bool showSplash)
{
    Globals& gl = g();
    gl.appDir = QDir(appDir).absolutePath();
    // The user's own copy when there is one; changes go where they can be written.
    const QString setupPath = CIniFile::effectivePath(QStringLiteral("Setup.ini"), gl.appDir);
    const bool setupRead = gl.setupIni.Load(setupPath, true, false, true, false);
    gl.setupIni.setPath(CIniFile::writablePath(setupPath, QStringLiteral("Setup.ini")));
    gl.language = gl.setupIni.GetValue(QStringLiteral("Setup"), QStringLiteral("Language"));
    gl.chinese = gl.language == QStringLiteral("Chinese");
    gl.helpFile = gl.chinese ? QStringLiteral("chHelp.chm") : QStringLiteral("enHelp.chm");

    if (const auto failure = loadLanguage(setupRead ? QString() : gl.setupIni.errorText(), setupPath)) {
        // Said in both languages, with the file and what was wrong with it; the program can
        // still run in English, its own language.
        const auto answer = messageBox(nullptr, msg::languageFailure(*failure, gl.chinese), QStringLiteral("Zemtar"),
                                       QMessageBox::Yes | QMessageBox::No, QMessageBox::Critical);
        if (answer != QMessageBox::Yes)
            return false;
        gl.language = QStringLiteral("English");
        gl.chinese = false;
        gl.helpFile = QStringLiteral("enHelp.chm");
    }
    if (!helpKey_) {
        helpKey_ = new HelpKey(this);
        qApp->installEventFilter(helpKey_);
        installMnemonicWatcher(this); // Alt+letters in every dialog
    }
    fitWindowsToScreens(); // a small or scaled screen still shows every window whole
    // Qt's own texts (file dialogs, standard buttons) in the same language, from Qt's
    // translations where the system has them.
    if (gl.chinese && qtTranslator_.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTranslator_);

    QElapsedTimer splashTime;
    splashTime.start();
    if (showSplash) {
        splash_ = std::make_unique<CSplashWnd>();
        m_bSplashShown = splash_->ShowSplashScreen();
        QCoreApplication::processEvents(); // the picture is painted before the window is built
    }

    // The main window is built while the picture is up; it shows when the second is over.
    gl.displayName = gl.languageValue(QStringLiteral("Company"));
    // A last radio type that names none of the types is dropped before a new document takes it.
    {
        PersistedSettings reg = gl.registry();
        const int types = int(productinfo::modelNames(gl.setupIni).size());
        QString refused;
        reg.radioType(types, &refused);
        if (!refused.isEmpty())
            messageBox(nullptr, msg::radioTypeReset(reg.location(), refused, types > 0 ? types : 256, gl.lang()),
                       gl.displayName, QMessageBox::Ok, QMessageBox::Warning);
    }
    frame_ = std::make_unique<CMainFrame>();
    // Every file named opens in a window of its own (a restart after a change of language
    // names the files that were open); without one, a new document.
    QStringList files;
    for (const QString& a : arguments.mid(1))
        if (!a.startsWith(u'-'))
            files << a;
    if (frame_->documents()->openDocuments(files) == 0)
        frame_->documents()->newDocument();
    if (const QScreen* s = QGuiApplication::primaryScreen())
        frame_->setGeometry(s->availableGeometry()); // also where no window manager maximises
    const QIcon icon(gl.appFile(QStringLiteral("title.ico")));
    if (!icon.isNull() && QFileInfo::exists(gl.appFile(QStringLiteral("title.ico"))))
        frame_->setWindowIcon(icon);
    if (m_bSplashShown) {
        // The rest of the second with the picture on screen, which stays responsive.
        while (splashTime.elapsed() < 1000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            QThread::msleep(10);
        }
    }
    frame_->showMaximized();
    if (splash_)
        splash_->raise();
    return true;
}

} // namespace zemtar::ui
