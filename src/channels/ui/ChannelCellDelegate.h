#pragma once
// The one delegate of the channel table: makes each cell's in-place editor from the column
// table (a frequency or text edit, a tone or value list), loads it from the cell's text and
// places it over the cell. The view decides when an editor opens and what its text does to
// the table (the checks and messages of cell editing).
#include "image/Language.h"

#include <QStyledItemDelegate>

namespace zemtar::ui {

class ChannelCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    ChannelCellDelegate(Language lang, QObject* parent = nullptr);

    // The editor of a table column (1..12), or nullptr for a column without one.
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditorFor(int column, QWidget* parent) const;
    // A list selects the entry equal to the text (entry 0 when none is); an edit takes the text.
    // It also names the editor after its column and row for a screen reader.
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    // "Rx Frequency, channel 5": the name an editor of that cell is announced with.
    QString editorName(int column, int row) const;
    static void loadEditor(QWidget* editor, const QString& text);
    // The text an editor holds.
    static QString editorText(const QWidget* editor);
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;
    static void placeEditor(QWidget* editor, const QRect& cell);

private:
    Language lang_;
};

} // namespace zemtar::ui
