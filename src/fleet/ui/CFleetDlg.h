#pragma once
#include "fleet/FleetJob.h"
#include "fleet/Units.h"

#include <QDialog>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace zemtar {
class CIniFile;
}

namespace zemtar::ui {

// Program Many Radios: the active document as template, units loaded from a table or
// generated, the ports to use, and one row per port while the job runs on worker threads.
class CFleetDlg : public QDialog {
    Q_OBJECT
public:
    CFleetDlg(const RadioImage& templ, const QString& templateName, const CIniFile& setup, QWidget* parent = nullptr);
    ~CFleetDlg() override;

    // What the log names as the template, as the command line does: the template's file in
    // full (unset: the template's name).
    void setTemplateFile(const QString& file) { templateFile_ = file; }

    // Units from a table file or from the sequence field; false (and a message) on a problem.
    bool loadUnits(const QString& path);
    bool generateUnits();
    bool start();
    bool running() const { return runner_.joinable(); }
    QString logPath() const { return logPath_; }
    QString logText() const;

    QLineEdit* sequenceEdit() const { return sequence_; }
    QCheckBox* askBox() const { return ask_; }
    QList<QCheckBox*> portBoxes() const { return portBoxes_; }
    QPushButton* startButton() const { return start_; }
    QPushButton* nextButton(int port) const { return rows_.value(port).next; }
    QProgressBar* progressBar(int port) const { return rows_.value(port).bar; }
    QLabel* unitsLabel() const { return unitsLabel_; }
    // The log the job appends to; empty: fleet-log.csv in the application's data folder.
    QLineEdit* logEdit() const { return logEdit_; }
    // The last job's outcome, shown under the log (never written into it).
    QLabel* summaryLabel() const { return summary_; }
    // What a port's row says of its unit: writing, verifying and how far.
    QLabel* unitLabel(int port) const { return rows_.value(port).unit; }

signals:
    void finished();

protected:
    void closeEvent(QCloseEvent* e) override;
    void reject() override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void onFinished();
    void saveLog();
    void appendLog(const fleet::LogEntry& e);
    void setUnits(const fleet::UnitsTable& t, const QString& where);
    void release(int port);

    RadioImage template_;
    const CIniFile& setup_;
    QStringList models_;
    fleet::UnitsTable units_;
    QList<RadioImage> images_;
    QString logPath_;
    QString templateName_;
    QString templateFile_;
    QString logNote_; // what starting found in the log (an earlier header brought up to date)
    QLineEdit* logEdit_;
    QLabel* summary_;
    QStringList problems_; // log lines that could not be written, in the last job

    QLabel* unitsLabel_;
    QLineEdit* sequence_;
    QCheckBox* ask_;
    QList<QCheckBox*> portBoxes_;
    QStringList portNames_;
    QPushButton* start_;
    QPushButton* stop_;
    QPushButton* save_;
    QPlainTextEdit* log_;
    struct Row {
        QLabel* unit = nullptr;
        QProgressBar* bar = nullptr;
        QPushButton* next = nullptr;
        QString current; // the unit on the port
        bool verifying = false;
    };
    QList<Row> rows_; // by index of portNames_

    std::unique_ptr<fleet::Job> job_;
    QList<int> jobPorts_; // job port -> index of portNames_
    std::thread runner_;
    std::mutex waitMutex_;
    std::condition_variable waitCv_;
    QList<bool> go_; // per job port: the operator said "Next radio"
};

} // namespace zemtar::ui
