// The application's windows, driven as a user would, with message boxes answered by the test.
#include "UiFixture.h"
#include "app/CChildFrame.h"
#include "app/CDocumentManager.h"
#include "app/CMainFrame.h"
#include "app/CZemtarApp.h"
#include "channels/ui/CZemtarView.h"
#include "editors/ui/CProductInfoDlg.h"
#include "image/DataFile.h"
#include "shell/Messages.h"
#include "shell/PersistedSettings.h"
#include "shell/ui/AppGlobals.h"
#include "shell/ui/CNavigatorBar.h"
#include "shell/ui/CZemtarDoc.h"
#include "shell/ui/Dialogs.h"
#include "shell/ui/MessageBox.h"
#include "support/TestSupport.h"

#include "shell/CIniFile.h"
#include <QElapsedTimer>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace zemtar;
using namespace zemtar::ui;
using namespace zemtar::ui::uitest;

class AppTest : public UiFixture {
    Q_OBJECT

private slots:
    void startUp_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("starts");
        QTest::addColumn<QString>("fileMenu");
        QTest::addColumn<QString>("firstCategory");
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("caption");
        QTest::newRow("English") << "English" << true << "&File"
                                 << "Product Information"
                                 << "CH"
                                 << "Channel Information";
        QTest::newRow("Chinese") << "Chinese" << true << u8("文件(&F)") << u8("类型设置") << u8("信道")
                                 << u8("信道信息");
        // The flag compares exactly, so texts stay English; the module is found as on a
        // file system that ignores case.
        QTest::newRow("lower-case chinese") << "chinese" << true << u8("文件(&F)") << "Product Information"
                                            << "CH"
                                            << "Channel Information";
        QTest::newRow("no language") << "" << false << ""
                                     << ""
                                     << ""
                                     << "";
        QTest::newRow("unknown language") << "Klingon" << false << ""
                                          << ""
                                          << ""
                                          << "";
    }
    void startUp()
    {
        QFETCH(QString, language);
        QFETCH(bool, starts);
        QFETCH(QString, fileMenu);
        QFETCH(QString, firstCategory);
        QFETCH(QString, header);
        QFETCH(QString, caption);
        QVERIFY(start(language) == starts);
        if (!starts) {
            QCOMPARE(messages_.size(), 1);
            QVERIFY(messages_[0].text.startsWith(u8("Load language DLL fail\n")));
            return;
        }
        QVERIFY(messages_.isEmpty());
        QCOMPARE(menuTitles().value(0), fileMenu);
        QVERIFY(frame()->documentMenuShown());
        QTreeWidgetItem* root = frame()->navigator()->root();
        QCOMPARE(root->childCount(), 7);
        QCOMPARE(root->child(0)->text(0), firstCategory);
        QCOMPARE(root->text(0), g().languageValue(QStringLiteral("Company")));
        CChildFrame* child = frame()->activeChild();
        QVERIFY(child);
        QCOMPARE(child->view()->grid()->GetTextMatrix(0, 0), header);
        QCOMPARE(child->view()->grid()->GetTextMatrix(129, 0), QStringLiteral("Fr"));
        QCOMPARE(child->windowTitle().remove(QStringLiteral("[*]")), caption);
        QCOMPARE(g().helpFile, QString(g().chinese ? "chHelp.chm" : "enHelp.chm"));
        QVERIFY(frame()->windowTitle().contains(QStringLiteral("144-145MHz")));
    }

    void missingSetupIsCreatedAndStartUpEnds()
    {
        QVERIFY(!start(QString(), {}, false));
        QVERIFY(QFile::exists(appDir() + QStringLiteral("/Setup.ini")));
        QCOMPARE(messages_.size(), 1);
        QVERIFY(messages_[0].text.startsWith(u8("Load language DLL fail\n")));
    }

    // A start that cannot load its language says which file was tried and what was wrong,
    // in both languages, and offers to go on in English; No ends the program.
    void languageFailureNamesTheFileAndOffersEnglish_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("damage"); // what is done to the program folder
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("chinese");
        QTest::newRow("no language") << ""
                                     << ""
                                     << "/Setup.ini names no language: its [Setup] section needs" << u8("没有指定语言");
        QTest::newRow("missing module") << "Klingon"
                                        << ""
                                        << "/Klingon.qm is missing." << u8("缺少语言文件");
        QTest::newRow("not a translation") << "English"
                                           << "garbage"
                                           << "/English.qm is not a translation file" << u8("不是翻译文件");
        QTest::newRow("a folder") << "English"
                                  << "folder"
                                  << "/English.qm cannot be read: it is a folder." << u8("无法读取语言文件");
        QTest::newRow("Chinese, damaged") << "Chinese"
                                          << "garbage"
                                          << "/Chinese.qm is not a translation file" << u8("不是翻译文件");
        QTest::newRow("settings unreadable") << "English"
                                             << "setup folder"
                                             << "/Setup.ini could not be read" << u8("无法读取设置文件");
    }
    void languageFailureNamesTheFileAndOffersEnglish()
    {
        QFETCH(QString, language);
        QFETCH(QString, damage);
        QFETCH(QString, english);
        QFETCH(QString, chinese);
        for (const bool goOn : {false, true}) {
            makeAppDir(language);
            const QString module = appDir() + u'/' + (language.isEmpty() ? u8("English") : language) + u8(".qm");
            if (damage == u8("garbage")) {
                QVERIFY(zemtar::test::writeAll(module, "this is no translation"));
            } else if (damage == u8("folder")) {
                QFile::remove(module);
                QDir().mkpath(module);
            } else if (damage == u8("setup folder")) {
                QFile::remove(appDir() + u8("/Setup.ini"));
                QDir().mkpath(appDir() + u8("/Setup.ini"));
            }
            messages_.clear();
            answers_ = {goOn ? QMessageBox::Yes : QMessageBox::No};
            QCOMPARE(startHere(), goOn);
            QCOMPARE(messages_.size(), 1);
            const MessageRecord& m = messages_[0];
            QCOMPARE(m.buttons, QMessageBox::Yes | QMessageBox::No);
            const bool chineseFirst = language == u8("Chinese");
            QVERIFY2(m.text.startsWith(chineseFirst ? u8("加载语言链接库失败\n") : u8("Load language DLL fail\n")),
                     qPrintable(m.text));
            QVERIFY2(m.text.contains(appDir() + english), qPrintable(m.text));
            QVERIFY2(m.text.contains(chinese) && m.text.contains(u8("以英文继续吗？")) &&
                         m.text.contains(u8("Go on in English?")),
                     qPrintable(m.text));
            if (goOn) {
                QCOMPARE(menuTitles().value(0), u8("&File"));
                QVERIFY(!g().chinese);
                QCOMPARE(g().helpFile, u8("enHelp.chm"));
                QCOMPARE(frame()->navigator()->root()->child(0)->text(0), u8("Product Information"));
            }
            app_.reset();
            resetGlobals();
        }
    }

    // A last radio type that names none of the types is dropped with a message: the new
    // document takes the first type, not the low byte of the number.
    void persistedRadioTypeOutsideTheTypesIsReset_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("told");
        QTest::newRow("-1") << "-1" << 0 << true;
        QTest::newRow("past the list") << "3" << 0 << true;
        QTest::newRow("257") << "257" << 0 << true;
        QTest::newRow("text") << "two" << 0 << true;
        QTest::newRow("in the list") << "2" << 2 << false;
    }
    void persistedRadioTypeOutsideTheTypesIsReset()
    {
        QFETCH(QString, value);
        QFETCH(int, type);
        QFETCH(bool, told);
        const QString config = dir_.filePath(u8("config/zemtar"));
        QDir().mkpath(config);
        QVERIFY(zemtar::test::writeAll(config + u8("/registry.ini"),
                                       u8("[Software/ZemtarTest]\nType=%1\n").arg(value).toUtf8()));
        QVERIFY(start(u8("English")));
        QCOMPARE(messages_.size(), told ? 1 : 0);
        if (told)
            QVERIFY2(messages_[0].text.contains(u8("(Type=%1) is not one of the 3 radio types").arg(value)),
                     qPrintable(messages_[0].text));
        QCOMPARE(int(frame()->activeDocument()->image().at(0x17D1)), type);
        QCOMPARE(g().registry().value(u8("Type")).value_or(-100), told ? -100 : type);
    }

    void languageModuleOnlyFromTheProgramFolder()
    {
        makeAppDir(QStringLiteral("English"));
        QFile::remove(appDir() + QStringLiteral("/English.qm"));
        // A module in the current folder must not stand in for the missing one.
        const QString cwd = QDir::currentPath();
        QDir::setCurrent(QStringLiteral(ZEMTAR_BIN_DIR));
        const bool started = startHere();
        QDir::setCurrent(cwd);
        QVERIFY(!started);
        QCOMPARE(CZemtarApp::languageModule(QStringLiteral(ZEMTAR_BIN_DIR), QStringLiteral("CHINESE")),
                 QStringLiteral(ZEMTAR_BIN_DIR "/Chinese.qm"));
    }

    void navigatorRouting_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << "English";
        QTest::newRow("Chinese") << "Chinese";
    }
    void navigatorRouting()
    {
        QFETCH(QString, language);
        QVERIFY(start(language));
        CNavigatorBar* nav = frame()->navigator();
        QTreeWidgetItem* root = nav->root();
        QString opened;
        onNextModal([&](QWidget* w) { opened = w ? w->objectName() : QString(); });
        nav->choose(root->child(CNavigatorBar::ProductInfo));
        QCOMPARE(opened, QStringLiteral("productInfoDialog"));
        QCOMPARE(nav->tree()->currentItem(), root);

        CChildFrame* child = frame()->activeChild();
        frame()->runCommand(CMainFrame::ID_FILE_CLOSE);
        QVERIFY(child->isHidden());
        QCOMPARE(frame()->childFrames().size(), 1);
        nav->choose(root->child(CNavigatorBar::ChannelInfo));
        QVERIFY(child->isVisible());
        QCOMPARE(frame()->activeChild(), child);

        const struct {
            CNavigatorBar::Category category;
            const char* dialog;
        } editors[] = {{CNavigatorBar::OptionalFeatures, "optionalFeaturesDialog"},
                       {CNavigatorBar::Dtmf, "dtmfDialog"},
                       {CNavigatorBar::Msk, "mskDialog"},
                       {CNavigatorBar::TwoTone, "twoToneDialog"},
                       {CNavigatorBar::KeyAssignment, "keyAssignDialog"}};
        for (const auto& e : editors) {
            onNextModal([&](QWidget* w) { opened = w ? w->objectName() : QString(); });
            nav->choose(root->child(e.category));
            QCOMPARE(opened, QString::fromLatin1(e.dialog));
            QCOMPARE(nav->tree()->currentItem(), root);
        }
        // The root and nothing do nothing.
        nav->choose(root);
        nav->choose(nullptr);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QCOMPARE(nav->tree()->currentItem(), root);
    }

    void controlBarToggles()
    {
        QVERIFY(start(QStringLiteral("English")));
        frame()->show();
        QVERIFY(frame()->navigator()->isVisible());
        frame()->runCommand(CMainFrame::ID_CONTROL_BAR);
        QVERIFY(!frame()->navigator()->isVisible());
        QVERIFY(!frame()->action(CMainFrame::ID_CONTROL_BAR)->isChecked());
        frame()->runCommand(CMainFrame::ID_CONTROL_BAR);
        QVERIFY(frame()->navigator()->isVisible());
        frame()->resize(600, 500);
        QVERIFY(frame()->navigator()->maximumWidth() <= 300);
    }

    void openFillsTheTableAndSavesTheSameBytes_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << "English";
        QTest::newRow("Chinese") << "Chinese";
    }
    void openFillsTheTableAndSavesTheSameBytes()
    {
        QFETCH(QString, language);
        const QString dat = makeDat("known.dat", 2);
        const QByteArray bytes = test::readAll(dat);
        QVERIFY(start(language, {dat}));
        CZemtarView* view = frame()->activeView();
        QVERIFY(view);
        RadioImage img;
        QVERIFY(DataFile::load(dat, img, nullptr));
        ChannelTable expect;
        expect.fillFromImage(img, g().lang());
        for (int r = kFirstRow; r <= kLastRow; ++r)
            for (int c = 0; c < ColumnCount; ++c)
                QCOMPARE(view->grid()->GetTextMatrix(r, c), expect.cell(r, c));
        QCOMPARE(view->grid()->GetTextMatrix(129, ColPower), g().chinese ? u8("低") : u8("Low"));
        QVERIFY(!frame()->activeDocument()->isNewDocument());
        QCOMPARE(g().registry().value(QStringLiteral("Type")), std::optional<int>(2));
        QVERIFY(frame()->windowTitle().contains(QStringLiteral("ZR-530K")));
        // Saved unchanged: the very same bytes.
        QFile::remove(dat);
        QVERIFY(frame()->documents()->saveDocument(frame()->activeChild(), false));
        QCOMPARE(test::readAll(dat), bytes);
    }

    void openClosesThePreviousWindowAndRefusesBadFiles()
    {
        QVERIFY(start(QStringLiteral("English")));
        CChildFrame* first = frame()->activeChild();
        QVERIFY(frame()->activeDocument()->isNewDocument());
        test::writeAll(file("short.dat"), QByteArray(100, 'x'));
        QVERIFY(!frame()->documents()->openDocument(file("short.dat")));
        QCOMPARE(messages_.size(), 1);
        QVERIFY(messages_[0].text.contains(QStringLiteral("short.dat")));
        QCOMPARE(frame()->activeChild(), first);
        QVERIFY(frame()->documents()->openDocument(makeDat("a.dat")));
        QTest::qWait(0);
        QCOMPARE(frame()->childFrames().size(), 1);
        QVERIFY(frame()->activeChild() != first);
        QVERIFY(!frame()->activeDocument()->isNewDocument());
        QCOMPARE(frame()->documents()->recentFiles().value(0), file("a.dat"));

        // A recent file gone from the disk leaves the File menu at once, and the stored list.
        QVERIFY(frame()->documents()->openDocument(makeDat("b.dat")));
        QFile::remove(file("a.dat"));
        frame()->documents()->openRecent(file("a.dat"));
        QVERIFY(!frame()->documents()->recentFiles().contains(file("a.dat")));
        QStringList listed;
        for (QAction* a : frame()->menuBar()->actions().value(0)->menu()->actions())
            listed << a->data().toString();
        QVERIFY(listed.contains(file("b.dat")));
        QVERIFY(!listed.contains(file("a.dat")));
        QTRY_VERIFY(!PersistedSettings::recentFileStore().recentFiles().contains(file("a.dat")));
    }

    void fileNewWarns()
    {
        // A document without changes is replaced at once; one with changes warns and asks.
        QVERIFY(start(QStringLiteral("English")));
        CChildFrame* first = frame()->activeChild();
        frame()->runCommand(CMainFrame::ID_FILE_NEW);
        QTest::qWait(0);
        QVERIFY(messages_.isEmpty());
        QCOMPARE(frame()->childFrames().size(), 1);
        QVERIFY(frame()->activeChild() != first);
        first = frame()->activeChild();
        frame()->activeView()->changeDocument(QStringLiteral("edit"), [&] { first->document()->image().set(0, 1); });
        answers_ = {QMessageBox::Cancel};
        frame()->runCommand(CMainFrame::ID_FILE_NEW);
        QCOMPARE(messages_.size(), 1);
        QVERIFY(messages_[0].text.startsWith(u8("All data will be Cleared!")));
        QVERIFY(messages_[0].buttons.testFlag(QMessageBox::Save));
        QCOMPARE(frame()->activeChild(), first);
        answers_ = {QMessageBox::Discard};
        frame()->runCommand(CMainFrame::ID_FILE_NEW);
        QTest::qWait(0);
        QCOMPARE(frame()->childFrames().size(), 1);
        QVERIFY(frame()->activeChild() != first);
    }

    void newDocumentTakesThePersistedTypeAndSavesAsAppName()
    {
        makeAppDir(QStringLiteral("English"));
        PersistedSettings(QStringLiteral("ZemtarTest")).setValue(QStringLiteral("Type"), 1);
        QVERIFY(startHere());
        CZemtarDoc* doc = frame()->activeDocument();
        QCOMPARE(doc->image().at(0x17D1), 1);
        QVERIFY(frame()->windowTitle().startsWith(QStringLiteral("Zemtar  [ Type:ZR-530U  Fre:144-145MHz ]")));
        QString proposed;
        setFileNameHook([&](bool save, const QString& p) {
            proposed = p;
            return save ? file("saved.dat") : QString();
        });
        frame()->runCommand(CMainFrame::ID_FILE_SAVE);
        setFileNameHook({});
        QCOMPARE(QFileInfo(proposed).fileName(), QStringLiteral("ZemtarTest.dat"));
        QCOMPARE(test::readAll(file("saved.dat")).size(), 6144);
    }

    void failedSaveLeavesTheFileIntact()
    {
        const QString dat = makeDat("keep.dat");
        const QByteArray bytes = test::readAll(dat);
        QVERIFY(start(QStringLiteral("English"), {dat}));
        frame()->activeView()->grid()->SetTextMatrix(1, ColName, QStringLiteral("CHANGED"));
        {
            test::FileSizeLimit limit(1000);
            QVERIFY(!frame()->documents()->saveDocument(frame()->activeChild(), false));
        }
        QCOMPARE(messages_.size(), 1);
        QVERIFY(messages_[0].text.contains(QStringLiteral("keep.dat")));
        QCOMPARE(test::readAll(dat), bytes);
    }

    void productInformation()
    {
        QVERIFY(start(QStringLiteral("English")));
        CZemtarView* view = frame()->activeView();
        RadioImage& img = view->GetDocument()->image();
        {
            CProductInfoDlg dlg(img, frame());
            connect(&dlg, &CProductInfoDlg::bandChanged, view, [view](qint64 lo, qint64 hi) {
                view->setBandLimits({lo, hi});
            });
            QCOMPARE(dlg.modelList()->count(), 3);
            QCOMPARE(dlg.lowEdit()->text(), QStringLiteral("144"));
            dlg.modelList()->setCurrentIndex(2);
            dlg.lowEdit()->setText(QStringLiteral("400"));
            dlg.highEdit()->setText(QStringLiteral("470"));
            QString caption;
            connect(&dlg, &CProductInfoDlg::captionChanged, [&](const QString& c) { caption = c; });
            dlg.accept();
            QCOMPARE(dlg.result(), int(QDialog::Accepted));
            QCOMPARE(caption, QStringLiteral("Zemtar  [ Type:ZR-530K  Fre:400-470MHz ]"));
        }
        QCOMPARE(img.at(0x17D1), 2);
        QCOMPARE(img.toByteArray().mid(0x17E8, 3), QByteArray("\x40\x47\x00", 3));
        QCOMPARE(view->bandLimits().low, 40000000);
        QCOMPARE(view->bandLimits().high, 47000000);
        QCOMPARE(g().registry().value(QStringLiteral("Type")), std::optional<int>(2));
        const QByteArray before = img.toByteArray();
        {
            // The registry's choice wins over the image's; a band upside down is refused.
            img.set(0x17D1, 0);
            CProductInfoDlg dlg(img, frame());
            QCOMPARE(dlg.modelList()->currentIndex(), 2);
            dlg.lowEdit()->setText(QStringLiteral("146"));
            dlg.highEdit()->setText(QStringLiteral("145"));
            dlg.accept();
            QVERIFY(dlg.result() != int(QDialog::Accepted));
            QCOMPARE(messages_.size(), 1);
            QCOMPARE(messages_[0].text, QStringLiteral("Frequency input error"));
        }
        img.set(0x17D1, 2);
        QCOMPARE(img.toByteArray(), before);
    }

    void aboutShowsTheLanguageTexts()
    {
        QVERIFY(start(QStringLiteral("English")));
        CAboutDlg about(frame());
        QCOMPARE(about.windowTitle(), QStringLiteral("About"));
        QCOMPARE(about.findChild<QLabel*>(QStringLiteral("Version"))->text(), QStringLiteral("V1"));
        QCOMPARE(about.findChild<QLabel*>(QStringLiteral("Copyrights"))->text(), QString());
    }

    void aShortMessageShowsItsWholeTitle()
    {
        QMessageBox box(QMessageBox::Warning, QString::fromUtf8("对讲机写频软件 - Zemtar Programming Software"),
                        QStringLiteral("OK?"), QMessageBox::Ok);
        fitTitle(box);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QVERIFY(box.width() > box.fontMetrics().horizontalAdvance(box.windowTitle()) + 100);
    }

    void languageChangeClosesAndReportsAMissingHelper()
    {
        extraSetup_ = QStringLiteral("[Ports]\ncom1=/dev/ttyS0\n");
        QVERIFY(start(QStringLiteral("English")));
        frame()->show();
        // The port is set again while the program runs; the language change keeps it.
        const QString setup = appDir() + QStringLiteral("/Setup.ini");
        QByteArray edited = test::readAll(setup);
        edited.replace("com1=/dev/ttyS0", "com1=/dev/ttyUSB0");
        QVERIFY(test::writeAll(setup, edited));
        onNextModal([](QWidget* w) {
            auto* dlg = qobject_cast<CLanguageDlg*>(w);
            QVERIFY(dlg);
            dlg->findChild<QRadioButton*>(QStringLiteral("chinese"))->setChecked(true);
            dlg->accept();
        });
        frame()->runCommand(CMainFrame::ID_LANGUAGE);
        QVERIFY(!frame()->isVisible());
        QCOMPARE(g().setupIni.GetValue(QStringLiteral("Setup"), QStringLiteral("Language")), QStringLiteral("Chinese"));
        QCOMPARE(messages_.size(), 1);
        QVERIFY(messages_[0].text.contains(QStringLiteral("AppSetup")));
        for (const bool ended : {false, true}) {
            const QByteArray now = test::readAll(setup);
            QVERIFY(now.contains("Language=Chinese"));
            QVERIFY2(now.contains("com1=/dev/ttyUSB0"), ended ? "after the end" : "at the change");
            app_.reset();
            resetGlobals();
        }
    }

    void theUsersOwnSetupIsReadFirstAndTakesTheChanges()
    {
        // An installed program: its Setup.ini says English; the user's copy says Chinese.
        makeAppDir(QStringLiteral("English"));
        const QString user = CIniFile::userCopyPath(QStringLiteral("Setup.ini"));
        QDir().mkpath(QFileInfo(user).absolutePath());
        zemtar::test::writeAll(user, QString::fromUtf8(kSetup).arg(QStringLiteral("Chinese")).toUtf8());
        const QByteArray programCopy = test::readAll(appDir() + QStringLiteral("/Setup.ini"));
        QVERIFY(startHere());
        QVERIFY(g().chinese);
        g().setupIni.SetValue(QStringLiteral("Setup"), QStringLiteral("Language"), QStringLiteral("English"));
        app_.reset();
        QVERIFY(g().setupIni.Save(false));
        resetGlobals();
        QVERIFY(test::readAll(user).contains("Language=English"));
        QCOMPARE(test::readAll(appDir() + QStringLiteral("/Setup.ini")), programCopy); // the default stays
        QFile::remove(user);
        // A program folder that cannot be written sends the changes to the user's copy.
        QCOMPARE(CIniFile::writablePath(QStringLiteral("/proc/no-such-folder/Setup.ini"), QStringLiteral("Setup.ini")),
                 user);
        QCOMPARE(CIniFile::writablePath(appDir() + QStringLiteral("/Setup.ini"), QStringLiteral("Setup.ini")),
                 appDir() + QStringLiteral("/Setup.ini"));
    }

    void splashGoesOnAKeyAndSwallowsIt()
    {
        makeAppDir(QStringLiteral("English"));
        g().appDir = appDir();
        QImage(40, 30, QImage::Format_RGB32).save(appDir() + QStringLiteral("/startup.bmp"), "BMP");
        CSplashWnd splash;
        QVERIFY(splash.ShowSplashScreen());
        QVERIFY(splash.isVisible());
        QWidget target;
        target.show();
        bool reached = false;
        struct Spy : QObject {
            bool* hit;
            bool eventFilter(QObject*, QEvent* e) override
            {
                if (e->type() == QEvent::KeyPress)
                    *hit = true;
                return false;
            }
        } spy;
        spy.hit = &reached;
        target.installEventFilter(&spy);
        QTest::keyClick(&target, Qt::Key_A);
        QVERIFY(!splash.isVisible());
        QVERIFY(!reached);
        QTest::keyClick(&target, Qt::Key_B);
        QVERIFY(reached);
    }

    void theMainWindowIsBuiltWhileTheSplashIsUp()
    {
        makeAppDir(QStringLiteral("English"));
        QImage(40, 30, QImage::Format_RGB32).save(appDir() + QStringLiteral("/startup.bmp"), "BMP");
        const QString dat = makeDat("s.dat");
        app_.reset();
        resetGlobals();
        app_ = std::make_unique<CZemtarApp>();
        bool builtDuringSplash = false, shownDuringSplash = true;
        QTimer::singleShot(600, [&] {
            builtDuringSplash = app_->mainFrame() != nullptr;
            shownDuringSplash = builtDuringSplash && app_->mainFrame()->isVisible();
        });
        QElapsedTimer t;
        t.start();
        QVERIFY(app_->InitInstance({QStringLiteral("zemtar"), dat}, appDir(), true));
        const qint64 took = t.elapsed();
        QVERIFY(builtDuringSplash);
        QVERIFY(!shownDuringSplash);
        QVERIFY(frame()->isVisible());
        QVERIFY2(took >= 1000 && took < 1500, qPrintable(QString::number(took)));
        // The recent-file list reaches the disk once the loop runs, not before the window.
        QCOMPARE(frame()->documents()->recentFiles().value(0), dat);
        QTRY_COMPARE(PersistedSettings::recentFileStore().recentFiles().value(0), dat);
    }
};

QTEST_MAIN(AppTest)
#include "AppTest.moc"
