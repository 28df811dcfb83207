#include "CFieldDialog.h"

#include "shell/ui/HelpLauncher.h"

#include <QKeyEvent>

namespace zemtar::ui {

CFieldDialog::CFieldDialog(RadioImage& image, Language lang, QWidget* parent)
    : QDialog(parent), image_(image), lang_(lang)
{
}

FieldBinder* CFieldDialog::bind(const fields::Page& page)
{
    auto* b = new FieldBinder(page, lang_, this);
    binders_ << b;
    return b;
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
        help::show(helpContext());
        return;
    }
    QDialog::keyPressEvent(e);
}

} // namespace zemtar::ui
