// The settings dialogs as a user runs them: opened from the navigator and the Edit menu on the
// active document, values changed, OK or Cancel, and what lands in the image.
#include "FastKeys.h"
#include "UiFixture.h"
#include "app/CChildFrame.h"
#include "channels/ui/CZemtarView.h"
#include "editors/Settings.h"
#include "editors/ui/CDtmfDlg.h"
#include "editors/ui/CKeyAssignDlg.h"
#include "editors/ui/CMskDlg.h"
#include "editors/ui/COptionalFeaturesDlg.h"
#include "editors/ui/CProductInfoDlg.h"
#include "editors/ui/CTwoToneDlg.h"
#include "shell/ui/CNavigatorBar.h"
#include "shell/ui/CZemtarDoc.h"
#include "shell/ui/HelpLauncher.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeWidgetItem>
#include <QUndoStack>

using namespace zemtar;
using namespace zemtar::ui;
using namespace zemtar::ui::uitest;
namespace of = zemtar::editors::of;

class EditorsTest : public UiFixture {
    Q_OBJECT

    RadioImage& image() const { return frame()->activeDocument()->image(); }
    QUndoStack* undo() const { return frame()->activeView()->undoStack(); }

    void saveShot(QWidget* w, const QString& name)
    {
        const QByteArray dir = qgetenv("ZEMTAR_SHOTS_DIR");
        if (dir.isEmpty())
            return;
        QTest::qWait(50);
        w->grab().save(QString::fromLocal8Bit(dir) + u'/' + name + QStringLiteral(".png"));
    }
    static void press(QDialog* d, QDialogButtonBox::StandardButton which)
    {
        auto* box = d->findChild<QDialogButtonBox*>();
        QVERIFY(box);
        QTest::mouseClick(box->button(which), Qt::LeftButton);
    }
    static QWidget* fieldWidget(QDialog* d, int field)
    {
        return d->findChild<QWidget*>(QStringLiteral("field%1").arg(field));
    }
    // Chooses a list item as a user does: opens the list and picks the item.
    static void choose(QComboBox* c, const QString& text)
    {
        QVERIFY2(c->findText(text) >= 0, qPrintable(text));
        c->setFocus();
        c->setCurrentIndex(c->findText(text));
    }

private slots:
    void optionalFeaturesChangesOnlyItsBitsAndIsOneUndoStep()
    {
        QVERIFY(start(QStringLiteral("English")));
        const RadioImage before = image();
        onNextModal([&](QWidget* w) {
            auto* d = qobject_cast<COptionalFeaturesDlg*>(w);
            QVERIFY(d);
            auto* back = qobject_cast<QComboBox*>(fieldWidget(d, of::BackLight));
            QCOMPARE(back->currentText(), QStringLiteral("Auto"));
            choose(back, QStringLiteral("On"));
            auto* pass = qobject_cast<QLineEdit*>(fieldWidget(d, of::DataPassword));
            pass->setFocus();
            QTest::keyClicks(pass, QStringLiteral("12a3456789")); // letters dropped, six at most
            QCOMPARE(pass->text(), QStringLiteral("123456"));
            auto* beep = qobject_cast<QCheckBox*>(fieldWidget(d, of::Beep));
            QTest::mouseClick(beep, Qt::LeftButton, {}, QPoint(8, beep->height() / 2));
            saveShot(d, QStringLiteral("optional-features-English"));
            press(d, QDialogButtonBox::Ok);
        });
        frame()->navigator()->choose(frame()->navigator()->root()->child(CNavigatorBar::OptionalFeatures));
        QCOMPARE(image().at(0x1265), std::uint8_t(0x25)); // bits 4-5 from 1 to 2
        QCOMPARE(image().at(0x1264), std::uint8_t(0x85)); // beep (bit 3) cleared
        QCOMPARE(image().text(0x17D2, 6), QByteArray("123456"));
        int changed = 0;
        for (std::size_t i = 0; i < RadioImage::kSize; ++i)
            changed += image().at(i) != before.at(i);
        QCOMPARE(changed, 8);
        QCOMPARE(undo()->count(), 1);
        QVERIFY(frame()->activeChild()->isWindowModified());
        undo()->undo();
        QVERIFY(image() == before);
        QVERIFY(!frame()->activeChild()->isWindowModified());
    }

    void cancelAndAnUneditedOkChangeNothing()
    {
        QVERIFY(start(QStringLiteral("English")));
        image().set(0x1265, 0x3D); // back light bits 3 show "On"
        image().set(0x1260, 10);   // a time-out no list item shows
        const RadioImage before = image();
        onNextModal([&](QWidget* w) {
            auto* d = qobject_cast<QDialog*>(w);
            choose(qobject_cast<QComboBox*>(fieldWidget(d, of::ScanMode)), QStringLiteral("SE"));
            press(d, QDialogButtonBox::Cancel);
        });
        frame()->runCommand(CMainFrame::ID_OPTIONAL_FEATURES);
        QVERIFY(image() == before);
        onNextModal([&](QWidget* w) {
            auto* d = qobject_cast<QDialog*>(w);
            QCOMPARE(qobject_cast<QComboBox*>(fieldWidget(d, of::Tot))->currentText(), QString());
            QCOMPARE(qobject_cast<QComboBox*>(fieldWidget(d, of::Tot))->placeholderText(), QStringLiteral("300"));
            QCOMPARE(qobject_cast<QComboBox*>(fieldWidget(d, of::BackLight))->currentText(), QStringLiteral("On"));
            press(d, QDialogButtonBox::Ok);
        });
        frame()->runCommand(CMainFrame::ID_OPTIONAL_FEATURES);
        QVERIFY(image() == before);
        QCOMPARE(undo()->count(), 0);
        QVERIFY(!frame()->activeChild()->isWindowModified());
    }

    void pttIdTypeChangeClearsTheTextsAndSetsTheirFilter()
    {
        QVERIFY(start(QStringLiteral("English")));
        onNextModal([&](QWidget* w) {
            auto* d = qobject_cast<QDialog*>(w);
            auto* bot = qobject_cast<QLineEdit*>(fieldWidget(d, of::PttIdBegin));
            bot->setFocus();
            QTest::keyClicks(bot, QStringLiteral("1e2*x#d")); // DTMF: 0-9, A-D, * and #
            QCOMPARE(bot->text(), QStringLiteral("12*#D"));
            auto* type = qobject_cast<QComboBox*>(fieldWidget(d, of::PttIdType));
            choose(type, QStringLiteral("MSK"));
            QCOMPARE(bot->text(), QString());
            bot->setFocus();
            QTest::keyClicks(bot, QStringLiteral("unit 7xyz"));
            QCOMPARE(bot->text(), QStringLiteral("UNIT 7X")); // upper case, seven at most
            press(d, QDialogButtonBox::Ok);
        });
        frame()->runCommand(CMainFrame::ID_OPTIONAL_FEATURES);
        QCOMPARE(image().text(0x1278, 16), QByteArray("UNIT 7X"));
        QCOMPARE(image().at(0x1278 + 7), std::uint8_t(0xFF));
        QVERIFY(!image().bit(0x12A8, 2));
    }

    void mskCommitsTheOpenCellOnOk()
    {
        QVERIFY(start(QStringLiteral("English")));
        onNextModal([&](QWidget* w) {
            auto* d = qobject_cast<CMskDlg*>(w);
            QVERIFY(d);
            auto* id = qobject_cast<QLineEdit*>(fieldWidget(d, 0));
            id->setFocus();
            QTest::keyClicks(id, QStringLiteral("12ag"));
            QCOMPARE(id->text(), QStringLiteral("12A"));
            FieldGrid* grid = d->grid();
            grid->setFocus();
            grid->setCurrentCell(3, 1); // entry 4
            QLineEdit* cell = grid->cellEditor();
            QVERIFY(cell);
            QTest::keyClicks(cell, QStringLiteral("beefz"));
            QCOMPARE(cell->text(), QStringLiteral("BEEF"));
            saveShot(d, QStringLiteral("msk-English"));
            press(d, QDialogButtonBox::Ok);
        });
        frame()->runCommand(CMainFrame::ID_MSK);
        QCOMPARE(image().text(0x12C0, 4), QByteArray("12A"));
        QCOMPARE(image().at(0x12C3), std::uint8_t(0xFF));
        QCOMPARE(image().text(0x12D8, 4), QByteArray("BEEF"));
        QCOMPARE(undo()->count(), 1);
    }

    // Only 0-9 and A-F reach the ID and call boxes, whatever keys are held and whatever is pasted.
    void mskTakesOnlyHexDigitsFromKeysAndPaste()
    {
        QVERIFY(start(QStringLiteral("English")));
        onNextModal([&](QWidget* w) {
            auto* d = qobject_cast<CMskDlg*>(w);
            QVERIFY(d);
            auto* id = qobject_cast<QLineEdit*>(fieldWidget(d, 0));
            id->setFocus();
            QTest::keyClicks(id, QStringLiteral("1"));
            QTest::keyClicks(id, QStringLiteral("aG!"), Qt::ShiftModifier);
            QTest::keyClick(id, Qt::Key_G, Qt::ShiftModifier);
            QTest::keyClick(id, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
            QTest::keyClicks(id, QStringLiteral("b"), Qt::AltModifier);
            QTest::keyClick(id, Qt::Key_2, Qt::KeypadModifier);
            QCOMPARE(id->text(), QStringLiteral("12"));
            id->clear();
            QApplication::clipboard()->setText(QStringLiteral("g1b-x2"));
            QTest::keyClick(id, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(id->text(), QStringLiteral("1B2"));
            FieldGrid* grid = d->grid();
            grid->setFocus();
            grid->setCurrentCell(0, 1);
            QLineEdit* cell = grid->cellEditor();
            QVERIFY(cell);
            QTest::keyClicks(cell, QStringLiteral("aZ"), Qt::ShiftModifier);
            QTest::keyClicks(cell, QStringLiteral("c"));
            QCOMPARE(cell->text(), QStringLiteral("C"));
            QApplication::clipboard()->setText(QStringLiteral("dq9e7"));
            QTest::keyClick(cell, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(cell->text(), QStringLiteral("CD9E"));
            press(d, QDialogButtonBox::Ok);
        });
        frame()->runCommand(CMainFrame::ID_MSK);
        QCOMPARE(image().text(0x12C0, 4), QByteArray("1B2"));
        QCOMPARE(image().text(0x12C4, 4), QByteArray("CD9E"));
    }

    void keyAssignmentKeepsTheOtherBitsInChinese()
    {
        QVERIFY(start(QStringLiteral("Chinese")));
        image().set(0x12AA, 0xA7);
        onNextModal([&](QWidget* w) {
            auto* d = qobject_cast<CKeyAssignDlg*>(w);
            QVERIFY(d);
            QCOMPARE(d->choices()->checkedId(), 0); // bits 11: "Option Singalling Call"
            QTest::mouseClick(d->choices()->button(3), Qt::LeftButton);
            saveShot(d, QStringLiteral("key-assignment-Chinese"));
            press(d, QDialogButtonBox::Ok);
        });
        frame()->navigator()->choose(frame()->navigator()->root()->child(CNavigatorBar::KeyAssignment));
        QCOMPARE(image().at(0x12AA), std::uint8_t(0xA4));
    }

    void f1OpensTheGuideAtTheSectionOfEachWindow_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("section");
        for (const char* lang : {"English", "Chinese"}) {
            QTest::newRow(lang + QByteArray(" Optional Features"))
                << lang << int(CMainFrame::ID_OPTIONAL_FEATURES) << "optional-features";
            QTest::newRow(lang + QByteArray(" DTMF")) << lang << int(CMainFrame::ID_DTMF) << "dtmf";
            QTest::newRow(lang + QByteArray(" 2-Tone")) << lang << int(CMainFrame::ID_TWO_TONE) << "two-tone";
            QTest::newRow(lang + QByteArray(" MSK")) << lang << int(CMainFrame::ID_MSK) << "msk";
            QTest::newRow(lang + QByteArray(" Key Assignment"))
                << lang << int(CMainFrame::ID_KEY_ASSIGN) << "key-assignment";
            QTest::newRow(lang + QByteArray(" Product Information"))
                << lang << int(CMainFrame::ID_PRODUCT_INFO) << "product-information";
            QTest::newRow(lang + QByteArray(" Com Setup")) << lang << int(CMainFrame::ID_COM_SETUP) << "com-setup";
            QTest::newRow(lang + QByteArray(" Language")) << lang << int(CMainFrame::ID_LANGUAGE) << "language";
        }
    }
    void f1OpensTheGuideAtTheSectionOfEachWindow()
    {
        QFETCH(QString, language);
        QFETCH(int, command);
        QFETCH(QString, section);
        QVERIFY(start(language));
        help::Request seen;
        onNextModal([&](QWidget* w) {
            QVERIFY(w);
            // F1 wherever the focus is: on the window's first field, or on a button.
            QWidget* target = w->focusWidget() ? w->focusWidget() : w;
            QTest::keyClick(target, Qt::Key_F1);
            seen = help::lastRequest();
            // The guide's window is the dialog's own, so the dialog does not block it.
            QVERIFY(help::browser() && help::browser()->window()->isVisible());
            QVERIFY(help::browser()->source().toString().contains(language + QStringLiteral(".html")));
            if (auto* d = qobject_cast<QDialog*>(w))
                d->reject();
        });
        frame()->runCommand(command);
        QCOMPARE(seen.section, section);
        QVERIFY(seen.opened);
        QVERIFY(seen.file.endsWith(language + QStringLiteral(".html")));
    }

    // Every control of every window, given the focus, opens with F1 a section of that window;
    // so does every help context the table names for the window.
    void f1OnEveryControlOpensItsWindowsSection_data() { f1OpensTheGuideAtTheSectionOfEachWindow_data(); }
    void f1OnEveryControlOpensItsWindowsSection()
    {
        QFETCH(QString, language);
        QFETCH(int, command);
        QFETCH(QString, section);
        QVERIFY(start(language));
        int tried = 0;
        onNextModal([&](QWidget* w) {
            QVERIFY(w);
            for (const auto& [window, context] : help::contextsOf(w->objectName()))
                QCOMPARE(help::sectionFor(window, context), section);
            auto* tabs = w->findChild<QTabWidget*>();
            for (int t = 0; t < (tabs ? tabs->count() : 1); ++t) {
                if (tabs)
                    tabs->setCurrentIndex(t);
                for (QWidget* c : w->findChildren<QWidget*>()) {
                    if (!c->isVisibleTo(w) || !c->isEnabled() || !(c->focusPolicy() & Qt::TabFocus) ||
                        qobject_cast<QTabBar*>(c) || c->window() != w)
                        continue;
                    c->setFocus();
                    QTest::keyClick(c, Qt::Key_F1);
                    QVERIFY2(help::lastRequest().section == section,
                             qPrintable(c->objectName() + u' ' + help::lastRequest().section));
                    ++tried;
                }
            }
            if (auto* d = qobject_cast<QDialog*>(w))
                d->reject();
        });
        frame()->runCommand(command);
        QVERIFY(tried > 0);
    }

    void f1OnFieldsThatShareANumberWithAnotherWindow()
    {
        QVERIFY(start(QStringLiteral("English")));
        onNextModal([&](QWidget* w) {
            auto* d = qobject_cast<QDialog*>(w);
            auto* tabs = d->findChild<QTabWidget*>();
            for (int t = 0; tabs && t < tabs->count(); ++t)
                if (tabs->widget(t)->isAncestorOf(fieldWidget(d, of::RepeaterMskInvert)))
                    tabs->setCurrentIndex(t);
            QWidget* invert = fieldWidget(d, of::RepeaterMskInvert);
            invert->setFocus();
            QTest::keyClick(invert, Qt::Key_F1);
            QCOMPARE(help::lastRequest().section, QStringLiteral("optional-features"));
            d->reject();
        });
        frame()->runCommand(CMainFrame::ID_OPTIONAL_FEATURES);
        onNextModal([&](QWidget* w) {
            auto* high = w->findChild<QLineEdit*>(QStringLiteral("high"));
            high->setFocus();
            QTest::keyClick(high, Qt::Key_F1);
            QCOMPARE(help::lastRequest().section, QStringLiteral("product-information"));
            qobject_cast<QDialog*>(w)->reject();
        });
        frame()->runCommand(CMainFrame::ID_PRODUCT_INFO);
    }

    void helpTopicsAndEverySectionInBothGuides()
    {
        QVERIFY(start(QStringLiteral("English")));
        frame()->runCommand(CMainFrame::ID_HELP_TOPICS);
        QCOMPARE(help::lastRequest().section, QStringLiteral("start"));
        QVERIFY(help::browser()->toPlainText().contains(QStringLiteral("Zemtar user guide")));
        const QStringList sections = {"start",
                                      "main",
                                      "channels",
                                      "channel-edit",
                                      "product-information",
                                      "optional-features",
                                      "dtmf",
                                      "two-tone",
                                      "msk",
                                      "key-assignment",
                                      "read-write",
                                      "verify",
                                      "power",
                                      "com-setup",
                                      "fleet",
                                      "print",
                                      "language",
                                      "cli",
                                      "radiosim"};
        for (const char* lang : {"English", "Chinese"}) {
            const QString html = QString::fromUtf8(zemtar::test::readAll(
                appDir() + QStringLiteral("/guide/") + QLatin1String(lang) + QStringLiteral(".html")));
            for (const QString& s : sections)
                QVERIFY2(html.contains(QStringLiteral("<a name=\"%1\">").arg(s)),
                         qPrintable(QLatin1String(lang) + u' ' + s));
        }
        // Every section the help contexts lead to is one of them.
        const std::pair<const char*, int> asked[] = {{"mainFrame", 0},
                                                     {"optionalFeaturesDialog", 1009},
                                                     {"productInfoDialog", 1013},
                                                     {"channelEditDialog", 2025},
                                                     {"mainFrame", 2127},
                                                     {"mainFrame", 2133},
                                                     {"comSetupDialog", 32777},
                                                     {"languageDialog", 32799},
                                                     {"keyAssignDialog", 32800},
                                                     {"mainFrame", 0x20000 + 128 - 0x10000}};
        for (const auto& [window, context] : asked)
            QVERIFY2(sections.contains(help::sectionFor(QLatin1String(window), context)),
                     qPrintable(QString::number(context)));
        QCOMPARE(help::sectionFor(QStringLiteral("optionalFeaturesDialog"), 1009), QStringLiteral("optional-features"));
        QCOMPARE(help::sectionFor(QStringLiteral("fleetDialog"), 0), QStringLiteral("fleet"));
    }

    void chineseListsAndF1()
    {
        QVERIFY(start(QStringLiteral("Chinese")));
        onNextModal([&](QWidget* w) {
            auto* d = qobject_cast<QDialog*>(w);
            auto* back = qobject_cast<QComboBox*>(fieldWidget(d, of::BackLight));
            QCOMPARE(back->currentText(), u8("自动"));
            choose(back, u8("开"));
            fieldWidget(d, of::Voice)->setFocus();
            QTest::keyClick(fieldWidget(d, of::Voice), Qt::Key_F1);
            QCOMPARE(help::lastRequest().context, 1009);
            saveShot(d, QStringLiteral("optional-features-Chinese"));
            press(d, QDialogButtonBox::Ok);
        });
        frame()->runCommand(CMainFrame::ID_OPTIONAL_FEATURES);
        QCOMPARE(image().bits(0x1265, 5, 4), 2u);
        onNextModal([&](QWidget* w) {
            saveShot(w, QStringLiteral("msk-Chinese"));
            press(qobject_cast<QDialog*>(w), QDialogButtonBox::Cancel);
        });
        frame()->runCommand(CMainFrame::ID_MSK);
    }

    void dtmfTabsStoreThePageLeftBeforeTheNextLoads()
    {
        QVERIFY(start(QStringLiteral("English")));
        onNextModal([&](QWidget* w) {
            auto* d = qobject_cast<CDtmfDlg*>(w);
            QVERIFY(d);
            QCOMPARE(d->tabs()->count(), 3);
            QCOMPARE(d->tabs()->tabText(0), QStringLiteral("Encode"));
            auto* speed = qobject_cast<QAbstractSpinBox*>(d->encode()->widget(editors::dtmf::Speed));
            QVERIFY(speed);
            speed->setFocus();
            QTest::keyClick(speed, Qt::Key_Up); // 6 -> 8
            QCOMPARE(speed->text(), QStringLiteral("8"));
            auto* delay = qobject_cast<QAbstractSpinBox*>(d->encode()->widget(editors::dtmf::FirstDigitDelay));
            delay->setFocus();
            delay->findChild<QLineEdit*>()->selectAll();
            QTest::keyClicks(delay, QStringLiteral("7a30")); // the letter is dropped
            QCOMPARE(delay->text(), QStringLiteral("730"));
            saveShot(d, QStringLiteral("dtmf-encode-English"));
            d->tabs()->setCurrentIndex(1); // hiding the encode page stores it
            QCOMPARE(image().at(0x1308) & 3, 1);
            QCOMPARE(image().at(0x1309), 14); // 730 normalised to 700 when left
            QWidget* stunCode = d->decode()->widget(editors::dtmf::StunCode);
            QVERIFY(stunCode->isEnabled());
            auto* stunOn = qobject_cast<QCheckBox*>(d->decode()->widget(editors::dtmf::StunActivation));
            QTest::mouseClick(stunOn, Qt::LeftButton, {}, QPoint(8, stunOn->height() / 2));
            QVERIFY(!stunCode->isEnabled());
            saveShot(d, QStringLiteral("dtmf-decode-English"));
            d->tabs()->setCurrentIndex(2);
            QVERIFY(!image().bit(0x12A8, 4));
            FieldGrid* grid = d->grid();
            grid->setFocus();
            grid->setCurrentCell(2, 1);
            QLineEdit* cell = grid->cellEditor();
            QVERIFY(cell);
            QTest::keyClicks(cell, QStringLiteral("12e*#"));
            QCOMPARE(cell->text(), QStringLiteral("12*#"));
            saveShot(d, QStringLiteral("dtmf-calllist-English"));
            d->reject(); // closing stores the page on screen, the open cell with it
        });
        frame()->runCommand(CMainFrame::ID_DTMF);
        QCOMPARE(image().text(0x13B0, 16), QByteArray("12*#"));
        QCOMPARE(undo()->count(), 1);
        QVERIFY(frame()->activeChild()->isWindowModified());
    }

    void twoToneStoresTheVisibleDecodePageOnClose()
    {
        QVERIFY(start(QStringLiteral("Chinese")));
        onNextModal([&](QWidget* w) {
            auto* d = qobject_cast<CTwoToneDlg*>(w);
            QVERIFY(d);
            QCOMPARE(d->tabs()->tabText(0), u8("编码"));
            saveShot(d, QStringLiteral("two-tone-encode-Chinese"));
            d->tabs()->setCurrentIndex(1);
            d->decodeTabs()->setCurrentIndex(4); // 2-Tone5
            auto* a = qobject_cast<QAbstractSpinBox*>(d->decodeTabs()->currentWidget()->findChild<QWidget*>(
                QStringLiteral("field%1").arg(editors::twotone::ATone)));
            QVERIFY(a);
            a->setFocus();
            QTest::keyClick(a, Qt::Key_Down);
            QCOMPARE(a->text(), QStringLiteral("1999.9"));
            auto* first = qobject_cast<QAbstractSpinBox*>(d->decodeTabs()->currentWidget()->findChild<QWidget*>(
                QStringLiteral("field%1").arg(editors::twotone::DecodeFirstDelay)));
            first->setFocus();
            first->findChild<QLineEdit*>()->selectAll();
            QTest::keyClicks(first, QStringLiteral("12")); // never left: the store normalises it
            saveShot(d, QStringLiteral("two-tone-decode-Chinese"));
            d->reject();
        });
        frame()->runCommand(CMainFrame::ID_TWO_TONE);
        const std::size_t rec5 = 0x15F0, der5 = 0x1770;
        QCOMPARE(image().be16(rec5), 19999);
        QCOMPARE(image().at(rec5 + 4), 100);
        QCOMPARE(image().be16(der5), 448);
        QCOMPARE(image().at(der5 + 4), 200);
        QCOMPARE(image().at(der5 + 6), 20); // the whole derived record follows
        QCOMPARE(image().at(0x1740), 0xFF); // decode page 1 was never on screen: it stored nothing
    }

    // The encode page's timings are seconds (twentieths in the image): the labels on screen
    // and in the report name the same unit as the numbers.
    void twoToneTimingLabelsNameTheUnitOfTheirNumbers_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("unit");
        QTest::newRow("English") << "English"
                                 << "(s)";
        QTest::newRow("Chinese") << "Chinese" << u8("(秒)");
    }
    void twoToneTimingLabelsNameTheUnitOfTheirNumbers()
    {
        QFETCH(QString, language);
        QFETCH(QString, unit);
        QVERIFY(start(language));
        onNextModal([&](QWidget* w) {
            auto* d = qobject_cast<CTwoToneDlg*>(w);
            QVERIFY(d);
            for (int f : {editors::twotone::ToneInterval, editors::twotone::TxRiseDelay}) {
                QWidget* box = d->encode()->widget(f);
                QLabel* label = nullptr;
                for (QLabel* l : d->findChildren<QLabel*>())
                    if (l->buddy() == box)
                        label = l;
                QVERIFY(label);
                // The unit ends the text as shown, before the label's Alt+letter.
                QString shown = label->text();
                shown.remove(QRegularExpression(QStringLiteral("\\(&.\\)$"))).remove(u'&');
                QVERIFY2(shown.endsWith(unit), qPrintable(label->text()));
                QVERIFY(d->encode()->page().field(f).printLabel(g().lang()).contains(QStringLiteral("(s)")));
            }
            auto* interval = qobject_cast<QAbstractSpinBox*>(d->encode()->widget(editors::twotone::ToneInterval));
            interval->setFocus();
            interval->findChild<QLineEdit*>()->selectAll();
            QTest::keyClicks(interval, QStringLiteral("1.5"));
            QTest::keyClick(interval, Qt::Key_Tab);
            d->reject();
        });
        frame()->runCommand(CMainFrame::ID_TWO_TONE);
        QCOMPARE(image().be16(0x1623), 30); // 1.5 s in twentieths of a second
        QCOMPARE(image().be16(0x1625), 2);  // 0.10 s
    }

    void twoToneEncodeGridCellsAreClampedWhenLeft()
    {
        QVERIFY(start(QStringLiteral("English")));
        onNextModal([&](QWidget* w) {
            auto* d = qobject_cast<CTwoToneDlg*>(w);
            FieldGrid* grid = d->grid();
            grid->setFocus();
            grid->setCurrentCell(0, 1);
            QLineEdit* cell = grid->cellEditor();
            QVERIFY(cell);
            cell->selectAll();
            QTest::keyClicks(cell, QStringLiteral("25a0"));
            grid->setCurrentCell(0, 2); // leaving the cell
            QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("288.5"));
            saveShot(d, QStringLiteral("two-tone-encode-English"));
            d->reject();
        });
        frame()->runCommand(CMainFrame::ID_TWO_TONE);
        QCOMPARE(image().be16(0x1500), 2885);
        QCOMPARE(image().be16(0x1680), 388);
        QCOMPARE(image().be16(0x1682), 112);
    }

    // Typed fast into a tone cell and ended with Return, the value is in the image when the
    // dialog has gone, whether Return closed it or the Close button did.
    void twoToneReturnRightAfterTypingKeepsTheTone_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("closeButton");
        QTest::newRow("Return") << "1000.5\r" << false;
        QTest::newRow("Return, then Close") << "1000.5\r" << true;
        QTest::newRow("Close with the editor open") << "1000.5" << true;
    }
    void twoToneReturnRightAfterTypingKeepsTheTone()
    {
        QFETCH(QString, keys);
        QFETCH(bool, closeButton);
        QVERIFY(start(QStringLiteral("English")));
        onNextModal([&](QWidget* w) {
            auto* d = qobject_cast<CTwoToneDlg*>(w);
            QVERIFY(d);
            FieldGrid* grid = d->grid();
            grid->setFocus();
            grid->setCurrentCell(0, 1);
            QVERIFY(grid->cellEditor());
            postKeys(d, keys);
            if (closeButton) {
                deliverKeys();
                if (d->isVisible())
                    press(d, QDialogButtonBox::Close);
            }
            deliverKeys();
        });
        frame()->runCommand(CMainFrame::ID_TWO_TONE);
        QCOMPARE(image().be16(0x1500), 10005);
    }

    // Return in a call list or tone table cell takes the value and opens the next editable
    // cell in reading order, so what is typed after it lands there, even when typed fast; in
    // the last cell Return takes the value and the cursor stays, the dialog open.
    void returnInAGridCellMovesToTheNextCell_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<bool>("fast");
        QTest::addColumn<QStringList>("expected"); // row,column=text after the keys
        const QStringList dtmf{QStringLiteral("0,1=1234"), QStringLiteral("1,1=5678")};
        QTest::newRow("DTMF call list") << int(CMainFrame::ID_DTMF) << 0 << 1 << QStringList{"1234", "5678"} << false
                                        << dtmf;
        QTest::newRow("DTMF call list, fast")
            << int(CMainFrame::ID_DTMF) << 0 << 1 << QStringList{"1234", "5678"} << true << dtmf;
        QTest::newRow("DTMF call list, last row")
            << int(CMainFrame::ID_DTMF) << 8 << 1 << QStringList{"99"} << false << QStringList{"8,1=99"};
        QTest::newRow("MSK call list") << int(CMainFrame::ID_MSK) << 0 << 1 << QStringList{"beef", "12"} << false
                                       << QStringList{"0,1=BEEF", "1,1=12"};
        QTest::newRow("MSK call list, fast")
            << int(CMainFrame::ID_MSK) << 2 << 1 << QStringList{"a1", "c"} << true << QStringList{"2,1=A1", "3,1=C"};
        const QStringList pair{QStringLiteral("0,1=1500.5"), QStringLiteral("0,2=800.0")};
        QTest::newRow("two-tone pairs") << int(CMainFrame::ID_TWO_TONE) << 0 << 1 << QStringList{"1500.5", "800"}
                                        << false << pair;
        QTest::newRow("two-tone pairs, fast")
            << int(CMainFrame::ID_TWO_TONE) << 0 << 1 << QStringList{"1500.5", "800"} << true << pair;
        QTest::newRow("two-tone pairs, row to row")
            << int(CMainFrame::ID_TWO_TONE) << 0 << 2 << QStringList{"900", "1000"} << false
            << QStringList{"0,2=900.0", "1,1=1000.0"};
    }
    void returnInAGridCellMovesToTheNextCell()
    {
        QFETCH(int, command);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QStringList, typed);
        QFETCH(bool, fast);
        QFETCH(QStringList, expected);
        QVERIFY(start(QStringLiteral("English")));
        onNextModal([&](QWidget* w) {
            auto* d = qobject_cast<QDialog*>(w);
            QVERIFY(d);
            d->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(d));
            auto* grid = d->findChild<FieldGrid*>();
            QVERIFY(grid);
            if (auto* dtmf = qobject_cast<CDtmfDlg*>(d))
                dtmf->tabs()->setCurrentIndex(dtmf->tabs()->indexOf(grid->parentWidget()));
            grid->scrollTo(grid->model()->index(row, column));
            const QPoint at = grid->visualRect(grid->model()->index(row, column)).center();
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
            QTRY_VERIFY(grid->cellEditor());
            if (fast) {
                postKeys(d, typed.join(u'\r') + u'\r');
                deliverKeys();
            } else {
                for (const QString& keys : typed) {
                    QVERIFY(QApplication::focusWidget());
                    QTest::keyClicks(QApplication::focusWidget(), keys);
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                }
            }
            QVERIFY(d->isVisible());
            for (const QString& e : expected) {
                const int r = e.section(u',', 0, 0).toInt();
                const int c = e.section(u',', 1).section(u'=', 0, 0).toInt();
                QCOMPARE(grid->item(r, c)->text(), e.section(u'=', 1));
            }
            if (row == grid->rowCount() - 1)
                QCOMPARE(grid->currentIndex(), grid->model()->index(row, column));
        });
        frame()->runCommand(command);
    }

    void undoOfABandChangeBringsBackTheOldBandEverywhere()
    {
        QVERIFY(start(QStringLiteral("English")));
        onNextModal([&](QWidget* w) {
            auto* d = qobject_cast<CProductInfoDlg*>(w);
            QVERIFY(d);
            d->lowEdit()->setText(QStringLiteral("400"));
            d->highEdit()->setText(QStringLiteral("470"));
            press(d, QDialogButtonBox::Ok);
        });
        frame()->runCommand(CMainFrame::ID_PRODUCT_INFO);
        QVERIFY(frame()->windowTitle().contains(QStringLiteral("Fre:400-470MHz")));
        QCOMPARE(frame()->activeView()->bandLimits().low, 40000000);
        undo()->undo();
        QVERIFY2(frame()->windowTitle().contains(QStringLiteral("Fre:144-145MHz")), qPrintable(frame()->windowTitle()));
        QCOMPARE(frame()->activeView()->bandLimits().low, 14400000);
        QCOMPARE(frame()->activeView()->bandLimits().high, 14500000);
        undo()->redo();
        QVERIFY(frame()->windowTitle().contains(QStringLiteral("Fre:400-470MHz")));
        QCOMPARE(frame()->activeView()->bandLimits().high, 47000000);
    }

    void editCommandsAreEnabledFromTheirState()
    {
        QVERIFY(start(QStringLiteral("English")));
        auto on = [&](int id) { return frame()->action(id)->isEnabled(); };
        QVERIFY(!on(CMainFrame::ID_EDIT_UNDO));
        QVERIFY(!on(CMainFrame::ID_EDIT_REDO));
        QVERIFY(on(CMainFrame::ID_EDIT_COPY));
        image().set(0x12AA, 0xFF);
        onNextModal([&](QWidget* w) {
            auto* d = qobject_cast<CKeyAssignDlg*>(w);
            QTest::mouseClick(d->choices()->button(2), Qt::LeftButton);
            press(d, QDialogButtonBox::Ok);
        });
        frame()->runCommand(CMainFrame::ID_KEY_ASSIGN);
        QVERIFY(on(CMainFrame::ID_EDIT_UNDO));
        frame()->runCommand(CMainFrame::ID_EDIT_UNDO);
        QVERIFY(!on(CMainFrame::ID_EDIT_UNDO));
        QVERIFY(on(CMainFrame::ID_EDIT_REDO));
        frame()->runCommand(CMainFrame::ID_FILE_CLOSE); // the channel window goes out of sight
        for (int id :
             {CMainFrame::ID_EDIT_CUT, CMainFrame::ID_EDIT_COPY, CMainFrame::ID_EDIT_PASTE, CMainFrame::ID_EDIT_DELETE})
            QVERIFY(!on(id));
        QVERIFY(!frame()->action(CMainFrame::ID_CONTROL_BAR)->isIconVisibleInMenu());
        QVERIFY(frame()->action(CMainFrame::ID_CONTROL_BAR)->isChecked());
    }

    void chineseReachesQtsOwnDialogsAndEveryMenuHasItsLetter()
    {
        QVERIFY(start(QStringLiteral("Chinese")));
        const QStringList titles = [&] {
            QStringList t;
            for (QAction* a : frame()->menuBar()->actions())
                t << a->text();
            return t;
        }();
        for (const QString& t : titles)
            QVERIFY2(t.contains(u'&'), qPrintable(t));
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_zh_CN.qm")))
            QSKIP("Qt's translations are not installed");
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), u8("取消"));
    }

    void navigatorOffersTheEditors()
    {
        QVERIFY(start(QStringLiteral("English")));
        for (auto c : {CNavigatorBar::OptionalFeatures, CNavigatorBar::Dtmf, CNavigatorBar::Msk, CNavigatorBar::TwoTone,
                       CNavigatorBar::KeyAssignment})
            QVERIFY(!frame()->navigator()->root()->child(c)->isDisabled());
        for (int id : {CMainFrame::ID_OPTIONAL_FEATURES, CMainFrame::ID_DTMF, CMainFrame::ID_MSK,
                       CMainFrame::ID_TWO_TONE, CMainFrame::ID_KEY_ASSIGN})
            QVERIFY(frame()->action(id)->isEnabled());
    }
};

QTEST_MAIN(EditorsTest)
#include "EditorsTest.moc"
