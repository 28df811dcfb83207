#pragma once
#include "CFieldDialog.h"

namespace zemtar::ui {

// Optional Features: the radio's general options, its PTT ID texts and its data password.
// OK stores what was changed; Cancel stores nothing.
class COptionalFeaturesDlg : public CFieldDialog {
    Q_OBJECT
public:
    COptionalFeaturesDlg(RadioImage& image, Language lang, QWidget* parent = nullptr);
    FieldBinder* binder() const { return binder_; }
    void accept() override;

private:
    FieldBinder* binder_;
};

} // namespace zemtar::ui
