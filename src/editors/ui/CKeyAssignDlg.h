#pragma once
#include "CFieldDialog.h"

class QButtonGroup;

namespace zemtar::ui {

// Key Assignment: what the radio's side key does.
class CKeyAssignDlg : public CFieldDialog {
    Q_OBJECT
public:
    CKeyAssignDlg(RadioImage& image, Language lang, QWidget* parent = nullptr);
    QButtonGroup* choices() const { return group_; }
    void accept() override;

private:
    QButtonGroup* group_;
    QStringList loaded_;
};

} // namespace zemtar::ui
