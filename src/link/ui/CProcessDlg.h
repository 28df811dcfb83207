#pragma once
#include <QDialog>
#include <QElapsedTimer>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace zemtar::ui {

// The small progress window of a read or write: Start runs the transfer, Cancel stops it
// at its next pause (or closes the window while nothing runs).
class CProcessDlg : public QDialog {
    Q_OBJECT
public:
    explicit CProcessDlg(QWidget* parent = nullptr);

    QString m_strCaption;
    bool m_bCancel = false;

    void OnInitDialog();
    void setProgress(int value, int maximum);
    // A status line, also said by a screen reader.
    void setStatus(const QString& text);
    // How far the transfer is: shown at each block, said at a pace a listener can follow
    // (a tenth of the way, at most one line in kAnnounceMs, and the last block).
    void setBlockProgress(int block, int blocks, const QString& text);
    static constexpr int kAnnounceMs = 3000;
    bool running() const { return running_; }
    void setRunning(bool on);

    QPushButton* startButton() const { return start_; }
    QPushButton* cancelButton() const { return cancel_; }
    QLabel* statusLabel() const { return status_; }
    // "Verify after writing": shown for a write only.
    QCheckBox* verifyBox() const { return verify_; }
    void showVerifyChoice(bool on);
    QProgressBar* progressBar() const { return bar_; }

signals:
    void startTransfer();

protected:
    void reject() override;
    void closeEvent(QCloseEvent* e) override;

private:
    QPushButton* start_;
    QPushButton* cancel_;
    QLabel* status_;
    QProgressBar* bar_;
    QCheckBox* verify_;
    bool running_ = false;
    QElapsedTimer announced_; // since the last line said
    int announcedTenth_ = -1;
    void announce(const QString& text);
};

} // namespace zemtar::ui
