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

    // Tabbed dialogs: the page on screen, or -1.
    int currentPage() const { return current_; }

protected:
    FieldBinder* bind(const fields::Page& page);
    // A dialog page that loads its fields when it is shown and stores them when it is
    // hidden (a tab change, closing the dialog).
    void addPage(QWidget* page, const QList<FieldBinder*>& binders);
    // Called when a tab changes: stores the page that went, loads the one now on screen.
    void pageShown();
    void done(int r) override;
    void keyPressEvent(QKeyEvent* e) override;

    RadioImage& image_;
    Language lang_;
    QList<FieldBinder*> binders_;
    int defaultHelp_ = 0;

private:
    struct ShownPage {
        QWidget* widget;
        QList<FieldBinder*> binders;
    };
    QList<ShownPage> pages_;
    int current_ = -1;
};

} // namespace zemtar::ui
