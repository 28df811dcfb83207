#pragma once
#include "CMSFlexGrid.h"
#include "channels/ChannelTable.h"

#include <QPointer>
#include <QUndoStack>
#include <QWidget>

#include <array>
#include <functional>

class QComboBox;
class QLineEdit;
class QMenu;
class QUndoStack;

namespace zemtar::ui {

class CZemtarDoc;
class ChannelCellDelegate;
class ChannelTableModel;

// The channel table of one document: 128 channels and the "Fr" row in a grid over the
// document's table model, filled from the image and stored back into it with the channel
// table's rules. The in-place editors come from the one delegate, one per kind of column
// (the two frequency columns share an edit, the two tone columns a list).
class CZemtarView : public QWidget {
    Q_OBJECT
public:
    static constexpr long kBaseColumnWidthTwips = 1300; // column 0 before set-up

    explicit CZemtarView(CZemtarDoc* doc, QWidget* parent = nullptr);
    ~CZemtarView() override;

    CZemtarDoc* GetDocument() const { return doc_; }
    CMSFlexGrid* grid() const { return grid_; }

    void OnInitialUpdate();
    void FillTableFromImage();
    void StoreTableIntoImage();
    // What the view derives from the image (the caption, the band the cell checks use),
    // after the image changed under it: a refill, an undo or a redo.
    void followImage();
    // What the status bar says about a band the image's bytes do not give (empty when valid).
    QString bandNote() const;
    // The table as text (what the grid shows): the document's.
    const ChannelTable& table() const;

    BandLimits bandLimits() const { return band_; }
    void setBandLimits(BandLimits b) { band_ = b; }
    // The scale applied to the screen: width / 1024 on screens wider than 800 pixels,
    // less where the table would not fit the screen.
    double scale() const { return scale_; }
    // The scale for a screen `screenWidth` pixels wide (at 96 dpi), at which the table's
    // columns and channel numbers take at most the screen less kScreenReserve (and never less
    // than the scale 1 of a 1024-pixel screen).
    static constexpr int kScreenReserve = 320; // frames, scroll bar and the navigator bar
    static double scaleFor(int screenWidth);

    // The band the radio identified itself with at its last read, used when the image's own
    // band bytes mean nothing.
    std::function<std::optional<Band>()> radioBand;

    // ---- Editing (in-place editors, undo, clipboard, many rows at once) ----
    QUndoStack* undoStack() const { return undo_; }
    // Runs `change` on the document as one undoable step named `what` (nothing is recorded
    // when it changed nothing).
    void changeDocument(const QString& what, const std::function<void()>& change);
    // The editor over the current cell, or nullptr when none is shown.
    QWidget* visibleEditor() const;
    QLineEdit* frequencyEdit() const;
    QLineEdit* nameEdit() const;
    QComboBox* listEditor(int column) const;
    // The in-place editor of a column (nullptr for the labels and the More column).
    QWidget* editorOf(int column) const;
    // Commits the editor in progress as leaving its cell does; false when the value was refused.
    bool commitEditor();
    void copySelection();
    void cutSelection();
    // Pastes tab-separated text at the current cell; refused as a whole when any value is.
    bool pasteText(const QString& text);
    void paste();
    // Empties the selected rows after asking.
    void deleteSelectedRows();
    // Sets a list column on every used row of the selection.
    void setOnSelectedRows(int column, const QString& text);
    QList<int> selectedRows() const;
    void openChannelEdit(int row);
    // Channel Edit for the current row, from the keyboard or a menu: the open editor is
    // committed first; an empty row says so in the status bar.
    void openChannelEditHere();
    // The focus comes to the table: the current cell's editor opens (the grid itself takes
    // it on the More column and the labels).
    void focusCurrentCell();

    // ---- Moving channels: whole records, one undo step each; the Fr row never moves ----
    // The channels of the selection (the current row without one), Fr left out.
    QList<int> selectedChannels() const;
    void insertChannel(); // an empty channel at the current row, the rows below move down
    void deleteAndCloseUp();
    void moveSelectedUp();
    void moveSelectedDown();
    void sortSelectedByFrequency();
    void sortSelectedByName();
    // The moving commands, for a context menu.
    void addMoveActions(QMenu* menu);

    // ---- Channel lists in files ----
    // Reads a channel list (the common CSV layout, or the tab-separated table) into the
    // document as one undo step, after showing what does not fit; false when nothing changed.
    bool importChannels(const QString& path);
    // Writes the channels as the common CSV layout (a ".csv" name) or the tab-separated table.
    bool exportChannels(const QString& path);
    // Lists the differences of the document and a data file in a window.
    void compareWith(const QString& path);
    // The same, asking for the file first.
    void onImportChannels();
    void onExportChannels();
    void onCompareWith();

signals:
    void mainCaptionChanged(const QString& caption);
    // A line for the status bar (a transfer that succeeded says so there, without a box).
    void statusText(const QString& text);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void setUp();
    void scaleToScreen();

    CZemtarDoc* doc_;
    CMSFlexGrid* grid_;
    BandLimits band_;
    bool firstSetUp_ = true;

    void createEditors();
    void loadEditor();
    void placeEditor(QWidget* editor);
    void hideEditors();
    // `onEnter`: as Enter (or Tab) commits, moving on to the next cell (the previous one,
    // `backwards`) when the value is taken.
    bool commitCell(long row, long col, bool onEnter, bool backwards = false);
    void moveRight(long row, long col);
    void moveLeft(long row, long col);
    void cancelEditor();
    void onMouseDown(short button);
    void onLeaveCell();
    void onEnterCell();
    bool frequencyKey(QKeyEvent* e);
    // Says in the status bar what an edit did not take.
    void noteRejectedInput(QLineEdit* edit);
    // True for clipboard text of several cells (tabs or line breaks), pasted into the table.
    static bool isCellBlock(const QString& text);
    void setTable(const ChannelTable& t);
    void showContextMenu(const QPoint& pos);

    QPointer<QUndoStack> undo_; // the document's
    ChannelTableModel* model_;  // the document's
    ChannelCellDelegate* delegate_;
    std::array<QWidget*, ColumnCount> editors_{}; // by column; shared by the columns of one editor
    long editRow_ = -1, editCol_ = -1;            // the cell the shown editor belongs to
    bool committing_ = false;
    double scale_ = 1.0;
};

} // namespace zemtar::ui
