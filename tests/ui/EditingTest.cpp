// Editing the channel table as a user does: typing, lists, messages, undo, the clipboard,
// many rows at once, and the Channel Edit dialog.
#include "UiFixture.h"
#include "app/CChildFrame.h"
#include "app/CDocumentManager.h"
#include "channels/TableText.h"
#include "channels/ui/CChannelEditDlg.h"
#include "channels/ui/CZemtarView.h"
#include "image/MemoryMap.h"
#include "shell/Messages.h"
#include "shell/ui/CZemtarDoc.h"

#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QUndoStack>

using namespace zemtar;
using namespace zemtar::ui;
using namespace zemtar::ui::uitest;

class EditingTest : public UiFixture {
    Q_OBJECT

    CZemtarView* view() const { return frame()->activeView(); }
    CMSFlexGrid* grid() const { return view()->grid(); }
    QString cell(int row, int col) const { return grid()->GetTextMatrix(row, col); }
    // A click on the cell.
    void go(int row, int col)
    {
        const QModelIndex index = grid()->model()->index(row - 1, col - 1);
        grid()->scrollTo(index);
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, grid()->visualRect(index).center());
    }
    // Types into the frequency edit of a cell, then leaves the cell.
    void typeFrequency(int row, int col, const QString& text, int thenRow, int thenCol)
    {
        go(row, col);
        QLineEdit* e = view()->frequencyEdit();
        QVERIFY(e->isVisible());
        e->clear();
        QTest::keyClicks(e, text);
        go(thenRow, thenCol);
    }
    void saveShot(QWidget* w, const QString& name)
    {
        const QByteArray dir = qgetenv("ZEMTAR_SHOTS_DIR");
        if (dir.isEmpty())
            return;
        w->adjustSize();
        QTest::qWait(50);
        if (!dir.isEmpty())
            w->grab().save(QString::fromLocal8Bit(dir) + u'/' + name + QStringLiteral(".png"));
    }

private slots:
    void typingCreatesAChannelAndMistakesKeepTheRow()
    {
        QVERIFY(start(QStringLiteral("English")));
        typeFrequency(1, ColRx, QStringLiteral("145.125"), 2, ColRx);
        const char* expect[] = {"1",    "145.12500", "145.12500", "None", "None", "",  "High",
                                "Wide", "Yes",       "Off",       "Off",  "None", ">>"};
        for (int c = 0; c < ColumnCount; ++c)
            QCOMPARE(cell(1, c), u8(expect[c]));
        QVERIFY(frame()->activeChild()->isWindowModified());

        grid()->SetTextMatrix(1, ColName, QStringLiteral("HOME"));
        struct {
            const char* typed;
            msg::Id id;
            QMessageBox::Icon icon;
        } refusals[] = {{"145.123", msg::StepError, QMessageBox::Warning},
                        {"66.99999", msg::DataFormat, QMessageBox::Critical},
                        {"146", msg::OutOfRange, QMessageBox::Warning}};
        for (const auto& r : refusals) {
            messages_.clear();
            typeFrequency(1, ColRx, u8(r.typed), 3, ColRx);
            QCOMPARE(messages_.size(), 1);
            // Outside the band, a second line names the band of the radio type in use; under a
            // format error it says what was wrong and the steps as well.
            const Band b = band::read(frame()->activeDocument()->image());
            const QString second =
                r.id == msg::OutOfRange ? QStringLiteral("\nThis radio takes %1-%2 MHz.").arg(b.lowMHz).arg(b.highMHz)
                : r.id == msg::DataFormat
                    ? QStringLiteral(
                          "\n66.99999 MHz is below 67 MHz. The radio takes %1-%2 MHz in steps of 5 or 6.25 kHz.")
                          .arg(b.lowMHz)
                          .arg(b.highMHz)
                    : QString();
            QCOMPARE(messages_[0].text, msg::text(r.id, Language::English) + second);
            QCOMPARE(messages_[0].caption, QStringLiteral("Caution"));
            QCOMPARE(messages_[0].icon, r.icon);
            QCOMPARE(cell(1, ColRx), QStringLiteral("145.12500"));
            QCOMPARE(cell(1, ColName), QStringLiteral("HOME"));
            // Back on the refused cell, with the typed text still there to correct.
            QCOMPARE(grid()->GetRow(), 1L);
            QVERIFY(view()->frequencyEdit()->isVisible());
            QCOMPARE(view()->frequencyEdit()->text(), u8(r.typed));
        }
        typeFrequency(1, ColRx, QStringLiteral("145.125"), 2, ColRx); // corrected
        QCOMPARE(messages_.size(), 1);
        // Transmit frequencies out of range become 67 MHz; emptying the receive cell deletes.
        typeFrequency(1, ColTx, QStringLiteral("520"), 2, ColRx);
        QCOMPARE(cell(1, ColTx), QStringLiteral("67.00000"));
        typeFrequency(1, ColRx, QString(), 2, ColRx);
        for (int c = ColRx; c < ColumnCount; ++c)
            QVERIFY(cell(1, c).isEmpty());
    }

    void theGridShowsTheDocumentsTableInItsColumns()
    {
        QVERIFY(start(QStringLiteral("English")));
        typeFrequency(3, ColRx, QStringLiteral("145.125"), 4, ColRx);
        // What the grid shows is the document's table, not a copy of its own.
        const ChannelTable& doc = frame()->activeDocument()->table();
        QCOMPARE(doc.cell(3, ColRx), QStringLiteral("145.12500"));
        QCOMPARE(&view()->table(), &doc);
        // Every column has its width and every editing column its editor.
        for (int c = ColRx; c < ColumnCount; ++c) {
            QVERIFY2(grid()->columnWidth(c - 1) > 0, qPrintable(QString::number(c)));
            const EditorKind kind = columns::info(c).editor;
            QCOMPARE(view()->editorOf(c) != nullptr, kind != EditorKind::Button);
        }
        QCOMPARE(view()->editorOf(ColRx), view()->editorOf(ColTx));
        QCOMPARE(view()->editorOf(ColDecode), view()->editorOf(ColEncode));
    }

    void enterCommitsAndARefusalEmptiesTheEdit()
    {
        QVERIFY(start(QStringLiteral("English")));
        go(4, ColRx);
        QLineEdit* e = view()->frequencyEdit();
        QTest::keyClicks(e, QStringLiteral("146"));
        QTest::keyClick(e, Qt::Key_Return);
        QCOMPARE(messages_.size(), 1);
        QVERIFY(e->isVisible());
        QVERIFY(e->text().isEmpty());
        QTest::keyClicks(e, QStringLiteral("144.5"));
        QTest::keyClick(e, Qt::Key_Enter);
        QCOMPARE(cell(4, ColRx), QStringLiteral("144.50000"));
        QCOMPARE(grid()->GetCol(), long(ColTx));
    }

    void frequencyKeysAreScreened()
    {
        QVERIFY(start(QStringLiteral("English")));
        go(1, ColRx);
        QLineEdit* e = view()->frequencyEdit();
        e->clear();
        QTest::keyClicks(e, QStringLiteral("a1b4"));
        QTest::keyClick(e, Qt::Key_Asterisk, Qt::ShiftModifier); // Shift+8
        QTest::keyClick(e, Qt::Key_8, Qt::ShiftModifier);
        QTest::keyClick(e, Qt::Key_4, Qt::KeypadModifier);
        QTest::keyClick(e, Qt::Key_Period);
        QTest::keyClick(e, Qt::Key_Comma, Qt::KeypadModifier);
        QTest::keyClick(e, Qt::Key_Minus);
        QTest::keyClick(e, Qt::Key_Space);
        QTest::keyClick(e, Qt::Key_5);
        QCOMPARE(e->text(), QStringLiteral("144..5"));
        QTest::keyClick(e, Qt::Key_Backspace);
        QTest::keyClick(e, Qt::Key_Left);
        QTest::keyClick(e, Qt::Key_Delete);
        QCOMPARE(e->text(), QStringLiteral("144."));
        QCOMPARE(e->maxLength(), 9);
        QCOMPARE(view()->nameEdit()->maxLength(), 7);
    }

    void listsLoadFromTheCellAndEmptyRowsStayEmpty()
    {
        QVERIFY(start(QStringLiteral("Chinese")));
        typeFrequency(2, ColRx, QStringLiteral("145"), 2, ColPower);
        QComboBox* power = view()->listEditor(ColPower);
        QVERIFY(power->isVisible());
        QCOMPARE(power->currentText(), u8("高"));
        QCOMPARE(power->count(), 2);
        QCOMPARE(power->itemText(0), u8("低"));
        power->setCurrentIndex(0);
        go(2, ColDecode);
        QCOMPARE(cell(2, ColPower), u8("低"));
        QComboBox* tones = view()->listEditor(ColDecode);
        QCOMPARE(tones->count(), 261);
        QCOMPARE(tones->currentIndex(), 0);
        tones->setCurrentIndex(51);
        saveShot(frame(), QStringLiteral("list-editor-Chinese"));
        go(3, ColPower); // an empty row
        QCOMPARE(cell(2, ColDecode), u8("D023N"));
        QCOMPARE(power->currentIndex(), 0);
        power->setCurrentIndex(1);
        go(3, ColWidth);
        QVERIFY(cell(3, ColPower).isEmpty());
        // Scrolling hides the editor.
        QVERIFY(view()->visibleEditor());
        grid()->verticalScrollBar()->setValue(grid()->verticalScrollBar()->value() + 5);
        QVERIFY(!view()->visibleEditor());
    }

    void undoRedoAndTheModifiedMark()
    {
        const QString dat = makeDat("u.dat");
        QVERIFY(start(QStringLiteral("English"), {dat}));
        CChildFrame* child = frame()->activeChild();
        QVERIFY(!child->isWindowModified());
        typeFrequency(2, ColRx, QStringLiteral("144.1"), 3, ColRx);
        typeFrequency(2, ColTx, QStringLiteral("144.6"), 3, ColRx);
        QCOMPARE(view()->undoStack()->count(), 2);
        QVERIFY(child->isWindowModified());
        frame()->runCommand(CMainFrame::ID_EDIT_UNDO);
        QCOMPARE(cell(2, ColTx), QStringLiteral("144.10000"));
        frame()->runCommand(CMainFrame::ID_EDIT_UNDO);
        QVERIFY(cell(2, ColRx).isEmpty());
        QVERIFY(!child->isWindowModified()); // back where the file was
        frame()->runCommand(CMainFrame::ID_EDIT_REDO);
        frame()->runCommand(CMainFrame::ID_EDIT_REDO);
        QCOMPARE(cell(2, ColTx), QStringLiteral("144.60000"));
        QVERIFY(frame()->documents()->saveDocument(child, false));
        QVERIFY(!child->isWindowModified());
        frame()->runCommand(CMainFrame::ID_EDIT_UNDO);
        QVERIFY(child->isWindowModified());
    }

    void bothCaptionsShowTheDocumentsMark()
    {
        const QString dat = makeDat("m.dat");
        QVERIFY(start(QStringLiteral("English"), {dat}));
        CChildFrame* child = frame()->activeChild();
        auto marked = [&](QWidget* w) { return w->isWindowModified() && w->windowTitle().contains(u"[*]"); };
        QVERIFY(frame()->windowTitle().startsWith(QStringLiteral("Zemtar  [ Type:")));
        QVERIFY(frame()->windowTitle().endsWith(QStringLiteral(" - m.dat[*]")));
        QVERIFY(!frame()->isWindowModified());
        frame()->runCommand(CMainFrame::ID_FILE_CLOSE); // hides the channel window
        frame()->runCommand(CMainFrame::ID_CHANNEL_INFO);
        typeFrequency(2, ColRx, QStringLiteral("144.1"), 3, ColRx);
        QVERIFY(marked(child) && marked(frame()));
        frame()->runCommand(CMainFrame::ID_FILE_CLOSE);
        QVERIFY2(frame()->isWindowModified(), qPrintable(frame()->windowTitle())); // still the active document
        frame()->runCommand(CMainFrame::ID_CHANNEL_INFO);
        frame()->runCommand(CMainFrame::ID_EDIT_UNDO);
        QVERIFY(!child->isWindowModified() && !frame()->isWindowModified());
        typeFrequency(2, ColRx, QStringLiteral("144.2"), 3, ColRx);
        QVERIFY(marked(child) && marked(frame()));

        // A new document is "Untitled" in the caption and in the save question.
        answers_ = {QMessageBox::Ok, QMessageBox::Discard};
        frame()->runCommand(CMainFrame::ID_FILE_NEW);
        QVERIFY2(frame()->windowTitle().endsWith(QStringLiteral(" - Untitled[*]")), qPrintable(frame()->windowTitle()));
        typeFrequency(2, ColRx, QStringLiteral("144.1"), 3, ColRx);
        answers_ = {QMessageBox::Cancel};
        QVERIFY(!frame()->documents()->maybeSave(frame()->activeChild()));
        QCOMPARE(messages_.last().text, QStringLiteral("Save changes to Untitled?"));
    }

    void pasteIsCheckedAsAWhole()
    {
        QVERIFY(start(QStringLiteral("English")));
        go(10, ColRx);
        const QString rows = QStringLiteral("CH\tRx Frequency\n"
                                            "1\t145.0125\t\t67.0\t\tONE\tLow\tNarrow\tNo\tBOT\tCarrier\tMSK\n"
                                            "2\t145.025\t144.5\t\t\tTWO\t\t\t\t\t\t\n"
                                            "3\t145.0375\t\t\tD023I\t\t\t\t\t\t\t\n"
                                            "4\t145.05\t\t\t\t\t\t\t\t\t\t\n"
                                            "5\t145.0625\t\t\t\tFIVE\t\t\t\t\t\t2-Tone\n");
        QVERIFY(view()->pasteText(rows));
        QCOMPARE(cell(10, ColRx), QStringLiteral("145.01250"));
        QCOMPARE(cell(10, ColBusy), QStringLiteral("Carrier Only"));
        QCOMPARE(cell(11, ColTx), QStringLiteral("144.50000"));
        QCOMPARE(cell(12, ColEncode), QStringLiteral("D023I"));
        QCOMPARE(cell(14, ColSignal), QStringLiteral("2-Tone"));
        QCOMPARE(cell(14, ColMore), QStringLiteral(">>"));
        QCOMPARE(view()->undoStack()->count(), 1);

        // A block of cells at the current cell; one bad value refuses all of it.
        const ChannelTable before = view()->table();
        go(10, ColPower);
        QVERIFY(!view()->pasteText(QStringLiteral("High\tWide\nMedium\tWide\n")));
        QCOMPARE(messages_.size(), 1);
        QVERIFY(messages_[0].text.contains(
            QStringLiteral("Row 11, Power: \"Medium\" is not a choice of the Power column")));
        for (int r = kFirstRow; r <= kLastRow; ++r)
            QCOMPARE(view()->table().row(r), before.row(r));
        go(10, ColRx);
        QVERIFY(!view()->pasteText(QStringLiteral("145.123\n")));
        QVERIFY(messages_.last().text.contains(QStringLiteral("Row 10, Rx Frequency: ") +
                                               msg::text(msg::StepError, Language::English)));
        QCOMPARE(view()->undoStack()->count(), 1);
        go(10, ColPower);
        QVERIFY(view()->pasteText(QStringLiteral("High\nHigh\n")));
        QCOMPARE(cell(11, ColPower), QStringLiteral("High"));
    }

    void copyGivesTabSeparatedRows()
    {
        QVERIFY(start(QStringLiteral("English")));
        typeFrequency(1, ColRx, QStringLiteral("145.125"), 2, ColRx);
        grid()->clearSelection();
        grid()->setRangeSelected(QTableWidgetSelectionRange(0, 0, 0, ColMore - 1), true);
        view()->copySelection();
        QCOMPARE(QApplication::clipboard()->text(),
                 QStringLiteral("1\t145.12500\t145.12500\tNone\tNone\t\tHigh\tWide\tYes\tOff\tOff\tNone\n"));
        // Pasted into another row it makes the same channel there.
        go(20, ColRx);
        QVERIFY(view()->pasteText(QApplication::clipboard()->text()));
        QCOMPARE(view()->table().row(20)[ColRx], QStringLiteral("145.12500"));
    }

    // A click on a row number, with the keyboard modifiers given.
    void clickRowNumber(int row, Qt::KeyboardModifiers mods = {})
    {
        QHeaderView* h = grid()->verticalHeader();
        grid()->scrollTo(grid()->model()->index(row - 1, 0));
        const QPoint at(h->width() / 2, h->sectionViewportPosition(row - 1) + h->sectionSize(row - 1) / 2);
        QTest::mouseClick(h->viewport(), Qt::LeftButton, mods, at);
    }

    void rowNumbersSelectRowsWithoutAnEditor()
    {
        QVERIFY(start(QStringLiteral("English")));
        frame()->show();
        QApplication::setActiveWindow(frame());
        QVERIFY(QTest::qWaitForWindowActive(frame()));
        QString rows;
        for (int i = 1; i <= 10; ++i)
            rows += QStringLiteral("%1\t145.%2\t\t\t\t\t\t\t\t\t\t\n").arg(i).arg(i * 25, 3, 10, QChar(u'0'));
        go(1, ColRx);
        QVERIFY(view()->pasteText(rows));

        clickRowNumber(3);
        QVERIFY(!view()->visibleEditor());
        QCOMPARE(view()->selectedRows(), (QList<int>{3}));
        clickRowNumber(5, Qt::ShiftModifier);
        clickRowNumber(8, Qt::ControlModifier);
        QCOMPARE(view()->selectedRows(), (QList<int>{3, 4, 5, 8}));
        QVERIFY(!view()->visibleEditor());
        // The real keys reach Edit > Copy: whole rows, labels first.
        QTest::keyClick(grid(), Qt::Key_C, Qt::ControlModifier);
        const QStringList copied = QApplication::clipboard()->text().split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(copied.size(), 4);
        QVERIFY(copied[0].startsWith(QStringLiteral("3\t145.07500\t")));
        QVERIFY(copied[3].startsWith(QStringLiteral("8\t145.20000\t")));

        // Shift+Down from an open editor selects rows instead of moving the editor.
        go(6, ColTx);
        QVERIFY(view()->visibleEditor());
        QTest::keyClick(view()->frequencyEdit(), Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(grid(), Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(view()->selectedRows(), (QList<int>{6, 7, 8}));
        QVERIFY(!view()->visibleEditor());
        // A right click inside the selection keeps it and opens nothing.
        const QRect r7 = grid()->visualRect(grid()->model()->index(6, ColName - 1));
        QTest::mouseClick(grid()->viewport(), Qt::RightButton, {}, r7.center());
        QCOMPARE(view()->selectedRows(), (QList<int>{6, 7, 8}));
        QVERIFY(!view()->visibleEditor());
        view()->setOnSelectedRows(ColPower, QStringLiteral("Low"));
        QCOMPARE(cell(7, ColPower), QStringLiteral("Low"));
        QCOMPARE(grid()->GetRow(), 8L);
        QVERIFY(grid()->GetCol() != ColMore);
        // Cut takes the selected rows out in one step.
        clickRowNumber(2);
        frame()->runCommand(CMainFrame::ID_EDIT_CUT);
        QVERIFY(cell(2, ColRx).isEmpty());
        QCOMPARE(cell(3, ColRx), QStringLiteral("145.07500"));
        QVERIFY(QApplication::clipboard()->text().startsWith(QStringLiteral("2\t145.05000")));
        frame()->runCommand(CMainFrame::ID_EDIT_UNDO);
        QCOMPARE(cell(2, ColRx), QStringLiteral("145.05000"));
    }

    void enterMovesRightAndEscapeDrops()
    {
        QVERIFY(start(QStringLiteral("English")));
        // With the focus real: hiding a focused editor must not move the current cell.
        frame()->show();
        QApplication::setActiveWindow(frame());
        QVERIFY(QTest::qWaitForWindowActive(frame()));
        go(4, ColRx);
        QTest::keyClicks(view()->frequencyEdit(), QStringLiteral("145.5"));
        QTest::keyClick(view()->frequencyEdit(), Qt::Key_Return);
        QCOMPARE(cell(4, ColRx), QStringLiteral("145.50000"));
        QCOMPARE(grid()->GetRow(), 4L);
        QCOMPARE(grid()->GetCol(), long(ColTx)); // the transmit cell comes next
        QVERIFY(view()->frequencyEdit()->isVisible());
        QTest::keyClick(view()->frequencyEdit(), Qt::Key_Return);
        QCOMPARE(grid()->GetCol(), long(ColDecode));
        QVERIFY(view()->listEditor(ColDecode)->isVisible());
        QTest::keyClick(view()->listEditor(ColDecode), Qt::Key_Return);
        QTest::keyClick(view()->listEditor(ColEncode), Qt::Key_Return);
        QCOMPARE(grid()->GetCol(), long(ColName));
        QTest::keyClicks(view()->nameEdit(), QStringLiteral("GATE"));
        QTest::keyClick(view()->nameEdit(), Qt::Key_Enter);
        QCOMPARE(cell(4, ColName), QStringLiteral("GATE"));
        QCOMPARE(grid()->GetCol(), long(ColPower)); // not "More"
        QVERIFY(view()->listEditor(ColPower)->isVisible());
        grid()->setCurrentCell(3, ColSignal - 1);
        QTest::keyClick(view()->listEditor(ColSignal), Qt::Key_Return);
        QCOMPARE(grid()->GetRow(), 5L); // past the last list: the next row's first cell
        QCOMPARE(grid()->GetCol(), long(ColRx));

        // Esc drops what was typed; leaving the cell afterwards commits nothing.
        go(4, ColRx);
        view()->frequencyEdit()->clear();
        QTest::keyClicks(view()->frequencyEdit(), QStringLiteral("146"));
        QTest::keyClick(view()->frequencyEdit(), Qt::Key_Escape);
        QVERIFY(!view()->visibleEditor());
        go(6, ColRx);
        QCOMPARE(cell(4, ColRx), QStringLiteral("145.50000"));
        QVERIFY(messages_.isEmpty());
        go(4, ColPower);
        view()->listEditor(ColPower)->setCurrentIndex(1);
        QTest::keyClick(view()->listEditor(ColPower), Qt::Key_Escape);
        go(6, ColRx);
        QCOMPARE(cell(4, ColPower), QStringLiteral("High"));

        // After a band change, passing through an old channel checks nothing.
        RadioImage img = frame()->activeDocument()->image();
        band::write(img, {400, 470});
        frame()->activeDocument()->image() = img;
        view()->followImage();
        go(4, ColRx);
        go(4, ColTx);
        go(7, ColRx);
        QVERIFY(messages_.isEmpty());
        QCOMPARE(cell(4, ColRx), QStringLiteral("145.50000"));
    }

    void manyRowsAtOnceAndDeleting()
    {
        QVERIFY(start(QStringLiteral("English")));
        QString rows;
        for (int i = 1; i <= 10; ++i)
            rows += QStringLiteral("%1\t145.%2\t\t\t\t\t\t\t\t\t\t\n").arg(i).arg(i * 25, 3, 10, QChar(u'0'));
        go(1, ColRx);
        QVERIFY(view()->pasteText(rows));
        grid()->clearSelection();
        grid()->setRangeSelected(QTableWidgetSelectionRange(0, ColPower - 1, 11, ColPower - 1), true);
        QCOMPARE(view()->selectedRows().size(), 12);
        view()->setOnSelectedRows(ColPower, QStringLiteral("Low"));
        for (int r = 1; r <= 10; ++r)
            QCOMPARE(cell(r, ColPower), QStringLiteral("Low"));
        QVERIFY(cell(11, ColPower).isEmpty());         // unused rows stay empty
        frame()->runCommand(CMainFrame::ID_EDIT_UNDO); // one step
        for (int r = 1; r <= 10; ++r)
            QCOMPARE(cell(r, ColPower), QStringLiteral("High"));

        grid()->clearSelection();
        grid()->setRangeSelected(QTableWidgetSelectionRange(1, 0, 2, ColMore - 1), true);
        answers_ = {QMessageBox::No};
        view()->deleteSelectedRows();
        QCOMPARE(cell(2, ColRx), QStringLiteral("145.05000"));
        answers_ = {QMessageBox::Yes};
        view()->deleteSelectedRows();
        QVERIFY(messages_.last().text.contains(QStringLiteral("2 selected channels")));
        QVERIFY(cell(2, ColRx).isEmpty() && cell(3, ColRx).isEmpty());
        QCOMPARE(cell(4, ColRx), QStringLiteral("145.10000"));
        frame()->runCommand(CMainFrame::ID_EDIT_UNDO);
        QCOMPARE(cell(3, ColRx), QStringLiteral("145.07500"));
    }

    void channelEditDialog_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << "English";
        QTest::newRow("Chinese") << "Chinese";
    }
    void channelEditDialog()
    {
        QFETCH(QString, language);
        QVERIFY(start(language));
        go(129, ColRx);
        QTest::keyClicks(view()->frequencyEdit(), QStringLiteral("145.5"));
        QTest::keyClick(view()->frequencyEdit(), Qt::Key_Return);
        QCOMPARE(cell(129, ColRx), QStringLiteral("145.50000"));
        view()->StoreTableIntoImage(); // what opening the dialog does first
        const RadioImage before = frame()->activeDocument()->image();
        bool seen = false;
        onNextModal([&](QWidget* w) {
            auto* dlg = qobject_cast<CChannelEditDlg*>(w);
            QVERIFY(dlg);
            seen = true;
            QCOMPARE(dlg->channelSpin()->value(), 0); // the "Fr" row
            QTest::keyClick(dlg->channelSpin(), Qt::Key_PageDown);
            QCOMPARE(dlg->channelSpin()->value(), 128); // below 0 is the last channel
            QTest::keyClick(dlg->channelSpin(), Qt::Key_Up);
            QCOMPARE(dlg->channelSpin()->value(), 0);
            dlg->channelSpin()->setValue(125);
            QTest::keyClick(dlg->channelSpin(), Qt::Key_PageUp);
            QCOMPARE(dlg->channelSpin()->value(), 0);
            QTest::keyClick(dlg->channelSpin(), Qt::Key_Up);
            QCOMPARE(dlg->channelSpin()->value(), 1);
            QTest::keyClick(dlg->channelSpin(), Qt::Key_Down);
            QCOMPARE(dlg->channelSpin()->value(), 0);
            QVERIFY(!dlg->group()->isVisible());
            dlg->choiceList()->setCurrentIndex(1); // MSK
            QVERIFY(dlg->group()->isVisible());
            QVERIFY(!dlg->decodeSpin()->isVisible());
            QCOMPARE(dlg->encodeSpin()->maximum(), 9);
            // The keys step as the radio's dialog does: past the end is "None", below None the last.
            dlg->encodeSpin()->setValue(8);
            QTest::keyClick(dlg->encodeSpin(), Qt::Key_Up);
            QCOMPARE(dlg->encodeSpin()->value(), 9);
            dlg->encodeSpin()->setValue(3);
            QTest::keyClick(dlg->encodeSpin(), Qt::Key_PageUp); // ten steps: past the end
            QCOMPARE(dlg->encodeSpin()->value(), 0);
            QCOMPARE(dlg->model().encodeText(), dlg->encodeSpin()->specialValueText());
            QTest::keyClick(dlg->encodeSpin(), Qt::Key_Down);
            QCOMPARE(dlg->encodeSpin()->value(), 9);
            dlg->encodeSpin()->setValue(3);
            saveShot(dlg, QStringLiteral("channel-edit-") + g().language);
            dlg->accept();
        });
        view()->openChannelEdit(129);
        QVERIFY(seen);
        const RadioImage& img = frame()->activeDocument()->image();
        QCOMPARE(img.bits(128 * 24 + 12, 2, 0), 1u);
        QCOMPARE(img.at(128 * 24 + 14), 3);
        QCOMPARE(cell(129, ColSignal), QStringLiteral("MSK"));
        frame()->runCommand(CMainFrame::ID_EDIT_UNDO);
        QVERIFY(frame()->activeDocument()->image() == before);

        // The "More" cell of an empty row opens nothing.
        go(5, ColMore);
        view()->openChannelEdit(5);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    // Encode and Decode take what is typed and bring it into range only when left; bytes the
    // spin range does not reach show as they are; the visit is one undo step.
    void channelEditEntriesAsTyped_data() { channelEditDialog_data(); }
    void channelEditEntriesAsTyped()
    {
        QFETCH(QString, language);
        QVERIFY(start(language));
        typeFrequency(3, ColRx, QStringLiteral("145.5"), 4, ColRx);
        view()->StoreTableIntoImage();
        RadioImage& img = frame()->activeDocument()->image();
        const std::size_t rec = 2 * 24;
        img.setBits(rec, map::rec::kSignal, 4); // 2-Tone, encode 33, decode 9
        img.set(rec + 14, 33);
        img.set(rec + 15, 9);
        view()->FillTableFromImage();
        const RadioImage before = img;
        const QString none = language == QStringLiteral("Chinese") ? u8("无") : QStringLiteral("None");
        bool seen = false;
        onNextModal([&](QWidget* w) {
            auto* dlg = qobject_cast<CChannelEditDlg*>(w);
            QVERIFY(dlg);
            seen = true;
            EntryBox* enc = dlg->encodeSpin();
            EntryBox* dec = dlg->decodeSpin();
            QCOMPARE(enc->text(), QStringLiteral("33"));
            QCOMPARE(dec->text(), QStringLiteral("9"));
            // Untouched, the bytes survive a visit to another channel and back.
            QTest::keyClick(dlg->channelSpin(), Qt::Key_Up);
            QTest::keyClick(dlg->channelSpin(), Qt::Key_Down);
            QCOMPARE(img.at(rec + 14), 33);
            QCOMPARE(img.at(rec + 15), 9);
            QCOMPARE(enc->text(), QStringLiteral("33"));

            enc->setFocus();
            enc->selectAll();
            QTest::keyClicks(enc, QStringLiteral("40"));
            QCOMPARE(enc->text(), QStringLiteral("40"));
            QTest::keyClick(enc, Qt::Key_Tab); // on to Decode: 40 is brought down
            QCOMPARE(enc->text(), QStringLiteral("32"));
            dec->setFocus();
            dec->selectAll();
            QTest::keyClicks(dec, QStringLiteral("9"));
            QCOMPARE(dec->text(), QStringLiteral("9"));
            enc->setFocus();
            QCOMPARE(dec->text(), QStringLiteral("8"));
            enc->selectAll();
            QTest::keyClicks(enc, QStringLiteral("12345"));
            QCOMPARE(enc->text(), QStringLiteral("1234")); // four characters at most
            enc->selectAll();
            QTest::keyClicks(enc, QStringLiteral("0"));
            dec->setFocus();
            QCOMPARE(enc->text(), none);

            // MSK: 33 stays while typing, becomes 9 when left.
            dlg->choiceList()->setCurrentIndex(1);
            QCOMPARE(img.bits(rec + 12, 2, 0), 1u); // written at once
            enc->setFocus();
            enc->selectAll();
            QTest::keyClicks(enc, QStringLiteral("33"));
            QCOMPARE(enc->text(), QStringLiteral("33"));
            QTest::keyClick(enc, Qt::Key_Tab);
            QCOMPARE(enc->text(), QStringLiteral("9"));
            enc->setFocus();
            enc->selectAll();
            QTest::keyClicks(enc, QStringLiteral("7")); // typed, then Cancel
            auto* box = dlg->findChild<QDialogButtonBox*>();
            QTest::mouseClick(box->button(QDialogButtonBox::Cancel), Qt::LeftButton);
        });
        view()->openChannelEdit(3);
        QVERIFY(seen);
        QCOMPARE(img.bits(rec + 12, 2, 0), 1u); // Cancel keeps what the list wrote
        QCOMPARE(cell(3, ColSignal), QStringLiteral("MSK"));
        frame()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frame()));
        grid()->setFocus();
        QTest::keyClick(grid(), Qt::Key_Z, Qt::ControlModifier); // the whole visit goes back
        QVERIFY(frame()->activeDocument()->image() == before);
        QCOMPARE(cell(3, ColSignal), QStringLiteral("2-Tone"));
        onNextModal([&](QWidget* w) {
            auto* dlg = qobject_cast<CChannelEditDlg*>(w);
            QVERIFY(dlg);
            QCOMPARE(dlg->encodeSpin()->text(), QStringLiteral("33"));
            dlg->reject();
        });
        view()->openChannelEdit(3);
    }

    // A new user's session, end to end: typed channels, a Channel Edit, ten rows set at once
    // and undone, five rows pasted from a spreadsheet, saved, and read back by zemtar-cli.
    void sessionEndsInTheFileAsShown()
    {
        QVERIFY(start(QStringLiteral("English")));
        typeFrequency(1, ColRx, QStringLiteral("145.125"), 2, ColRx);
        typeFrequency(2, ColRx, QStringLiteral("144.5"), 3, ColRx);
        onNextModal([](QWidget* w) {
            auto* dlg = qobject_cast<CChannelEditDlg*>(w);
            QVERIFY(dlg);
            dlg->choiceList()->setCurrentIndex(1);
            dlg->encodeSpin()->setValue(3);
            dlg->accept();
        });
        go(2, ColMore);
        QCOMPARE(cell(2, ColSignal), QStringLiteral("MSK"));
        go(10, ColRx);
        QString rows;
        for (int i = 0; i < 5; ++i)
            rows += QStringLiteral("%1\t145.%2\t\t\t\tSHEET%3\t\t\t\t\t\t\n").arg(i + 10).arg(500 + i * 25).arg(i);
        QVERIFY(view()->pasteText(rows));
        grid()->clearSelection();
        grid()->setRangeSelected(QTableWidgetSelectionRange(0, ColPower - 1, 13, ColPower - 1), true);
        view()->setOnSelectedRows(ColPower, QStringLiteral("Low"));
        QCOMPARE(cell(12, ColPower), QStringLiteral("Low"));
        frame()->runCommand(CMainFrame::ID_EDIT_UNDO);
        QCOMPARE(cell(12, ColPower), QStringLiteral("High"));

        go(1, ColName);
        QTest::keyClicks(view()->nameEdit(), QStringLiteral("OPEN")); // still in its editor when saving
        setFileNameHook([this](bool, const QString&) { return file("session.dat"); });
        frame()->runCommand(CMainFrame::ID_FILE_SAVE);
        setFileNameHook({});
        QVERIFY(messages_.isEmpty());
        QProcess dump;
        dump.start(QStringLiteral(ZEMTAR_BIN_DIR "/zemtar-cli"), {QStringLiteral("dump"), file("session.dat")});
        QVERIFY(dump.waitForFinished(10000));
        const QStringList lines = QString::fromUtf8(dump.readAllStandardOutput()).split(u'\n');
        for (int r = kFirstRow; r <= kLastRow; ++r) {
            QStringList shown;
            for (int c = 0; c < tabletext::kFieldCount; ++c)
                shown << cell(r, c);
            QCOMPARE(lines.value(r), shown.join(u'\t'));
        }
        RadioImage saved;
        QVERIFY(DataFile::load(file("session.dat"), saved, nullptr));
        QCOMPARE(saved.at(24 + 14), 3); // channel 2's MSK encode entry
        QCOMPARE(lines.value(1).split(u'\t').value(ColName), QStringLiteral("OPEN"));
        QVERIFY(!view()->visibleEditor());
    }

    void closingAModifiedDocumentAsks()
    {
        QVERIFY(start(QStringLiteral("English")));
        frame()->show();
        typeFrequency(1, ColRx, QStringLiteral("145.125"), 2, ColRx);
        answers_ = {QMessageBox::Cancel};
        frame()->close();
        QVERIFY(frame()->isVisible());
        QVERIFY(messages_.last().text.startsWith(QStringLiteral("Save changes")));
        answers_ = {QMessageBox::Discard};
        frame()->close();
        QVERIFY(!frame()->isVisible());
    }
};

QTEST_MAIN(EditingTest)
#include "EditingTest.moc"
