// Read, Write, Com Setup and the power adjustment in the window, against the simulated radio.
#include "UiFixture.h"
#include "app/CChildFrame.h"
#include "channels/TableText.h"
#include "channels/ui/CMSFlexGrid.h"
#include "channels/ui/CZemtarView.h"
#include "editors/Settings.h"
#include "fleet/FleetJob.h"
#include "fleet/ui/CFleetDlg.h"
#include "link/SerialLink.h"
#include "link/ui/CComSetupDlg.h"
#include "link/ui/CLinkController.h"
#include "link/ui/CPowerDebugDlg.h"
#include "link/ui/CProcessDlg.h"
#include "link/ui/CVerifyDlg.h"
#include "link/ui/GuiLinkHost.h"
#include "shell/Messages.h"
#include "shell/ui/CZemtarDoc.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

#include <unistd.h>

using namespace zemtar;
using namespace zemtar::ui;
using namespace zemtar::ui::uitest;

class LinkUiTest : public UiFixture {
    Q_OBJECT

    QProcess sim_;
    QString device_;

    // Starts the simulated radio with `args` and the program with com1 pointing at it (com2 at
    // `com2`).
    void startWithRadio(const QStringList& args, const QString& language = QStringLiteral("English"),
                        const QString& com2 = QStringLiteral("/no/such/device"))
    {
        sim_.start(QStringLiteral(ZEMTAR_BIN_DIR "/zemtar-radiosim"),
                   args + QStringList{QStringLiteral("--save"), file("radio.mem")});
        QVERIFY(sim_.waitForReadyRead(10000));
        device_ = QString::fromUtf8(sim_.readLine()).trimmed();
        extraSetup_ = QStringLiteral("[Ports]\ncom1=%1\ncom2=%2\n").arg(device_, com2);
        QVERIFY(start(language));
    }
    void stopRadio()
    {
        if (sim_.state() != QProcess::NotRunning) {
            sim_.terminate();
            sim_.waitForFinished(10000);
        }
    }
    // Runs a transfer through the progress window as the user does: the command, then Start
    // (`started` runs just before the click, for dialogs the transfer opens).
    void transfer(bool writing, const std::function<void()>& started = {})
    {
        CZemtarView* view = frame()->activeView();
        frame()->runCommand(writing ? CMainFrame::ID_WRITE : CMainFrame::ID_READ);
        CProcessDlg* dlg = frame()->activeChild()->link()->processDialog();
        QVERIFY(dlg && dlg->isVisible());
        if (!g().chinese) {
            QCOMPARE(dlg->windowTitle(), writing ? QStringLiteral("Write Data") : QStringLiteral("Read Data"));
            QCOMPARE(dlg->statusLabel()->text(), QStringLiteral("Not start yet"));
        }
        QCOMPARE(dlg->minimumSize(), dlg->maximumSize()); // a fixed frame, without a resize handle
        QCOMPARE(dlg->findChild<QCheckBox*>(QStringLiteral("verifyAfterWriting"))->isVisible(), writing);
        QVERIFY(!writing || dlg->findChild<QCheckBox*>(QStringLiteral("verifyAfterWriting"))->geometry().bottom() <
                                dlg->startButton()->geometry().top());
        if (started)
            started();
        QTest::mouseClick(dlg->startButton(), Qt::LeftButton);
        // The transfer runs inside the event that Start posted; the window goes when it ends.
        QTRY_VERIFY_WITH_TIMEOUT(!dlg->isVisible(), 60000);
        QVERIFY(!frame()->activeChild()->link()->transferRunning());
    }
    QString cell(int row, int col) const { return frame()->activeView()->grid()->GetTextMatrix(row, col); }
    // Runs `f` on the password dialog when it shows (within 20 s; nullptr without one).
    template <class F> static void onPasswordDialog(F f)
    {
        auto* timer = new QTimer;
        auto waited = std::make_shared<int>(0);
        QObject::connect(timer, &QTimer::timeout, [timer, waited, f] {
            QWidget* w = nullptr;
            for (QWidget* t : QApplication::topLevelWidgets())
                if (t->isVisible() && t->objectName() == QStringLiteral("radioPasswordDialog"))
                    w = t;
            if (!w && ++*waited < 2000)
                return;
            timer->stop();
            timer->deleteLater();
            f(w);
            if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible())
                d->reject();
        });
        timer->start(10);
    }

private slots:
    void cleanup()
    {
        stopRadio();
        app_.reset();
        resetGlobals();
    }

    void aRadioWithAPasswordIsReadOnceOptionalFeaturesHoldsIt()
    {
        startWithRadio({QStringLiteral("--from-dat"), makeDat("radio.dat"), QStringLiteral("--password"),
                        QStringLiteral("123456")});
        transfer(false, [] {
            onPasswordDialog([](QWidget* w) { // the password asked for after the message: not given
                QVERIFY(w && w->objectName() == QStringLiteral("radioPasswordDialog"));
                QTest::mouseClick(w->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel), Qt::LeftButton);
            });
        });
        QCOMPARE(messages_.size(), 1);
        QCOMPARE(messages_[0].text, QStringLiteral("Password Erroe!"));
        QVERIFY(cell(1, ColRx).isEmpty());
        messages_.clear();
        onNextModal([&](QWidget* w) {
            auto* pass = w->findChild<QLineEdit*>(QStringLiteral("field%1").arg(editors::of::DataPassword));
            QVERIFY(pass);
            pass->setFocus();
            QTest::keyClicks(pass, QStringLiteral("123456"));
            auto* ok = w->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
            QTest::mouseClick(ok, Qt::LeftButton);
        });
        frame()->runCommand(CMainFrame::ID_OPTIONAL_FEATURES);
        transfer(false);
        QVERIFY(messages_.isEmpty());
        QCOMPARE(cell(1, ColRx), QStringLiteral("145.12500"));
    }

    // After "Password Erroe!" the radio's password is asked for once and the read runs with it;
    // a wrong answer ends as the first read did.
    void aRadiosPasswordAskedForAfterTheMismatch_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("reads");
        QTest::newRow("right") << "123456" << true;
        QTest::newRow("wrong") << "654321" << false;
    }
    void aRadiosPasswordAskedForAfterTheMismatch()
    {
        QFETCH(QString, answer);
        QFETCH(bool, reads);
        startWithRadio({QStringLiteral("--from-dat"), makeDat("radio.dat"), QStringLiteral("--password"),
                        QStringLiteral("123456")});
        bool asked = false;
        transfer(false, [&] {
            onPasswordDialog([&](QWidget* w) {
                QVERIFY(w && w->objectName() == QStringLiteral("radioPasswordDialog"));
                asked = true;
                QCOMPARE(w->windowTitle(), QStringLiteral("Data Password"));
                QCOMPARE(messages_.size(), 1); // after the message
                auto* edit = w->findChild<QLineEdit*>(QStringLiteral("password"));
                QVERIFY(edit);
                QTest::keyClicks(edit, answer + QStringLiteral("7")); // six characters at most
                QTest::mouseClick(w->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
            });
        });
        QVERIFY(asked);
        QCOMPARE(messages_.size(), reads ? 1 : 2);
        for (const MessageRecord& m : messages_)
            QCOMPARE(m.text, QStringLiteral("Password Erroe!"));
        QCOMPARE(cell(1, ColRx), reads ? QStringLiteral("145.12500") : QString());
        if (reads)
            QCOMPARE(frame()->activeDocument()->image().text(0x17D2, 6), QByteArray("123456"));
    }

    void ctrlWOnTheWindowOpensWriteAndSuccessIsInTheStatusBar()
    {
        startWithRadio({QStringLiteral("--from-dat"), makeDat("radio.dat")});
        frame()->show();
        QVERIFY(QTest::qWaitForWindowActive(frame()));
        QVERIFY(frame()->activeChild()->isMaximized()); // every column reachable by scrolling
        CZemtarView* view = frame()->activeView();
        QTest::keyClick(view->grid(), Qt::Key_W, Qt::ControlModifier);
        CProcessDlg* dlg = frame()->activeChild()->link()->processDialog();
        QVERIFY(dlg && dlg->isVisible());
        QCOMPARE(dlg->windowTitle(), QStringLiteral("Write Data"));
        QTest::mouseClick(dlg->startButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!dlg->isVisible(), 60000);
        QCOMPARE(frame()->statusMessage(), QStringLiteral("Written to the radio on com1 (%1)").arg(device_));
        QApplication::setActiveWindow(frame()); // the offscreen platform activates nothing itself
        QVERIFY(QTest::qWaitForWindowActive(frame()));
        QTest::keyClick(view->grid(), Qt::Key_R, Qt::ControlModifier);
        QVERIFY(dlg->isVisible());
        QTest::mouseClick(dlg->startButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!dlg->isVisible(), 60000);
        QCOMPARE(frame()->statusMessage(), QStringLiteral("Read from the radio on com1 (%1): 191 rows").arg(device_));
        QVERIFY(messages_.isEmpty());
    }

    void startIsTheDefaultButtonEveryTimeTheWindowOpens()
    {
        startWithRadio({QStringLiteral("--from-dat"), makeDat("radio.dat"), QStringLiteral("--wrong-id")});
        transfer(false); // fails: a radio of another type
        messages_.clear();
        CZemtarView* view = frame()->activeView();
        frame()->runCommand(CMainFrame::ID_READ);
        CProcessDlg* dlg = frame()->activeChild()->link()->processDialog();
        QVERIFY(dlg->isVisible());
        QVERIFY(dlg->startButton()->isDefault());
        QVERIFY(!dlg->cancelButton()->isDefault());
        QTest::keyClick(dlg, Qt::Key_Return); // Enter starts the read, it does not close the window
        QTRY_VERIFY_WITH_TIMEOUT(!dlg->isVisible(), 60000);
        QCOMPARE(messages_.size(), 1); // the transfer ran (and met the same radio again)
    }

    void longWaitsKeepTheWindowPaintingButTakeNoUserInput()
    {
        QVERIFY(start(QStringLiteral("English")));
        GuiLinkHost host(frame());
        bool painted = false;
        QTimer::singleShot(100, [&] { painted = true; }); // stands for the window's repaints
        QElapsedTimer t;
        t.start();
        host.sleepMs(700);
        QVERIFY(painted);
        QVERIFY(t.elapsed() >= 700);
        painted = false;
        QTimer::singleShot(0, [&] { painted = true; });
        host.sleepMs(2); // the protocol's short waits stay plain sleeps
        QVERIFY(!painted);
        QTest::qWait(10);
    }

    void readFillsTheTableAndWriteGoesBack()
    {
        startWithRadio({QStringLiteral("--from-dat"), makeDat("radio.dat")});
        QVERIFY(cell(1, ColRx).isEmpty());
        transfer(false);
        QVERIFY(messages_.isEmpty());
        QCOMPARE(cell(1, ColRx), QStringLiteral("145.12500"));
        QCOMPARE(cell(1, ColName), QStringLiteral("HOME"));
        QCOMPARE(frame()->activeChild()->link()->processDialog()->progressBar()->value(), 191);
        QVERIFY(!frame()->activeDocument()->isNewDocument());

        frame()->activeView()->grid()->SetTextMatrix(1, ColName, QStringLiteral("AWAY"));
        transfer(true);
        QVERIFY(messages_.isEmpty());
        stopRadio();
        const QByteArray memory = zemtar::test::readAll(file("radio.mem"));
        QCOMPARE(memory.mid(16, 8), QByteArray("AWAY\xFF\xFF\xFF\xFF"));
    }

    void aBlankRadiosBandIsUnknownAndItsIdentifiedBandChecks()
    {
        // A radio never programmed: band and type bytes FF.
        RadioImage blank = RadioImage::newDocument();
        for (std::size_t i = 0; i < 3; ++i)
            blank.set(map::kBand.offset + i, 0xFF);
        blank.set(map::kRadioType.offset, 0xFF);
        QVERIFY(DataFile::save(file("blank.dat"), blank, nullptr));
        startWithRadio(
            {QStringLiteral("--from-dat"), file("blank.dat"), QStringLiteral("--band"), QStringLiteral("136-174")});
        transfer(false);
        QVERIFY(messages_.isEmpty());
        QVERIFY2(frame()->windowTitle().contains(QStringLiteral("Type:unknown  Fre:unknown")),
                 qPrintable(frame()->windowTitle()));
        QVERIFY(frame()->statusMessage().contains(QStringLiteral("checked against the radio's band, 136-174MHz")));
        CZemtarView* view = frame()->activeView();
        QCOMPARE(view->bandLimits().low, 13600000);
        // Typed frequencies inside the radio's band pass; the band bytes stay as read.
        const QModelIndex at = view->grid()->model()->index(2, ColRx - 1);
        QTest::mouseClick(view->grid()->viewport(), Qt::LeftButton, {}, view->grid()->visualRect(at).center());
        QTest::keyClicks(view->frequencyEdit(), QStringLiteral("170.5"));
        QTest::keyClick(view->frequencyEdit(), Qt::Key_Return);
        QVERIFY(messages_.isEmpty());
        QCOMPARE(cell(3, ColRx), QStringLiteral("170.50000"));
        view->StoreTableIntoImage();
        QCOMPARE(frame()->activeDocument()->image().at(map::kBand.offset), std::uint8_t(0xFF));
    }

    // Runs Program > Verify (or a write with "Verify after writing") and returns what the
    // verify window said: its summary, then the differences.
    QStringList verifyResult(int command)
    {
        QStringList seen;
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [&seen, timer] {
            auto* w = qobject_cast<CVerifyDlg*>(QApplication::activeModalWidget());
            if (!w)
                return;
            seen << w->summary()->text();
            if (!w->list()->toPlainText().isEmpty())
                seen += w->list()->toPlainText().split(u'\n');
            w->reject();
            timer->stop();
        });
        timer->start(10);
        CZemtarView* view = frame()->activeView();
        frame()->runCommand(command);
        CProcessDlg* dlg = frame()->activeChild()->link()->processDialog();
        if (!dlg || !dlg->isVisible())
            return {QStringLiteral("no progress window")};
        if (command == CMainFrame::ID_WRITE)
            dlg->verifyBox()->setChecked(true);
        QTest::mouseClick(dlg->startButton(), Qt::LeftButton);
        QElapsedTimer waited;
        waited.start();
        while (seen.isEmpty() && waited.elapsed() < 60000)
            QTest::qWait(20);
        delete timer;
        return seen;
    }

    void verifyComparesTheDocumentAndWriteCanVerify()
    {
        startWithRadio(
            {QStringLiteral("--from-dat"), makeDat("radio.dat"), QStringLiteral("--turnaround"), QStringLiteral("0")});
        transfer(false);
        QStringList r = verifyResult(CMainFrame::ID_VERIFY);
        QCOMPARE(r, QStringList{QStringLiteral("The radio holds exactly this document.")});
        QCOMPARE(frame()->activeChild()->link()->processDialog()->windowTitle(), QStringLiteral("Verify"));
        // A changed cell is named, and the document stays as it is.
        frame()->activeView()->grid()->SetTextMatrix(1, ColName, QStringLiteral("OTHER"));
        r = verifyResult(CMainFrame::ID_VERIFY);
        QCOMPARE(r.size(), 2);
        QCOMPARE(r[1], QStringLiteral("channel 1: Chnnel Name: OTHER in the file, HOME in the radio"));
        QCOMPARE(cell(1, ColName), QStringLiteral("OTHER"));
        // Written with "Verify after writing": the radio holds it; the choice is remembered.
        r = verifyResult(CMainFrame::ID_WRITE);
        QCOMPARE(r, QStringList{QStringLiteral("The radio holds exactly this document.")});
        QCOMPARE(g().registry().value(QStringLiteral("VerifyAfterWrite")), std::optional<int>(1));
        frame()->runCommand(CMainFrame::ID_WRITE);
        QVERIFY(frame()->activeChild()->link()->processDialog()->verifyBox()->isChecked());
        QTest::mouseClick(frame()->activeChild()->link()->processDialog()->cancelButton(), Qt::LeftButton);
        frame()->runCommand(CMainFrame::ID_READ);
        QVERIFY(!frame()->activeChild()->link()->processDialog()->verifyBox()->isVisible());
        QTest::mouseClick(frame()->activeChild()->link()->processDialog()->cancelButton(), Qt::LeftButton);
        QVERIFY(messages_.isEmpty());
    }

    void programManyRadiosRunsEachPortAndWaitsForNextRadio()
    {
        sim_.start(
            QStringLiteral(ZEMTAR_BIN_DIR "/zemtar-radiosim"),
            {QStringLiteral("--count"), QStringLiteral("2"), QStringLiteral("--turnaround"), QStringLiteral("0")});
        QStringList devices;
        for (int i = 0; i < 100 && devices.size() < 2; ++i) {
            sim_.waitForReadyRead(100);
            while (sim_.canReadLine())
                devices << QString::fromUtf8(sim_.readLine()).trimmed();
        }
        QCOMPARE(devices.size(), 2);
        extraSetup_ = QStringLiteral("[Ports]\ncom1=%1\ncom2=%2\n").arg(devices[0], devices[1]);
        QVERIFY(start(QStringLiteral("English")));
        CFleetDlg dlg(frame()->activeDocument()->image(), frame()->activeDocument()->displayName(), g().setupIni,
                      frame());
        dlg.show();
        dlg.sequenceEdit()->setText(QStringLiteral("MSK/ID Code=123456"));
        QVERIFY(!dlg.generateUnits()); // refused with its reason, nothing to start
        QCOMPARE(messages_.size(), 1);
        QVERIFY(messages_[0].text.contains(QStringLiteral("FIRST..LAST")));
        messages_.clear();
        dlg.sequenceEdit()->setText(QStringLiteral("MSK/ID Code=1001..1004"));
        QVERIFY(dlg.generateUnits());
        QVERIFY(dlg.unitsLabel()->text().startsWith(QStringLiteral("4 unit(s): 1001 ... 1004")));
        dlg.portBoxes()[1]->setChecked(true);
        dlg.askBox()->setChecked(false);
        // A log kept from an earlier day: the job appends to it.
        const QByteArray earlier = fleet::logHeader().toUtf8() + "\n2026-01-05T10:00:00+01:00,x,0999,com1,55,ok,old\n";
        zemtar::test::writeAll(file("fleet-log.csv"), earlier);
        dlg.logEdit()->setText(file("fleet-log.csv"));
        QSignalSpy done(&dlg, &CFleetDlg::finished);
        QStringList shown; // what the first port's row said while it ran
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&] { shown << dlg.unitLabel(0)->text(); });
        watch.start(0);
        QVERIFY(dlg.start());
        QTRY_COMPARE_WITH_TIMEOUT(done.size(), 1, 120000);
        watch.stop();
        static const QRegularExpression writing(QStringLiteral("^unit 100\\d: writing, block \\d+ of 511, \\d+ %")),
            verifying(QStringLiteral("^unit 100\\d: verifying, block \\d+ of 512, \\d+ %"));
        QVERIFY2(!shown.filter(writing).isEmpty() && !shown.filter(verifying).isEmpty(), qPrintable(shown.join(u'|')));
        QCOMPARE(dlg.logText().count(QStringLiteral(",ok,")), 4);
        QVERIFY(dlg.logText().contains(QStringLiteral(",com1,")) && dlg.logText().contains(QStringLiteral(",com2,")));
        QCOMPARE(fleet::doneUnits(QString::fromUtf8(zemtar::test::readAll(dlg.logPath()))).size(), 5); // and 0999

        // Asking before each radio: nothing goes until "Next radio".
        dlg.sequenceEdit()->setText(QStringLiteral("MSK/ID Code=2001..2001"));
        QVERIFY(dlg.generateUnits());
        dlg.portBoxes()[1]->setChecked(false);
        dlg.askBox()->setChecked(true);
        QVERIFY(dlg.start());
        QTRY_VERIFY(dlg.nextButton(0)->isEnabled());
        QTest::qWait(200);
        QVERIFY(!dlg.logText().contains(QStringLiteral("2001")));
        QTest::mouseClick(dlg.nextButton(0), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(done.size(), 2, 60000);
        QVERIFY(dlg.logText().contains(QStringLiteral(",2001,")));
        QVERIFY(messages_.isEmpty());

        // Both jobs went into the one log after its earlier line, each line a whole CSV record
        // naming the radio, the template, the image and the unit's values; the summaries are
        // on the screen only.
        QCOMPARE(dlg.logPath(), file("fleet-log.csv"));
        const QByteArray kept = zemtar::test::readAll(file("fleet-log.csv"));
        QVERIFY(kept.startsWith(earlier));
        const QList<tabletext::Line> lines = tabletext::parse(QString::fromUtf8(kept));
        QCOMPARE(lines.size(), 7);
        QCOMPARE(lines[0].fields.join(u','), fleet::logHeader());
        for (qsizetype i = 2; i < lines.size(); ++i) {
            const QStringList& f = lines[i].fields;
            QCOMPARE(f.size(), 12);
            QCOMPARE(f[5], QStringLiteral("ok"));
            QVERIFY2(f[7].endsWith(QStringLiteral("530")) && f[8].endsWith(QStringLiteral("MHz")),
                     qPrintable(f.join(u'|')));
            QCOMPARE(f[9], frame()->activeDocument()->displayName());
            QCOMPARE(f[10].size(), 64);
            QCOMPARE(f[11], QStringLiteral("MSK/ID Code=") + f[2]);
        }
        QVERIFY(!kept.contains("programmed") && !dlg.logText().contains(QStringLiteral("programmed")));
        QCOMPARE(dlg.logText().count(fleet::logHeader()), 1);
        QVERIFY2(dlg.summaryLabel()->text().startsWith(QStringLiteral("1 of 1 units programmed and verified")),
                 qPrintable(dlg.summaryLabel()->text()));
    }

    void programManyRadiosFromTheMenuRecordsTheTemplateFileUnderAnEarlierLog()
    {
        sim_.start(QStringLiteral(ZEMTAR_BIN_DIR "/zemtar-radiosim"),
                   {QStringLiteral("--turnaround"), QStringLiteral("0")});
        QVERIFY(sim_.waitForReadyRead(10000));
        device_ = QString::fromUtf8(sim_.readLine()).trimmed();
        extraSetup_ = QStringLiteral("[Ports]\ncom1=%1\n").arg(device_);
        QDir().mkpath(file("customers"));
        const QString dat = makeDat("customers/customer.dat");
        QVERIFY(start(QStringLiteral("English"), {dat}));
        // A log of last year, in the earlier seven-column layout.
        const QByteArray rows = "2025-11-05T10:00:00+01:00,2025-11-05T10:01:10+01:00,0999,com1,55 35,ok,written\n";
        zemtar::test::writeAll(file("old-log.csv"), fleet::earlierLogHeader().toUtf8() + "\n" + rows);
        QString summary;
        onNextModal([&](QWidget* w) {
            auto* dlg = qobject_cast<CFleetDlg*>(w);
            QVERIFY(dlg);
            dlg->sequenceEdit()->selectAll();
            QTest::keyClicks(dlg->sequenceEdit(), QStringLiteral("MSK/ID Code=3001..3002"));
            QPushButton* generate = nullptr;
            for (QPushButton* b : dlg->findChildren<QPushButton*>())
                if (shownText(b->text()) == QStringLiteral("Generate"))
                    generate = b;
            QVERIFY(generate);
            QTest::mouseClick(generate, Qt::LeftButton);
            QVERIFY2(dlg->unitsLabel()->text().startsWith(QStringLiteral("2 unit(s)")),
                     qPrintable(dlg->unitsLabel()->text()));
            if (dlg->askBox()->isChecked())
                QTest::mouseClick(dlg->askBox(), Qt::LeftButton, {}, QPoint(8, dlg->askBox()->height() / 2));
            QVERIFY(!dlg->askBox()->isChecked());
            dlg->logEdit()->selectAll();
            QTest::keyClicks(dlg->logEdit(), file("old-log.csv"));
            QSignalSpy done(dlg, &CFleetDlg::finished);
            QTest::mouseClick(dlg->startButton(), Qt::LeftButton);
            QTRY_COMPARE_WITH_TIMEOUT(done.size(), 1, 120000);
            summary = dlg->summaryLabel()->text();
            static_cast<QDialog*>(dlg)->reject();
        });
        frame()->runCommand(CMainFrame::ID_FLEET);
        QVERIFY(messages_.isEmpty());
        QVERIFY2(summary.startsWith(QStringLiteral("2 of 2 units programmed and verified")), qPrintable(summary));
        QVERIFY2(summary.contains(QStringLiteral("earlier seven-column header")) &&
                     summary.contains(QStringLiteral("its 1 earlier line(s) are kept")),
                 qPrintable(summary));
        // Today's header over the earlier line as it was, then the two units naming the
        // template's file in full, as the command line does.
        const QByteArray kept = zemtar::test::readAll(file("old-log.csv"));
        QVERIFY(kept.startsWith(fleet::logHeader().toUtf8() + "\n" + rows));
        const QList<tabletext::Line> lines = tabletext::parse(QString::fromUtf8(kept));
        QCOMPARE(lines.size(), 4);
        for (qsizetype i = 2; i < lines.size(); ++i) {
            QCOMPARE(lines[i].fields.size(), 12);
            QCOMPARE(lines[i].fields[9], QDir::toNativeSeparators(QFileInfo(dat).absoluteFilePath()));
        }
        QCOMPARE(fleet::doneUnits(QString::fromUtf8(kept)).size(), 3);
    }

    void programManyRadiosRefusesBeforeAnyRadio()
    {
        startWithRadio({QStringLiteral("--transcript"), file("wire.txt")});
        CFleetDlg dlg(frame()->activeDocument()->image(), frame()->activeDocument()->displayName(), g().setupIni,
                      frame());
        dlg.show();
        // Bounds no field holds, and a fleet longer than any: refused at once, by a message.
        const std::pair<const char*, const char*> refused[] = {
            {"MSK/ID Code=FFFFFFFFFFFFFFFF..FFFFFFFFFFFFFFFF", "is longer than 4 characters"},
            {"MSK/ID Code=FFFF..0001", "LAST is below FIRST"},
            {"Channel 1/Chnnel Name=1..2", "channel 1 is not in use in the template"},
        };
        for (const auto& [sequence, reason] : refused) {
            QElapsedTimer time;
            time.start();
            dlg.sequenceEdit()->setText(QString::fromUtf8(sequence));
            QVERIFY(!dlg.generateUnits());
            QVERIFY(time.elapsed() < 5000);
            QCOMPARE(messages_.size(), 1);
            QVERIFY2(messages_[0].text.contains(QString::fromUtf8(reason)), qPrintable(messages_[0].text));
            messages_.clear();
        }
        zemtar::test::writeAll(file("clash.csv"), "Unit,MSK/ID Code\nA 1,1001\nA_1,1002\n");
        QVERIFY(!dlg.loadUnits(file("clash.csv")));
        QCOMPARE(messages_.size(), 1);
        QVERIFY2(messages_[0].text.contains(QStringLiteral("have the same file name A_1.dat")),
                 qPrintable(messages_[0].text));
        messages_.clear();

        // No log, no job: the folder for it cannot be made.
        zemtar::test::writeAll(file("afile"), "not a folder");
        const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", file("afile").toLocal8Bit());
        dlg.sequenceEdit()->setText(QStringLiteral("MSK/ID Code=1001..1002"));
        QVERIFY(dlg.generateUnits());
        dlg.askBox()->setChecked(false);
        const bool started = dlg.start();
        if (dataHome.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", dataHome);
        QVERIFY(!started);
        QVERIFY(!dlg.running());
        QCOMPARE(messages_.size(), 1);
        QVERIFY2(messages_[0].text.contains(QStringLiteral("log cannot be kept, so no radio was programmed")),
                 qPrintable(messages_[0].text));
        QTest::qWait(200);
        QVERIFY(zemtar::test::readAll(file("wire.txt")).isEmpty());
        stopRadio();
    }

    void failedReadLeavesTheDocumentAsItWas()
    {
        // A stray byte before every reply to block 37: asked for three times more, then refused.
        startWithRadio({QStringLiteral("--from-dat"), makeDat("radio.dat"), QStringLiteral("--fault"),
                        QStringLiteral("stray@37:always")});
        const RadioImage before = frame()->activeDocument()->image();
        transfer(false);
        QCOMPARE(messages_.size(), 1);
        QVERIFY2(messages_[0].text.startsWith(msg::text(msg::ProgramInterrupt, Language::English) +
                                              QStringLiteral("\nBlock 0x0128, asked 4 times: the reply begins with "
                                                             "06 instead of 57 ('W') (received 06 57 01 28 08 ")),
                 qPrintable(messages_[0].text));
        QVERIFY(frame()->activeDocument()->image() == before);
        QVERIFY(cell(1, ColRx).isEmpty());
        QVERIFY(frame()->activeDocument()->isNewDocument());
    }

    void aStrayByteOnceIsAskedAgainAndTheReadFillsTheTable()
    {
        startWithRadio({QStringLiteral("--from-dat"), makeDat("radio.dat"), QStringLiteral("--fault"),
                        QStringLiteral("stray@37")});
        CProcessDlg* dlg = nullptr;
        QStringList shown;
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&] {
            if ((dlg = frame()->activeChild()->link()->processDialog()) && dlg->isVisible())
                shown << dlg->statusLabel()->text();
        });
        watch.start(0);
        transfer(false);
        QVERIFY(messages_.isEmpty());
        QCOMPARE(cell(1, ColRx), QStringLiteral("145.12500"));
        QVERIFY(!frame()->activeDocument()->isNewDocument());
        // The window showed the block asked again while it waited for the line to fall quiet.
        QVERIFY2(!shown.filter(QStringLiteral("Block 0x0128: the reply begins with 06")).isEmpty(),
                 qPrintable(shown.join(u'|')));
    }

    void portInUseIsReported()
    {
        startWithRadio({});
        SerialLink other;
        QVERIFY(other.openDevice(device_));
        transfer(false);
        QCOMPARE(messages_.size(), 1);
        QCOMPARE(messages_[0].text, msg::text(msg::PortOpenFailed, Language::English));
    }

    void cancelBeforeStartClosesTheWindow()
    {
        startWithRadio({});
        frame()->runCommand(CMainFrame::ID_READ);
        CProcessDlg* dlg = frame()->activeChild()->link()->processDialog();
        QTest::mouseClick(dlg->cancelButton(), Qt::LeftButton);
        QVERIFY(!dlg->isVisible());
        // A second command while the window is open changes only the direction.
        frame()->runCommand(CMainFrame::ID_READ);
        frame()->runCommand(CMainFrame::ID_WRITE);
        QCOMPARE(dlg->windowTitle(), QStringLiteral("Read Data"));
        QVERIFY(frame()->activeChild()->link()->m_bWriteMode);
    }

    void comSetupGreysAndRemembers()
    {
        startWithRadio({});
        g().registry().setValue(QStringLiteral("com"), 2);
        CZemtarView* view = frame()->activeView();
        {
            CComSetupDlg dlg(frame()->activeChild()->link()->m_link, frame());
            QVERIFY(dlg.button(0)->isEnabled());  // the simulated radio
            QVERIFY(!dlg.button(1)->isEnabled()); // no such device
            QVERIFY(dlg.button(1)->isChecked());  // still the stored choice, greyed
            dlg.button(0)->setChecked(true);
            dlg.accept();
        }
        QCOMPARE(frame()->activeChild()->link()->m_link.m_strPort, QStringLiteral("com1"));
        QCOMPARE(g().registry().value(QStringLiteral("com")), std::optional<int>(1));
        {
            CComSetupDlg dlg(frame()->activeChild()->link()->m_link, frame());
            dlg.show();
            QTest::mouseClick(dlg.button(3), Qt::LeftButton);
            QTest::keyClick(dlg.button(3), Qt::Key_Return);
        }
        QCOMPARE(g().registry().value(QStringLiteral("com")), std::optional<int>(4));
        QVERIFY(startHere()); // the next start uses the port chosen
        QCOMPARE(frame()->activeChild()->link()->m_link.m_strPort, QStringLiteral("com4"));
    }

    // An adapter that is not one of com1..com4 appears by its stable link, is chosen and read
    // from; unplugged and plugged in under another device, the same choice still finds it.
    void comSetupListsTheSystemsPortsAndFindsTheAdapterAgain()
    {
        startWithRadio({});
        const QString byId = file("by-id");
        QDir().mkpath(byId);
        qputenv("ZEMTAR_SERIAL_BY_ID", byId.toLocal8Bit());
        const QString link = byId + QStringLiteral("/usb-Prolific_PL2303-if00-port0");
        QVERIFY(QFile::link(device_, link));
        SerialLink& port = frame()->activeChild()->link()->m_link;
        {
            CComSetupDlg dlg(port, frame());
            QRadioButton* adapter = dlg.findChild<QRadioButton*>(QStringLiteral("port:") + link);
            QVERIFY(adapter);
            QVERIFY(adapter->isEnabled());
            QVERIFY(shownText(adapter->text()).contains(device_));
            // Pulled: gone from the list within a second or so; plugged in again: back.
            QFile::remove(link);
            QTRY_VERIFY_WITH_TIMEOUT(!dlg.findChild<QRadioButton*>(QStringLiteral("port:") + link), 5000);
            QVERIFY(QFile::link(device_, link));
            QTRY_VERIFY_WITH_TIMEOUT(dlg.findChild<QRadioButton*>(QStringLiteral("port:") + link), 5000);
            adapter = dlg.findChild<QRadioButton*>(QStringLiteral("port:") + link);
            QTest::mouseClick(adapter, Qt::LeftButton);
            QVERIFY(adapter->isChecked());
            // The chosen adapter pulled (its device still there): it stays, absent, and chosen.
            QFile::remove(link);
            QTRY_VERIFY_WITH_TIMEOUT(!adapter->isEnabled(), 5000);
            QVERIFY2(shownText(adapter->text()).endsWith(QStringLiteral("(%1)  - absent").arg(link)),
                     qPrintable(shownText(adapter->text())));
            QVERIFY(adapter->isChecked());
            QTest::qWait(2500); // and stays so
            QVERIFY(!adapter->isEnabled() && shownText(adapter->text()).endsWith(QStringLiteral("  - absent")));
            QVERIFY(QFile::link(device_, link));
            QTRY_VERIFY_WITH_TIMEOUT(adapter->isEnabled(), 5000);
            QVERIFY(adapter->isChecked() && shownText(adapter->text()).contains(device_));
            dlg.accept();
        }
        QCOMPARE(port.m_strPort, link);
        QCOMPARE(g().registry().text(QStringLiteral("Port")), link);
        transfer(false);
        QVERIFY(messages_.isEmpty());
        QVERIFY(frame()->statusMessage().startsWith(
            QStringLiteral("Read from the radio on %1 (%2): 191 rows").arg(link, device_)));

        // Another socket: another device behind the same stable path.
        stopRadio();
        QFile::remove(link);
        sim_.start(QStringLiteral(ZEMTAR_BIN_DIR "/zemtar-radiosim"), {QStringLiteral("--link"), link});
        QVERIFY(sim_.waitForReadyRead(10000));
        const QString second = QString::fromUtf8(sim_.readLine()).trimmed();
        QTRY_VERIFY(QFileInfo(link).canonicalFilePath() == second);
        {
            CComSetupDlg dlg(port, frame());
            QRadioButton* adapter = dlg.findChild<QRadioButton*>(QStringLiteral("port:") + link);
            QVERIFY(adapter && adapter->isChecked()); // the remembered choice
            QVERIFY(shownText(adapter->text()).contains(second));
        }
        transfer(false);
        QVERIFY(messages_.isEmpty());
        QVERIFY2(frame()->statusMessage().startsWith(
                     QStringLiteral("Read from the radio on %1 (%2): 191 rows").arg(link, second)),
                 qPrintable(frame()->statusMessage()));
        // The next start of the program, and a new window, read from the same adapter.
        QVERIFY(startHere());
        QCOMPARE(frame()->activeChild()->link()->m_link.m_strPort, link);
        frame()->runCommand(CMainFrame::ID_FILE_NEW);
        QCOMPARE(frame()->activeChild()->link()->m_link.m_strPort, link);
        messages_.clear(); // the blank radio's type, kept by the read, is none of Setup.ini's
        transfer(false);
        QVERIFY2(messages_.isEmpty(), qPrintable(messages_.value(0).text));
        QVERIFY(
            frame()->statusMessage().startsWith(QStringLiteral("Read from the radio on %1 (%2)").arg(link, second)));
        qunsetenv("ZEMTAR_SERIAL_BY_ID");
        g().registry().setText(QStringLiteral("Port"), {});
    }

    // While the window is open each port's state follows the system: a second adapter plugged
    // in, a terminal program taking a port and giving it back. The user's choice and focus stay.
    void comSetupFollowsThePortsStates_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("absent");
        QTest::addColumn<QString>("inUse");
        QTest::newRow("English") << "English"
                                 << "absent"
                                 << "in use by process %1";
        QTest::newRow("Chinese") << "Chinese" << u8("不存在") << u8("被进程 %1 占用");
    }
    void comSetupFollowsThePortsStates()
    {
        QFETCH(QString, language);
        QFETCH(QString, absent);
        QFETCH(QString, inUse);
        const QString second = file("second-adapter");
        QDir().mkpath(file("by-id"));
        QDir().mkpath(file("locks"));
        qputenv("ZEMTAR_SERIAL_BY_ID", file("by-id").toLocal8Bit());
        qputenv("ZEMTAR_LOCK_DIR", file("locks").toLocal8Bit());
        startWithRadio({}, language, second);
        CComSetupDlg dlg(frame()->activeChild()->link()->m_link, frame());
        dlg.show();
        QApplication::setActiveWindow(&dlg);
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        QRadioButton* com1 = dlg.button(0);
        QRadioButton* com2 = dlg.button(1);
        QVERIFY(com1->isEnabled());
        QVERIFY(!com2->isEnabled());
        QVERIFY2(shownText(com2->text()).endsWith(QStringLiteral("  - ") + absent),
                 qPrintable(shownText(com2->text())));

        // The second adapter plugged in: com2 can be chosen.
        QProcess other;
        other.start(QStringLiteral(ZEMTAR_BIN_DIR "/zemtar-radiosim"), {QStringLiteral("--link"), second});
        QVERIFY(other.waitForReadyRead(10000));
        QTRY_VERIFY_WITH_TIMEOUT(com2->isEnabled(), 5000);
        QCOMPARE(shownText(com2->text()), QStringLiteral("com2  (%1)").arg(second));
        QTest::mouseClick(com2, Qt::LeftButton);
        QVERIFY(com2->isChecked() && com2->hasFocus());

        // A terminal program takes com1 and gives it back.
        QProcess holder;
        holder.setStandardInputFile(device_);
        holder.start(QStringLiteral("sleep"), {QStringLiteral("30")});
        QVERIFY(holder.waitForStarted());
        zemtar::test::writeAll(SerialLink::lockFile(device_),
                               QByteArray::number(holder.processId()).rightJustified(10, ' ') + '\n');
        QTRY_VERIFY_WITH_TIMEOUT(!com1->isEnabled(), 5000);
        QVERIFY2(shownText(com1->text()).endsWith(QStringLiteral("  - ") + inUse.arg(holder.processId())),
                 qPrintable(shownText(com1->text())));
        QVERIFY(com2->isChecked() && com2->hasFocus());
        holder.kill();
        holder.waitForFinished();
        QFile::remove(SerialLink::lockFile(device_));
        QTRY_VERIFY_WITH_TIMEOUT(com1->isEnabled(), 5000);
        QCOMPARE(shownText(com1->text()), QStringLiteral("com1  (%1)").arg(device_));
        QVERIFY(com2->isChecked() && com2->hasFocus());

        // The adapter the user is on pulled: the choice stays, greyed, and OK keeps it.
        other.terminate();
        other.waitForFinished();
        QTRY_VERIFY_WITH_TIMEOUT(!com2->isEnabled(), 5000);
        QVERIFY(com2->isChecked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!dlg.isVisible());
        QCOMPARE(frame()->activeChild()->link()->m_link.m_strPort, QStringLiteral("com2"));
        QVERIFY(messages_.isEmpty());
        qunsetenv("ZEMTAR_SERIAL_BY_ID");
        qunsetenv("ZEMTAR_LOCK_DIR");
    }

    // A port the user may not open: Com Setup says so as soon as it happens, and Read says what
    // to do about it, in the window's language. Root opens any device, so as root the case runs
    // again as an unprivileged user.
    void aPortTheUserMayNotOpenSaysWhatToDo_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("denied");
        QTest::newRow("English") << "English"
                                 << "permission denied";
        QTest::newRow("Chinese") << "Chinese" << u8("没有权限");
    }
    void aPortTheUserMayNotOpenSaysWhatToDo()
    {
        QFETCH(QString, language);
        QFETCH(QString, denied);
        if (::geteuid() == 0) {
            const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
            if (setpriv.isEmpty())
                QSKIP("no setpriv to run the case as an unprivileged user");
            QTemporaryDir home;
            QVERIFY(QFile::setPermissions(home.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                           QFile::ReadOther | QFile::WriteOther | QFile::ExeOther));
            QProcess child;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("HOME"), home.path());
            env.insert(QStringLiteral("TMPDIR"), home.path());
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
            env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
            env.remove(QStringLiteral("ZEMTAR_LOCK_DIR"));
            child.setProcessEnvironment(env);
            child.setProcessChannelMode(QProcess::MergedChannels);
            const QString name = QStringLiteral("aPortTheUserMayNotOpenSaysWhatToDo:") + QTest::currentDataTag();
            child.start(setpriv, {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                  QStringLiteral("--clear-groups"), QCoreApplication::applicationFilePath(), name});
            QVERIFY(child.waitForFinished(120000));
            const QString out = QString::fromUtf8(child.readAll());
            QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, qPrintable(out));
            QVERIFY2(out.contains(QStringLiteral("PASS   : LinkUiTest::aPortTheUserMayNotOpenSaysWhatToDo(%1)")
                                      .arg(QLatin1String(QTest::currentDataTag()))),
                     qPrintable(out));
            return;
        }
        startWithRadio({}, language);
        QString advice;
        {
            CComSetupDlg dlg(frame()->activeChild()->link()->m_link, frame());
            dlg.show();
            QVERIFY(dlg.button(0)->isEnabled());
            QVERIFY(!dlg.adviceLabel()->isVisible() || !dlg.adviceLabel()->text().contains(device_));
            QVERIFY(QFile::setPermissions(device_, {})); // the device is this user's; now no more
            QTRY_VERIFY_WITH_TIMEOUT(!dlg.button(0)->isEnabled(), 5000);
            QVERIFY2(shownText(dlg.button(0)->text()).endsWith(QStringLiteral("  - ") + denied),
                     qPrintable(shownText(dlg.button(0)->text())));
            QVERIFY(dlg.button(0)->isChecked());
            QVERIFY(dlg.adviceLabel()->isVisible());
            advice = dlg.adviceLabel()->text();
        }
        transfer(false);
        QCOMPARE(messages_.size(), 1); // what to do, in place of the general message
        const QString expected =
            language == QStringLiteral("English")
                ? QStringLiteral(
                      "Permission denied for %1. Add your user to the dialout group (sudo usermod -aG dialout "
                      "$USER) and log in again.")
                : u8("没有打开 %1 的权限。请把您的用户加入 dialout 组（sudo usermod -aG dialout "
                     "$USER），然后重新登录。");
        QCOMPARE(messages_[0].text, expected.arg(device_));
        QCOMPARE(advice, messages_[0].text); // Com Setup said it already
        messages_.clear();
        frame()->runCommand(CMainFrame::ID_HIGH_POWER); // no adjustment window without the port
        QCOMPARE(messages_.size(), 1);
        QCOMPARE(messages_[0].text, expected.arg(device_));
        QCOMPARE(frame()->statusMessage(),
                 (language == QStringLiteral("English") ? QStringLiteral("Could not open %1") : u8("无法打开 %1"))
                     .arg(QStringLiteral("com1 (%1)").arg(device_)));
        QVERIFY(cell(1, ColRx).isEmpty());
    }

    void quickClicksOnThePowerBarSendTheValueShownLast()
    {
        startWithRadio(
            {QStringLiteral("--power-low"), QStringLiteral("94"), QStringLiteral("--transcript"), file("power.txt")});
        QString shown;
        onNextModal([&](QWidget* w) {
            auto* dlg = qobject_cast<CPowerDebugDlg*>(w);
            QVERIFY(dlg);
            QScrollBar* bar = dlg->bar();
            const QPoint up(bar->width() - 4, bar->height() / 2); // the arrow that adds one
            // Three quick clicks: the second and third land while the first update waits.
            QTimer::singleShot(200, bar, [bar, up] { QTest::mouseClick(bar, Qt::LeftButton, {}, up); });
            QTimer::singleShot(400, bar, [bar, up] { QTest::mouseClick(bar, Qt::LeftButton, {}, up); });
            QTest::mouseClick(bar, Qt::LeftButton, {}, up);
            QTRY_VERIFY_WITH_TIMEOUT(dlg->positionText() == QStringLiteral("97"), 10000);
            QTest::qWait(4000); // the updates go out
            shown = dlg->positionText();
            dlg->reject();
        });
        frame()->runCommand(CMainFrame::ID_LOW_POWER);
        QCOMPARE(shown, QStringLiteral("97"));
        stopRadio();
        QCOMPARE(std::uint8_t(zemtar::test::readAll(file("radio.mem")).at(0x0FF8)), 97);
    }

    // Clicks within the second before an update start it again; Cancel in that second drops
    // the update: after it only the close sequence goes out.
    void cancelBeforeAnUpdateSendsOnlyTheCloseSequence()
    {
        startWithRadio(
            {QStringLiteral("--power-high"), QStringLiteral("146"), QStringLiteral("--transcript"), file("power.txt")});
        onNextModal([&](QWidget* w) {
            auto* dlg = qobject_cast<CPowerDebugDlg*>(w);
            QVERIFY(dlg);
            QScrollBar* bar = dlg->bar();
            const QPoint up(bar->width() - 4, bar->height() / 2);
            const QPoint down(4, bar->height() / 2);
            for (const QPoint& at : {up, up, up, down}) { // 147, 148, 149, 148
                QTest::mouseClick(bar, Qt::LeftButton, {}, at);
                QTest::qWait(300);
            }
            QCOMPARE(dlg->positionText(), QStringLiteral("148"));
            QTest::qWait(1500); // 148 goes out
            QTest::mouseClick(bar, Qt::LeftButton, {}, up);
            QCOMPARE(dlg->positionText(), QStringLiteral("149"));
            QTest::qWait(500);
            auto* cancel = dlg->findChild<QPushButton*>();
            QTest::mouseClick(cancel, Qt::LeftButton);
            QTRY_VERIFY_WITH_TIMEOUT(!dlg->isVisible(), 5000);
        });
        frame()->runCommand(CMainFrame::ID_HIGH_POWER);
        stopRadio();
        QStringList sent;
        bool closed = false;
        for (const QString& line : QString::fromUtf8(zemtar::test::readAll(file("power.txt"))).split(u'\n')) {
            if (!line.contains(QStringLiteral("PC>")))
                continue;
            if (line.contains(QStringLiteral("exit wake-up")))
                closed = true;
            else if (closed)
                QVERIFY2(line.contains(QStringLiteral("leave adjust mode")), qPrintable(line));
            const qsizetype at = line.indexOf(QStringLiteral("power value "));
            if (at >= 0)
                sent << line.mid(at + 12).trimmed();
        }
        QVERIFY(closed);
        QCOMPARE(sent, QStringList{QStringLiteral("148")});
        QCOMPARE(std::uint8_t(zemtar::test::readAll(file("radio.mem")).at(0x0FF9)), 148);
    }

    // The power window names its port; when the radio goes away, it says the link failed.
    void thePowerWindowsStatusLineNamesThePort_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("failed");
        QTest::newRow("English") << "English"
                                 << "Port %1"
                                 << "The link with the radio on %1 failed";
        QTest::newRow("Chinese") << "Chinese" << u8("端口 %1") << u8("与 %1 上的对讲机通讯失败");
    }
    void thePowerWindowsStatusLineNamesThePort()
    {
        QFETCH(QString, language);
        QFETCH(QString, port);
        QFETCH(QString, failed);
        startWithRadio({QStringLiteral("--power-low"), QStringLiteral("90")}, language);
        const QString label = QStringLiteral("com1 (%1)").arg(device_);
        QStringList shown;
        onNextModal([&](QWidget* w) {
            auto* dlg = qobject_cast<CPowerDebugDlg*>(w);
            QVERIFY(dlg);
            shown << dlg->statusLabel()->text();
            stopRadio();
            QScrollBar* bar = dlg->bar();
            QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() - 4, bar->height() / 2));
            QTRY_VERIFY_WITH_TIMEOUT(dlg->statusLabel()->text() != shown[0], 30000);
            shown << dlg->statusLabel()->text();
            dlg->reject();
        });
        frame()->runCommand(CMainFrame::ID_LOW_POWER);
        QCOMPARE(shown, (QStringList{port.arg(label), failed.arg(label)}));
    }

    // The bar has the focus when the window opens; the arrow keys and Page Up/Down step it,
    // and the value shown last goes out a second after the last key is let go.
    void theKeysStepThePowerBarAndTheLastValueGoesOut()
    {
        startWithRadio(
            {QStringLiteral("--power-low"), QStringLiteral("94"), QStringLiteral("--transcript"), file("power.txt")});
        QStringList shown;
        onNextModal([&](QWidget* w) {
            auto* dlg = qobject_cast<CPowerDebugDlg*>(w);
            QVERIFY(dlg);
            QCOMPARE(dlg->focusWidget(), static_cast<QWidget*>(dlg->bar())); // the dialog's focus
            QApplication::setActiveWindow(dlg);
            for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Up, Qt::Key_Left}) {
                QTest::keyClick(dlg->focusWidget(), key);
                shown << dlg->positionText();
            }
            QTest::keyClick(dlg->focusWidget(), Qt::Key_PageUp);
            shown << dlg->positionText();
            QTest::qWait(2000); // 106 goes out
            QTest::keyClick(dlg->focusWidget(), Qt::Key_PageDown);
            QTest::keyClick(dlg->focusWidget(), Qt::Key_Down);
            shown << dlg->positionText();
            QTest::qWait(500);
            QTest::keyClick(dlg->focusWidget(), Qt::Key_Escape); // drops the update not sent yet
            QTRY_VERIFY_WITH_TIMEOUT(!dlg->isVisible(), 5000);
        });
        frame()->runCommand(CMainFrame::ID_LOW_POWER);
        QCOMPARE(shown, (QStringList{QStringLiteral("95"), QStringLiteral("96"), QStringLiteral("97"),
                                     QStringLiteral("96"), QStringLiteral("106"), QStringLiteral("95")}));
        stopRadio();
        QStringList sent;
        for (const QString& line : QString::fromUtf8(zemtar::test::readAll(file("power.txt"))).split(u'\n'))
            if (const qsizetype at = line.indexOf(QStringLiteral("power value ")); at >= 0 && line.contains("PC>"))
                sent << line.mid(at + 12).trimmed();
        QCOMPARE(sent, QStringList{QStringLiteral("106")});
        QCOMPARE(std::uint8_t(zemtar::test::readAll(file("radio.mem")).at(0x0FF8)), 106);
    }

    void powerAdjustmentMovesTheRadiosValue()
    {
        startWithRadio({QStringLiteral("--power-high"), QStringLiteral("120")});
        bool seen = false;
        onNextModal([&](QWidget* w) {
            auto* dlg = qobject_cast<CPowerDebugDlg*>(w);
            QVERIFY(dlg);
            seen = true;
            QCOMPARE(dlg->statusLabel()->text(), QStringLiteral("Port com1 (%1)").arg(device_));
            QCOMPARE(dlg->positionText(), QStringLiteral("120"));
            QCOMPARE(dlg->bar()->maximum(), 250);
            dlg->bar()->setValue(201);
            dlg->endScroll();
            QTest::qWait(1500); // the value goes out a second after the scroll
            dlg->reject();      // leaves the adjust mode and closes
            QVERIFY(!dlg->isVisible());
        });
        frame()->runCommand(CMainFrame::ID_HIGH_POWER);
        QVERIFY(seen);
        QVERIFY(messages_.isEmpty());
        QCOMPARE(frame()->activeDocument()->image().at(0x17F1), 120);
        QVERIFY(!frame()->activeChild()->link()->m_link.isOpen());
        stopRadio();
        QCOMPARE(std::uint8_t(zemtar::test::readAll(file("radio.mem")).at(0x0FF9)), 201);
    }

    // After a read the keyboard is on the table at the cell that was current: the first key typed
    // opens that cell's editor and is kept.
    void typingAfterAReadLandsInTheCurrentCell_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("clicked"); // the cell chosen with the mouse before the read
        QTest::newRow("English, first cell, untouched") << "English" << 1 << false;
        QTest::newRow("English, row 2") << "English" << 2 << true;
        QTest::newRow("Chinese, row 2") << "Chinese" << 2 << true;
    }
    void typingAfterAReadLandsInTheCurrentCell()
    {
        QFETCH(QString, language);
        QFETCH(int, row);
        QFETCH(bool, clicked);
        startWithRadio({QStringLiteral("--from-dat"), makeDat("radio.dat")}, language);
        frame()->show();
        QVERIFY(QTest::qWaitForWindowActive(frame()));
        CMSFlexGrid* grid = frame()->activeView()->grid();
        if (clicked) {
            const QModelIndex rx = grid->model()->index(row - 1, ColRx - 1);
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(rx).center());
        } else {
            grid->setFocus(); // as after the window opened, no cell entered yet
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::ControlModifier);
        CProcessDlg* dlg = frame()->activeChild()->link()->processDialog();
        QVERIFY(dlg && dlg->isVisible());
        QTest::keyClick(dlg, Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(!dlg->isVisible(), 60000);
        QCOMPARE(cell(1, ColRx), QStringLiteral("145.12500"));
        QApplication::setActiveWindow(frame()); // the offscreen platform activates nothing itself
        QVERIFY(QTest::qWaitForWindowActive(frame()));
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus && focus != grid && grid->isAncestorOf(focus)); // the cell's editor
        QTest::keyClicks(focus, QStringLiteral("144.3"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(messages_.isEmpty());
        QCOMPARE(cell(row, ColRx), QStringLiteral("144.30000"));
        if (row != 1)
            QCOMPARE(cell(1, ColRx), QStringLiteral("145.12500"));
    }

    // A read that stopped at the radio's password says so in the status line, whether the
    // password asked for was wrong again or not given.
    void aReadStoppedByThePasswordSaysSo_data()
    {
        QTest::addColumn<QString>("answer"); // empty: the prompt is cancelled
        QTest::addColumn<QString>("status");
        QTest::newRow("wrong again") << "111111"
                                     << "Read stopped: the password entered is not the one of the radio on %1";
        QTest::newRow("not given") << ""
                                   << "Read stopped: the radio on %1 has another password, none was entered";
    }
    void aReadStoppedByThePasswordSaysSo()
    {
        QFETCH(QString, answer);
        QFETCH(QString, status);
        startWithRadio({QStringLiteral("--from-dat"), makeDat("radio.dat"), QStringLiteral("--password"),
                        QStringLiteral("314159")});
        transfer(false, [&] {
            onPasswordDialog([&](QWidget* w) {
                QVERIFY(w);
                auto* buttons = w->findChild<QDialogButtonBox*>();
                if (answer.isEmpty()) {
                    QTest::mouseClick(buttons->button(QDialogButtonBox::Cancel), Qt::LeftButton);
                    return;
                }
                QTest::keyClicks(w->findChild<QLineEdit*>(QStringLiteral("password")), answer);
                QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
            });
        });
        QCOMPARE(messages_.size(), answer.isEmpty() ? 1 : 2);
        QCOMPARE(frame()->activeChild()->link()->lastOutcome(), LinkOutcome::PasswordError);
        QCOMPARE(frame()->statusMessage(), status.arg(QStringLiteral("com1 (%1)").arg(device_)));
        QVERIFY(cell(1, ColRx).isEmpty());
    }

    // A radio that never answers: the communication error names the port and the device tried.
    void theCommunicationErrorNamesThePortTried_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("second");
        QTest::newRow("English") << "English"
                                 << "No answer on com1 (%1).";
        QTest::newRow("Chinese") << "Chinese" << QString::fromUtf8("com1 (%1) 上没有应答。");
    }
    void theCommunicationErrorNamesThePortTried()
    {
        QFETCH(QString, language);
        QFETCH(QString, second);
        startWithRadio({QStringLiteral("--ignore-wakeups"), QStringLiteral("1000000")}, language);
        transfer(false);
        QCOMPARE(messages_.size(), 1);
        const Language lang = language == QStringLiteral("Chinese") ? Language::Chinese : Language::English;
        QCOMPARE(messages_[0].text, msg::text(msg::CommError, lang) + u'\n' + second.arg(device_));
        QCOMPARE(frame()->activeChild()->link()->lastOutcome(), LinkOutcome::CommFailure);
    }
};

QTEST_MAIN(LinkUiTest)
#include "LinkUiTest.moc"
