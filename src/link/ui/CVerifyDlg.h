#pragma once
#include <QDialog>

class QPlainTextEdit;
class QLabel;

namespace zemtar::ui {

// What a verify found: "The radio holds exactly this document.", or one line per difference.
class CVerifyDlg : public QDialog {
    Q_OBJECT
public:
    CVerifyDlg(const QStringList& differences, const QString& port, QWidget* parent = nullptr);
    QPlainTextEdit* list() const { return list_; }
    QLabel* summary() const { return summary_; }

private:
    QLabel* summary_;
    QPlainTextEdit* list_;
};

} // namespace zemtar::ui
