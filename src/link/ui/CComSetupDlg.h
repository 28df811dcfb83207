#pragma once
#include "link/SerialLink.h"

#include <QDialog>

class QRadioButton;

namespace zemtar::ui {

// Chooses the serial port: com1..com4, greyed when the device cannot be opened now.
class CComSetupDlg : public QDialog {
    Q_OBJECT
public:
    // OK sets the port of `link` and remembers it in the per-user settings.
    CComSetupDlg(SerialLink& link, QWidget* parent = nullptr);

    int m_nPort = 0; // 0 = com1 .. 3 = com4
    QRadioButton* button(int index) const { return buttons_[index]; }
    void accept() override;

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    SerialLink& link_;
    QRadioButton* buttons_[4];
};

} // namespace zemtar::ui
