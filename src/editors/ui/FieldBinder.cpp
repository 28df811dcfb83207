#include "FieldBinder.h"

#include "shell/ui/Legibility.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyledItemDelegate>

namespace zemtar::ui {

using fields::Kind;

// ------------------------------------------------------------------ validator

FieldValidator::FieldValidator(const FieldBinder* binder, int field, QObject* parent)
    : QValidator(parent), binder_(binder), field_(field)
{
}

QValidator::State FieldValidator::validate(QString& input, int& pos) const
{
    // Characters the field does not take are dropped, so a paste keeps the ones it does.
    const fields::Field& f = binder_->page().field(field_);
    const QStringList page = binder_->texts();
    QString kept;
    int keptPos = 0;
    for (int i = 0; i < input.size(); ++i) {
        const QChar c = f.upperCase ? input[i].toUpper() : input[i];
        if (!binder_->page().accepts(field_, c, page))
            continue;
        kept += c;
        if (i < pos)
            ++keptPos;
    }
    input = kept;
    pos = keptPos;
    return Acceptable;
}

// ------------------------------------------------------------------ spin box

FieldSpinBox::FieldSpinBox(const FieldBinder* binder, int field, QWidget* parent)
    : QAbstractSpinBox(parent), binder_(binder), field_(field)
{
    setButtonSymbols(UpDownArrows);
    setCorrectionMode(CorrectToPreviousValue);
    setKeyboardTracking(false);
    if (const int n = binder->page().field(field).maxLength; n > 0)
        lineEdit()->setMaxLength(n);
}

void FieldSpinBox::stepBy(int steps)
{
    QString t = lineEdit()->text();
    const int one = steps > 0 ? 1 : -1;
    for (int i = 0; i != steps; i += one)
        t = binder_->page().spin(field_, t, one);
    lineEdit()->setText(t);
    emit editingFinished();
}

QValidator::State FieldSpinBox::validate(QString& input, int&) const
{
    const QStringList page = binder_->texts();
    for (QChar c : input)
        if (!binder_->page().accepts(field_, c, page))
            return QValidator::Invalid;
    return QValidator::Acceptable;
}

// ------------------------------------------------------------------ grid

namespace {

class CellDelegate : public QStyledItemDelegate {
public:
    CellDelegate(FieldGrid* grid, FieldBinder* binder) : QStyledItemDelegate(grid), grid_(grid), binder_(binder) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override
    {
        const int f = grid_->fieldAt(index.row(), index.column());
        if (f < 0)
            return nullptr;
        auto* e = new QLineEdit(parent);
        e->setObjectName(QStringLiteral("cellEditor"));
        e->setFrame(false);
        if (const int n = binder_->page().field(f).maxLength; n > 0)
            e->setMaxLength(n);
        e->setValidator(new FieldValidator(binder_, f, e));
        return e;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        auto* e = static_cast<QLineEdit*>(editor);
        e->setText(index.data().toString());
        e->selectAll();
        // Named after its cell for a screen reader: the column's header and the row's number.
        auto header = [this](int c) {
            const QTableWidgetItem* h = grid_->horizontalHeaderItem(c);
            return h ? h->text().simplified() : QString();
        };
        const QTableWidgetItem* num = grid_->item(index.row(), 0);
        e->setAccessibleName(
            QStringLiteral("%1, %2 %3")
                .arg(header(index.column()), header(0), num ? num->text() : QString::number(index.row() + 1)));
    }
    void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const override
    {
        const int f = grid_->fieldAt(index.row(), index.column());
        if (f >= 0)
            binder_->setText(f, binder_->page().normalise(f, static_cast<QLineEdit*>(editor)->text()));
    }

protected:
    // Return and Enter take the cell's value at once, before the next key is read, and move
    // on; the dialog never sees them.
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::KeyPress) {
            const auto* k = static_cast<QKeyEvent*>(e);
            if ((k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) &&
                (k->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
                if (auto* editor = qobject_cast<QWidget*>(o))
                    grid_->commitAndMoveOn(editor);
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(o, e);
    }

private:
    FieldGrid* grid_;
    FieldBinder* binder_;
};

} // namespace

FieldGrid::FieldGrid(FieldBinder* binder, const std::vector<std::vector<int>>& cells, const QStringList& headers,
                     QWidget* parent)
    : QTableWidget(int(cells.size()), int(headers.size()), parent), binder_(binder), cells_(cells)
{
    // Column 0 numbers the rows, as the fixed column of the radio's other tables does.
    setObjectName(QStringLiteral("grid"));
    setHorizontalHeaderLabels(headers);
    setAccessibleName(headers.mid(1).join(QStringLiteral(", "))); // what the rows hold
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::DoubleClicked | QAbstractItemView::AnyKeyPressed);
    setItemDelegate(new CellDelegate(this, binder));
    QFont courier(QStringLiteral("Courier"));
    courier.setStyleHint(QFont::TypeWriter);
    for (int r = 0; r < rowCount(); ++r) {
        auto* num = new QTableWidgetItem(QString::number(r + 1));
        num->setTextAlignment(Qt::AlignCenter);
        num->setFlags(Qt::ItemIsEnabled);
        setItem(r, 0, num);
        for (int c = 1; c < columnCount(); ++c) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            item->setFont(courier);
            setItem(r, c, item);
        }
    }
    followPalette();
    followFont();
}

void FieldGrid::followFont()
{
    // Wide enough that the stretched columns share out at least the widest header text in
    // the font in use: with a large font the window grows (and scrolls on a small screen)
    // instead of clipping its headers.
    const QFontMetrics fm = horizontalHeader()->fontMetrics();
    const int margin = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, horizontalHeader()) + 8;
    int first = 0, widest = 0;
    for (int c = 0; c < columnCount(); ++c)
        if (const QTableWidgetItem* h = horizontalHeaderItem(c))
            (c == 0 ? first : widest) = std::max(
                c == 0 ? first : widest,
                std::max(fm.horizontalAdvance(h->text()), fontMetrics().horizontalAdvance(h->text())) + margin);
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    setMinimumWidth(first + widest * std::max(0, columnCount() - 1) + bar + 2 * frameWidth() + 2);
}

void FieldGrid::followPalette()
{
    // The headers and row numbers in the radio's blue where it reads on the fixed cells'
    // background, else in a colour of the palette that does; the numbers on that background.
    const QColor fixedBackground = palette().color(QPalette::Button);
    fixedColor_ = legibleOn(kFixedText, fixedBackground, palette());
    for (int c = 0; c < columnCount(); ++c)
        if (QTableWidgetItem* h = horizontalHeaderItem(c))
            h->setForeground(fixedColor_);
    for (int r = 0; r < rowCount(); ++r) {
        if (QTableWidgetItem* num = item(r, 0)) {
            num->setForeground(fixedColor_);
            num->setBackground(fixedBackground);
        }
    }
}

void FieldGrid::changeEvent(QEvent* e)
{
    QTableWidget::changeEvent(e);
    if (e->type() == QEvent::PaletteChange || e->type() == QEvent::ApplicationPaletteChange)
        followPalette();
    if (e->type() == QEvent::FontChange || e->type() == QEvent::ApplicationFontChange)
        QMetaObject::invokeMethod(this, &FieldGrid::followFont, Qt::QueuedConnection);
}

int FieldGrid::fieldAt(int row, int column) const
{
    if (row < 0 || row >= int(cells_.size()) || column < 1 || column > int(cells_[std::size_t(row)].size()))
        return -1;
    return cells_[std::size_t(row)][std::size_t(column - 1)];
}

QLineEdit* FieldGrid::cellEditor() const
{
    for (QLineEdit* e : viewport()->findChildren<QLineEdit*>(QStringLiteral("cellEditor")))
        if (e->isVisible())
            return e;
    return nullptr;
}

void FieldGrid::commit()
{
    if (QLineEdit* e = cellEditor()) {
        commitData(e);
        closeEditor(e, QAbstractItemDelegate::NoHint);
    }
}

void FieldGrid::commitAndMoveOn(QWidget* editor)
{
    const QModelIndex to = editableCell(currentIndex(), true);
    commitData(editor);
    QTableWidget::closeEditor(editor, QAbstractItemDelegate::NoHint);
    if (to.isValid())
        setCurrentIndex(to); // opens its editor
}

QModelIndex FieldGrid::editableCell(const QModelIndex& from, bool next) const
{
    const int columns = columnCount();
    const int cells = rowCount() * columns;
    int at = from.isValid() ? from.row() * columns + from.column() : (next ? -1 : cells);
    for (at += next ? 1 : -1; at >= 0 && at < cells; at += next ? 1 : -1)
        if (fieldAt(at / columns, at % columns) >= 0)
            return model()->index(at / columns, at % columns);
    return {};
}

bool FieldGrid::focusNextPrevChild(bool next)
{
    if (const QModelIndex to = editableCell(currentIndex(), next); to.isValid() && hasFocus()) {
        setCurrentIndex(to); // opens its editor
        return true;
    }
    return QWidget::focusNextPrevChild(next);
}

QModelIndex FieldGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    if (action == MoveNext || action == MovePrevious)
        return editableCell(currentIndex(), action == MoveNext);
    return QTableWidget::moveCursor(action, modifiers);
}

void FieldGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    // Tab in the editor of the last editable cell (Shift+Tab in the first) takes the value
    // and leaves the table.
    const bool next = hint == QAbstractItemDelegate::EditNextItem;
    if ((next || hint == QAbstractItemDelegate::EditPreviousItem) && !editableCell(currentIndex(), next).isValid()) {
        QTableWidget::closeEditor(editor, QAbstractItemDelegate::NoHint);
        QWidget::focusNextPrevChild(next);
        return;
    }
    QTableWidget::closeEditor(editor, hint);
}

void FieldGrid::focusInEvent(QFocusEvent* e)
{
    QTableWidget::focusInEvent(e);
    // Coming in with Tab starts at the first editable cell, with Shift+Tab at the last.
    if (e->reason() == Qt::TabFocusReason || e->reason() == Qt::BacktabFocusReason)
        if (const QModelIndex to = editableCell({}, e->reason() == Qt::TabFocusReason);
            to.isValid() && to != currentIndex())
            setCurrentIndex(to);
}

// ------------------------------------------------------------------ binder

FieldBinder::FieldBinder(const fields::Page& page, Language lang, QWidget* owner)
    : QObject(owner), page_(page), lang_(lang), widgets_(std::size_t(page.size()), nullptr),
      labels_(std::size_t(page.size()), nullptr)
{
    for (int i = 0; i < page.size(); ++i)
        texts_ << QString();
}

QLabel* FieldBinder::label(int i, QWidget* parent)
{
    auto* l = new QLabel(page_.field(i).label(lang_), parent);
    labels_[std::size_t(i)] = l;
    if (widgets_[std::size_t(i)])
        l->setBuddy(widgets_[std::size_t(i)]);
    return l;
}

QWidget* FieldBinder::make(int i, QWidget* parent, bool spin)
{
    const fields::Field& f = page_.field(i);
    QWidget* w = nullptr;
    switch (f.kind) {
    case Kind::List: {
        auto* c = new QComboBox(parent);
        c->addItems(f.items(context()));
        c->setMaxVisibleItems(9);
        connect(c, &QComboBox::currentIndexChanged, this, [this, i, c] {
            if (loading_)
                return;
            const QString before = texts_[i];
            texts_[i] = c->currentIndex() >= 0 ? c->currentText() : c->placeholderText();
            onChanged(i, before);
        });
        w = c;
        break;
    }
    case Kind::Check: {
        auto* c = new QCheckBox(f.label(lang_), parent);
        connect(c, &QCheckBox::toggled, this, [this, i](bool on) {
            if (loading_)
                return;
            const QString before = texts_[i];
            texts_[i] = fields::checkText(on, lang_);
            onChanged(i, before);
        });
        w = c;
        break;
    }
    case Kind::Number:
    case Kind::Text: {
        QLineEdit* edit = nullptr;
        if (spin && f.spin) {
            auto* s = new FieldSpinBox(this, i, parent);
            connect(s, &QAbstractSpinBox::editingFinished, this, [this, i] { normaliseField(i); });
            edit = s->findChild<QLineEdit*>();
            w = s;
        } else {
            edit = new QLineEdit(parent);
            edit->setValidator(new FieldValidator(this, i, edit));
            if (f.maxLength > 0)
                edit->setMaxLength(f.maxLength);
            connect(edit, &QLineEdit::editingFinished, this, [this, i] { normaliseField(i); });
            w = edit;
        }
        connect(edit, &QLineEdit::textEdited, this, [this, i](const QString& t) {
            const QString before = texts_[i];
            texts_[i] = t;
            onChanged(i, before);
        });
        break;
    }
    }
    w->setObjectName(QStringLiteral("field%1").arg(i));
    widgets_[std::size_t(i)] = w;
    if (labels_[std::size_t(i)])
        labels_[std::size_t(i)]->setBuddy(w);
    return w;
}

FieldGrid* FieldBinder::makeGrid(const std::vector<std::vector<int>>& cells, const QStringList& headers,
                                 QWidget* parent)
{
    auto* g = new FieldGrid(this, cells, headers, parent);
    grids_.push_back(g);
    return g;
}

QString FieldBinder::widgetText(int i) const
{
    QWidget* w = widgets_[std::size_t(i)];
    if (!w)
        return texts_[i];
    if (auto* c = qobject_cast<QComboBox*>(w))
        return c->currentIndex() >= 0 ? c->currentText() : c->placeholderText();
    if (auto* c = qobject_cast<QCheckBox*>(w))
        return fields::checkText(c->isChecked(), lang_);
    if (auto* s = qobject_cast<QAbstractSpinBox*>(w))
        return s->text();
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return e->text();
    return texts_[i];
}

void FieldBinder::setWidgetText(int i, const QString& text)
{
    QWidget* w = widgets_[std::size_t(i)];
    if (!w)
        return;
    if (auto* c = qobject_cast<QComboBox*>(w)) {
        const int index = c->findText(text, Qt::MatchExactly);
        c->setCurrentIndex(index);
        // A value no item shows (a time-out of 300) stays visible until another is chosen.
        c->setPlaceholderText(index < 0 ? text : QString());
    } else if (auto* c = qobject_cast<QCheckBox*>(w)) {
        c->setChecked(fields::parseCheck(text).value_or(false));
    } else if (auto* s = qobject_cast<QAbstractSpinBox*>(w)) {
        s->findChild<QLineEdit*>()->setText(text);
    } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
        // A stored text longer than the box allows stays whole until the user edits it.
        const int n = page_.field(i).maxLength;
        e->setMaxLength(std::max(n > 0 ? n : 32767, int(text.size())));
        e->setText(text);
    }
}

void FieldBinder::setTexts(const QStringList& texts)
{
    loading_ = true;
    texts_ = texts;
    for (int i = 0; i < page_.size(); ++i)
        setWidgetText(i, texts.value(i));
    for (FieldGrid* g : grids_)
        for (int r = 0; r < g->rowCount(); ++r)
            for (int c = 1; c < g->columnCount(); ++c)
                if (const int f = g->fieldAt(r, c); f >= 0)
                    g->item(r, c)->setText(texts.value(f));
    loading_ = false;
    refreshEnabled();
}

void FieldBinder::load(const RadioImage& img) { setTexts(page_.load(img, context())); }

QStringList FieldBinder::texts() const
{
    QStringList t = texts_;
    for (int i = 0; i < page_.size(); ++i)
        if (widgets_[std::size_t(i)])
            t[i] = widgetText(i);
    return t;
}

void FieldBinder::store(RadioImage& img)
{
    for (FieldGrid* g : grids_)
        g->commit();
    page_.store(img, texts(), context());
}

void FieldBinder::setText(int i, const QString& text)
{
    texts_[i] = text;
    for (FieldGrid* g : grids_)
        for (int r = 0; r < g->rowCount(); ++r)
            for (int c = 1; c < g->columnCount(); ++c)
                if (g->fieldAt(r, c) == i)
                    g->item(r, c)->setText(text);
}

void FieldBinder::normaliseField(int i)
{
    const QString t = widgetText(i);
    const QString n = page_.normalise(i, t);
    if (n != t)
        setWidgetText(i, n);
    texts_[i] = n;
}

void FieldBinder::onChanged(int i, const QString& before)
{
    QStringList page = texts();
    page[i] = texts_[i];
    const QStringList was = page;
    page_.changed(i, before, page);
    if (page != was) {
        loading_ = true;
        for (int k = 0; k < page_.size(); ++k)
            if (page[k] != was[k]) {
                texts_[k] = page[k];
                setWidgetText(k, page[k]);
            }
        loading_ = false;
    }
    refreshEnabled();
}

void FieldBinder::refreshEnabled()
{
    const QStringList page = texts();
    for (int i = 0; i < page_.size(); ++i) {
        const bool on = page_.enabled(i, page);
        if (QWidget* w = widgets_[std::size_t(i)])
            w->setEnabled(on);
        if (QLabel* l = labels_[std::size_t(i)])
            l->setEnabled(on);
    }
}

int FieldBinder::fieldOf(const QWidget* w) const
{
    for (; w; w = w->parentWidget()) {
        for (int i = 0; i < page_.size(); ++i)
            if (widgets_[std::size_t(i)] == w)
                return i;
        for (FieldGrid* g : grids_)
            if (g == w) {
                const int f = g->fieldAt(g->currentRow(), g->currentColumn());
                return f >= 0 ? f : g->fieldAt(0, 1);
            }
    }
    return -1;
}

int FieldBinder::helpFor(const QWidget* w) const
{
    const int f = fieldOf(w);
    return f >= 0 ? page_.field(f).help : 0;
}

} // namespace zemtar::ui
