#include "CFleetDlg.h"

#include "editors/ProductInfo.h"
#include "image/AtomicFile.h"
#include "link/SerialLink.h"
#include "shell/Messages.h"
#include "shell/ui/AppGlobals.h"
#include "shell/ui/Legibility.h"
#include "shell/ui/MessageBox.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace zemtar::ui {

namespace {
constexpr qint64 kMaxUnitsTable = 16 << 20;
}

CFleetDlg::CFleetDlg(const RadioImage& templ, const QString& templateName, const CIniFile& setup, QWidget* parent)
    : QDialog(parent), template_(templ), setup_(setup), models_(productinfo::modelNames(setup)),
      templateName_(templateName)
{
    setObjectName(QStringLiteral("fleetDialog"));
    setWindowTitle(tr("Program Many Radios"));
    // The body scrolls on a screen too small for it; the buttons below it stay in view.
    auto* outer = new QVBoxLayout(this);
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(tr("Template: %1 (the active document)").arg(templateName), this));

    auto* unitsBox = new QGroupBox(tr("Units"), this);
    auto* ug = new QGridLayout(unitsBox);
    auto* load = new QPushButton(tr("Load Units..."), unitsBox);
    load->setObjectName(QStringLiteral("loadUnits"));
    sequence_ = new QLineEdit(QStringLiteral("MSK/ID Code=1001..1040"), unitsBox);
    sequence_->setObjectName(QStringLiteral("sequence"));
    auto* generate = new QPushButton(tr("Generate"), unitsBox);
    generate->setObjectName(QStringLiteral("generate"));
    unitsLabel_ = new QLabel(tr("No units yet."), unitsBox);
    unitsLabel_->setObjectName(QStringLiteral("units"));
    unitsLabel_->setWordWrap(true);
    ug->addWidget(load, 0, 0);
    ug->addWidget(new QLabel(tr("or generate:"), unitsBox), 0, 1);
    ug->addWidget(sequence_, 0, 2);
    ug->addWidget(generate, 0, 3);
    ug->addWidget(unitsLabel_, 1, 0, 1, 4);
    ug->setColumnStretch(2, 1);
    layout->addWidget(unitsBox);
    connect(load, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, tr("Load Units"), QString(), tr("Units table (*.csv)"));
        if (!path.isEmpty())
            loadUnits(path);
    });
    connect(generate, &QPushButton::clicked, this, &CFleetDlg::generateUnits);
    sequence_->installEventFilter(this); // Enter there generates, it does not start the job

    auto* portsBox = new QGroupBox(tr("Ports"), this);
    auto* pg = new QGridLayout(portsBox);
    for (int i = 1; i <= 4; ++i) {
        const QString name = QStringLiteral("com%1").arg(i);
        portNames_ << name;
        auto* box = new QCheckBox(QStringLiteral("%1 (%2)").arg(name, SerialLink::devicePath(name, &setup_)), portsBox);
        box->setObjectName(QStringLiteral("port%1").arg(i));
        box->setChecked(i == 1);
        portBoxes_ << box;
        Row row;
        row.bar = new QProgressBar(portsBox);
        row.bar->setTextVisible(false);
        row.bar->setAccessibleName(tr("Progress on %1").arg(name));
        row.unit = new QLabel(portsBox);
        row.unit->setMinimumWidth(160);
        row.next = new QPushButton(tr("Next radio"), portsBox);
        row.next->setObjectName(QStringLiteral("next%1").arg(i));
        row.next->setAccessibleName(tr("Next radio on %1").arg(name));
        row.next->setEnabled(false);
        rows_ << row;
        pg->addWidget(box, i - 1, 0);
        pg->addWidget(row.bar, i - 1, 1);
        pg->addWidget(row.unit, i - 1, 2);
        pg->addWidget(row.next, i - 1, 3);
        const int index = i - 1;
        connect(row.next, &QPushButton::clicked, this, [this, index] {
            const int jobPort = int(jobPorts_.indexOf(index));
            if (jobPort >= 0)
                release(jobPort);
        });
    }
    pg->setColumnStretch(1, 1);
    ask_ = new QCheckBox(tr("Ask before each radio (\"Next radio\" when it is connected)"), portsBox);
    ask_->setObjectName(QStringLiteral("ask"));
    ask_->setChecked(true);
    pg->addWidget(ask_, 4, 0, 1, 4);
    layout->addWidget(portsBox);

    auto* logRow = new QHBoxLayout;
    auto* logLabel = new QLabel(tr("Log:"), this);
    logRow->addWidget(logLabel);
    logEdit_ = new QLineEdit(this);
    logEdit_->setObjectName(QStringLiteral("logPath"));
    logLabel->setBuddy(logEdit_);
    logEdit_->setPlaceholderText(tr("fleet-log.csv in the application's data folder"));
    logRow->addWidget(logEdit_, 1);
    auto* chooseLog = new QPushButton(tr("Choose..."), this);
    chooseLog->setObjectName(QStringLiteral("chooseLog"));
    chooseLog->setAutoDefault(false);
    logRow->addWidget(chooseLog);
    layout->addLayout(logRow);
    connect(chooseLog, &QPushButton::clicked, this, [this] {
        // An existing log is appended to, not replaced.
        const QString path = QFileDialog::getSaveFileName(this, tr("Log"), logEdit_->text(), tr("Log (*.csv)"), nullptr,
                                                          QFileDialog::DontConfirmOverwrite);
        if (!path.isEmpty())
            logEdit_->setText(path);
    });

    log_ = new QPlainTextEdit(this);
    log_->setObjectName(QStringLiteral("log"));
    log_->setAccessibleName(tr("Job log"));
    log_->setReadOnly(true);
    log_->setLineWrapMode(QPlainTextEdit::NoWrap);
    log_->setMinimumHeight(160);
    layout->addWidget(log_, 1);
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("summary"));
    summary_->setWordWrap(true);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(summary_);

    auto* buttons = new QHBoxLayout;
    start_ = new QPushButton(tr("Start"), this);
    start_->setObjectName(QStringLiteral("start"));
    start_->setDefault(true);
    stop_ = new QPushButton(tr("Stop"), this);
    stop_->setObjectName(QStringLiteral("stop"));
    stop_->setEnabled(false);
    stop_->setAutoDefault(false);
    save_ = new QPushButton(tr("Save Log..."), this);
    save_->setObjectName(QStringLiteral("saveLog"));
    save_->setAutoDefault(false);
    auto* close = new QPushButton(tr("Close"), this);
    close->setAutoDefault(false);
    buttons->addWidget(start_);
    buttons->addWidget(stop_);
    buttons->addStretch();
    buttons->addWidget(save_);
    buttons->addWidget(close);
    outer->addWidget(new BodyScrollArea(body, this), 1);
    outer->addLayout(buttons);
    connect(start_, &QPushButton::clicked, this, &CFleetDlg::start);
    connect(stop_, &QPushButton::clicked, this, [this] {
        if (job_)
            job_->cancel();
        for (int p = 0; p < go_.size(); ++p)
            release(p);
    });
    connect(save_, &QPushButton::clicked, this, &CFleetDlg::saveLog);
    connect(close, &QPushButton::clicked, this, &CFleetDlg::reject);
    resize(760, 560);
}

CFleetDlg::~CFleetDlg()
{
    if (job_)
        job_->cancel();
    for (int p = 0; p < go_.size(); ++p)
        release(p);
    if (runner_.joinable())
        runner_.join();
}

void CFleetDlg::setUnits(const fleet::UnitsTable& t, const QString& where)
{
    QStringList problems = t.problems;
    QList<RadioImage> images;
    if (problems.isEmpty())
        problems = fleet::checkUnits(template_, t.units, models_, &images);
    if (!problems.isEmpty()) {
        const QStringList shown = problems.mid(0, 20);
        appMessage(this,
                   tr("The units cannot be used (%1):\n%2").arg(where, shown.join(u'\n')) +
                       (problems.size() > 20 ? tr("\nand %1 more").arg(problems.size() - 20) : QString()),
                   QMessageBox::Ok, QMessageBox::Warning);
        return;
    }
    units_ = t;
    images_ = images;
    const QString first = t.units.front().name, last = t.units.back().name;
    unitsLabel_->setText(tr("%1 unit(s): %2 ... %3; values: %4")
                             .arg(t.units.size())
                             .arg(first, last, t.columns.join(QStringLiteral(", "))));
}

bool CFleetDlg::loadUnits(const QString& path)
{
    QByteArray bytes;
    QString error;
    if (!readFileBounded(path, kMaxUnitsTable, &bytes, &error)) {
        appMessage(this, error, QMessageBox::Ok, QMessageBox::Warning);
        return false;
    }
    const int before = int(images_.size());
    setUnits(fleet::parseUnits(QString::fromUtf8(bytes)), QFileInfo(path).fileName());
    return images_.size() != before || !images_.isEmpty();
}

bool CFleetDlg::generateUnits()
{
    images_.clear();
    units_ = {};
    unitsLabel_->setText(tr("No units yet."));
    setUnits(fleet::sequenceUnits(sequence_->text().split(u';', Qt::SkipEmptyParts), template_, models_),
             sequence_->text());
    return !images_.isEmpty();
}

QString CFleetDlg::logText() const { return log_->toPlainText(); }

void CFleetDlg::appendLog(const fleet::LogEntry& e) { log_->appendPlainText(fleet::logLine(e)); }

void CFleetDlg::release(int port)
{
    {
        const std::lock_guard lock(waitMutex_);
        if (port >= 0 && port < go_.size())
            go_[port] = true;
    }
    waitCv_.notify_all();
}

bool CFleetDlg::start()
{
    if (running())
        return false;
    if (images_.isEmpty()) {
        appMessage(this, tr("Load or generate the units first."), QMessageBox::Ok, QMessageBox::Information);
        return false;
    }
    fleet::Job::Options options;
    jobPorts_.clear();
    for (int i = 0; i < portBoxes_.size(); ++i)
        if (portBoxes_[i]->isChecked()) {
            options.ports << portNames_[i];
            jobPorts_ << i;
        }
    if (options.ports.isEmpty()) {
        appMessage(this, tr("Tick at least one port."), QMessageBox::Ok, QMessageBox::Information);
        return false;
    }
    // One log for every job, appended to as the command line does: a radio programmed last
    // week is found in the same file as today's.
    QString logPath = logEdit_->text().trimmed();
    if (logPath.isEmpty())
        logPath = QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                      .filePath(QStringLiteral("fleet-log.csv"));
    const QString dir = QFileInfo(logPath).absolutePath();
    // The log is the only record of which unit went into which radio: without it, no radio.
    fleet::LogStart logStart;
    const auto why = QDir().mkpath(dir) ? fleet::prepareOutputs(logPath, {}, &logStart)
                                        : std::optional<QString>(tr("Cannot make the folder %1.").arg(dir));
    if (why) {
        appMessage(this, tr("The job's log cannot be kept, so no radio was programmed:\n%1").arg(*why), QMessageBox::Ok,
                   QMessageBox::Warning);
        return false;
    }
    logPath_ = logPath;
    logEdit_->setText(logPath);
    options.logPath = logPath_;
    options.setup = &setup_;
    options.models = models_;
    options.templateFile = templateFile_.isEmpty() ? templateName_ : templateFile_;
    logNote_ = logStart.headerUpdated ? tr("The log had the earlier seven-column header: it now names every column; "
                                           "its %1 earlier line(s) are kept as they were, with the new columns empty.")
                                            .arg(logStart.earlierLines)
                                      : QString();
    QStringList names;
    for (const fleet::Unit& u : units_.units) {
        names << u.name;
        options.values << fleet::valuesText(u);
    }
    job_ = std::make_unique<fleet::Job>(options, names, images_);
    go_ = QList<bool>(options.ports.size(), false);
    // The lines of every job of this window, under one header: a valid CSV to save.
    if (log_->document()->isEmpty())
        log_->setPlainText(fleet::logHeader());
    summary_->setText(tr("Running; the log is %1.").arg(QDir::toNativeSeparators(logPath_)) +
                      (logNote_.isEmpty() ? QString() : u'\n' + logNote_));
    problems_.clear();
    for (const Row& r : rows_) {
        r.bar->setValue(0);
        r.unit->clear();
        r.next->setEnabled(false);
    }
    // The workers report from their threads: everything shown goes through the event loop.
    job_->unitStarted = [this](int port, const QString& unit) {
        QMetaObject::invokeMethod(
            this,
            [this, port, unit] {
                Row& r = rows_[jobPorts_[port]];
                r.unit->setText(tr("unit %1: writing").arg(unit));
                r.current = unit;
                r.verifying = false;
                r.next->setEnabled(false);
            },
            Qt::QueuedConnection);
    };
    job_->progress = [this](int port, int value, int maximum) {
        QMetaObject::invokeMethod(
            this,
            [this, port, value, maximum] {
                Row& r = rows_[jobPorts_[port]];
                r.bar->setMaximum(maximum);
                r.bar->setValue(value);
                if (!r.verifying && value > maximum / 2) {
                    r.verifying = true;
                    r.unit->setText(tr("unit %1: verifying").arg(r.current));
                }
            },
            Qt::QueuedConnection);
    };
    job_->blockProgress = [this](int port, bool verifying, int block, int blocks, int secondsLeft) {
        QMetaObject::invokeMethod(
            this,
            [this, port, verifying, block, blocks, secondsLeft] {
                Row& r = rows_[jobPorts_[port]];
                r.verifying = verifying;
                const QString how = msg::transferProgress(block, blocks, secondsLeft, g().lang());
                r.unit->setText(verifying ? tr("unit %1: verifying, %2").arg(r.current, how)
                                          : tr("unit %1: writing, %2").arg(r.current, how));
            },
            Qt::QueuedConnection);
    };
    job_->unitEnded = [this](int port, const fleet::LogEntry& e) {
        QMetaObject::invokeMethod(
            this,
            [this, port, e] {
                rows_[jobPorts_[port]].unit->setText(tr("unit %1: %2").arg(e.unit, e.result));
                appendLog(e);
            },
            Qt::QueuedConnection);
    };
    job_->problem = [this](const QString& p) {
        QMetaObject::invokeMethod(
            this, [this, p] { problems_ << p; }, Qt::QueuedConnection);
    };
    if (ask_->isChecked()) {
        job_->nextRadio = [this](int port, const QString& unit) {
            QMetaObject::invokeMethod(
                this,
                [this, port, unit] {
                    Row& r = rows_[jobPorts_[port]];
                    r.unit->setText(tr("connect the radio for unit %1").arg(unit));
                    r.next->setEnabled(true);
                    r.next->setFocus();
                },
                Qt::QueuedConnection);
            std::unique_lock lock(waitMutex_);
            waitCv_.wait(lock, [&] { return go_[port] || job_->cancelled(); });
            go_[port] = false;
            return !job_->cancelled();
        };
    }
    for (QCheckBox* b : portBoxes_)
        b->setEnabled(false);
    start_->setEnabled(false);
    stop_->setEnabled(true);
    ask_->setEnabled(false);
    fleet::Job* job = job_.get();
    runner_ = std::thread([this, job] {
        job->run();
        QMetaObject::invokeMethod(this, &CFleetDlg::onFinished, Qt::QueuedConnection);
    });
    return true;
}

void CFleetDlg::onFinished()
{
    if (runner_.joinable())
        runner_.join();
    const QStringList left = job_->failedUnits();
    QStringList summary{tr("%1 of %2 units programmed and verified; the log is %3.")
                            .arg(job_->succeeded())
                            .arg(job_->total())
                            .arg(QDir::toNativeSeparators(logPath_))};
    if (!left.isEmpty())
        summary << tr("Not done: %1").arg(left.join(QStringLiteral(", ")));
    if (!logNote_.isEmpty())
        summary << logNote_;
    summary += problems_;
    summary_->setText(summary.join(u'\n'));
    for (Row& r : rows_) {
        if (r.next->isEnabled())
            r.unit->setText(job_->cancelled() ? tr("stopped") : QString());
        r.next->setEnabled(false);
    }
    for (QCheckBox* b : portBoxes_)
        b->setEnabled(true);
    start_->setEnabled(true);
    stop_->setEnabled(false);
    ask_->setEnabled(true);
    emit finished();
}

void CFleetDlg::saveLog()
{
    const QString path =
        QFileDialog::getSaveFileName(this, tr("Save Log"), QStringLiteral("fleet-log.csv"), tr("Log (*.csv)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!writeFileAtomically(path, (log_->toPlainText() + u'\n').toUtf8(), &error))
        appMessage(this, error, QMessageBox::Ok, QMessageBox::Warning);
}

void CFleetDlg::closeEvent(QCloseEvent* e)
{
    if (running()) {
        e->ignore();
        appMessage(this, tr("The job is still running: Stop it first."), QMessageBox::Ok, QMessageBox::Information);
        return;
    }
    QDialog::closeEvent(e);
}

bool CFleetDlg::eventFilter(QObject* o, QEvent* e)
{
    if (o == sequence_ && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            generateUnits();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

void CFleetDlg::reject()
{
    if (running()) {
        appMessage(this, tr("The job is still running: Stop it first."), QMessageBox::Ok, QMessageBox::Information);
        return;
    }
    QDialog::reject();
}

} // namespace zemtar::ui
