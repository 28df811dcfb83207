// The window without a mouse: Channel Edit from the keys and the menus, Tab and the arrows
// in the channel table's editors, the panes and windows of the main frame, and Tab through
// the call lists of the settings dialogs.
#include "UiFixture.h"
#include "app/CChildFrame.h"
#include "channels/ChannelColumns.h"
#include "channels/ui/CChannelEditDlg.h"
#include "channels/ui/CMSFlexGrid.h"
#include "channels/ui/CZemtarView.h"
#include "editors/ui/CDtmfDlg.h"
#include "editors/ui/CMskDlg.h"
#include "editors/ui/CTwoToneDlg.h"
#include "shell/ui/CNavigatorBar.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>

#include <memory>

using namespace zemtar;
using namespace zemtar::ui;
using namespace zemtar::ui::uitest;

class KeyboardTest : public UiFixture {
    Q_OBJECT

    CZemtarView* view() const { return frame()->activeView(); }
    CMSFlexGrid* grid() const { return view()->grid(); }
    QString cell(int row, int col) const { return grid()->GetTextMatrix(row, col); }
    static QWidget* focused() { return QApplication::focusWidget(); }
    void go(int row, int col)
    {
        const QModelIndex index = grid()->model()->index(row - 1, col - 1);
        grid()->scrollTo(index);
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, grid()->visualRect(index).center());
    }
    bool startShown(const char* language = "English")
    {
        if (!start(QString::fromLatin1(language)))
            return false;
        frame()->show();
        QApplication::setActiveWindow(frame());
        return QTest::qWaitForWindowActive(frame());
    }
    void typeChannels(int count)
    {
        for (int r = 1; r <= count; ++r) {
            go(r, ColRx);
            QTest::keyClicks(focused(), QStringLiteral("145.%1").arg(r * 25, 3, 10, QChar(u'0')));
            QTest::keyClick(focused(), Qt::Key_Return);
        }
    }
    // The channel shown by the Channel Edit dialog that `open` brings up (-1: none came).
    int channelEditOpenedBy(const std::function<void()>& open)
    {
        auto channel = std::make_shared<int>(-1);
        onNextModal([channel](QWidget* w) {
            if (auto* dlg = qobject_cast<CChannelEditDlg*>(w))
                *channel = dlg->channelSpin()->value();
        });
        open();
        (void)QTest::qWaitFor([channel] { return *channel != -1; }, 2000); // a menu opens the dialog a moment later
        if (!QTest::qWaitFor([] { return !QApplication::activeModalWidget(); }, 11000))
            return -2;
        QApplication::setActiveWindow(frame()); // the dialog gave the focus back
        return *channel;
    }
    // Chooses the item `text` of `menu` with the arrow keys and Enter.
    static bool chooseItem(QMenu* menu, const QString& text)
    {
        for (int i = 0; i < menu->actions().size() && !(menu->activeAction() && menu->activeAction()->text() == text);
             ++i)
            QTest::keyClick(menu, Qt::Key_Down);
        if (!menu->activeAction() || menu->activeAction()->text() != text) {
            menu->close();
            return false;
        }
        QTest::keyClick(menu, Qt::Key_Return);
        return true;
    }
    // The same in the popup menu that appears next (within 5 s).
    static void chooseInNextPopup(const QString& text)
    {
        auto* timer = new QTimer;
        auto waited = std::make_shared<int>(0);
        QObject::connect(timer, &QTimer::timeout, [timer, waited, text] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu && ++*waited < 500)
                return;
            timer->stop();
            timer->deleteLater();
            if (menu)
                chooseItem(menu, text);
        });
        timer->start(10);
    }
    QMenu* menu(const QString& title) const
    {
        for (QAction* a : frame()->menuBar()->actions())
            if (a->text() == title)
                return a->menu();
        return nullptr;
    }

private slots:
    void channelEditOpensFromTheKeysAndTheMenus()
    {
        QVERIFY(startShown());
        typeChannels(3);
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
            go(2, ColSignal);
            QTest::keyClick(focused(), Qt::Key_Tab); // on to the More cell
            QCOMPARE(grid()->GetCol(), long(ColMore));
            QCOMPARE(focused(), static_cast<QWidget*>(grid()));
            QCOMPARE(channelEditOpenedBy([key] { QTest::keyClick(focused(), key); }), 2);
        }
        // An empty row opens nothing and says why.
        QSignalSpy status(view(), &CZemtarView::statusText);
        go(5, ColSignal);
        QTest::keyClick(focused(), Qt::Key_Tab);
        auto opened = std::make_shared<bool>(false);
        QTimer::singleShot(300, [opened] {
            if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                *opened = true;
                d->reject();
            }
        });
        QTest::keyClick(focused(), Qt::Key_Return);
        QTest::qWait(400);
        QVERIFY(!*opened);
        QVERIFY(!status.isEmpty());
        QCOMPARE(status.last().at(0).toString(),
                 QStringLiteral("Channel 5 is empty: type its receive frequency first."));

        // Edit > Channel Edit... takes the name typed in the open editor first.
        go(1, ColName);
        QTest::keyClicks(focused(), QStringLiteral("HOME"));
        QMenu* edit = menu(QStringLiteral("&Edit"));
        QVERIFY(edit);
        QAction* item = frame()->action(CMainFrame::ID_CHANNEL_EDIT);
        QVERIFY(edit->actions().contains(item));
        QCOMPARE(item->text(), QStringLiteral("Cha&nnel Edit..."));
        QMenuBar* bar = frame()->menuBar();
        QCOMPARE(channelEditOpenedBy([&] {
                     QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(edit->menuAction()).center());
                     QTRY_VERIFY(edit->isVisible());
                     QVERIFY(chooseItem(edit, item->text()));
                 }),
                 1);
        QCOMPARE(cell(1, ColName), QStringLiteral("HOME"));

        // The context menu, from the keyboard (Shift+F10) at the current cell.
        go(3, ColPower);
        QCOMPARE(channelEditOpenedBy([] {
                     chooseInNextPopup(QStringLiteral("Cha&nnel Edit..."));
                     QTest::keyClick(focused(), Qt::Key_F10, Qt::ShiftModifier);
                 }),
                 3);
    }

    void tabCommitsTheFrequencyAndHomeAndEndMoveInIt()
    {
        QVERIFY(startShown());
        go(1, ColRx);
        QTest::keyClicks(focused(), QStringLiteral("145.125"));
        QTest::keyClick(focused(), Qt::Key_Tab);
        QCOMPARE(cell(1, ColRx), QStringLiteral("145.12500"));
        QCOMPARE(grid()->GetCol(), long(ColTx));
        QCOMPARE(focused(), static_cast<QWidget*>(view()->frequencyEdit()));
        QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(grid()->GetCol(), long(ColRx));
        QCOMPARE(grid()->GetRow(), 1L);

        QLineEdit* edit = view()->frequencyEdit();
        QTest::keyClick(edit, Qt::Key_Home);
        QCOMPARE(edit->cursorPosition(), 0);
        QTest::keyClick(edit, Qt::Key_End);
        QCOMPARE(edit->cursorPosition(), int(edit->text().size()));
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClick(edit, Qt::Key_Home);
        QTest::keyClick(edit, Qt::Key_Delete);
        QCOMPARE(edit->text(), QStringLiteral("45.1250"));
        QTest::keyClicks(edit, QStringLiteral("1x"));
        QCOMPARE(edit->text(), QStringLiteral("145.1250")); // the letter is still dropped

        // Shift+Tab from the first cell of a row goes to the last value cell of the row above.
        go(2, ColRx);
        QTest::keyClicks(focused(), QStringLiteral("145.5"));
        QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(cell(2, ColRx), QStringLiteral("145.50000"));
        QCOMPARE(grid()->GetRow(), 1L);
        QCOMPARE(grid()->GetCol(), long(ColSignal));
    }

    // A value refused on Tab behaves as on Enter: the message with what was wrong and what
    // the radio takes, the edit emptied and still on its cell.
    void aRefusedFrequencyOnTabSaysWhatWasWrong_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("detail");
        QTest::newRow("two points") << "English"
                                    << "14.5.1"
                                    << "\"14.5.1\" is not a frequency in MHz: type digits with one decimal point, as "
                                       "145.125. The radio takes 144-145 MHz in steps of 5 or 6.25 kHz.";
        QTest::newRow("below") << "English"
                               << "50"
                               << "50 MHz is below 67 MHz. The radio takes 144-145 MHz in steps of 5 or 6.25 kHz.";
        QTest::newRow("above") << "English"
                               << "700.5"
                               << "700.5 MHz is above 600 MHz. The radio takes 144-145 MHz in steps of 5 or 6.25 kHz.";
        QTest::newRow("Chinese") << "Chinese"
                                 << "."
                                 << u8("“.”不是以 MHz 为单位的频率：请输入数字和一个小数点，如 145.125。"
                                       "本机频段为 144-145 MHz，步进为 5 或 6.25 kHz。");
    }
    void aRefusedFrequencyOnTabSaysWhatWasWrong()
    {
        QFETCH(QString, language);
        QFETCH(QString, typed);
        QFETCH(QString, detail);
        QVERIFY(startShown(language == QStringLiteral("English") ? "English" : "Chinese"));
        go(3, ColRx);
        QTest::keyClicks(focused(), typed);
        QTest::keyClick(focused(), Qt::Key_Tab);
        QCOMPARE(messages_.size(), 1);
        const QString first = language == QStringLiteral("English")
                                  ? QStringLiteral("Error Data Format，please input again.")
                                  : u8("数据格式错误，请重新输入。");
        QCOMPARE(messages_.first().text, first + u'\n' + detail);
        QCOMPARE(messages_.first().icon, QMessageBox::Critical);
        QCOMPARE(grid()->GetRow(), 3L);
        QCOMPARE(grid()->GetCol(), long(ColRx));
        QCOMPARE(focused(), static_cast<QWidget*>(view()->frequencyEdit()));
        QVERIFY(view()->frequencyEdit()->text().isEmpty());
        QVERIFY(cell(3, ColRx).isEmpty());
    }

    void upAndDownMoveRowsInListColumnsAndAltDownOpensTheList()
    {
        QVERIFY(startShown());
        typeChannels(3);
        go(1, ColPower);
        QComboBox* list = view()->listEditor(ColPower);
        QCOMPARE(focused(), static_cast<QWidget*>(list));
        QTest::keyClick(focused(), Qt::Key_Down);
        QCOMPARE(grid()->GetRow(), 2L);
        QCOMPARE(grid()->GetCol(), long(ColPower));
        QCOMPARE(focused(), static_cast<QWidget*>(list));
        QTest::keyClick(focused(), Qt::Key_Down);
        QTest::keyClick(focused(), Qt::Key_Up);
        QCOMPARE(grid()->GetRow(), 2L);
        for (int r = 1; r <= 3; ++r)
            QCOMPARE(cell(r, ColPower), QStringLiteral("High")); // passing through changed nothing

        // Alt+Down and F4 open the list, where Up and Down choose.
        struct {
            Qt::Key key;
            Qt::KeyboardModifiers mods;
            Qt::Key choose;
            const char* chosen;
        } opens[] = {{Qt::Key_Down, Qt::AltModifier, Qt::Key_Up, "Low"}, {Qt::Key_F4, {}, Qt::Key_Down, "High"}};
        for (const auto& o : opens) {
            QTest::keyClick(focused(), o.key, o.mods);
            QTRY_VERIFY(list->view()->isVisible());
            QTest::keyClick(list->view(), o.choose);
            QTest::keyClick(list->view(), Qt::Key_Return);
            QTRY_VERIFY(!list->view()->isVisible());
            QCOMPARE(grid()->GetRow(), 2L);
            QCOMPARE(focused(), static_cast<QWidget*>(list));
            QTest::keyClick(focused(), Qt::Key_Up); // takes the choice and goes up
            QCOMPARE(cell(2, ColPower), QString::fromLatin1(o.chosen));
            QCOMPARE(grid()->GetRow(), 1L);
            QTest::keyClick(focused(), Qt::Key_Down);
        }
        // Typed letters still choose in the closed list.
        go(3, ColSignal);
        QTest::keyClicks(focused(), QStringLiteral("d"));
        QTest::keyClick(focused(), Qt::Key_Down);
        QCOMPARE(cell(3, ColSignal), QStringLiteral("DTMF"));

        // The mouse: a click on a list cell shows the list's box; one click on it opens it.
        go(1, ColBusy);
        QComboBox* busy = view()->listEditor(ColBusy);
        QVERIFY(busy->isVisible());
        QVERIFY(!busy->view()->isVisible());
        QTest::mouseClick(busy, Qt::LeftButton);
        QTRY_VERIFY(busy->view()->isVisible());
        QTest::keyClick(busy->view(), Qt::Key_Escape);
    }

    void f6GoesFromPaneToPaneAndCtrlTabFromWindowToWindow()
    {
        QVERIFY(startShown());
        frame()->runCommand(CMainFrame::ID_FILE_NEW); // a second window
        QCOMPARE(frame()->childFrames().size(), 2);
        for (CChildFrame* f : frame()->childFrames())
            f->show(); // both windows on screen
        frame()->mdiArea()->setActiveSubWindow(frame()->childFrames().last());
        CChildFrame* second = frame()->activeChild();
        go(1, ColRx);
        QTest::keyClicks(focused(), QStringLiteral("145.2"));
        QTest::keyClick(focused(), Qt::Key_F6);
        QCOMPARE(cell(1, ColRx), QStringLiteral("145.20000")); // taken on leaving the table
        QCOMPARE(focused(), static_cast<QWidget*>(frame()->statusBar()));
        QTest::keyClick(focused(), Qt::Key_F6);
        QCOMPARE(focused(), static_cast<QWidget*>(frame()->navigator()->tree()));
        QTest::keyClick(focused(), Qt::Key_F6);
        QCOMPARE(focused(), static_cast<QWidget*>(view()->frequencyEdit()));
        QCOMPARE(grid()->GetRow(), 1L);
        QTest::keyClick(focused(), Qt::Key_F6, Qt::ShiftModifier);
        QCOMPARE(focused(), static_cast<QWidget*>(frame()->navigator()->tree()));
        QTest::keyClick(focused(), Qt::Key_F6, Qt::ShiftModifier);
        QCOMPARE(focused(), static_cast<QWidget*>(frame()->statusBar()));
        QTest::keyClick(focused(), Qt::Key_F6, Qt::ShiftModifier);
        QVERIFY(grid()->isAncestorOf(focused()));

        // Ctrl+Tab and Ctrl+Shift+Tab from the table's editors and the grid itself.
        for (const int col : {int(ColRx), int(ColName), int(ColPower), int(ColLabel)}) {
            if (col == ColLabel) { // the grid itself, with no editor
                go(1, ColName);
                QTest::keyClick(focused(), Qt::Key_Escape);
                QCOMPARE(focused(), static_cast<QWidget*>(grid()));
            } else {
                go(1, col);
            }
            QCOMPARE(frame()->activeChild(), second);
            QTest::keyClick(focused(), Qt::Key_Tab, Qt::ControlModifier);
            QTest::keyRelease(focused(), Qt::Key_Control); // the window chosen comes up as Ctrl is let go
            QVERIFY(frame()->activeChild() != second);
            QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
            QTest::keyRelease(focused(), Qt::Key_Control);
            QCOMPARE(frame()->activeChild(), second);
        }
    }

    // Tab goes through the editable cells of a call list and on to the dialog's buttons;
    // Shift+Tab back; the row numbers are passed over.
    void tabLeavesTheCallListsAfterTheirLastCell_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("cells");
        QTest::addColumn<int>("tab"); // the tab page of the list
        QTest::newRow("DTMF") << int(CMainFrame::ID_DTMF) << 9 << 2;
        QTest::newRow("MSK") << int(CMainFrame::ID_MSK) << 9 << -1;
        QTest::newRow("2-Tone") << int(CMainFrame::ID_TWO_TONE) << 0 << 0;
    }
    void tabLeavesTheCallListsAfterTheirLastCell()
    {
        QFETCH(int, command);
        QFETCH(int, cells);
        QFETCH(int, tab);
        QVERIFY(start(QStringLiteral("English")));
        bool seen = false;
        onNextModal([&](QWidget* w) {
            FieldGrid* grid = nullptr;
            if (auto* d = qobject_cast<CDtmfDlg*>(w))
                grid = d->grid();
            else if (auto* m = qobject_cast<CMskDlg*>(w))
                grid = m->grid();
            else if (auto* t = qobject_cast<CTwoToneDlg*>(w))
                grid = t->grid();
            QVERIFY(grid);
            seen = true;
            QApplication::setActiveWindow(w);
            (void)QTest::qWaitForWindowActive(w);
            if (tab >= 0) {
                auto* tabs = w->findChild<QTabWidget*>(QStringLiteral("tabs"));
                QVERIFY(tabs);
                tabs->setCurrentIndex(tab);
            }
            int editable = 0;
            for (int r = 0; r < grid->rowCount(); ++r)
                for (int c = 0; c < grid->columnCount(); ++c)
                    editable += grid->fieldAt(r, c) >= 0 ? 1 : 0;
            if (cells > 0)
                QCOMPARE(editable, cells);
            // From the control before the table, Tab comes to its first editable cell.
            QWidget* before = grid->previousInFocusChain();
            while (!(before->focusPolicy() & Qt::TabFocus) || !before->isVisible())
                before = before->previousInFocusChain();
            before->setFocus(Qt::OtherFocusReason);
            QTest::keyClick(before, Qt::Key_Tab);
            QCOMPARE(grid->currentIndex(), grid->model()->index(0, 1));
            QVERIFY(grid->cellEditor());
            QTest::keyClicks(grid->cellEditor(), QStringLiteral("1")); // a digit every list takes
            int visited = 1;
            QSet<QPair<int, int>> seenCells{{0, 1}};
            while (grid->isAncestorOf(focused()) && visited <= editable) {
                QTest::keyClick(focused(), Qt::Key_Tab);
                if (!grid->isAncestorOf(focused()))
                    break;
                const QModelIndex at = grid->currentIndex();
                QVERIFY2(grid->fieldAt(at.row(), at.column()) >= 0, "Tab stopped on a row number");
                QVERIFY(grid->cellEditor());
                seenCells.insert({at.row(), at.column()});
                ++visited;
            }
            QCOMPARE(visited, editable);
            QCOMPARE(int(seenCells.size()), editable);
            QVERIFY(!grid->isAncestorOf(focused()) && focused() != grid);
            if (cells > 0) // the call lists keep the digit as typed
                QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("1"));
            // Shift+Tab comes back to the last editable cell, and from the first one it leaves.
            QWidget* after = focused();
            QTest::keyClick(after, Qt::Key_Backtab, Qt::ShiftModifier);
            QVERIFY(grid->isAncestorOf(focused()));
            const QModelIndex last = grid->currentIndex();
            QVERIFY(grid->fieldAt(last.row(), last.column()) >= 0);
            for (int i = 1; i < editable; ++i)
                QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(grid->currentIndex(), grid->model()->index(0, 1));
            QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(focused(), before);
            // And the buttons and the tab bar are reachable with Tab.
            bool button = false, tabBar = false;
            for (int i = 0; i < 300 && !(button && (tabBar || tab < 0)); ++i) {
                QTest::keyClick(focused(), Qt::Key_Tab);
                button = button || qobject_cast<QPushButton*>(focused());
                tabBar = tabBar || qobject_cast<QTabBar*>(focused());
            }
            QVERIFY(button);
            QVERIFY(tabBar || tab < 0);
        });
        frame()->runCommand(command);
        QVERIFY(seen);
    }
};

QTEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"
