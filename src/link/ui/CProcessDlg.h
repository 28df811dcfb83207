#pragma once
#include <QDialog>

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
    void setStatus(const QString& text);
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
};

} // namespace zemtar::ui
