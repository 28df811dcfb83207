#include "ChannelCellDelegate.h"

#include "ChannelTableModel.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace zemtar::ui {

ChannelCellDelegate::ChannelCellDelegate(Language lang, QObject* parent) : QStyledItemDelegate(parent), lang_(lang) {}

QWidget* ChannelCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const
{
    return createEditorFor(ChannelTableModel::tableColumn(index), parent);
}

QWidget* ChannelCellDelegate::createEditorFor(int column, QWidget* parent) const
{
    if (column < ColRx || column >= ColumnCount)
        return nullptr;
    const ColumnInfo& col = columns::info(column);
    QWidget* editor = nullptr;
    switch (col.editor) {
    case EditorKind::ToneList:
    case EditorKind::ValueList: {
        auto* list = new QComboBox(parent);
        list->addItems(ChannelTable::listEntries(column, lang_));
        list->setMaxVisibleItems(col.editor == EditorKind::ToneList ? 16 : 8);
        editor = list;
        break;
    }
    case EditorKind::Frequency:
    case EditorKind::Text: {
        auto* edit = new QLineEdit(parent);
        edit->setMaxLength(col.maxLength);
        if (col.editor == EditorKind::Text) // one byte a character in the radio: printable ASCII only
            edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[ -~]*")), edit));
        editor = edit;
        break;
    }
    case EditorKind::None:
    case EditorKind::Button:
        return nullptr;
    }
    editor->setObjectName(QString::fromLatin1(col.editorName));
    return editor;
}

QString ChannelCellDelegate::editorName(int column, int row) const
{
    return tr("%1, channel %2").arg(ChannelTable::header(column, lang_).simplified(), ChannelTable::rowLabel(row));
}

void ChannelCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    const QString text = index.data(Qt::EditRole).toString();
    // A screen reader names the editor after its cell: "Rx Frequency, channel 5".
    const int column = ChannelTableModel::tableColumn(index);
    if (column >= ColRx && column < ColumnCount) {
        const QString name = editorName(column, ChannelTableModel::tableRow(index));
        editor->setAccessibleName(name);
        // On Linux a list is announced by the label it is labelled by (its own name is its
        // value): the list gets a label of its own, never shown.
        if (auto* list = qobject_cast<QComboBox*>(editor); list && list->parentWidget()) {
            const QString labelName = list->objectName() + QStringLiteral("Label");
            auto* label = list->parentWidget()->findChild<QLabel*>(labelName, Qt::FindDirectChildrenOnly);
            if (!label) {
                label = new QLabel(list->parentWidget());
                label->setObjectName(labelName);
                label->hide();
                label->setBuddy(list);
            }
            label->setText(name);
        }
    }
    // A value longer than a user may type (a name of 8 read from a radio) fits the edit whole,
    // so that passing through its cell keeps every byte.
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        if (column >= ColRx && column < ColumnCount)
            edit->setMaxLength(std::max(columns::info(column).maxLength, int(text.size())));
    }
    loadEditor(editor, text);
}

void ChannelCellDelegate::loadEditor(QWidget* editor, const QString& text)
{
    if (auto* list = qobject_cast<QComboBox*>(editor)) {
        const int at = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        list->setCurrentIndex(at < 0 ? 0 : at);
    } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        edit->setText(text);
        edit->selectAll();
    }
}

QString ChannelCellDelegate::editorText(const QWidget* editor)
{
    if (auto* list = qobject_cast<const QComboBox*>(editor))
        return list->currentText();
    if (auto* edit = qobject_cast<const QLineEdit*>(editor))
        return edit->text();
    return {};
}

void ChannelCellDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                               const QModelIndex&) const
{
    placeEditor(editor, option.rect);
}

void ChannelCellDelegate::placeEditor(QWidget* editor, const QRect& cell)
{
    editor->setGeometry(cell.adjusted(0, 0, 1, 1));
}

} // namespace zemtar::ui
