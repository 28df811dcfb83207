// Editing the channel table in place: the cell editors, their checks, undo and redo, the
// clipboard, and changing many rows at once.
#include "CZemtarView.h"

#include "CChannelEditDlg.h"
#include "ChannelCellDelegate.h"
#include "ChannelTableModel.h"
#include "channels/TableText.h"
#include "shell/Messages.h"
#include "shell/ui/AppGlobals.h"
#include "shell/ui/CZemtarDoc.h"
#include "shell/ui/HelpLauncher.h"
#include "shell/ui/MessageBox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QUndoStack>

namespace zemtar::ui {

namespace {

// One undoable step: the document's image and table before and after.
class SnapshotCommand : public QUndoCommand {
public:
    struct State {
        RadioImage image;
        ChannelTable table;
    };
    SnapshotCommand(std::function<void(const State&)> apply, State before, State after, const QString& text)
        : QUndoCommand(text), apply_(std::move(apply)), before_(std::move(before)), after_(std::move(after))
    {
    }
    void undo() override { apply_(before_); }
    void redo() override
    {
        if (!first_)
            apply_(after_);
        first_ = false;
    }

private:
    std::function<void(const State&)> apply_;
    State before_, after_;
    bool first_ = true; // the change itself has been made already
};

// Enter or Return, and the line break a typing tool or a scanner sends in their place (X
// delivers it as a key of its own, the line feed, which no editor would otherwise take):
// each ends the cell's value and moves on.
bool isEnterKey(const QKeyEvent* e)
{
    const int k = e->key();
    if (k == Qt::Key_Return || k == Qt::Key_Enter)
        return true;
    const bool plain = !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    return plain && (k == 0x0a || e->text() == QStringLiteral("\n") || e->text() == QStringLiteral("\r"));
}

bool sameTable(const ChannelTable& a, const ChannelTable& b)
{
    for (int r = kFirstRow; r <= kLastRow; ++r)
        if (a.row(r) != b.row(r))
            return false;
    return true;
}

} // namespace

void CZemtarView::createEditors()
{
    // One editor per kind of column, made hidden by the delegate as the view is set up.
    auto* vp = grid_->viewport();
    for (const ColumnInfo& col : columns::kColumns) {
        if (!col.editorName)
            continue;
        QWidget* shared = nullptr;
        for (const ColumnInfo& other : columns::kColumns)
            if (other.column < col.column && other.editorName && qstrcmp(other.editorName, col.editorName) == 0)
                shared = editors_[std::size_t(other.column)];
        QWidget* editor = shared ? shared : delegate_->createEditorFor(col.column, vp);
        editors_[std::size_t(col.column)] = editor;
        if (shared)
            continue;
        editor->hide();
        editor->installEventFilter(this);
        if (auto* edit = qobject_cast<QLineEdit*>(editor))
            connect(edit, &QLineEdit::inputRejected, this, [this, edit] { noteRejectedInput(edit); });
        if (auto* list = qobject_cast<QComboBox*>(editor)) {
            connect(list, &QComboBox::activated, this, [this, list] {
                // With several rows selected, the choice goes to every used row of the selection.
                if (selectedRows().size() > 1 && editCol_ > 0 && listEditor(int(editCol_)) == list)
                    setOnSelectedRows(int(editCol_), list->currentText());
            });
        }
    }
    connect(grid_, &CMSFlexGrid::EnterCell, this, &CZemtarView::onEnterCell);
    connect(grid_, &CMSFlexGrid::LeaveCell, this, &CZemtarView::onLeaveCell);
    connect(grid_, &CMSFlexGrid::MouseDown, this, &CZemtarView::onMouseDown);
    connect(grid_, &CMSFlexGrid::Scroll, this, &CZemtarView::hideEditors);
    // A click on a column header selects the column and edits its current cell, as a click
    // on the cell does, also when that cell was current already.
    connect(grid_->horizontalHeader(), &QHeaderView::sectionClicked, this, [this] {
        if (!committing_)
            loadEditor();
    });
    grid_->installEventFilter(this);
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid_, &QWidget::customContextMenuRequested, this, &CZemtarView::showContextMenu);
}

QWidget* CZemtarView::editorOf(int column) const
{
    return column >= 0 && column < ColumnCount ? editors_[std::size_t(column)] : nullptr;
}

QComboBox* CZemtarView::listEditor(int column) const { return qobject_cast<QComboBox*>(editorOf(column)); }
QLineEdit* CZemtarView::frequencyEdit() const { return qobject_cast<QLineEdit*>(editorOf(ColRx)); }
QLineEdit* CZemtarView::nameEdit() const { return qobject_cast<QLineEdit*>(editorOf(ColName)); }

QWidget* CZemtarView::visibleEditor() const
{
    for (QWidget* w : editors_)
        if (w && w->isVisible())
            return w;
    return nullptr;
}

void CZemtarView::hideEditors()
{
    // Hiding the widget that has the focus would pass the focus on as Tab does, and the grid
    // takes a Tab as a move to the next cell: give the focus to the grid first.
    if (QWidget* f = QApplication::focusWidget(); f && f->parentWidget() == grid_->viewport())
        grid_->setFocus(Qt::OtherFocusReason);
    for (QWidget* w : editors_)
        if (w)
            w->hide();
    grid_->viewport()->update();
}

void CZemtarView::loadEditor()
{
    const long row = grid_->GetRow(), col = grid_->GetCol();
    if (row < kFirstRow || col < ColRx || col == ColMore)
        return;
    QWidget* editor = editorOf(int(col));
    if (!editor)
        return;
    hideEditors();
    delegate_->setEditorData(editor, model_->indexOf(int(row), int(col)));
    // The list's search by typed characters starts afresh in each cell: keys typed right after
    // Enter in the cell before would otherwise continue that cell's search and find nothing.
    if (auto* list = qobject_cast<QComboBox*>(editor))
        list->view()->keyboardSearch(QString());
    editRow_ = row;
    editCol_ = col;
    placeEditor(editor);
}

void CZemtarView::placeEditor(QWidget* editor)
{
    ChannelCellDelegate::placeEditor(editor, grid_->visualRect(model_->indexOf(int(editRow_), int(editCol_))));
    editor->show();
    editor->raise();
    editor->setFocus();
    grid_->viewport()->update();
}

void CZemtarView::onEnterCell()
{
    if (committing_)
        return;
    // Bring the cell into view first, so that the scroll this causes does not hide its editor.
    grid_->scrollTo(grid_->currentIndex());
    loadEditor();
}

void CZemtarView::onLeaveCell()
{
    if (committing_ || !visibleEditor())
        return;
    const long row = grid_->GetRow(), col = grid_->GetCol();
    if (row != editRow_ || col != editCol_)
        return;
    commitCell(row, col, false);
}

void CZemtarView::onMouseDown(short button)
{
    if (button != 1)
        return;
    const long row = grid_->GetRow(), col = grid_->GetCol();
    if (row < kFirstRow)
        return;
    if (col != ColMore) {
        if (!visibleEditor() || editRow_ != row || editCol_ != col)
            loadEditor();
        return;
    }
    hideEditors();
    openChannelEdit(int(row));
}

bool CZemtarView::commitEditor()
{
    if (!visibleEditor())
        return true;
    return commitCell(editRow_, editCol_, false);
}

bool CZemtarView::commitCell(long row, long col, bool onEnter, bool backwards)
{
    QWidget* editor = visibleEditor();
    if (!editor || row < kFirstRow)
        return true;
    const QString text = ChannelCellDelegate::editorText(editor);
    if (text == model_->cell(int(row), int(col))) {
        // Passing through a cell changes nothing and checks nothing: a value the table held
        // before a band change stays as it is until the user edits it.
        hideEditors();
        if (onEnter)
            backwards ? moveLeft(row, col) : moveRight(row, col);
        return true;
    }
    ChannelTable t = table();
    const CommitResult result = zemtar::commitCell(t, int(row), int(col), text, band_, g().lang());
    if (!result.accepted()) {
        const QMessageBox::Icon icon = *result.error == msg::DataFormat ? QMessageBox::Critical : QMessageBox::Warning;
        QString message = msg::text(*result.error, g().lang());
        if (*result.error == msg::OutOfRange) // which band, so the user need not look it up
            message += u'\n' + msg::radioTakes(int(band_.low / freq::kUnitsPerMHz),
                                               int(band_.high / freq::kUnitsPerMHz), g().lang());
        else if (*result.error == msg::DataFormat) // what was wrong with the typed text
            message += u'\n' + dataFormatDetail(text, band_, g().lang());
        messageBox(this, message, msg::text(msg::CautionTitle, g().lang()), QMessageBox::Ok, icon);
        // The refused value stays in its cell's editor (emptied after Enter); the row is kept.
        auto* edit = static_cast<QLineEdit*>(editor);
        const QString keep = onEnter ? QString() : text;
        committing_ = true;
        {
            const QSignalBlocker block(grid_);
            grid_->setCurrentCell(int(row - 1), int(col - 1));
        }
        committing_ = false;
        editRow_ = row;
        editCol_ = col;
        edit->setText(keep);
        placeEditor(edit);
        return false;
    }
    hideEditors();
    if (!sameTable(t, table()))
        changeDocument(tr("Edit %1").arg(ChannelTable::header(int(col), g().lang()).trimmed()), [&] { setTable(t); });
    if (onEnter)
        backwards ? moveLeft(row, col) : moveRight(row, col);
    return true;
}

void CZemtarView::moveRight(long row, long col)
{
    // After Enter: the next cell to the right, then the first cell of the next row; never
    // the "More" column, which opens a dialog.
    if (col < ColSignal)
        ++col;
    else if (row < kLastRow) {
        ++row;
        col = ColRx;
    } else {
        return;
    }
    grid_->setCurrentCell(int(row - 1), int(col - 1)); // enters the cell and opens its editor
    grid_->scrollTo(grid_->currentIndex());
}

void CZemtarView::moveLeft(long row, long col)
{
    // Shift+Tab: the cell to the left, then the last value cell of the row above.
    if (col > ColRx)
        --col;
    else if (row > kFirstRow) {
        --row;
        col = ColSignal;
    } else {
        return;
    }
    grid_->setCurrentCell(int(row - 1), int(col - 1));
    grid_->scrollTo(grid_->currentIndex());
}

void CZemtarView::cancelEditor()
{
    hideEditors();
    editRow_ = editCol_ = -1;
    grid_->setFocus();
}

void CZemtarView::setTable(const ChannelTable& t)
{
    hideEditors();
    model_->setTable(t);
}

void CZemtarView::changeDocument(const QString& what, const std::function<void()>& change)
{
    SnapshotCommand::State before{doc_->image(), table()};
    change();
    SnapshotCommand::State after{doc_->image(), table()};
    if (before.image == after.image && sameTable(before.table, after.table))
        return;
    auto apply = [this](const SnapshotCommand::State& s) {
        hideEditors();
        doc_->image() = s.image;
        setTable(s.table);
        followImage();
    };
    undo_->push(new SnapshotCommand(apply, before, after, what));
}

bool CZemtarView::frequencyKey(QKeyEvent* e)
{
    // Digits of both keyboards, the period, Backspace, Delete, the arrows, Home and End pass;
    // Enter commits; Tab and Shift+Tab commit as Enter does and go on to the next or the
    // previous cell; F1 asks for help; every other key is dropped.
    const int k = e->key();
    const bool shift = e->modifiers() & Qt::ShiftModifier;
    const bool keypad = e->modifiers() & Qt::KeypadModifier;
    if (k == Qt::Key_F1) {
        help::show(this, editCol_ > 0 ? columns::info(int(editCol_)).help : 0);
        return true;
    }
    if (isEnterKey(e)) {
        commitCell(editRow_, editCol_, true);
        return true;
    }
    if ((k == Qt::Key_Tab || k == Qt::Key_Backtab) && !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        commitCell(editRow_, editCol_, true, k == Qt::Key_Backtab || shift);
        return true;
    }
    if ((k >= Qt::Key_0 && k <= Qt::Key_9 && (!shift || keypad)) || (k == Qt::Key_Period && (!shift || keypad)) ||
        (k == Qt::Key_Comma && keypad) || k == Qt::Key_Backspace || k == Qt::Key_Delete || k == Qt::Key_Left ||
        k == Qt::Key_Right || k == Qt::Key_Up || k == Qt::Key_Down || k == Qt::Key_Home || k == Qt::Key_End) {
        if (k == Qt::Key_Comma) { // a keypad decimal point that the keyboard layout calls a comma
            frequencyEdit()->insert(QStringLiteral("."));
            return true;
        }
        return false;
    }
    return true;
}

bool CZemtarView::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() != QEvent::KeyPress)
        return QWidget::eventFilter(o, e);
    auto* key = static_cast<QKeyEvent*>(e);
    const bool onEditor = o != grid_ && o->parent() == grid_->viewport();
    if ((o == grid_ || onEditor) && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
        (key->modifiers() & Qt::ControlModifier)) {
        // Ctrl+Tab and Ctrl+Shift+Tab go to the next (previous) document window, not to a cell.
        for (QWidget* w = parentWidget(); w; w = w->parentWidget())
            if (auto* sub = qobject_cast<QMdiSubWindow*>(w); sub && sub->mdiArea()) {
                const bool back = key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
                back ? sub->mdiArea()->activatePreviousSubWindow() : sub->mdiArea()->activateNextSubWindow();
                return true;
            }
    }
    if ((key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) &&
        key->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier) && (o == grid_ || onEditor)) {
        // Ctrl+Shift+Up/Down moves the selected channels.
        key->key() == Qt::Key_Up ? moveSelectedUp() : moveSelectedDown();
        return true;
    }
    if ((key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) && (key->modifiers() & Qt::ShiftModifier) &&
        (o == grid_ || onEditor)) {
        // Shift+Up/Down selects whole rows from the current one, with no editor.
        if (!commitEditor())
            return true;
        hideEditors();
        grid_->setFocus();
        grid_->extendRows(key->key() == Qt::Key_Down ? 1 : -1);
        return true;
    }
    if (onEditor && key->matches(QKeySequence::Paste)) {
        paste(); // several cells go to the table, one line of text into the edit
        return true;
    }
    if (onEditor && key->key() == Qt::Key_Escape) {
        cancelEditor(); // the typed or chosen value is dropped; the cell keeps its text
        return true;
    }
    if (onEditor && qobject_cast<QComboBox*>(o) && isEnterKey(key)) {
        commitCell(editRow_, editCol_, true);
        return true;
    }
    if (onEditor && qobject_cast<QComboBox*>(o) && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) &&
        !(key->modifiers() & ~Qt::KeypadModifier)) {
        // Up and Down move between the rows in a list column as in the other columns (the
        // value is taken as on leaving the cell); Alt+Down, F4 or Space open the list, where
        // they choose.
        QKeyEvent move(QEvent::KeyPress, key->key(), key->modifiers());
        QApplication::sendEvent(grid_, &move);
        return true;
    }
    if ((o == grid_ || onEditor) && key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier) {
        // The context menu from the keyboard, at the current cell, once the key is handled.
        QMetaObject::invokeMethod(
            this, [this] { showContextMenu(grid_->visualRect(grid_->currentIndex()).center()); }, Qt::QueuedConnection);
        return true;
    }
    if (o == grid_ && grid_->GetCol() == ColMore && !(key->modifiers() & ~Qt::KeypadModifier) &&
        (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space)) {
        openChannelEditHere(); // as a click on the cell does
        return true;
    }
    if (key->key() == Qt::Key_Delete && selectedRows().size() > 1) {
        deleteSelectedRows();
        return true;
    }
    if (onEditor && o == frequencyEdit())
        return frequencyKey(key);
    if (onEditor && key->key() == Qt::Key_F1) {
        help::show(this, editCol_ > 0 && editorOf(int(editCol_)) == o ? columns::info(int(editCol_)).help : 0);
        return true;
    }
    if (onEditor && o == nameEdit() && isEnterKey(key)) {
        commitCell(editRow_, editCol_, true);
        return true;
    }
    if (o == grid_ && key->key() == Qt::Key_Delete && !selectedRows().isEmpty()) {
        deleteSelectedRows();
        return true;
    }
    return QWidget::eventFilter(o, e);
}

QList<int> CZemtarView::selectedRows() const
{
    QList<int> rows;
    for (const QTableWidgetSelectionRange& r : grid_->selectedRanges())
        for (int i = r.topRow(); i <= r.bottomRow(); ++i)
            if (!rows.contains(i + 1))
                rows << i + 1;
    std::sort(rows.begin(), rows.end());
    return rows;
}

void CZemtarView::setOnSelectedRows(int column, const QString& text)
{
    const QList<int> rows = selectedRows();
    ChannelTable t = table();
    int changed = 0;
    for (int row : rows)
        if (!t.isEmptyRow(row)) {
            t.setCell(row, column, text);
            changed += t.row(row) != table().row(row) ? 1 : 0;
        }
    const QString header = ChannelTable::header(column, g().lang()).trimmed();
    // A selection of every row (a click on a column header makes one) changes nothing unasked.
    if (changed > 1 && rows.size() == kLastRow - kFirstRow + 1 &&
        appMessage(this, tr("Set %1 to %2 on all %3 used channels?").arg(header, text).arg(changed),
                   QMessageBox::Yes | QMessageBox::No, QMessageBox::Question) != QMessageBox::Yes) {
        if (visibleEditor())
            loadEditor(); // the editor shows the cell's value again
        return;
    }
    hideEditors();
    changeDocument(tr("Set %1").arg(header), [&] { setTable(t); });
    if (changed > 1)
        emit statusText(tr("%1 set to %2 on %3 channels.").arg(header, text).arg(changed));
}

void CZemtarView::noteRejectedInput(QLineEdit* edit)
{
    const QString header = editCol_ > 0 ? ChannelTable::header(int(editCol_), g().lang()).trimmed() : QString();
    emit statusText(
        edit->text().size() >= edit->maxLength()
            ? tr("%1 takes at most %2 characters: the rest was not entered.").arg(header).arg(edit->maxLength())
            : tr("%1 takes letters, digits and the signs of the keyboard only: the rest was not entered.").arg(header));
}

bool CZemtarView::isCellBlock(const QString& text)
{
    QString body = text;
    while (body.endsWith(u'\n') || body.endsWith(u'\r'))
        body.chop(1);
    return body.contains(u'\t') || body.contains(u'\n') || body.contains(u'\r');
}

void CZemtarView::deleteSelectedRows()
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    const QString question = rows.size() == 1 ? tr("Delete channel %1?").arg(ChannelTable::rowLabel(rows.front()))
                                              : tr("Delete the %1 selected channels?").arg(rows.size());
    if (appMessage(this, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Question) != QMessageBox::Yes)
        return;
    ChannelTable t = table();
    for (int row : rows)
        t.clearRow(row);
    hideEditors();
    changeDocument(tr("Delete channels"), [&] { setTable(t); });
}

void CZemtarView::copySelection()
{
    if (auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        edit && (edit == nameEdit() || edit == frequencyEdit())) {
        edit->copy();
        return;
    }
    const auto ranges = grid_->selectedRanges();
    if (ranges.isEmpty())
        return;
    QString text;
    if (grid_->wholeRowsSelected()) {
        // Whole rows, as the dump prints them: label first, in the order of the table.
        for (int row : selectedRows()) {
            QStringList fields{ChannelTable::rowLabel(row)};
            for (int c = ColRx; c < tabletext::kFieldCount; ++c)
                fields << model_->cell(row, c);
            text += tabletext::joinLine(fields, tabletext::Format::Tsv) + u'\n';
        }
    } else {
        const QTableWidgetSelectionRange r = ranges.front();
        for (int row = r.topRow() + 1; row <= r.bottomRow() + 1; ++row) {
            QStringList fields;
            for (int c = r.leftColumn() + 1; c <= std::min(r.rightColumn() + 1, int(ColSignal)); ++c)
                fields << model_->cell(row, c);
            text += tabletext::joinLine(fields, tabletext::Format::Tsv) + u'\n';
        }
    }
    QApplication::clipboard()->setText(text);
}

void CZemtarView::cutSelection()
{
    copySelection();
    const auto ranges = grid_->selectedRanges();
    if (ranges.isEmpty() || qobject_cast<QLineEdit*>(QApplication::focusWidget()))
        return;
    if (grid_->wholeRowsSelected()) {
        ChannelTable t = table();
        for (int row : selectedRows())
            t.clearRow(row);
        hideEditors();
        changeDocument(tr("Cut"), [&] { setTable(t); });
        return;
    }
    const QTableWidgetSelectionRange r = ranges.front();
    QString blanks;
    for (int row = r.topRow(); row <= r.bottomRow(); ++row) {
        QStringList fields;
        for (int c = r.leftColumn(); c <= std::min(r.rightColumn(), int(ColSignal) - 1); ++c)
            fields << QString();
        blanks += fields.join(u'\t') + u'\n';
    }
    const long row = grid_->GetRow(), col = grid_->GetCol();
    grid_->setCurrentCell(r.topRow(), r.leftColumn());
    pasteText(blanks);
    grid_->setCurrentCell(int(row - 1), int(col - 1));
}

void CZemtarView::paste()
{
    const QString text = QApplication::clipboard()->text();
    if (auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        edit && (edit == nameEdit() || edit == frequencyEdit()) && !isCellBlock(text)) {
        QString line = text;
        line.remove(u'\n').remove(u'\r'); // one line, as copied with its line break
        edit->insert(line);
        return;
    }
    pasteText(text);
}

bool CZemtarView::pasteText(const QString& text)
{
    hideEditors();
    QList<tabletext::Line> lines = tabletext::parse(text);
    tabletext::dropHeader(lines);
    if (lines.isEmpty())
        return false;
    // Whole rows as the dump prints them (label first) go to the current row and below;
    // anything else is a block of cells placed at the current cell.
    const bool rows = std::all_of(lines.begin(), lines.end(), [](const tabletext::Line& l) {
        return l.fields.size() == tabletext::kFieldCount && ChannelTable::rowForLabel(l.fields[0]) != 0;
    });
    const int firstRow = int(grid_->GetRow());
    const int firstCol = rows ? ColRx : int(grid_->GetCol());
    ChannelTable t = table();
    QStringList problems;
    QList<tabletext::RowEdit> edits;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int row = firstRow + int(i);
        if (row > kLastRow) {
            problems << tr("The pasted rows reach beyond the last row (Fr).");
            break;
        }
        tabletext::RowEdit edit{row, {}};
        for (int c = ColRx; c < tabletext::kFieldCount; ++c)
            edit.fields << t.cell(row, c);
        const QStringList pasted = rows ? lines[i].fields.mid(1) : lines[i].fields;
        for (qsizetype j = 0; j < pasted.size(); ++j) {
            const int c = firstCol + int(j);
            if (c > ColSignal) {
                problems
                    << tr("Row %1: the pasted cells reach beyond the last column.").arg(ChannelTable::rowLabel(row));
                break;
            }
            edit.fields[c - ColRx] = pasted[j];
        }
        edits << edit;
    }
    const tabletext::ApplyResult applied = tabletext::applyRows(t, edits, band_, g().lang(), g().lang());
    for (const tabletext::RowProblem& p : applied.problems)
        problems << tr("Row %1, %2: %3")
                        .arg(ChannelTable::rowLabel(edits[p.edit].row),
                             ChannelTable::header(p.column, g().lang()).trimmed(), p.text);
    if (!problems.isEmpty()) {
        messageBox(this, tr("Nothing was pasted:\n%1").arg(problems.join(u'\n')),
                   msg::text(msg::CautionTitle, g().lang()), QMessageBox::Ok, QMessageBox::Warning);
        return false;
    }
    changeDocument(tr("Paste"), [&] { setTable(t); });
    return true;
}

void CZemtarView::showContextMenu(const QPoint& pos)
{
    const QList<int> rows = selectedRows();
    QMenu menu(this);
    QAction* edit = menu.addAction(tr("Cha&nnel Edit..."), this, &CZemtarView::openChannelEditHere);
    edit->setEnabled(!table().isEmptyRow(int(grid_->GetRow())));
    menu.addSeparator();
    menu.addAction(tr("Copy"), this, &CZemtarView::copySelection);
    menu.addAction(tr("Cut"), this, &CZemtarView::cutSelection);
    menu.addAction(tr("Paste"), this, &CZemtarView::paste);
    menu.addSeparator();
    // The value lists first, then the tone lists.
    QList<int> menuColumns;
    for (const EditorKind kind : {EditorKind::ValueList, EditorKind::ToneList})
        for (const ColumnInfo& c : columns::kColumns)
            if (c.editor == kind && c.setMenuEntries != 0)
                menuColumns << c.column;
    for (int column : menuColumns) {
        QMenu* sub = menu.addMenu(tr("Set %1").arg(ChannelTable::header(column, g().lang()).trimmed()));
        sub->setEnabled(!rows.isEmpty());
        const QStringList entries = ChannelTable::listEntries(column, g().lang());
        const int wanted = columns::info(column).setMenuEntries;
        const int shown = wanted < 0 ? int(entries.size()) : std::min(wanted, int(entries.size()));
        for (int i = 0; i < shown; ++i)
            sub->addAction(entries[i], this, [this, column, text = entries[i]] { setOnSelectedRows(column, text); });
    }
    menu.addSeparator();
    QAction* del = menu.addAction(tr("Delete Channels"), this, &CZemtarView::deleteSelectedRows);
    del->setEnabled(!rows.isEmpty());
    menu.addSeparator();
    addMoveActions(&menu);
    menu.exec(grid_->viewport()->mapToGlobal(pos));
}

void CZemtarView::focusCurrentCell()
{
    grid_->setFocus(Qt::OtherFocusReason);
    if (QWidget* editor = visibleEditor())
        editor->setFocus(Qt::OtherFocusReason);
    else
        loadEditor();
}

void CZemtarView::openChannelEditHere()
{
    if (!commitEditor())
        return; // the refused value waits in its editor
    const int row = int(grid_->GetRow());
    if (row < kFirstRow)
        return;
    if (table().isEmptyRow(row)) {
        emit statusText(tr("Channel %1 is empty: type its receive frequency first.").arg(ChannelTable::rowLabel(row)));
        return;
    }
    hideEditors();
    openChannelEdit(row);
    grid_->setFocus(Qt::OtherFocusReason);
}

void CZemtarView::openChannelEdit(int row)
{
    if (table().isEmptyRow(row))
        return; // no channel in this row
    StoreTableIntoImage();
    doc_->setNewDocument(false); // the dialog works on the image as it stands from now on
    changeDocument(tr("Channel Edit"), [&] {
        CChannelEditDlg dlg(doc_->image(), ChannelEditModel::channelForTableRow(row), window());
        dlg.storeTable = [this] { StoreTableIntoImage(); };
        dlg.refillTable = [this] { FillTableFromImage(); };
        dlg.exec();
    });
}

} // namespace zemtar::ui
