#pragma once
// The grid of every table in the program: rows and columns addressed from 0 with row 0 and
// column 0 as fixed header cells that stay in place while the rest scrolls, widths in twips,
// and the grid's events (enter cell, leave cell, mouse down, scroll).
#include <QTableWidget>

namespace zemtar::ui {

class CMSFlexGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit CMSFlexGrid(QWidget* parent = nullptr);

    // Counts include the fixed row and column.
    void SetRows(long rows);
    void SetCols(long cols);
    long GetRows() const { return rowCount() + 1; }
    long GetCols() const { return columnCount() + 1; }

    long GetRow() const;
    void SetRow(long row);
    long GetCol() const;
    void SetCol(long col);
    long GetRowSel() const;

    // Row selection, as the row numbers and Shift+Up/Down make it: the rows from the anchor
    // to `row` (or `row` added, with `add`) become the selection and `row` the current row,
    // without entering a cell (no editor opens). The cell being left is still left.
    void selectRows(long row, bool extend, bool add = false);
    // Moves the current row of a row selection by `delta`, extending it from its anchor.
    void extendRows(long delta);
    // True while the selection is made of whole rows.
    bool wholeRowsSelected() const;

    QString GetText() const { return GetTextMatrix(GetRow(), GetCol()); }
    void SetText(const QString& text) { SetTextMatrix(GetRow(), GetCol(), text); }
    QString GetTextMatrix(long row, long col) const;
    void SetTextMatrix(long row, long col, const QString& text);

    // A colour as 0x00BBGGRR.
    void SetForeColorFixed(unsigned long bgr);
    void SetCellFontName(const QString& family);
    void SetColAlignment(long col, short alignment);
    long GetColWidth(long col) const;
    void SetColWidth(long col, long twips);
    long GetCellLeft() const;
    long GetCellTop() const;
    long GetCellWidth() const;
    long GetCellHeight() const;

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

private:
    QTableWidgetItem* itemAt(long row, long col) const;
    QTableWidgetItem* ensureItem(long row, long col);
    QRect cellRect() const;

    QString corner_;
    QColor fixedColor_ = Qt::black;
    QHash<long, Qt::Alignment> alignment_;
    long leavingRow_ = -1, leavingCol_ = -1; // while LeaveCell runs: the cell being left
    bool selectingRows_ = false;             // a current-cell change that enters no cell
    long anchorRow_ = 1;                     // where a Shift extension of rows starts
    bool draggingRows_ = false;              // the mouse went down on a row number
};

} // namespace zemtar::ui
