#pragma once
// The base of the settings dialogs: F1 opens help at the focused field's context.
#include "FieldBinder.h"

#include <QDialog>

class QFormLayout;
class QTabWidget;

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
    // The dialog's object name, caption and the help topic of the dialog itself.
    void setUp(const char* name, const QString& title, int help);
    // A tab widget ("tabs") whose tab changes store the page that went and load the new one.
    QTabWidget* makeTabs(QWidget* parent, const char* name = "tabs");
    // A row of label and box per field, each box at most (or exactly) `width` pixels wide.
    enum class Width { AtMost, Exactly };
    void addRows(QFormLayout* form, FieldBinder* binder, const QList<int>& fields, QWidget* parent, int width,
                 Width how = Width::AtMost);
    // The tabs above a Close button, the dialog `width` wide (and `height` high, 0: as it needs),
    // the first page loaded.
    void finishTabbed(QTabWidget* tabs, int width, int height = 0);
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
