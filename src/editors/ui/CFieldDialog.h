#pragma once
// The base of the settings dialogs: F1 opens help at the focused field's context.
#include "FieldBinder.h"

#include <QDialog>

namespace zemtar::ui {

class CFieldDialog : public QDialog {
    Q_OBJECT
public:
    CFieldDialog(RadioImage& image, Language lang, QWidget* parent);

    // The help context F1 opens now: the focused field's, else the dialog's own.
    int helpContext() const;

protected:
    FieldBinder* bind(const fields::Page& page);
    void keyPressEvent(QKeyEvent* e) override;

    RadioImage& image_;
    Language lang_;
    QList<FieldBinder*> binders_;
    int defaultHelp_ = 0;
};

} // namespace zemtar::ui
