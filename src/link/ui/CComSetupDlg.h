#pragma once
#include <QDialog>

class QRadioButton;

namespace zemtar::ui {

class CZemtarView;

// Chooses the serial port: com1..com4, greyed when the device cannot be opened now.
class CComSetupDlg : public QDialog {
    Q_OBJECT
public:
    CComSetupDlg(CZemtarView* view, QWidget* parent = nullptr);

    int m_nPort = 0; // 0 = com1 .. 3 = com4
    QRadioButton* button(int index) const { return buttons_[index]; }
    void accept() override;

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    CZemtarView* view_;
    QRadioButton* buttons_[4];
};

} // namespace zemtar::ui
