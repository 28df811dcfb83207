#include "CPowerDebugDlg.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace zemtar::ui {

CPowerDebugDlg::CPowerDebugDlg(PowerCalibration& calibration, int storedValue, QWidget* parent)
    : QDialog(parent), cal_(calibration)
{
    const auto& p = cal_.parameters();
    const bool high = cal_.kind() == PowerCalibration::Kind::High;
    setObjectName(high ? QStringLiteral("highPowerDialog") : QStringLiteral("lowPowerDialog"));
    setWindowTitle(high ? tr("High Power Debug") : tr("Low Power Debug"));
    m_ctlPower = new QScrollBar(Qt::Horizontal, this);
    m_ctlPower->setMinimumWidth(320);
    m_ctlPower->setRange(1, p.maximum);
    m_ctlPower->setValue(p.provisional);
    m_ctlPower->setSingleStep(1);
    m_ctlPower->setPageStep(10);
    m_ctlPower->installEventFilter(this);
    position_ = new QLabel(this);
    position_->setObjectName(QStringLiteral("position"));
    auto* cancel = new QPushButton(tr("Cancel"), this);
    connect(cancel, &QPushButton::clicked, this, &CPowerDebugDlg::reject);
    auto* grid = new QGridLayout(this);
    auto* current = new QLabel(tr("Current Position:"), this);
    grid->addWidget(current, 0, 0, 1, 1);
    grid->addWidget(position_, 0, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Min"), this), 1, 0);
    grid->addWidget(m_ctlPower, 1, 1);
    grid->addWidget(new QLabel(tr("Max"), this), 1, 2);
    grid->addWidget(cancel, 2, 2);
    // The text shows the stored value as it is; the bar rests at the edge of its range.
    position_->setText(QString::number(storedValue));
    m_ctlPower->setValue(storedValue);
    m_nPower = m_ctlPower->value();
    connect(m_ctlPower, &QScrollBar::actionTriggered, this, [this](int action) {
        switch (action) {
        case QAbstractSlider::SliderSingleStepSub:
            m_nPower -= 1;
            break;
        case QAbstractSlider::SliderSingleStepAdd:
            m_nPower += 1;
            break;
        case QAbstractSlider::SliderMove:
            m_nPower = m_ctlPower->sliderPosition();
            break;
        default:
            m_nPower = m_ctlPower->sliderPosition();
            break;
        }
        m_nPower = std::clamp(m_nPower, 1, cal_.parameters().maximum);
        m_ctlPower->setSliderPosition(m_nPower);
        showPosition();
    });
}

QString CPowerDebugDlg::positionText() const { return position_->text(); }

void CPowerDebugDlg::showPosition() { position_->setText(QString::number(m_ctlPower->sliderPosition())); }

void CPowerDebugDlg::endScroll()
{
    showPosition();
    // One update at a time, always with the bar's position as it is when it starts. A scroll
    // that ends while an update runs (its events are handled inside the update's waits) asks
    // for one more update, sent when the running one is done; so the value sent last is the
    // value shown.
    if (updating_) {
        pending_ = true;
        return;
    }
    updating_ = true;
    PowerCalibration::Update r = PowerCalibration::Update::Sent;
    do {
        pending_ = false;
        r = cal_.update(m_ctlPower->sliderPosition());
    } while (pending_ && r == PowerCalibration::Update::Sent && !closeRequested_);
    updating_ = false;
    if (closeRequested_) {
        closeRequested_ = false;
        reject();
    }
}

bool CPowerDebugDlg::eventFilter(QObject* o, QEvent* e)
{
    // The end of a scroll action: the mouse or the arrow key let go.
    if (o == m_ctlPower && (e->type() == QEvent::MouseButtonRelease ||
                            (e->type() == QEvent::KeyRelease && !static_cast<QKeyEvent*>(e)->isAutoRepeat())))
        QMetaObject::invokeMethod(this, &CPowerDebugDlg::endScroll, Qt::QueuedConnection);
    return QDialog::eventFilter(o, e);
}

void CPowerDebugDlg::reject()
{
    if (updating_) { // closing waits for the update in progress
        closeRequested_ = true;
        return;
    }
    // With the port already gone there is no radio to take out of the mode: the window closes
    // after saying so, rather than staying up with no way to close it.
    const PowerCalibration::Close r = cal_.close();
    if (r != PowerCalibration::Close::StayOpen)
        QDialog::reject();
}

} // namespace zemtar::ui
