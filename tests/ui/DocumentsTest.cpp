// What is open, where it is saved, what happened: closing a channel window, its size, Save
// after a read from the radio, File New, the restart of a change of language and the status
// bar, with keys and clicks as a user gives them.
#include "UiFixture.h"
#include "app/CChildFrame.h"
#include "app/CDocumentManager.h"
#include "channels/ui/CZemtarView.h"
#include "editors/Settings.h"
#include "link/ui/CLinkController.h"
#include "link/ui/CProcessDlg.h"
#include "shell/Messages.h"
#include "shell/ui/CNavigatorBar.h"
#include "shell/ui/CZemtarDoc.h"
#include "shell/ui/Dialogs.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTime>
#include <QTreeWidget>
#include <QUndoStack>

using namespace zemtar;
using namespace zemtar::ui;
using namespace zemtar::ui::uitest;

class DocumentsTest : public UiFixture {
    Q_OBJECT

    QProcess sim_;

    void showFrame()
    {
        frame()->show();
        QApplication::setActiveWindow(frame()); // the offscreen platform activates nothing itself
        QVERIFY(QTest::qWaitForWindowActive(frame()));
    }
    // Opens a menu of the menu bar with a click and clicks its item whose text starts with
    // `item` (the "&" marks left out).
    void clickMenu(const QString& menu, const QString& item)
    {
        QMenuBar* bar = frame()->menuBar();
        QAction* title = nullptr;
        for (QAction* a : bar->actions())
            if (a->text().remove(u'&').startsWith(menu))
                title = a;
        QVERIFY2(title && title->menu(), qPrintable(menu));
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(title).center());
        QMenu* m = title->menu();
        QTRY_VERIFY(m->isVisible());
        QAction* target = nullptr;
        for (QAction* a : m->actions())
            if (a->text().remove(u'&').startsWith(item))
                target = a;
        QVERIFY2(target, qPrintable(item));
        QTest::mouseClick(m, Qt::LeftButton, {}, m->actionGeometry(target).center());
        QTRY_VERIFY(!m->isVisible());
    }
    // Ctrl+key in the main window, as its accelerators take it.
    void ctrl(Qt::Key key)
    {
        QApplication::setActiveWindow(frame()); // dialogs closed: the window is active again
        QWidget* target = frame()->activeView() && frame()->activeChild()->isVisible()
                              ? static_cast<QWidget*>(frame()->activeView())
                              : frame()->mdiArea();
        QTest::keyClick(target, key, Qt::ControlModifier);
    }
    QStringList windowMenuTexts()
    {
        QStringList t;
        QMenu* m = frame()->windowMenu();
        emit m->aboutToShow();
        for (QAction* a : m->actions())
            t << a->text();
        return t;
    }
    // Changes the document as the tester did with its window closed: the navigator's Optional
    // Features, a password typed, OK.
    void editThroughTheNavigator(const QString& password)
    {
        onNextModal([&](QWidget* w) {
            QVERIFY(w);
            auto* pass = w->findChild<QLineEdit*>(QStringLiteral("field%1").arg(editors::of::DataPassword));
            QVERIFY(pass);
            pass->setFocus();
            pass->selectAll();
            QTest::keyClicks(pass, password);
            QTest::mouseClick(w->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
        });
        frame()->navigator()->choose(frame()->navigator()->root()->child(CNavigatorBar::OptionalFeatures));
    }
    QString either(const char* english, const char* chinese) const
    {
        return g().chinese ? QString::fromUtf8(chinese) : QString::fromUtf8(english);
    }

private slots:
    void cleanup()
    {
        if (sim_.state() != QProcess::NotRunning) {
            sim_.terminate();
            sim_.waitForFinished(10000);
        }
        app_.reset();
        resetGlobals();
        setFileNameHook({});
    }

    void languages_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << "English";
        QTest::newRow("Chinese") << "Chinese";
    }

    void fileCloseKeepsTheDocumentAndSaysSo_data() { languages_data(); }
    void fileCloseKeepsTheDocumentAndSaysSo()
    {
        QFETCH(QString, language);
        const QString dat = makeDat("customer.dat");
        QVERIFY(start(language, {dat}));
        showFrame();
        CChildFrame* child = frame()->activeChild();
        QVERIFY(frame()->statusMessage().contains(QStringLiteral("customer.dat"))); // where it came from
        clickMenu(either("File", "文件"), either("Close", "关闭"));
        QVERIFY(child->isHidden());
        // The status bar and the Window menu name the document whose window is closed.
        QVERIFY2(frame()->statusMessage().contains(QStringLiteral("customer.dat")),
                 qPrintable(frame()->statusMessage()));
        QVERIFY(frame()->statusMessage() != either("Ready", "就绪"));
        QStringList listed = windowMenuTexts();
        QCOMPARE(listed.size(), 1);
        QVERIFY(listed[0].contains(QStringLiteral("customer.dat")));
        QVERIFY2(listed[0].contains(either("(window closed)", "（窗口已关闭）")), qPrintable(listed[0]));

        // Changed through the navigator while closed: the status bar says the changes are there.
        editThroughTheNavigator(QStringLiteral("123456"));
        QVERIFY(child->document()->isModified());
        QVERIFY(child->isHidden());
        QVERIFY(frame()->statusMessage().contains(QStringLiteral("customer.dat")));
        QVERIFY2(frame()->statusMessage().contains(either("not saved", "未保存")),
                 qPrintable(frame()->statusMessage()));
        QVERIFY(windowMenuTexts().value(0).contains(u'*'));

        // The Window menu brings it back.
        clickMenu(either("Window", "窗口"), QStringLiteral("1 customer.dat"));
        QVERIFY(child->isVisible());
        QVERIFY(child->isMaximized());
        QCOMPARE(frame()->activeChild(), child);
        QCOMPARE(frame()->statusMessage(), either("Ready", "就绪"));
        QVERIFY(!windowMenuTexts().value(0).contains(either("(window closed)", "（窗口已关闭）")));
    }

    void exitNewAndOpenAskToSaveAClosedWindowsChanges()
    {
        const QString dat = makeDat("customer.dat");
        const QString other = makeDat("other.dat");
        QVERIFY(start(QStringLiteral("English"), {dat}));
        showFrame();
        CChildFrame* child = frame()->activeChild();
        clickMenu(QStringLiteral("File"), QStringLiteral("Close"));
        editThroughTheNavigator(QStringLiteral("654321"));
        QVERIFY(child->isHidden() && child->document()->isModified());

        // Exit: asked, Cancel keeps everything.
        answers_ = {QMessageBox::Cancel};
        clickMenu(QStringLiteral("File"), QStringLiteral("Exit"));
        QCOMPARE(messages_.size(), 1);
        QVERIFY(messages_[0].text.contains(QStringLiteral("customer.dat")));
        QVERIFY2(messages_[0].text.contains(QStringLiteral("window is closed")), qPrintable(messages_[0].text));
        QVERIFY(messages_[0].buttons.testFlag(QMessageBox::Save));
        QVERIFY(frame()->isVisible());
        QCOMPARE(frame()->childFrames(), QList<CChildFrame*>{child});

        // New (Ctrl+N): warned and asked; Cancel keeps it.
        messages_.clear();
        answers_ = {QMessageBox::Cancel};
        ctrl(Qt::Key_N);
        QCOMPARE(messages_.size(), 1);
        QVERIFY(messages_[0].text.startsWith(QStringLiteral("All data will be Cleared!")));
        QVERIFY(messages_[0].text.contains(QStringLiteral("customer.dat")));
        QCOMPARE(frame()->childFrames(), QList<CChildFrame*>{child});

        // Open: asked; Cancel keeps it and opens nothing.
        messages_.clear();
        answers_ = {QMessageBox::Cancel};
        setFileNameHook([&](bool save, const QString&) { return save ? QString() : other; });
        ctrl(Qt::Key_O);
        QCOMPARE(messages_.size(), 1);
        QVERIFY(messages_[0].text.contains(QStringLiteral("customer.dat")));
        QCOMPARE(frame()->childFrames(), QList<CChildFrame*>{child});

        // Exit with Save: the changes reach the file.
        messages_.clear();
        answers_ = {QMessageBox::Save};
        frame()->close();
        QVERIFY(!frame()->isVisible());
        RadioImage saved;
        QVERIFY(DataFile::load(dat, saved, nullptr));
        QCOMPARE(saved.text(0x17D2, 6), QByteArray("654321"));
    }

    void fileNewAsksOnlyForUnsavedChanges()
    {
        const QString dat = makeDat("customer.dat");
        QVERIFY(start(QStringLiteral("Chinese"), {dat}));
        showFrame();
        editThroughTheNavigator(QStringLiteral("111111"));
        QVERIFY(frame()->activeDocument()->isModified());
        ctrl(Qt::Key_S); // saved just now
        QVERIFY(!frame()->activeDocument()->isModified());
        QVERIFY(messages_.isEmpty());
        CChildFrame* saved = frame()->activeChild();
        ctrl(Qt::Key_N);
        // The replaced document is gone from the status bar and the Window menu at once.
        QCOMPARE(frame()->statusMessage(), u8("就绪"));
        QCOMPARE(windowMenuTexts().size(), 1);
        QTest::qWait(0);
        QVERIFY(messages_.isEmpty());
        QVERIFY(frame()->activeChild() != saved);
        QVERIFY(!frame()->activeDocument()->hasFile());
        // An untouched new document goes quietly too; a changed one asks.
        CChildFrame* fresh = frame()->activeChild();
        ctrl(Qt::Key_N);
        QTest::qWait(0);
        QVERIFY(messages_.isEmpty());
        QVERIFY(frame()->activeChild() != fresh);
        editThroughTheNavigator(QStringLiteral("222222"));
        answers_ = {QMessageBox::Cancel};
        ctrl(Qt::Key_N);
        QCOMPARE(messages_.size(), 1);
        QVERIFY(messages_[0].text.startsWith(msg::text(msg::AllDataCleared, Language::Chinese)));
    }

    void channelWindowsOpenAtTheirSizeOrMaximised()
    {
        QVERIFY(start(QStringLiteral("English")));
        frame()->resize(1280, 800);
        showFrame();
        CChildFrame* child = frame()->activeChild();
        QVERIFY(child->isMaximized());
        // Restored from maximised: its own size, never the framework's small default.
        child->showNormal();
        QTRY_COMPARE(child->size(), CChildFrame::kOpenSize);
        // Closed at that size and shown again by Channel Information: the same.
        clickMenu(QStringLiteral("File"), QStringLiteral("Close"));
        QVERIFY(child->isHidden());
        clickMenu(QStringLiteral("Edit"), QStringLiteral("Channel Information"));
        QVERIFY(child->isVisible());
        QCOMPARE(child->size(), CChildFrame::kOpenSize);
        // Closed maximised, it comes back maximised, filling the area.
        child->showMaximized();
        clickMenu(QStringLiteral("File"), QStringLiteral("Close"));
        frame()->navigator()->choose(frame()->navigator()->root()->child(CNavigatorBar::ChannelInfo));
        QVERIFY(child->isVisible());
        QVERIFY(child->isMaximized());
        QVERIFY(child->width() >= frame()->mdiArea()->viewport()->width() - 2);
        // A window made smaller than its first columns is not taken.
        child->showNormal();
        child->resize(263, 218);
        QVERIFY(child->width() >= CChildFrame::kMinimumSize.width());
        QVERIFY(child->height() >= CChildFrame::kMinimumSize.height());
        // A newly opened document's window: maximised, and its own size when restored.
        ctrl(Qt::Key_N);
        QTest::qWait(0);
        CChildFrame* fresh = frame()->activeChild();
        QVERIFY(fresh != child && fresh->isMaximized());
        fresh->showNormal();
        QTRY_COMPARE(fresh->size(), CChildFrame::kOpenSize);
    }

    void theFirstSaveAfterAReadAsksBeforeReplacingTheFile_data() { languages_data(); }
    // A new document has no folder: Save As offers the folder used last, else the user's
    // documents, never the program's folder.
    void saveAsOfANewDocumentStartsWhereTheDealerWorkedLast()
    {
        QVERIFY(start(QStringLiteral("English")));
        showFrame();
        QStringList proposed;
        setFileNameHook([&](bool, const QString& p) {
            proposed << p;
            return QString();
        });
        frame()->runCommand(CMainFrame::ID_FILE_SAVE_AS);
        QCOMPARE(proposed.size(), 1);
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        const QString expected = QFileInfo(documents).isDir() ? documents : QDir::homePath();
        QCOMPARE(QFileInfo(proposed[0]).absolutePath(), QDir(expected).absolutePath());
        QVERIFY(QFileInfo(proposed[0]).isAbsolute());
        QCOMPARE(QFileInfo(proposed[0]).fileName(), QStringLiteral("ZemtarTest.dat"));

        // After a file of another folder was opened, that folder.
        QDir().mkpath(file("customers"));
        const QString dat = makeDat("customers/acme.dat");
        QVERIFY(frame()->documents()->openDocument(dat));
        frame()->runCommand(CMainFrame::ID_FILE_NEW);
        frame()->runCommand(CMainFrame::ID_FILE_SAVE_AS);
        QCOMPARE(proposed.size(), 2);
        QCOMPARE(QFileInfo(proposed[1]).absolutePath(), QFileInfo(dat).absolutePath());
        frame()->runCommand(CMainFrame::ID_FILE_OPEN);
        QCOMPARE(proposed.size(), 3);
        QCOMPARE(QFileInfo(proposed[2]).absoluteFilePath(), QFileInfo(dat).absolutePath());
    }

    void theFirstSaveAfterAReadAsksBeforeReplacingTheFile()
    {
        QFETCH(QString, language);
        // The customer's file, and another radio on com1.
        const QString customer = makeDat("customer.dat");
        const QByteArray customerBytes = test::readAll(customer);
        RadioImage radio;
        QVERIFY(DataFile::load(makeDat("radio.dat"), radio, nullptr));
        radio.setText(16, 8, QByteArray("RADIO")); // channel 1's name
        QVERIFY(DataFile::save(file("radio.dat"), radio, nullptr));
        sim_.start(QStringLiteral(ZEMTAR_BIN_DIR "/zemtar-radiosim"),
                   {QStringLiteral("--from-dat"), file("radio.dat"), QStringLiteral("--save"), file("radio.mem")});
        QVERIFY(sim_.waitForReadyRead(10000));
        const QString device = QString::fromUtf8(sim_.readLine()).trimmed();
        extraSetup_ = QStringLiteral("[Ports]\ncom1=%1\n").arg(device);
        QVERIFY(start(language, {customer}));
        showFrame();

        // Ctrl+R, Start.
        ctrl(Qt::Key_R);
        CProcessDlg* dlg = frame()->activeChild()->link()->processDialog();
        QVERIFY(dlg && dlg->isVisible());
        const QTime before = QTime::currentTime();
        QTest::mouseClick(dlg->startButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!dlg->isVisible(), 60000);
        const QTime after = QTime::currentTime();
        QApplication::setActiveWindow(frame());
        QVERIFY(messages_.isEmpty());
        QCOMPARE(frame()->activeDocument()->image().text(16, 8), QByteArray("RADIO"));
        // Once the read's result has gone, the status bar does not say "Ready" of it.
        QVERIFY2(frame()->idleText().startsWith(QStringLiteral("customer.dat ")), qPrintable(frame()->idleText()));
        QVERIFY(frame()->idleText().contains(QStringLiteral("com1")));

        // Ctrl+S asks, naming the port, the time and the file; Save As is offered first.
        answers_ = {QMessageBox::Cancel};
        ctrl(Qt::Key_S);
        QCOMPARE(messages_.size(), 1);
        const MessageRecord& m = messages_[0];
        const QString at = (before.toString(QStringLiteral("HH:mm")) == after.toString(QStringLiteral("HH:mm")))
                               ? before.toString(QStringLiteral("HH:mm"))
                               : QString();
        QVERIFY2(m.text.contains(QStringLiteral("com1")) && m.text.contains(QStringLiteral("customer.dat")),
                 qPrintable(m.text));
        if (!at.isEmpty())
            QVERIFY2(m.text.contains(at), qPrintable(m.text));
        if (!g().chinese)
            QVERIFY(QRegularExpression(QStringLiteral("^This document now holds the radio read on com1 at "
                                                      "\\d\\d:\\d\\d\\. Replace customer\\.dat with it\\?$"))
                        .match(m.text)
                        .hasMatch());
        QCOMPARE(m.defaultButton, QMessageBox::Yes);
        QCOMPARE(m.labels.value(QMessageBox::Yes).remove(u'&'), either("Save As...", "另存为(A)..."));
        QVERIFY(!m.labels.value(QMessageBox::No).isEmpty());
        QVERIFY(m.buttons.testFlag(QMessageBox::Cancel));
        QCOMPARE(test::readAll(customer), customerBytes); // Cancel: nothing written

        // Save As: the customer's file stays, the radio goes to the new one.
        messages_.clear();
        answers_ = {QMessageBox::Yes};
        QString proposed;
        setFileNameHook([&](bool save, const QString& p) {
            proposed = p;
            return save ? file("radio-read.dat") : QString();
        });
        ctrl(Qt::Key_S);
        QCOMPARE(messages_.size(), 1);
        // Proposed: a name of its own beside the customer's file.
        QCOMPARE(QFileInfo(proposed).absolutePath(), QFileInfo(customer).absolutePath());
        QVERIFY2(QFileInfo(proposed).fileName().startsWith(QStringLiteral("customer-read-")), qPrintable(proposed));
        QVERIFY(!QFile::exists(proposed));
        QCOMPARE(test::readAll(customer), customerBytes);
        RadioImage saved;
        QVERIFY(DataFile::load(file("radio-read.dat"), saved, nullptr));
        QCOMPARE(saved.text(16, 8), QByteArray("RADIO"));
        QCOMPARE(frame()->activeDocument()->displayName(), QStringLiteral("radio-read.dat"));
        QVERIFY2(frame()->statusMessage().contains(QStringLiteral("radio-read.dat")),
                 qPrintable(frame()->statusMessage()));
        // The next Save asks no more.
        messages_.clear();
        ctrl(Qt::Key_S);
        QVERIFY(messages_.isEmpty());

        // Read again into a file, Replace: the file takes the radio.
        QVERIFY(frame()->documents()->openDocument(customer));
        ctrl(Qt::Key_R);
        dlg = frame()->activeChild()->link()->processDialog();
        QTest::mouseClick(dlg->startButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!dlg->isVisible(), 60000);
        QApplication::setActiveWindow(frame());
        messages_.clear();
        answers_ = {QMessageBox::No};
        ctrl(Qt::Key_S);
        QCOMPARE(messages_.size(), 1);
        QVERIFY(DataFile::load(customer, saved, nullptr));
        QCOMPARE(saved.text(16, 8), QByteArray("RADIO"));
    }

    void aNewLanguageRestartsWithTheSameFiles()
    {
        const QString a = makeDat("a.dat");
        const QString b = makeDat("b.dat");
        makeAppDir(QStringLiteral("English"));
        // The helper as a script that notes what it is given.
        const QString helper = appDir() + QStringLiteral("/AppSetup");
        test::writeAll(helper, QStringLiteral("#!/bin/sh\nfor f in \"$@\"; do echo \"$f\"; done > \"%1\"\n")
                                   .arg(file("restart-args.txt"))
                                   .toUtf8());
        QFile(helper).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(startHere({a}));
        showFrame();
        editThroughTheNavigator(QStringLiteral("333333"));
        onNextModal([](QWidget* w) {
            auto* dlg = qobject_cast<CLanguageDlg*>(w);
            QVERIFY(dlg);
            QTest::mouseClick(dlg->findChild<QRadioButton*>(QStringLiteral("chinese")), Qt::LeftButton);
            dlg->accept();
        });
        answers_ = {QMessageBox::Save};
        clickMenu(QStringLiteral("Setup"), QStringLiteral("Language"));
        QVERIFY(!frame()->isVisible());
        QCOMPARE(messages_.size(), 1); // the save question, and no word of a missing helper
        RadioImage saved;
        QVERIFY(DataFile::load(a, saved, nullptr));
        QCOMPARE(saved.text(0x17D2, 6), QByteArray("333333"));
        QTRY_VERIFY(QFile::exists(file("restart-args.txt")));
        QTRY_COMPARE(QString::fromUtf8(test::readAll(file("restart-args.txt"))).trimmed(), a);

        // The program the helper starts, with those files: each open, the last one active.
        app_.reset();
        resetGlobals();
        QVERIFY(startHere({a, b}));
        QVERIFY(g().chinese);
        QCOMPARE(frame()->childFrames().size(), 2);
        QCOMPARE(frame()->activeDocument()->pathName(), b);
        QCOMPARE(frame()->childFrames()[0]->document()->pathName(), a);
        QVERIFY(frame()->windowTitle().contains(QStringLiteral("b.dat")));
        QCOMPARE(frame()->documents()->openFiles(), (QStringList{a, b}));
        // A file gone since is said, the others open.
        messages_.clear();
        QFile::remove(b);
        QVERIFY(startHere({b, a}));
        QCOMPARE(messages_.size(), 1);
        QCOMPARE(frame()->childFrames().size(), 1);
        QCOMPARE(frame()->activeDocument()->pathName(), a);
    }

    void theStatusBarDropsOldNews()
    {
        const QString dat = makeDat("customer.dat");
        QVERIFY(start(QStringLiteral("English"), {dat}));
        showFrame();
        frame()->setResultLifetime(300);
        ctrl(Qt::Key_S);
        QCOMPARE(frame()->statusMessage(), QStringLiteral("Saved to %1").arg(QDir::toNativeSeparators(dat)));
        QTRY_COMPARE_WITH_TIMEOUT(frame()->statusMessage(), QStringLiteral("Ready"), 3000);
        // The next action ends a result at once.
        frame()->setResultLifetime(60000);
        ctrl(Qt::Key_S);
        QVERIFY(frame()->statusMessage().startsWith(QStringLiteral("Saved to")));
        clickMenu(QStringLiteral("View"), QStringLiteral("Toolbar"));
        QCOMPARE(frame()->statusMessage(), QStringLiteral("Ready"));
        frame()->showResult(QStringLiteral("Written to the radio on com1"));
        editThroughTheNavigator(QStringLiteral("444444"));
        QCOMPARE(frame()->statusMessage(), QStringLiteral("Ready"));
        // "Ready" is not said of a band the memory does not give.
        frame()->activeView()->changeDocument(QStringLiteral("blank band"), [&] {
            frame()->activeDocument()->image().set(0x17E8, 0xFF);
            frame()->activeDocument()->image().set(0x17E9, 0xFF);
            frame()->activeDocument()->image().set(0x17EA, 0xFF);
            frame()->activeView()->FillTableFromImage();
        });
        QTRY_VERIFY(frame()->statusMessage().startsWith(QStringLiteral("The band in this memory is not valid")));
        QVERIFY(frame()->idleText().startsWith(QStringLiteral("The band in this memory is not valid")));
    }
};

QTEST_MAIN(DocumentsTest)
#include "DocumentsTest.moc"
