#pragma once
// The windows of channel lists in files: what an import would do before it does it, and the
// differences of a document and a data file.
#include <QDialog>
#include <QStringList>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace zemtar::ui {

// The rows of a channel list that do not fit, and the values taken otherwise than given.
// Accepted with Import (nothing refused) or Import the Rest (some rows fit, the refused ones
// are left out); Cancel changes nothing. With no row that fits, only Close is offered.
class CImportPlanDlg : public QDialog {
    Q_OBJECT
public:
    // `badRows`: the rows the problems belong to (a row may have several).
    CImportPlanDlg(const QString& fileName, const QStringList& problems, int badRows, const QStringList& notes,
                   int rowsThatFit, QWidget* parent = nullptr);
    QLabel* summary() const { return summary_; }
    QPlainTextEdit* list() const { return list_; }
    // Import or Import the Rest; nullptr when nothing can be imported.
    QPushButton* importButton() const { return import_; }

private:
    QLabel* summary_;
    QPlainTextEdit* list_;
    QPushButton* import_ = nullptr;
};

// The differences of the active document and a data file, one line each, as Verify lists them.
class CCompareDlg : public QDialog {
    Q_OBJECT
public:
    CCompareDlg(const QStringList& differences, const QString& document, const QString& other,
                QWidget* parent = nullptr);
    QLabel* summary() const { return summary_; }
    QPlainTextEdit* list() const { return list_; }

private:
    QLabel* summary_;
    QPlainTextEdit* list_;
};

} // namespace zemtar::ui
