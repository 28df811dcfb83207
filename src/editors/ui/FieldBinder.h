#pragma once
// Connects the widgets of a dialog page to the fields of its page model: loading, the key
// filter and length, normalising on leaving, spin steps, enabling, what a change does to
// other fields, and F1. A dialog is its layout plus one binder per page; it holds no rule.
#include "fields/Page.h"

#include <QAbstractSpinBox>
#include <QObject>
#include <QTableWidget>
#include <QValidator>

#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace zemtar::ui {

class FieldBinder;

// Lets through what the field's key filter takes, upper-cases where the box is upper case.
class FieldValidator : public QValidator {
public:
    FieldValidator(const FieldBinder* binder, int field, QObject* parent);
    State validate(QString& input, int& pos) const override;

private:
    const FieldBinder* binder_;
    int field_;
};

// A number box with spin buttons that step with the field's own rules.
class FieldSpinBox : public QAbstractSpinBox {
    Q_OBJECT
public:
    FieldSpinBox(const FieldBinder* binder, int field, QWidget* parent);
    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;

protected:
    StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }

private:
    const FieldBinder* binder_;
    int field_;
};

// A grid of text fields: column 0 numbers the rows; row r, column c + 1 is field cells[r][c].
class FieldGrid : public QTableWidget {
    Q_OBJECT
public:
    FieldGrid(FieldBinder* binder, const std::vector<std::vector<int>>& cells, const QStringList& headers,
              QWidget* parent);
    int fieldAt(int row, int column) const;
    // The cell editor shown now, or nullptr.
    QLineEdit* cellEditor() const;
    // Commits an open cell editor.
    void commit();
    // Return in a cell: commits it and opens the next editable cell in reading order; in the
    // last one the value is taken and the cursor stays.
    void commitAndMoveOn(QWidget* editor);
    // The colour of the headers and row numbers as drawn now.
    QColor fixedColor() const { return fixedColor_; }
    // The editable cell after (`next`) or before `from` in reading order; invalid when there
    // is none, and from an invalid `from` the first (or the last) one.
    QModelIndex editableCell(const QModelIndex& from, bool next) const;

protected:
    void changeEvent(QEvent* e) override;
    // Tab and Shift+Tab go from one editable cell to the next, past the row numbers, and on
    // to the dialog's other controls after the last (before the first) one.
    bool focusNextPrevChild(bool next) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void focusInEvent(QFocusEvent* e) override;

private:
    static constexpr QColor kFixedText{0, 70, 213}; // the radio's tables' header blue
    void followPalette();
    void followFont();
    FieldBinder* binder_;
    QColor fixedColor_;
    std::vector<std::vector<int>> cells_;
};

class FieldBinder : public QObject {
    Q_OBJECT
public:
    FieldBinder(const fields::Page& page, Language lang, QWidget* owner);

    const fields::Page& page() const { return page_; }
    fields::Context context() const { return {lang_}; }
    Language language() const { return lang_; }

    // The widget of field i, made to fit its kind: a list, a check box, a number box with
    // spin buttons (`spin`), or a text box.
    QWidget* make(int i, QWidget* parent, bool spin = false);
    QLabel* label(int i, QWidget* parent);
    // A grid whose cells are fields (the call lists).
    FieldGrid* makeGrid(const std::vector<std::vector<int>>& cells, const QStringList& headers, QWidget* parent);
    QWidget* widget(int i) const { return widgets_.at(std::size_t(i)); }

    void load(const RadioImage& img);
    void setTexts(const QStringList& texts);
    // The texts as the widgets hold them (fields without a widget keep the loaded text).
    QStringList texts() const;
    // Commits open cell editors, then stores the page: unedited fields keep their bytes.
    void store(RadioImage& img);

    // The help context of a widget of this page (or of its children), or 0.
    int helpFor(const QWidget* w) const;
    // The field whose widget is w (or holds w), or -1.
    int fieldOf(const QWidget* w) const;

    // For the grid: a cell's text was committed.
    void setText(int i, const QString& text);

private:
    void normaliseField(int i);
    void onChanged(int i, const QString& before);
    void refreshEnabled();
    QString widgetText(int i) const;
    void setWidgetText(int i, const QString& text);

    fields::Page page_;
    Language lang_;
    std::vector<QWidget*> widgets_;
    std::vector<QLabel*> labels_;
    std::vector<FieldGrid*> grids_;
    QStringList texts_; // the loaded texts, and the grid cells' texts
    bool loading_ = false;
};

} // namespace zemtar::ui
