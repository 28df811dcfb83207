#include "CPowerDebugDlg.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace zemtar::ui {

CPowerDebugDlg::CPowerDebugDlg(PowerCalibration& calibration, int storedValue, const QString& port, QWidget* parent)
    : QDialog(parent), cal_(calibration), port_(port)
{
    const auto& p = cal_.parameters();
    const bool high = cal_.kind() == PowerCalibration::Kind::High;
    setObjectName(high ? QStringLiteral("highPowerDialog") : QStringLiteral("lowPowerDialog"));
    setWindowTitle(high ? tr("High Power Debug") : tr("Low Power Debug"));
    m_ctlPower = new QScrollBar(Qt::Horizontal, this);
    m_ctlPower->setMinimumWidth(320);
    m_ctlPower->setAccessibleName(tr("Power value"));
    m_ctlPower->setRange(1, p.maximum);
    m_ctlPower->setValue(p.provisional);
    m_ctlPower->setSingleStep(1);
    m_ctlPower->setPageStep(10);
    m_ctlPower->installEventFilter(this);
    // The bar takes the focus first: the arrow keys and Page Up/Down step it.
    m_ctlPower->setFocusPolicy(Qt::StrongFocus);
    m_ctlPower->setFocus(Qt::OtherFocusReason);
    position_ = new QLabel(this);
    position_->setObjectName(QStringLiteral("position"));
    status_ = new QLabel(tr("Port %1").arg(port_), this);
    status_->setObjectName(QStringLiteral("status"));
    auto* cancel = new QPushButton(tr("Cancel"), this);
    connect(cancel, &QPushButton::clicked, this, &CPowerDebugDlg::reject);
    auto* grid = new QGridLayout(this);
    auto* current = new QLabel(tr("Current Position:"), this);
    grid->addWidget(current, 0, 0, 1, 1);
    grid->addWidget(position_, 0, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Min"), this), 1, 0);
    grid->addWidget(m_ctlPower, 1, 1);
    grid->addWidget(new QLabel(tr("Max"), this), 1, 2);
    grid->addWidget(status_, 2, 0, 1, 2);
    grid->addWidget(cancel, 2, 2);
    // The text shows the stored value as it is; the bar rests at the edge of its range.
    position_->setText(QString::number(storedValue));
    m_ctlPower->setValue(storedValue);
    m_nPower = m_ctlPower->value();
    connect(m_ctlPower, &QScrollBar::actionTriggered, this, [this](int) {
        // The bar has applied the action (an arrow's step, a page, the thumb) and clamped it.
        m_nPower = std::clamp(m_ctlPower->sliderPosition(), 1, cal_.parameters().maximum);
        m_ctlPower->setSliderPosition(m_nPower);
        showPosition();
    });
    delay_.setSingleShot(true);
    delay_.setInterval(PowerCalibration::kUpdateDelayMs);
    connect(&delay_, &QTimer::timeout, this, &CPowerDebugDlg::sendPosition);
}

QString CPowerDebugDlg::positionText() const { return position_->text(); }

void CPowerDebugDlg::showPosition() { position_->setText(QString::number(m_ctlPower->sliderPosition())); }

void CPowerDebugDlg::endScroll()
{
    showPosition();
    if (stopped_)
        return;
    // The window stays live during the second before an update: more clicks start the second
    // again, and Cancel drops the update. A scroll that ends while an update is being sent
    // (its events are handled inside the exchange's waits) asks for one more, so the value
    // sent last is the value shown.
    if (updating_) {
        pending_ = true;
        return;
    }
    delay_.start();
}

void CPowerDebugDlg::sendPosition()
{
    if (stopped_ || closeRequested_)
        return;
    updating_ = true;
    pending_ = false;
    const PowerCalibration::Update r = cal_.send(m_ctlPower->sliderPosition());
    updating_ = false;
    if (r != PowerCalibration::Update::Sent) {
        stopped_ = true; // the port was closed or is gone
        status_->setText(tr("The link with the radio on %1 failed").arg(port_));
    }
    if (closeRequested_) {
        closeRequested_ = false;
        reject();
    } else if (pending_ && !stopped_) {
        pending_ = false;
        delay_.start();
    }
}

bool CPowerDebugDlg::eventFilter(QObject* o, QEvent* e)
{
    // The end of a scroll action: the mouse or a key that steps the bar let go (a key held
    // down ends its action once, when it is released).
    auto stepKey = [](const QKeyEvent* k) {
        switch (k->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
            return !k->isAutoRepeat();
        default:
            return false;
        }
    };
    if (o == m_ctlPower && e->type() == QEvent::KeyPress) {
        // A scroll bar's own keys run against its value (it is made for scrolling a view);
        // here Right, Up and Page Up raise the power, Left, Down and Page Down lower it.
        using A = QAbstractSlider::SliderAction;
        A action = A::SliderNoAction;
        switch (static_cast<QKeyEvent*>(e)->key()) {
        case Qt::Key_Right:
        case Qt::Key_Up:
            action = A::SliderSingleStepAdd;
            break;
        case Qt::Key_Left:
        case Qt::Key_Down:
            action = A::SliderSingleStepSub;
            break;
        case Qt::Key_PageUp:
            action = A::SliderPageStepAdd;
            break;
        case Qt::Key_PageDown:
            action = A::SliderPageStepSub;
            break;
        case Qt::Key_Home:
            action = A::SliderToMinimum;
            break;
        case Qt::Key_End:
            action = A::SliderToMaximum;
            break;
        default:
            break;
        }
        if (action != A::SliderNoAction) {
            m_ctlPower->triggerAction(action);
            return true;
        }
    }
    if (o == m_ctlPower && (e->type() == QEvent::MouseButtonRelease ||
                            (e->type() == QEvent::KeyRelease && stepKey(static_cast<QKeyEvent*>(e)))))
        QMetaObject::invokeMethod(this, &CPowerDebugDlg::endScroll, Qt::QueuedConnection);
    return QDialog::eventFilter(o, e);
}

void CPowerDebugDlg::reject()
{
    delay_.stop(); // an update not begun is dropped
    pending_ = false;
    if (updating_) { // closing waits for the exchange in progress
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
