#include "CFieldDialog.h"

#include "shell/ui/HelpLauncher.h"

#include "shell/ui/MessageBox.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zemtar::ui {

CFieldDialog::CFieldDialog(RadioImage& image, Language lang, QWidget* parent)
    : QDialog(parent), image_(image), lang_(lang)
{
}

void CFieldDialog::setUp(const char* name, const QString& title, int help)
{
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(title);
    defaultHelp_ = help;
}

QTabWidget* CFieldDialog::makeTabs(QWidget* parent, const char* name)
{
    auto* tabs = new QTabWidget(parent);
    tabs->setObjectName(QString::fromLatin1(name));
    connect(tabs, &QTabWidget::currentChanged, this, &CFieldDialog::pageShown);
    return tabs;
}

void CFieldDialog::addRows(QFormLayout* form, FieldBinder* binder, const QList<int>& fields, QWidget* parent, int width,
                           Width how)
{
    for (int i : fields) {
        QWidget* w = binder->make(i, parent, true);
        if (how == Width::Exactly)
            w->setFixedWidth(width);
        else
            w->setMaximumWidth(width);
        form->addRow(binder->label(i, parent), w);
    }
}

void CFieldDialog::finishTabbed(QTabWidget* tabs, int width, int height)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    translateButtons(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);
    resize(width, height > 0 ? height : sizeHint().height());
    pageShown(); // the first page is on screen
}

FieldBinder* CFieldDialog::bind(const fields::Page& page)
{
    auto* b = new FieldBinder(page, lang_, this);
    binders_ << b;
    return b;
}

void CFieldDialog::addPage(QWidget* page, const QList<FieldBinder*>& binders) { pages_.append({page, binders}); }

void CFieldDialog::pageShown()
{
    int shown = -1;
    for (int i = 0; i < pages_.size(); ++i)
        if (pages_[i].widget->isVisibleTo(this))
            shown = i;
    if (shown == current_)
        return;
    if (current_ >= 0)
        for (FieldBinder* b : pages_[current_].binders)
            b->store(image_);
    current_ = shown;
    if (current_ >= 0)
        for (FieldBinder* b : pages_[current_].binders)
            b->load(image_);
}

void CFieldDialog::done(int r)
{
    // Closing hides the page on screen, which stores it.
    if (current_ >= 0)
        for (FieldBinder* b : pages_[current_].binders)
            b->store(image_);
    current_ = -1;
    QDialog::done(r);
}

int CFieldDialog::helpContext() const
{
    for (const FieldBinder* b : binders_)
        if (const int id = b->helpFor(focusWidget()))
            return id;
    return defaultHelp_;
}

void CFieldDialog::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_F1) {
        help::show(this, helpContext());
        return;
    }
    QDialog::keyPressEvent(e);
}

} // namespace zemtar::ui
