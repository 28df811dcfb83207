#include "CProcessDlg.h"

#include "link/TransferEngine.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace zemtar::ui {

CProcessDlg::CProcessDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("processDialog"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    start_ = new QPushButton(tr("Start"), this);
    start_->setObjectName(QStringLiteral("start"));
    start_->setDefault(true);
    cancel_ = new QPushButton(tr("Cancel"), this);
    cancel_->setObjectName(QStringLiteral("cancel"));
    cancel_->setAutoDefault(false); // Enter starts, it never cancels
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("status"));
    status_->setMinimumWidth(260);
    bar_ = new QProgressBar(this);
    bar_->setTextVisible(false);
    bar_->setAccessibleName(tr("Progress"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QString::fromUtf8("%1：").arg(tr("Progress")), this), 0, 0);
    grid->addWidget(status_, 0, 1);
    grid->addWidget(bar_, 1, 0, 1, 2);
    verify_ = new QCheckBox(tr("Verify after writing"), this);
    verify_->setObjectName(QStringLiteral("verifyAfterWriting"));
    verify_->hide();
    grid->addWidget(verify_, 2, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(start_);
    buttons->addWidget(cancel_);
    grid->addLayout(buttons, 3, 0, 1, 2);
    // A fixed frame, as the radio's other progress windows have: it fits its rows (the
    // verify box shows for a write only), and a window manager draws no resize handle under
    // the buttons.
    grid->setSizeConstraint(QLayout::SetFixedSize);
    connect(start_, &QPushButton::clicked, this, [this] {
        start_->setEnabled(false);
        emit startTransfer();
    });
    connect(cancel_, &QPushButton::clicked, this, &CProcessDlg::reject);
}

void CProcessDlg::OnInitDialog()
{
    bar_->setRange(0, TransferEngine::kProgressMax);
    bar_->setValue(0);
    m_bCancel = false;
    start_->setEnabled(true);
    // Start is the default every time the window opens (a disabled Start hands the default
    // on while a transfer runs).
    cancel_->setDefault(false);
    start_->setDefault(true);
    start_->setFocus();
    announcedTenth_ = -1;
    announced_.invalidate();
    setStatus(tr("Not start yet"));
    setWindowTitle(m_strCaption);
}

void CProcessDlg::showVerifyChoice(bool on)
{
    verify_->setVisible(on);
    verify_->setEnabled(true);
    adjustSize();
}

void CProcessDlg::setProgress(int value, int maximum)
{
    bar_->setMaximum(maximum);
    bar_->setValue(value);
}

void CProcessDlg::setStatus(const QString& text)
{
    status_->setText(text);
    announce(text);
}

void CProcessDlg::setBlockProgress(int block, int blocks, const QString& text)
{
    status_->setText(text);
    const int tenth = blocks > 0 ? int(qint64(block) * 10 / blocks) : 0;
    const bool due = tenth != announcedTenth_ && (!announced_.isValid() || announced_.elapsed() >= kAnnounceMs);
    if (due || block >= blocks) {
        announcedTenth_ = tenth;
        announce(text);
    }
}

void CProcessDlg::announce(const QString& text)
{
    // The label's name is what a screen reader says; its shown text changes more often.
    announced_.start();
    status_->setAccessibleName(text);
}

void CProcessDlg::setRunning(bool on)
{
    // While the transfer runs nothing else of the program takes input; Cancel still works.
    running_ = on;
    const bool visible = isVisible();
    if (visible)
        hide();
    setWindowModality(on ? Qt::ApplicationModal : Qt::NonModal);
    if (visible)
        show();
}

void CProcessDlg::reject()
{
    m_bCancel = true;
    if (start_->isEnabled())
        hide(); // nothing running: the window goes
}

void CProcessDlg::closeEvent(QCloseEvent* e)
{
    e->ignore();
    reject();
}

} // namespace zemtar::ui
