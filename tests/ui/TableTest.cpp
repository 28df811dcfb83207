// The channel table under the keyboard and the mouse: values passed through whole, fast
// typing, changes to many rows, paste into an open editor, the frozen columns and find.
#include "FastKeys.h"
#include "UiFixture.h"
#include "app/CChildFrame.h"
#include "channels/ChannelColumns.h"
#include "channels/ui/CMSFlexGrid.h"
#include "channels/ui/CZemtarView.h"
#include "shell/ui/CZemtarDoc.h"

#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QUndoStack>

using namespace zemtar;
using namespace zemtar::ui;
using namespace zemtar::ui::uitest;

class TableTest : public UiFixture {
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
    bool startShown()
    {
        if (!start(QStringLiteral("English")))
            return false;
        frame()->show();
        QApplication::setActiveWindow(frame());
        return QTest::qWaitForWindowActive(frame());
    }
    // Channels 1 to `count`, typed into the receive cells.
    void typeChannels(int count)
    {
        for (int r = 1; r <= count; ++r) {
            go(r, ColRx);
            QTest::keyClicks(focused(), QStringLiteral("145.%1").arg(r * 25, 3, 10, QChar(u'0')));
            QTest::keyClick(focused(), Qt::Key_Return);
        }
    }
    // Opens the focused list with Alt+Down and chooses with `key` and Enter.
    static void chooseInOpenList(Qt::Key key)
    {
        auto* list = qobject_cast<QComboBox*>(focused());
        QVERIFY(list);
        QTest::keyClick(list, Qt::Key_Down, Qt::AltModifier);
        QTRY_VERIFY(list->view()->isVisible());
        QTest::keyClick(list->view(), key);
        QTest::keyClick(list->view(), Qt::Key_Return);
        QTRY_VERIFY(!list->view()->isVisible());
    }
    static bool said(const QSignalSpy& spy, const QString& part)
    {
        for (const QList<QVariant>& args : spy)
            if (args.at(0).toString().contains(part))
                return true;
        return false;
    }

private slots:
    void aLongNamePassesThroughWholeAndOverflowIsSaid()
    {
        QVERIFY(startShown());
        typeChannels(2);
        grid()->SetTextMatrix(1, ColName, QStringLiteral("REPEATER")); // as read from a radio
        go(1, ColName);
        QCOMPARE(focused(), view()->nameEdit());
        QTest::keyClick(focused(), Qt::Key_Return);
        QCOMPARE(cell(1, ColName), QStringLiteral("REPEATER"));
        QCOMPARE(grid()->GetCol(), long(ColPower));

        QSignalSpy status(view(), &CZemtarView::statusText);
        go(2, ColName);
        QTest::keyClicks(focused(), QStringLiteral("ABCDEFGHIJ"));
        QVERIFY(said(status, QStringLiteral("at most 7 characters")));
        QTest::keyClick(focused(), Qt::Key_Return);
        QCOMPARE(cell(2, ColName), QStringLiteral("ABCDEFG"));

        status.clear();
        QApplication::clipboard()->setText(QStringLiteral("LONGNAME1"));
        go(2, ColName);
        QTest::keyClick(focused(), Qt::Key_V, Qt::ControlModifier);
        QVERIFY(said(status, QStringLiteral("at most 7 characters")));
        status.clear();
        view()->nameEdit()->clear();
        QTest::sendKeyEvent(QTest::Click, focused(), Qt::Key_unknown, u8("中"), {});
        QVERIFY(said(status, QStringLiteral("letters, digits")));
    }

    void keysRightAfterEnterGoToTheNextCell()
    {
        QVERIFY(startShown());
        typeChannels(1);
        go(1, ColDecode);
        QVERIFY(view()->listEditor(ColDecode)->isVisible());
        // As fast as keys can come: no event is handled between them but the keys themselves.
        QWidget* keys = focused();
        QTest::keyClicks(keys, QStringLiteral("67.0"));
        QTest::keyClick(keys, Qt::Key_Return);
        QTest::keyClicks(keys, QStringLiteral("71.9"));
        QTest::keyClick(keys, Qt::Key_Return);
        QCOMPARE(cell(1, ColDecode), QStringLiteral("67.0"));
        QCOMPARE(cell(1, ColEncode), QStringLiteral("71.9"));
        QCOMPARE(grid()->GetCol(), long(ColName));
    }

    // A dealer types whole rows into empty rows without waiting: the first Enter fills the
    // row's defaults, and every key after an Enter belongs to the next cell's editor. A
    // line break sent by a typing tool (a line feed key under X) is an Enter as well.
    void rowsTypedAheadIntoEmptyRowsKeepEveryKey_data()
    {
        QTest::addColumn<QString>("enter");
        QTest::newRow("Return") << "\r";
        QTest::newRow("line feed") << "\n";
    }
    void rowsTypedAheadIntoEmptyRowsKeepEveryKey()
    {
        QFETCH(QString, enter);
        QVERIFY(startShown());
        go(1, ColRx);
        QCOMPARE(focused(), view()->frequencyEdit());
        postKeys(frame(), QStringLiteral("144.425|145.5|67.0|71.9|ABCDEFG|||||||144.8|144.9|").replace(u'|', enter));
        deliverKeys();
        QCOMPARE(cell(1, ColRx), QStringLiteral("144.42500"));
        QCOMPARE(cell(1, ColTx), QStringLiteral("145.50000"));
        QCOMPARE(cell(1, ColDecode), QStringLiteral("67.0"));
        QCOMPARE(cell(1, ColEncode), QStringLiteral("71.9"));
        QCOMPARE(cell(1, ColName), QStringLiteral("ABCDEFG"));
        QCOMPARE(cell(2, ColRx), QStringLiteral("144.80000"));
        QCOMPARE(cell(2, ColTx), QStringLiteral("144.90000"));
        QCOMPARE(grid()->GetRow(), 2L);
        QCOMPARE(grid()->GetCol(), long(ColDecode));
        QCOMPARE(focused(), static_cast<QWidget*>(view()->listEditor(ColDecode)));
        QVERIFY(messages_.isEmpty());
    }

    void aChangeToEveryRowAsksAndSaysHowMany()
    {
        QVERIFY(startShown());
        typeChannels(3);
        QUndoStack* undo = view()->undoStack();
        const int steps = undo->count();
        QSignalSpy status(view(), &CZemtarView::statusText);
        QHeaderView* header = grid()->horizontalHeader();
        const int x = header->sectionViewportPosition(ColPower - 1) + header->sectionSize(ColPower - 1) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
        QCOMPARE(view()->selectedRows().size(), kLastRow - kFirstRow + 1);
        answers_ = {QMessageBox::No};
        chooseInOpenList(Qt::Key_Up);
        QCOMPARE(messages_.size(), 1);
        QVERIFY(messages_.last().text.contains(QStringLiteral("all 3 used channels")));
        for (int r = 1; r <= 3; ++r)
            QCOMPARE(cell(r, ColPower), QStringLiteral("High"));
        QCOMPARE(undo->count(), steps);

        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
        answers_ = {QMessageBox::Yes};
        chooseInOpenList(Qt::Key_Up);
        for (int r = 1; r <= 3; ++r)
            QCOMPARE(cell(r, ColPower), QStringLiteral("Low"));
        QVERIFY(cell(4, ColPower).isEmpty());
        QVERIFY(said(status, QStringLiteral("on 3 channels")));
        QCOMPARE(undo->count(), steps + 1);

        // Two rows chosen by their numbers: no question, the count in the status bar.
        status.clear();
        messages_.clear();
        auto rowNumber = [this](int row) {
            QHeaderView* v = grid()->verticalHeader();
            return QPoint(v->width() / 2, v->sectionViewportPosition(row - 1) + v->sectionSize(row - 1) / 2);
        };
        QTest::mouseClick(grid()->verticalHeader()->viewport(), Qt::LeftButton, {}, rowNumber(1));
        QTest::mouseClick(grid()->verticalHeader()->viewport(), Qt::LeftButton, Qt::ShiftModifier, rowNumber(2));
        view()->setOnSelectedRows(ColPower, QStringLiteral("High"));
        QVERIFY(messages_.isEmpty());
        QVERIFY(said(status, QStringLiteral("on 2 channels")));
    }

    void pasteIntoAnOpenEditor()
    {
        QVERIFY(startShown());
        typeChannels(3);
        go(1, ColName);
        QApplication::clipboard()->setText(QStringLiteral("ONE\tHigh\nTWO\tLow\n"));
        QTest::keyClick(focused(), Qt::Key_V, Qt::ControlModifier);
        QVERIFY(!view()->visibleEditor());
        QCOMPARE(cell(1, ColName), QStringLiteral("ONE"));
        QCOMPARE(cell(2, ColName), QStringLiteral("TWO"));
        QCOMPARE(cell(2, ColPower), QStringLiteral("Low"));

        go(3, ColName);
        QApplication::clipboard()->setText(QStringLiteral("GATE\n"));
        QTest::keyClick(focused(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(view()->nameEdit()->text(), QStringLiteral("GATE"));
        QTest::keyClick(focused(), Qt::Key_Return);
        QCOMPARE(cell(3, ColName), QStringLiteral("GATE"));
    }

    void pastedListTextsAndTonesTakeAnyCase()
    {
        QVERIFY(startShown());
        typeChannels(2);
        go(1, ColPower);
        QApplication::clipboard()->setText(QStringLiteral("low\tnarrow\tno\nHIGH\tWIDE\tyes\n"));
        QTest::keyClick(focused(), Qt::Key_V, Qt::ControlModifier);
        QVERIFY(messages_.isEmpty());
        QCOMPARE(cell(1, ColPower), QStringLiteral("Low"));
        QCOMPARE(cell(1, ColWidth), QStringLiteral("Narrow"));
        QCOMPARE(cell(1, ColScan), QStringLiteral("No"));
        QCOMPARE(cell(2, ColPower), QStringLiteral("High"));
        QCOMPARE(cell(2, ColScan), QStringLiteral("Yes"));
        go(2, ColDecode);
        QApplication::clipboard()->setText(QStringLiteral("d023n\n"));
        QTest::keyClick(focused(), Qt::Key_V, Qt::ControlModifier);
        QVERIFY(messages_.isEmpty());
        QCOMPARE(cell(2, ColDecode), QStringLiteral("D023N"));
        // A text that is no item in any case is refused with its reason, and nothing changes.
        go(1, ColPower);
        QApplication::clipboard()->setText(QStringLiteral("lo\n"));
        QTest::keyClick(focused(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(messages_.size(), 1);
        QVERIFY(messages_[0].text.contains(QStringLiteral("\"lo\" is not a choice of the Power column")));
        QCOMPARE(cell(1, ColPower), QStringLiteral("Low"));
    }

    void theFrequencyStaysInViewSideways()
    {
        QVERIFY(startShown());
        typeChannels(3);
        frame()->resize(800, 600);
        QTest::qWait(20);
        QScrollBar* bar = grid()->horizontalScrollBar();
        QVERIFY(bar->maximum() > 0);
        auto* frozen = grid()->findChild<QTableView*>(QStringLiteral("frozenColumns"));
        QVERIFY(frozen);
        QVERIFY(!frozen->isVisible());
        go(2, ColSignal); // the last column: the grid scrolls right
        QVERIFY(bar->value() > 0);
        QVERIFY(frozen->isVisible());
        QCOMPARE(frozen->x(), grid()->verticalHeader()->x() + grid()->verticalHeader()->width());
        const QModelIndex rx = grid()->model()->index(1, ColRx - 1);
        const QRect shown = frozen->visualRect(rx);
        QVERIFY(frozen->viewport()->rect().contains(shown));
        QCOMPARE(rx.data().toString(), QStringLiteral("145.05000"));
        // A click on it goes back to the frequency and opens its editor.
        QTest::mouseClick(frozen->viewport(), Qt::LeftButton, {},
                          frozen->visualRect(grid()->model()->index(2, 0)).center());
        QCOMPARE(grid()->GetRow(), 3L);
        QCOMPARE(grid()->GetCol(), long(ColRx));
        QVERIFY(view()->frequencyEdit()->isVisible());
        QCOMPARE(bar->value(), 0);
        QVERIFY(!frozen->isVisible());
        // A cell just right of the frozen column is not left under it.
        go(2, ColSignal);
        go(2, ColTx);
        QVERIFY(grid()->columnViewportPosition(ColTx - 1) >= grid()->columnWidth(0) || bar->value() == 0);

        // At 1920 pixels the table fits the screen.
        double units = 0;
        for (const ColumnInfo& c : columns::kColumns)
            units += c.width;
        const double px = units * CMSFlexGrid::twipsToPixels(CZemtarView::kBaseColumnWidthTwips, 96);
        QVERIFY(px * CZemtarView::scaleFor(1920) <= 1920 - 100);
        QCOMPARE(CZemtarView::scaleFor(1024), 1.0);
    }

    void findByNameFrequencyOrTone()
    {
        QVERIFY(startShown());
        typeChannels(4);
        grid()->SetTextMatrix(2, ColName, QStringLiteral("RPT"));
        grid()->SetTextMatrix(4, ColName, QStringLiteral("RPT2"));
        grid()->SetTextMatrix(3, ColDecode, QStringLiteral("88.5"));
        go(1, ColRx);
        QSignalSpy status(view(), &CZemtarView::statusText);
        QTest::keyClick(focused(), Qt::Key_F, Qt::ControlModifier);
        auto* edit = view()->findChild<QLineEdit*>(QStringLiteral("findEdit"));
        QVERIFY(edit && edit->isVisible());
        QCOMPARE(focused(), edit);
        QTest::keyClicks(focused(), QStringLiteral("rpt"));
        QTest::keyClick(focused(), Qt::Key_Return);
        QCOMPARE(grid()->GetRow(), 2L);
        QCOMPARE(view()->selectedRows(), QList<int>{2});
        QTest::keyClick(focused(), Qt::Key_F3);
        QCOMPARE(grid()->GetRow(), 4L);
        QTest::keyClick(focused(), Qt::Key_F3); // round to the first again
        QCOMPARE(grid()->GetRow(), 2L);

        struct {
            const char* typed;
            long row;
        } finds[] = {{"145.075", 3}, {"145.1", 4}, {"88.5", 3}, {"145.025", 1}};
        for (const auto& f : finds) {
            edit->selectAll();
            QTest::keyClicks(focused(), QString::fromLatin1(f.typed));
            QTest::keyClick(focused(), Qt::Key_Return);
            QCOMPARE(grid()->GetRow(), f.row);
        }
        edit->selectAll();
        QTest::keyClicks(focused(), QStringLiteral("NOWHERE"));
        QTest::keyClick(focused(), Qt::Key_Return);
        QVERIFY(said(status, QStringLiteral("No channel has")));
        QTest::keyClick(focused(), Qt::Key_Escape);
        QVERIFY(!edit->isVisible());
        QCOMPARE(focused(), static_cast<QWidget*>(grid()));
        QCOMPARE(cell(1, ColRx), QStringLiteral("145.02500")); // finding changed nothing
    }
};

QTEST_MAIN(TableTest)
#include "TableTest.moc"
