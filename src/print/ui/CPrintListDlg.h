#pragma once
// PrintList: which sections of the report to print.
#include "print/Report.h"

#include <QDialog>

class QCheckBox;

namespace zemtar::ui {

class CPrintListDlg : public QDialog {
    Q_OBJECT
public:
    explicit CPrintListDlg(QWidget* parent = nullptr);
    report::Selection selection() const;
    QCheckBox* check(int section) const { return checks_.value(section); }

private:
    QList<QCheckBox*> checks_;
};

} // namespace zemtar::ui
