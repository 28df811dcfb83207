// Moving channels in the table, channel lists in and out of files, and comparing a document
// with a file, as a user does them: keys, menus, the dialogs in between, and undo.
#include "UiFixture.h"
#include "app/CChildFrame.h"
#include "channels/ChannelMoves.h"
#include "channels/ChannelTable.h"
#include "channels/CsvPlan.h"
#include "channels/ui/CChannelListDlgs.h"
#include "channels/ui/CZemtarView.h"
#include "image/AtomicFile.h"
#include "shell/ui/CZemtarDoc.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUndoStack>

using namespace zemtar;
using namespace zemtar::ui;
using namespace zemtar::ui::uitest;

class ChannelListsTest : public UiFixture {
    Q_OBJECT

    CZemtarView* view() const { return frame()->activeView(); }
    CMSFlexGrid* grid() const { return view()->grid(); }
    QString cell(int row, int col) const { return grid()->GetTextMatrix(row, col); }
    int steps() const { return view()->undoStack()->index(); }

    void showFrame()
    {
        frame()->show();
        QApplication::setActiveWindow(frame());
        QVERIFY(QTest::qWaitForWindowActive(frame()));
    }
    void clickRowNumber(int row, Qt::KeyboardModifiers mods = {})
    {
        QHeaderView* h = grid()->verticalHeader();
        grid()->scrollTo(grid()->model()->index(row - 1, 0));
        const QPoint at(h->width() / 2, h->sectionViewportPosition(row - 1) + h->sectionSize(row - 1) / 2);
        QTest::mouseClick(h->viewport(), Qt::LeftButton, mods, at);
    }
    // Channels 1-5: "E" 145.025, "D" 145.050, "C" 145.075, "B" 145.100, "A" 145.125.
    void fiveChannels()
    {
        QString rows;
        for (int i = 1; i <= 5; ++i)
            rows += QStringLiteral("%1\t145.%2\t\t\t\t%3\t\t\t\t\t\t\n")
                        .arg(i)
                        .arg(i * 25, 3, 10, QChar(u'0'))
                        .arg(QChar(u'F' - i));
        grid()->setCurrentCell(0, ColRx - 1);
        QVERIFY(view()->pasteText(rows));
    }
    QString names(int last = 5) const
    {
        QString s;
        for (int r = 1; r <= last; ++r)
            s += cell(r, ColName).isEmpty() ? QStringLiteral("-") : cell(r, ColName);
        return s;
    }
    // Opens a menu of the menu bar and clicks the item, as the mouse does.
    void clickMenu(int menuIndex, const QString& item)
    {
        QMenu* menu = frame()->menuBar()->actions().value(menuIndex)->menu();
        QVERIFY(menu);
        frame()->menuBar()->setActiveAction(menu->menuAction());
        QTRY_VERIFY(menu->isVisible());
        QAction* target = nullptr;
        for (QAction* a : menu->actions())
            if (a->text() == item)
                target = a;
        QVERIFY2(target, qPrintable(item));
        QVERIFY(target->isEnabled());
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(target).center());
        QTRY_VERIFY(!menu->isVisible());
    }
    // Right-clicks a cell and clicks the context menu's item.
    void clickContextItem(int row, const QString& item)
    {
        QString missing = item;
        QTimer::singleShot(100, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (QAction* a : menu->actions())
                if (a->text() == item) {
                    missing.clear();
                    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
                    return;
                }
            menu->close();
        });
        clickRowNumber(row);
        const QPoint at = grid()->visualRect(grid()->model()->index(row - 1, ColName - 1)).center();
        QTest::mouseClick(grid()->viewport(), Qt::RightButton, {}, at);
        QContextMenuEvent e(QContextMenuEvent::Mouse, at, grid()->viewport()->mapToGlobal(at));
        QApplication::sendEvent(grid()->viewport(), &e);
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QVERIFY2(missing.isEmpty(), qPrintable(missing));
    }

private slots:
    void movingChannelsByKeysAndMenusIsOneStepEach()
    {
        QVERIFY(start(QStringLiteral("English")));
        showFrame();
        fiveChannels();
        QCOMPARE(names(), QStringLiteral("EDCBA"));
        int before = steps();

        // Ctrl+Shift+Down on the grid moves the selected rows; the selection follows them.
        clickRowNumber(2);
        clickRowNumber(3, Qt::ShiftModifier);
        QTest::keyClick(grid(), Qt::Key_Down, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(names(), QStringLiteral("EBDCA"));
        QCOMPARE(view()->selectedRows(), (QList<int>{3, 4}));
        QCOMPARE(steps(), before + 1);
        QTest::keyClick(grid(), Qt::Key_Up, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(grid(), Qt::Key_Up, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(names(), QStringLiteral("DCEBA"));
        QCOMPARE(view()->selectedRows(), (QList<int>{1, 2}));
        // At the top already: said, nothing recorded.
        QTest::keyClick(grid(), Qt::Key_Up, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(messages_.size(), 1);
        QVERIFY(messages_[0].text.contains(QStringLiteral("top already")));
        QCOMPARE(steps(), before + 3);
        QTest::keyClick(grid(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(names(), QStringLiteral("EDCBA"));
        QTest::keyClick(grid(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(names(), QStringLiteral("EBDCA"));
        QTest::keyClick(grid(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(names(), QStringLiteral("EDCBA"));

        // Sorting the selected rows, from the Edit menu; undo gives the order back.
        clickRowNumber(1);
        clickRowNumber(5, Qt::ShiftModifier);
        before = steps();
        clickMenu(1, QStringLiteral("Sort b&y Name"));
        QCOMPARE(names(), QStringLiteral("ABCDE"));
        QCOMPARE(cell(1, ColRx), QStringLiteral("145.12500"));
        QCOMPARE(view()->selectedRows(), (QList<int>{1, 2, 3, 4, 5}));
        clickMenu(1, QStringLiteral("Sort by Receive &Frequency"));
        QCOMPARE(names(), QStringLiteral("EDCBA"));
        QCOMPARE(steps(), before + 2);
        clickMenu(1, QStringLiteral("&Undo"));
        QCOMPARE(names(), QStringLiteral("ABCDE"));
        clickMenu(1, QStringLiteral("&Undo"));
        QCOMPARE(names(), QStringLiteral("EDCBA"));

        // Insert at the current row by its key, delete and close up from the context menu.
        clickRowNumber(2);
        QTest::keyClick(grid(), Qt::Key_I, Qt::ControlModifier);
        QCOMPARE(names(6), QStringLiteral("E-DCBA"));
        QVERIFY(cell(2, ColRx).isEmpty());
        clickContextItem(4, QStringLiteral("Delete and Close Up"));
        QCOMPARE(names(6), QStringLiteral("E-DBA-"));
        QTest::keyClick(grid(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(names(6), QStringLiteral("E-DCBA"));
        QTest::keyClick(grid(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(names(6), QStringLiteral("EDCBA-"));
    }

    void theFrRowStaysAndAFullTableRefusesAnInsert()
    {
        QVERIFY(start(QStringLiteral("English")));
        showFrame();
        fiveChannels();
        grid()->setCurrentCell(127, ColRx - 1);
        QVERIFY(view()->pasteText(QStringLiteral("144.75\n")));
        QCOMPARE(cell(128, ColRx), QStringLiteral("144.75000"));
        grid()->setCurrentCell(128, ColRx - 1);
        QVERIFY(view()->pasteText(QStringLiteral("144.5\n")));
        const int before = steps();
        const QString fr = cell(kFrRow, ColRx);

        clickRowNumber(2);
        messages_.clear();
        QTest::keyClick(grid(), Qt::Key_I, Qt::ControlModifier);
        QCOMPARE(messages_.size(), 1);
        QVERIFY(messages_[0].text.contains(QStringLiteral("Channel 128 is in use")));
        QCOMPARE(names(), QStringLiteral("EDCBA"));
        QCOMPARE(steps(), before);

        // The Fr row is not among the channels that move: with it alone, nothing moves.
        clickRowNumber(kFrRow);
        messages_.clear();
        QTest::keyClick(grid(), Qt::Key_Up, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(messages_.size(), 1);
        QCOMPARE(cell(kFrRow, ColRx), fr);
        QCOMPARE(cell(128, ColRx), QStringLiteral("144.75000"));
        // With channel 128 too, channel 128 moves and Fr stays.
        clickRowNumber(128, Qt::ShiftModifier);
        QTest::keyClick(grid(), Qt::Key_Up, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(cell(127, ColRx), QStringLiteral("144.75000"));
        QCOMPARE(cell(kFrRow, ColRx), fr);
        QCOMPARE(view()->selectedRows(), (QList<int>{127}));
        QCOMPARE(steps(), before + 1);
    }

    void exportEditImportUndo_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("common CSV layout") << "list.csv";
        QTest::newRow("tab-separated table") << "list.txt";
    }
    void exportEditImportUndo()
    {
        QFETCH(QString, name);
        const QString dat = makeDat("a.dat");
        QVERIFY(start(QStringLiteral("English"), {dat}));
        showFrame();
        const QString list = dir_.filePath(name);
        QStringList asked;
        setFileNameHook([&](bool save, const QString& proposed) {
            asked << (save ? QStringLiteral("save ") : QStringLiteral("open ")) + proposed;
            return list;
        });
        clickMenu(0, QStringLiteral("&Export Channels..."));
        QCOMPARE(asked.size(), 1);
        QVERIFY(asked[0].startsWith(QStringLiteral("save ")) && asked[0].endsWith(QStringLiteral("a.csv")));
        QByteArray text;
        QVERIFY(readFileBounded(list, 1 << 20, &text, nullptr));
        const bool csv = name.endsWith(QStringLiteral(".csv"));
        QVERIFY(text.startsWith(csv ? "Location,Name,Frequency," : "CH\t"));
        QVERIFY(text.contains("145.125"));

        // Edited as a text editor would: a frequency changed.
        text.replace(csv ? "145.125000" : "145.12500", csv ? "145.100000" : "145.10000");
        test::writeAll(list, text);
        const RadioImage original = frame()->activeDocument()->image();
        const int before = steps();
        clickMenu(0, QStringLiteral("&Import Channels..."));
        QCOMPARE(cell(1, ColRx), QStringLiteral("145.10000"));
        QCOMPARE(cell(1, ColName), QStringLiteral("HOME"));
        QCOMPARE(steps(), before + 1);
        QVERIFY2(frame()->statusMessage().contains(QStringLiteral("Channels imported from ") + name),
                 qPrintable(frame()->statusMessage()));
        QVERIFY(frame()->activeChild()->isWindowModified());
        clickMenu(1, QStringLiteral("&Undo"));
        QCOMPARE(cell(1, ColRx), QStringLiteral("145.12500"));
        view()->StoreTableIntoImage();
        QVERIFY(frame()->activeDocument()->image() == original);

        // A line that does not fit: listed before anything changes; Cancel keeps all.
        if (csv) {
            test::writeAll(list, text +
                                     "2,FAR,450.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,AM,5.00,,High,,,,,\n"
                                     "3,A-VERY-LONG-NAME,144.500000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,"
                                     "5.00,,High,,,,,\n");
            QString shown;
            onNextModal([&](QWidget* w) {
                auto* dlg = qobject_cast<CImportPlanDlg*>(w);
                QVERIFY(dlg);
                shown = dlg->summary()->text() + u'\n' + dlg->list()->toPlainText();
                QVERIFY(dlg->importButton());
                QCOMPARE(dlg->importButton()->text().remove(u'&'), QStringLiteral("Import the Rest"));
            });
            frame()->showResult(QStringLiteral("an older result"));
            QVERIFY(!view()->importChannels(list));
            QCOMPARE(frame()->statusMessage(), QStringLiteral("Nothing was imported from ") + name + u'.');
            QVERIFY2(shown.contains(QStringLiteral("line 3, column Frequency:")), qPrintable(shown));
            // Two problems of one row are one row that does not fit.
            QVERIFY2(shown.contains(QStringLiteral("line 3, column Mode:")), qPrintable(shown));
            QVERIFY2(shown.contains(QStringLiteral("1 row(s) do not fit the radio; 2 row(s) do")), qPrintable(shown));
            QVERIFY2(shown.contains(QStringLiteral("Note: line 4, column Name:")), qPrintable(shown));
            QCOMPARE(cell(1, ColRx), QStringLiteral("145.12500"));
            QVERIFY(cell(2, ColRx).isEmpty());
            // Import the Rest takes the rows that fit, in one step.
            onNextModal([](QWidget* w) {
                if (auto* dlg = qobject_cast<CImportPlanDlg*>(w))
                    dlg->importButton()->click();
            });
            QVERIFY(view()->importChannels(list));
            QCOMPARE(cell(1, ColRx), QStringLiteral("145.10000"));
            QVERIFY(cell(2, ColRx).isEmpty());
            QCOMPARE(cell(3, ColRx), QStringLiteral("144.50000"));
            showFrame();
            QTest::keyClick(grid(), Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(cell(1, ColRx), QStringLiteral("145.12500"));
            QVERIFY(cell(3, ColRx).isEmpty());
        }
        // A header of the layout without its Frequency column: one message, nothing changed.
        test::writeAll(list, "Location,Name\n1,HOME\n");
        messages_.clear();
        QVERIFY(!view()->importChannels(list));
        QCOMPARE(messages_.size(), 1);
        QVERIFY(messages_[0].text.contains(QStringLiteral("Nothing was changed")));
        QCOMPARE(frame()->statusMessage(), QStringLiteral("Nothing was imported from ") + name + u'.');
        // A text that is no channel table: its problems, and only Close.
        test::writeAll(list, "Name;Rx\nHOME;145\n");
        bool closeOnly = false;
        onNextModal([&](QWidget* w) {
            auto* dlg = qobject_cast<CImportPlanDlg*>(w);
            closeOnly = dlg && !dlg->importButton() && !dlg->list()->toPlainText().isEmpty();
        });
        QVERIFY(!view()->importChannels(list));
        QVERIFY(closeOnly);
        QCOMPARE(cell(1, ColRx), QStringLiteral("145.12500"));
        // Export over the document itself is refused.
        messages_.clear();
        QVERIFY(!view()->exportChannels(dat));
        QCOMPARE(messages_.size(), 1);
        QByteArray still;
        QVERIFY(readFileBounded(dat, 1 << 20, &still, nullptr));
        QCOMPARE(still.size(), 6144);
        setFileNameHook({});
    }

    void compareWithListsTheDifferences()
    {
        const QString a = makeDat("a.dat");
        RadioImage other;
        QVERIFY(DataFile::load(a, other, nullptr));
        ChannelTable t;
        t.fillFromImage(other, Language::English);
        commitCell(t, 1, ColName, QStringLiteral("AWAY"), BandLimits::of({144, 145}), Language::English);
        t.storeIntoImage(other);
        const QString b = file("b.dat");
        QVERIFY(DataFile::save(b, other, nullptr));
        QVERIFY(start(QStringLiteral("English"), {a}));
        showFrame();
        setFileNameHook([&](bool, const QString&) { return b; });
        QString summary, lines;
        onNextModal([&](QWidget* w) {
            auto* dlg = qobject_cast<CCompareDlg*>(w);
            QVERIFY(dlg);
            summary = dlg->summary()->text();
            lines = dlg->list()->toPlainText();
        });
        clickMenu(0, QStringLiteral("Co&mpare With..."));
        QTRY_VERIFY(!summary.isEmpty());
        QVERIFY2(summary.contains(QStringLiteral("a.dat and b.dat differ in 1 place")), qPrintable(summary));
        QVERIFY2(lines.startsWith(QStringLiteral("channel 1: ")) &&
                     lines.contains(QStringLiteral(": HOME in a.dat, AWAY in b.dat")),
                 qPrintable(lines));
        // Against itself: the same image.
        setFileNameHook([&](bool, const QString&) { return a; });
        summary.clear();
        onNextModal([&](QWidget* w) {
            if (auto* dlg = qobject_cast<CCompareDlg*>(w))
                summary = dlg->summary()->text();
        });
        view()->onCompareWith();
        QVERIFY2(summary.contains(QStringLiteral("hold the same image")), qPrintable(summary));
        // Against its own file once changed: the document and the file are told apart.
        QCOMPARE(frame()->statusMessage(), QStringLiteral("Compared with %1: the same image.").arg(a));
        view()->GetDocument()->image().set(ChannelTable::recordOffset(1) + map::rec::kName, 'X');
        view()->FillTableFromImage();
        onNextModal([&](QWidget* w) {
            if (auto* dlg = qobject_cast<CCompareDlg*>(w)) {
                summary = dlg->summary()->text();
                lines = dlg->list()->toPlainText();
            }
        });
        clickMenu(0, QStringLiteral("Co&mpare With..."));
        const QString path = QDir::toNativeSeparators(a);
        QVERIFY2(summary.startsWith(QStringLiteral("The document (a.dat) and %1 differ in 1 place").arg(path)),
                 qPrintable(summary));
        QVERIFY2(lines.contains(QStringLiteral(": XOME in the document (a.dat), HOME in %1").arg(path)),
                 qPrintable(lines));
        QCOMPARE(frame()->statusMessage(), QStringLiteral("Compared with %1: 1 difference(s).").arg(path));
        setFileNameHook({});
    }

    // In a Chinese window the rows that do not fit, and the names cut, are said in Chinese,
    // the columns by the table's headers and the file's names.
    void importProblemsAreChineseInAChineseWindow()
    {
        QVERIFY(start(QStringLiteral("Chinese")));
        showFrame();
        const QString list = dir_.filePath(QStringLiteral("list.csv"));
        test::writeAll(list, csvplan::header().toUtf8() + "\n1,HOME,145.000000,,,,,,,,,,FM,,,\n"
                                                          "2,FAR,999.000000,,,,,,,,,,FM,,,\n"
                                                          "3,AVERYLONGNAME,144.500000,,,,,,,,,,FM,,,\n");
        QString shown;
        onNextModal([&](QWidget* w) {
            if (auto* dlg = qobject_cast<CImportPlanDlg*>(w))
                shown = dlg->list()->toPlainText();
        });
        QVERIFY(!view()->importChannels(list));
        QVERIFY2(shown.contains(u8("第 3 行，接收频率（Frequency） 列：999.000000 MHz 不在 67-600 MHz 之内")),
                 qPrintable(shown));
        QVERIFY2(shown.contains(u8(
                     "注意：第 4 行，信道名字（Name） 列：\"AVERYLONGNAME\" 截为 \"AVERYLON\"（本机只存 8 个字符）")),
                 qPrintable(shown));
        QCOMPARE(frame()->statusMessage(), u8("未从 list.csv 导入任何信道。"));
    }

    void chineseWindowsSayItInChinese()
    {
        QVERIFY(start(QStringLiteral("Chinese")));
        QStringList file, edit;
        for (QAction* a : frame()->menuBar()->actions().value(0)->menu()->actions())
            file << a->text();
        for (QAction* a : frame()->menuBar()->actions().value(1)->menu()->actions())
            edit << a->text();
        QVERIFY2(file.contains(u8("导入信道(&I)...")), qPrintable(file.join(u'|')));
        QVERIFY(file.contains(u8("比较文件(&M)...")));
        QVERIFY2(edit.contains(u8("插入信道(&I)")), qPrintable(edit.join(u'|')));
        QVERIFY(edit.contains(u8("按名称排序(&Y)")));
        fiveChannels();
        clickRowNumber(1);
        view()->moveSelectedUp();
        QCOMPARE(messages_.size(), 1);
        QCOMPARE(messages_[0].text, u8("所选信道已在最上面。"));
    }
};

QTEST_MAIN(ChannelListsTest)
#include "ChannelListsTest.moc"
