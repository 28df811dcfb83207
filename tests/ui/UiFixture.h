#pragma once
// Shared set-up of the window tests: a program folder of its own with Setup.ini and the
// language modules, per-user settings in a temporary folder, and message boxes and modal
// dialogs answered by the test.
#include "app/CMainFrame.h"
#include "app/CZemtarApp.h"
#include "channels/ChannelTable.h"
#include "image/DataFile.h"
#include "shell/ui/AppGlobals.h"
#include "shell/ui/MessageBox.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace zemtar::ui::uitest {

inline QString u8(const char* s) { return QString::fromUtf8(s); }
// A control's text as shown, without its Alt+letter ("&Start", "端口(&P)").
inline QString shownText(QString text)
{
    static const QRegularExpression trailing(QStringLiteral("\\(&.\\)$"));
    return text.remove(trailing).remove(u'&');
}

inline const char* kSetup = "[Setup]\nLanguage=%1\nAppName=ZemtarTest\nType1=ZR-530V\nType2=ZR-530U\nType3=ZR-530K\n"
                            "[English]\nCompany=Zemtar Co\nAppName=Zemtar\nAbout Title=About\nVersion=V1\n"
                            "[Chinese]\nCompany=Zemtar 公司\nAppName=Zemtar 中文\n";

// Runs `f` on the next modal dialog to appear (within 10 s), then closes it if it is still
// open. Without a dialog, `f` gets nullptr.
template <class F> void onNextModal(F f)
{
    auto* timer = new QTimer;
    auto waited = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, waited, f] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w && ++*waited < 1000)
            return;
        timer->stop();
        timer->deleteLater();
        f(w);
        if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible())
            d->reject();
    });
    timer->start(10);
}

class UiFixture : public QObject {
    Q_OBJECT
protected:
    QTemporaryDir dir_;
    std::unique_ptr<CZemtarApp> app_;
    QList<MessageRecord> messages_;
    QList<QMessageBox::StandardButton> answers_;
    QString extraSetup_; // appended to Setup.ini

    QString appDir() const { return dir_.filePath(QStringLiteral("app")); }
    QString file(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

    // A program folder with the language modules and, unless empty, a Setup.ini.
    void makeAppDir(const QString& language, bool withSetup = true)
    {
        QDir(appDir()).removeRecursively();
        QDir().mkpath(appDir());
        for (const char* qm : {"English.qm", "Chinese.qm"})
            QFile::copy(QStringLiteral(ZEMTAR_BIN_DIR "/") + QLatin1String(qm), appDir() + u'/' + QLatin1String(qm));
        QDir().mkpath(appDir() + QStringLiteral("/guide"));
        for (const QString& f : QDir(QStringLiteral(ZEMTAR_BIN_DIR "/guide")).entryList(QDir::Files))
            QFile::copy(QStringLiteral(ZEMTAR_BIN_DIR "/guide/") + f, appDir() + QStringLiteral("/guide/") + f);
        if (withSetup)
            zemtar::test::writeAll(appDir() + QStringLiteral("/Setup.ini"),
                                   (QString::fromUtf8(kSetup).arg(language) + extraSetup_).toUtf8());
    }
    bool start(const QString& language, const QStringList& args = {}, bool withSetup = true)
    {
        makeAppDir(language, withSetup);
        return startHere(args);
    }
    bool startHere(const QStringList& args = {})
    {
        app_.reset();
        resetGlobals();
        app_ = std::make_unique<CZemtarApp>();
        return app_->InitInstance(QStringList{QStringLiteral("zemtar")} + args, appDir(), false);
    }
    CMainFrame* frame() const { return app_->mainFrame(); }
    QStringList menuTitles() const
    {
        QStringList t;
        for (QAction* a : frame()->menuBar()->actions())
            t << a->text();
        return t;
    }
    QString makeDat(const char* name, int type = 0)
    {
        RadioImage img = RadioImage::newDocument();
        completeNewDocument(img, type);
        ChannelTable t;
        const auto band = BandLimits::of({144, 145});
        commitCell(t, 1, ColRx, u8("145.125"), band, Language::English);
        commitCell(t, 1, ColName, u8("HOME"), band, Language::English);
        commitCell(t, 129, ColRx, u8("144.5"), band, Language::English);
        commitCell(t, 129, ColPower, u8("Low"), band, Language::English);
        t.storeIntoImage(img);
        DataFile::save(file(name), img, nullptr);
        return file(name);
    }

private slots:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", dir_.filePath(QStringLiteral("config")).toLocal8Bit());
        setMessageHook([this](const MessageRecord& m) {
            messages_ << m;
            return answers_.isEmpty() ? QMessageBox::Ok : answers_.takeFirst();
        });
    }
    void init()
    {
        messages_.clear();
        answers_.clear();
        QDir(dir_.filePath(QStringLiteral("config"))).removeRecursively();
    }
    void cleanup()
    {
        app_.reset();
        resetGlobals();
    }
};

} // namespace zemtar::ui::uitest
