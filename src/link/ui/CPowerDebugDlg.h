#pragma once
#include "link/PowerCalibration.h"

#include <QDialog>
#include <QTimer>

class QLabel;
class QScrollBar;

namespace zemtar::ui {

// High or low power adjustment: the value goes to the radio a second after the user last let
// go of the scroll bar; closing the window drops an update not sent yet and takes the radio
// out of the adjust mode.
class CPowerDebugDlg : public QDialog {
    Q_OBJECT
public:
    // `port` names the port and its device as the status lines do ("com1 (/dev/ttyUSB0)").
    CPowerDebugDlg(PowerCalibration& calibration, int storedValue, const QString& port, QWidget* parent = nullptr);

    QScrollBar* bar() const { return m_ctlPower; }
    QString positionText() const;
    QLabel* statusLabel() const { return status_; }
    // What happens when the user finishes a scroll action.
    void endScroll();

    void reject() override; // Cancel, Esc and the close box

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void showPosition();
    void sendPosition();

    PowerCalibration& cal_;
    QScrollBar* m_ctlPower;
    QLabel* position_;
    QLabel* status_;
    QString port_;
    int m_nPower;
    QTimer delay_;                // the second between letting go and sending
    bool updating_ = false;       // an update is being sent
    bool pending_ = false;        // a scroll ended meanwhile: send once more
    bool closeRequested_ = false; // the window was closed meanwhile
    bool stopped_ = false;        // the link was given up: nothing more is sent
};

} // namespace zemtar::ui
