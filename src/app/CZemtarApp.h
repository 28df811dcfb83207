#pragma once
#include "shell/Messages.h"

#include <QObject>
#include <QPixmap>
#include <QStringList>
#include <QTranslator>
#include <QWidget>

#include <memory>
#include <optional>

namespace zemtar::ui {

class CMainFrame;

// The splash picture: shown for a second at start-up; a click or a key removes it at once,
// and that click or key goes no further.
class CSplashWnd : public QWidget {
    Q_OBJECT
public:
    // Shows "startup.bmp" from the program's folder; false when there is no picture.
    bool ShowSplashScreen();
    void HideSplashScreen();

protected:
    void paintEvent(QPaintEvent*) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QPixmap picture_;
};

// The start-up sequence and what lives as long as the program.
class CZemtarApp : public QObject {
    Q_OBJECT
public:
    CZemtarApp();
    ~CZemtarApp() override;

    // Runs the start-up. False: the program is to end (a message has been shown when the
    // language module is missing).
    bool InitInstance(const QStringList& arguments, const QString& appDir, bool showSplash = true);
    CMainFrame* mainFrame() const { return frame_.get(); }
    CSplashWnd* splash() const { return splash_.get(); }
    bool splashShown() const { return m_bSplashShown; }

    // The language module's file in `appDir` for a "Language" value (names match as on a
    // file system that ignores case), or "" when there is none. What is found may still be
    // a folder or a special file.
    static QString languageModule(const QString& appDir, const QString& language);

private:
    // Loads the language module of the settings into translator_; why not, when it cannot.
    std::optional<msg::LanguageFailure> loadLanguage(const QString& setupError, const QString& setupPath);

    QTranslator translator_;
    QTranslator qtTranslator_;   // Qt's own texts
    QObject* helpKey_ = nullptr; // F1 in every window
    bool translatorInstalled_ = false;
    std::unique_ptr<CSplashWnd> splash_;
    std::unique_ptr<CMainFrame> frame_;
    bool m_bSplashShown = false;
};

} // namespace zemtar::ui
