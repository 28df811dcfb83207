#pragma once
#include "link/PortNames.h"
#include "link/SerialLink.h"

#include <QDialog>
#include <QHash>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QRadioButton;
class QTimer;
class QVBoxLayout;

namespace zemtar::ui {

// Chooses the serial port: com1..com4 (with the device each stands for), then every serial
// port the system has, USB adapters first, each with the reason it cannot be opened now, if
// any. The list follows cables plugged in and pulled while the window is open, and each port's
// state (a lock taken or given back, a permission changed) without moving the user's choice.
class CComSetupDlg : public QDialog {
    Q_OBJECT
public:
    // OK sets the port of `link` and remembers it in the per-user settings: "com" = 1..4 for
    // com1..com4; another port by its stable path ("Port"), so the adapter is found again
    // after it is plugged into another socket.
    CComSetupDlg(SerialLink& link, QWidget* parent = nullptr);

    int m_nPort = 0; // 0 = com1 .. 3 = com4; -1 for another port
    QRadioButton* button(int index) const { return buttons_[index]; }
    QLabel* adviceLabel() const { return advice_; }
    // The other ports as listed now, and their buttons, in the same order.
    const QList<ports::PortEntry>& otherPorts() const { return others_; }
    QList<QRadioButton*> otherButtons() const { return otherButtons_; }
    void accept() override;
    // Looks at the system's ports again (the timer does it each second).
    void refresh();

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    QString entryText(const ports::PortEntry& e) const;
    QString failureText(const OpenFailure& f) const;
    // Probes the port again when what can be seen of it changed since `slot` was last probed.
    void recheck(ports::PortEntry& e, const QString& slot);
    // The system's other ports now, with the states known so far, and the remembered and the
    // chosen port while they are unplugged (shown as absent).
    QList<ports::PortEntry> merged(QList<ports::PortEntry> now);
    // Puts others_ into the buttons, keeping the buttons of the ports still there.
    void showOthers();
    void showEntry(QRadioButton* b, const ports::PortEntry& e) const;
    // What to do about a port the user may not open: the chosen one, else the first listed.
    void showAdvice();

    SerialLink& link_;
    QRadioButton* buttons_[4];
    QButtonGroup* group_;
    QGroupBox* othersBox_;
    QVBoxLayout* othersLayout_;
    QLabel* noOthers_;
    QLabel* advice_;
    ports::PortEntry named_[4];
    QList<ports::PortEntry> others_;
    QHash<QString, QByteArray> seen_; // what was seen of each listed port when it was probed
    QList<QRadioButton*> otherButtons_;
    QTimer* timer_;
    QString remembered_; // the other port chosen last time, if any
};

} // namespace zemtar::ui
