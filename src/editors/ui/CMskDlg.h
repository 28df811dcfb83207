#pragma once
#include "CFieldDialog.h"

namespace zemtar::ui {

// MSK: the radio's own MSK ID code and the nine identities it calls. OK stores (an open
// cell editor first), Cancel stores nothing.
class CMskDlg : public CFieldDialog {
    Q_OBJECT
public:
    CMskDlg(RadioImage& image, Language lang, QWidget* parent = nullptr);
    FieldBinder* idBinder() const { return id_; }
    FieldBinder* callBinder() const { return calls_; }
    FieldGrid* grid() const { return grid_; }
    void accept() override;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    FieldBinder* id_;
    FieldBinder* calls_;
    FieldGrid* grid_;
};

} // namespace zemtar::ui
