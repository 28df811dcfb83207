#pragma once
#include "CFieldDialog.h"

class QTabWidget;

namespace zemtar::ui {

// 2-Tone: the encode page (timings and the 32 tone pairs) and the decode sheet of eight
// codes. Each page loads when shown and stores, with the bytes the radio derives from it,
// when hidden; closing the dialog stores the page on screen.
class CTwoToneDlg : public CFieldDialog {
    Q_OBJECT
public:
    CTwoToneDlg(RadioImage& image, Language lang, QWidget* parent = nullptr);
    QTabWidget* tabs() const { return tabs_; }
    QTabWidget* decodeTabs() const { return decodeTabs_; }
    FieldBinder* encode() const { return encode_; }
    FieldBinder* encodeList() const { return list_; }
    FieldBinder* decode(int code) const { return decode_.value(code - 1); }
    FieldGrid* grid() const { return grid_; }

private:
    QTabWidget* tabs_;
    QTabWidget* decodeTabs_;
    FieldBinder* encode_;
    FieldBinder* list_;
    QList<FieldBinder*> decode_;
    FieldGrid* grid_;
};

} // namespace zemtar::ui
