#pragma once
#include "link/PowerCalibration.h"
#include "link/SerialLink.h"
#include "link/TransferEngine.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>

class QWidget;

namespace zemtar::ui {

class CProcessDlg;

// The radio link of one document's window: the port, Read, Write, Verify, Com Setup and the
// power adjustment. It reaches the document only through what it is given, so the channel
// table and the link know nothing of each other.
class CLinkController : public QObject {
    Q_OBJECT
public:
    struct Document {
        std::function<RadioImage&()> image;
        std::function<void()> commit; // the editor in progress into the table
        std::function<void()> store;  // the table into the image
        std::function<void(const QString& what, const std::function<void()>& change)> change; // one undo step
        std::function<void()> refill; // after a read replaced the image
        std::function<BandLimits()> band;
        std::function<QWidget*()> window;
        std::function<QString()> bandNote; // what the status bar says of a band the image does not give
        std::function<void()> focusTable;  // the keyboard to the table's current cell, its editor open
    };

    explicit CLinkController(Document doc, QObject* parent = nullptr);

    SerialLink m_link;
    bool m_bWriteMode = false;
    bool m_bVerifyMode = false; // a read that compares instead of replacing the document

    CProcessDlg* processDialog() const { return m_pProcessDlg; }
    bool transferRunning() const { return running_; }
    LinkOutcome lastOutcome() const { return lastOutcome_; }
    // The band the radio identified itself with at the last read.
    std::optional<Band> radioBand() const { return radioBand_; }

    void OnRead();
    void OnWrite();
    // Reads the radio and compares it with the document (its table stored first).
    void OnVerify();
    void OnStartTransfer();
    void OnComSetup();
    void OnPowerDebug(PowerCalibration::Kind kind);

signals:
    // A line for the status bar (a transfer that succeeded says so there, without a box).
    void statusText(const QString& text);

private:
    void openProcessDialog(bool writing, bool verifying = false);
    void returnFocus();
    QPointer<QWidget> focusBefore_; // where the keyboard was when the progress window opened
    // Reads the radio into a copy of the document and keeps what differs for the window shown
    // when the transfer has ended; false when the read failed (its message was shown).
    bool verifyRadio(TransferEngine& engine);

    Document doc_;
    CProcessDlg* m_pProcessDlg = nullptr;
    bool running_ = false;
    LinkOutcome lastOutcome_ = LinkOutcome::Success;
    std::optional<Band> radioBand_;
    std::optional<QStringList> verifyResult_;
};

} // namespace zemtar::ui
