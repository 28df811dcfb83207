#pragma once
// The grid of the channel table: a table view over a model whose header data are the fixed
// row 0 and column 0, addressed as the original grid addressed its cells (row and column
// from 0, with the fixed cells included), widths in twips, and the grid's events (enter cell,
// leave cell, mouse down, scroll). The texts live in the model; these operations read and
// write it.
#include <QTableView>
#include <QTableWidgetSelectionRange>

#include <vector>

namespace zemtar::ui {

class CMSFlexGrid : public QTableView {
    Q_OBJECT
public:
    explicit CMSFlexGrid(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;
    // Keeps a cell clear of the columns a frozen view covers at the left.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    int frozenColumns = 0; // the first columns a frozen view keeps in view

    long GetRow() const;
    long GetCol() const;
    // The current cell in view coordinates (row and column from 0 without the fixed cells),
    // selecting it as a click does, or with the selection `flags` given.
    void setCurrentCell(int row, int column);
    void setCurrentCell(int row, int column, QItemSelectionModel::SelectionFlags flags);

    // Row selection, as the row numbers and Shift+Up/Down make it: the rows from the anchor
    // to `row` (or `row` added, with `add`) become the selection and `row` the current row,
    // without entering a cell (no editor opens). The cell being left is still left.
    void selectRows(long row, bool extend, bool add = false);
    // Moves the current row of a row selection by `delta`, extending it from its anchor.
    void extendRows(long delta);
    // True while the selection is made of whole rows.
    bool wholeRowsSelected() const;
    // The selection as rectangles of cells (view coordinates).
    QList<QTableWidgetSelectionRange> selectedRanges() const;
    void setRangeSelected(const QTableWidgetSelectionRange& range, bool select);

    QString GetTextMatrix(long row, long col) const;
    void SetTextMatrix(long row, long col, const QString& text);

    // A colour as 0x00BBGGRR, for the fixed cells' text; where it would not read on the
    // palette's background the palette gives one that does.
    void SetForeColorFixed(unsigned long bgr);
    QColor fixedColor() const { return fixedColor_; }
    void SetColAlignment(long col, short alignment);
    void SetColWidth(long col, long twips);

    static long pixelsToTwips(int px, int dpi) { return long(px) * 1440 / (dpi > 0 ? dpi : 96); }
    static int twipsToPixels(long twips, int dpi) { return int(twips * (dpi > 0 ? dpi : 96) / 1440); }

signals:
    void EnterCell();
    void LeaveCell();
    void MouseDown(short button, short shift, long x, long y);
    void Scroll();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void onCurrentChanged(const QModelIndex& current, const QModelIndex& previous);
    int rows() const { return model() ? model()->rowCount() : 0; }
    int cols() const { return model() ? model()->columnCount() : 0; }

    QString corner_;
    void followPalette();
    void followFont();
    // The pixels the fixed cells' texts of `col` take (column 0: the row numbers).
    int fixedTextWidth(long col) const;
    void applyWidth(long col);
    static constexpr int kRowHeight = 22;                       // at the default font; larger fonts get taller rows
    std::vector<long> widthTwips_;                              // as set per grid column; -1 where never set
    QColor fixedWanted_;                                        // as set; invalid until set
    QColor fixedColor_ = palette().color(QPalette::ButtonText); // as drawn
    Qt::Alignment cornerAlignment_ = Qt::AlignCenter;
    long leavingRow_ = -1, leavingCol_ = -1; // while LeaveCell runs: the cell being left
    bool selectingRows_ = false;             // a current-cell change that enters no cell
    long anchorRow_ = 1;                     // where a Shift extension of rows starts
    bool draggingRows_ = false;              // the mouse went down on a row number
};

} // namespace zemtar::ui
