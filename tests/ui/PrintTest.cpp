// Printing from the window: the PrintList dialog, the preview and a printer that writes PDF.
#include "UiFixture.h"
#include "print/ui/CPrintListDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>

using namespace zemtar;
using namespace zemtar::ui;
using namespace zemtar::ui::uitest;

class PrintTest : public UiFixture {
    Q_OBJECT

    void saveShot(QWidget* w, const QString& name)
    {
        const QByteArray dir = qgetenv("ZEMTAR_SHOTS_DIR");
        if (!dir.isEmpty()) {
            QTest::qWait(100);
            w->grab().save(QString::fromLocal8Bit(dir) + u'/' + name + QStringLiteral(".png"));
        }
    }
    static void ok(QWidget* w)
    {
        auto* box = w->findChild<QDialogButtonBox*>();
        QTest::mouseClick(box->button(QDialogButtonBox::Ok), Qt::LeftButton);
    }
    QString pdfText(const QString& pdf)
    {
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        if (!p.waitForFinished(20000))
            return {};
        return QString::fromUtf8(p.readAllStandardOutput());
    }

private slots:
    void previewShowsTheDefaultSections()
    {
        QVERIFY(start(QStringLiteral("English"), {makeDat("two.dat")}));
        int pages = -1;
        onNextModal([&](QWidget* w) {
            auto* list = qobject_cast<CPrintListDlg*>(w);
            QVERIFY(list);
            QCOMPARE(list->windowTitle(), QStringLiteral("PrintList"));
            QVERIFY(list->check(report::Optional)->isChecked());
            QVERIFY(list->check(report::Channels)->isChecked());
            QVERIFY(!list->check(report::Dtmf)->isChecked());
            saveShot(list, QStringLiteral("printlist-English"));
            onNextModal([&](QWidget* preview) {
                QVERIFY(preview);
                auto* widget = preview->findChild<QPrintPreviewWidget*>();
                QVERIFY(widget);
                QTRY_VERIFY(widget->pageCount() > 0);
                pages = widget->pageCount();
                preview->resize(900, 700);
                saveShot(preview, QStringLiteral("preview-English"));
            });
            ok(list);
        });
        frame()->runCommand(CMainFrame::ID_FILE_PRINT_PREVIEW);
        QCOMPARE(pages, 2); // optional features, then one page of channels
    }

    void cancelOrNothingChosenPrintsNothing()
    {
        QVERIFY(start(QStringLiteral("English")));
        onNextModal([&](QWidget* w) {
            auto* list = qobject_cast<CPrintListDlg*>(w);
            QTest::mouseClick(list->findChild<QPushButton*>(QStringLiteral("selectAll")), Qt::LeftButton);
            list->reject();
        });
        frame()->runCommand(CMainFrame::ID_FILE_PRINT);
        QVERIFY(messages_.isEmpty());
        onNextModal([&](QWidget* w) {
            auto* list = qobject_cast<CPrintListDlg*>(w);
            list->check(report::Optional)->setChecked(false); // only channels, and none is used
            ok(list);
        });
        frame()->runCommand(CMainFrame::ID_FILE_PRINT);
        QCOMPARE(messages_.size(), 1);
        QVERIFY(messages_[0].text.contains(QStringLiteral("nothing to print")));
    }

    void printingEverySectionToAPdfPrinter()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is not installed");
        QVERIFY(start(QStringLiteral("Chinese"), {makeDat("two.dat")}));
        // The PDF goes beside the document, under its name.
        const QString pdf = file("two.pdf");
        frame()->printer()->setOutputFormat(QPrinter::PdfFormat);
        QString proposed;
        onNextModal([&](QWidget* w) {
            auto* list = qobject_cast<CPrintListDlg*>(w);
            QTest::mouseClick(list->findChild<QPushButton*>(QStringLiteral("selectAll")), Qt::LeftButton);
            onNextModal([&](QWidget* printDialog) {
                if (auto* box = printDialog->findChild<QLineEdit*>(QStringLiteral("filename")))
                    proposed = box->text();
                qobject_cast<QDialog*>(printDialog)->accept();
            });
            ok(list);
        });
        frame()->runCommand(CMainFrame::ID_FILE_PRINT);
        QCOMPARE(proposed, QDir::toNativeSeparators(pdf));
        QCOMPARE(frame()->statusMessage(), u8("报表已输出到 ") + QDir::toNativeSeparators(pdf));
        const QString text = pdfText(pdf);
        QVERIFY2(text.contains(QStringLiteral("Page 7 of 7")), qPrintable(text.left(300)));
        QVERIFY(text.contains(u8("可选功能")));
        QVERIFY(text.contains(u8("信道 FR:")));
        QVERIFY(text.contains(QStringLiteral("145.12500")));
        // The whole-radio page last: the document's file and today's date.
        QVERIFY(text.contains(u8("电台信息")));
        QVERIFY(text.contains(QStringLiteral("two.dat")));
        QVERIFY(text.contains(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"))));
    }

    void theWholeRadioPageIsOffUntilTicked_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("boxText");
        QTest::newRow("English") << "English"
                                 << "Radio Info (model, band, side key, file, date)";
        QTest::newRow("Chinese") << "Chinese" << u8("电台信息（型号、频段、侧键、文件、日期）");
    }
    void theWholeRadioPageIsOffUntilTicked()
    {
        QFETCH(QString, language);
        QFETCH(QString, boxText);
        QVERIFY(start(language, {makeDat("two.dat")}));
        auto previewPages = [&](bool tick) {
            int pages = -1;
            onNextModal([&](QWidget* w) {
                auto* list = qobject_cast<CPrintListDlg*>(w);
                QVERIFY(list);
                QCheckBox* radio = list->check(report::Radio);
                QVERIFY(radio);
                QCOMPARE(radio->text().remove(QRegularExpression(QStringLiteral("\\(&.\\)$"))).remove(u'&'), boxText);
                QVERIFY(!radio->isChecked());
                // The box sits below the five, in the same column.
                QVERIFY(radio->y() > list->check(report::Channels)->y());
                if (tick)
                    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(8, radio->height() / 2));
                QCOMPARE(radio->isChecked(), tick);
                onNextModal([&](QWidget* preview) {
                    QVERIFY(preview);
                    auto* widget = preview->findChild<QPrintPreviewWidget*>();
                    QVERIFY(widget);
                    QTRY_VERIFY(widget->pageCount() > 0);
                    pages = widget->pageCount();
                    if (tick) {
                        widget->setCurrentPage(pages);
                        preview->resize(900, 700);
                        saveShot(preview, QStringLiteral("preview-radio-") + language);
                    }
                });
                ok(list);
            });
            frame()->runCommand(CMainFrame::ID_FILE_PRINT_PREVIEW);
            return pages;
        };
        QCOMPARE(previewPages(false), 2); // optional features and one page of channels
        QCOMPARE(previewPages(true), 3);  // and the whole radio behind them
    }

    void printToPdfProposesTheDocumentsOwnName_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << "English";
        QTest::newRow("Chinese") << "Chinese";
    }
    void printToPdfProposesTheDocumentsOwnName()
    {
        // A file: its name and folder; Untitled: the user's documents folder. Asked only, so
        // nothing is written there.
        QFETCH(QString, language);
        QDir().mkpath(file("customers"));
        const QString dat = makeDat("customers/customer.dat");
        QVERIFY(start(language, {dat}));
        auto proposal = [&] {
            QString proposed;
            onNextModal([&](QWidget* w) {
                onNextModal([&](QWidget* printDialog) {
                    QVERIFY(printDialog);
                    if (auto* box = printDialog->findChild<QLineEdit*>(QStringLiteral("filename")))
                        proposed = box->text();
                });
                ok(w);
            });
            frame()->runCommand(CMainFrame::ID_FILE_PRINT);
            return proposed;
        };
        QCOMPARE(proposal(), QDir::toNativeSeparators(file("customers/customer.pdf")));
        QCOMPARE(frame()->printer()->docName(), QStringLiteral("customer"));
        if (!g().chinese) { // Qt's own button texts are in English here
            // The preview's Print button: its print dialog proposes the same.
            QString fromPreview;
            onNextModal([&](QWidget* w) {
                onNextModal([&](QWidget* preview) {
                    QVERIFY(preview);
                    QAction* print = nullptr;
                    for (QAction* a : preview->findChildren<QAction*>())
                        if (a->text() == QStringLiteral("Print"))
                            print = a;
                    QVERIFY(print);
                    onNextModal([&](QWidget* printDialog) {
                        QVERIFY(printDialog);
                        if (auto* box = printDialog->findChild<QLineEdit*>(QStringLiteral("filename")))
                            fromPreview = box->text();
                    });
                    print->trigger();
                });
                ok(w);
            });
            frame()->runCommand(CMainFrame::ID_FILE_PRINT_PREVIEW);
            QCOMPARE(fromPreview, QDir::toNativeSeparators(file("customers/customer.pdf")));
        }
        frame()->runCommand(CMainFrame::ID_FILE_NEW);
        QTest::qWait(0);
        const QString untitled = proposal();
        QCOMPARE(QFileInfo(untitled).fileName(), g().chinese ? u8("无标题.pdf") : u8("Untitled.pdf"));
        QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (!QFileInfo(documents).isDir())
            documents = QDir::homePath();
        QCOMPARE(QFileInfo(untitled).absolutePath(), QFileInfo(documents).absoluteFilePath());
        QVERIFY(!QFile::exists(untitled) ||
                QFileInfo(untitled).lastModified().secsTo(QDateTime::currentDateTime()) > 60);
    }
};

QTEST_MAIN(PrintTest)
#include "PrintTest.moc"
