#pragma once
#include "CFieldDialog.h"

class QTabWidget;

namespace zemtar::ui {

// DTMF: how the radio sends DTMF digits, which codes it answers and its stun code, and nine
// fast-call numbers, on three tabs. Each tab loads when shown and stores when hidden;
// closing the dialog stores the tab on screen.
class CDtmfDlg : public CFieldDialog {
    Q_OBJECT
public:
    CDtmfDlg(RadioImage& image, Language lang, QWidget* parent = nullptr);
    QTabWidget* tabs() const { return tabs_; }
    FieldBinder* encode() const { return encode_; }
    FieldBinder* decode() const { return decode_; }
    FieldBinder* callList() const { return calls_; }
    FieldGrid* grid() const { return grid_; }

private:
    QTabWidget* tabs_;
    FieldBinder* encode_;
    FieldBinder* decode_;
    FieldBinder* calls_;
    FieldGrid* grid_;
};

} // namespace zemtar::ui
