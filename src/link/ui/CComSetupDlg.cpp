#include "CComSetupDlg.h"

#include "link/SerialLink.h"
#include "shell/ui/AppGlobals.h"
#include "shell/ui/HelpLauncher.h"
#include "shell/ui/Mnemonics.h"

#include "shell/ui/MessageBox.h"
#include <QButtonGroup>

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace zemtar::ui {

namespace {
QString pick(const char* en, const char* zh) { return QString::fromUtf8(g().lang() == Language::Chinese ? zh : en); }

// The key a remembered port is found by: its stable path where it has one.
QString keyOf(const ports::PortEntry& e) { return e.stablePath.isEmpty() ? e.device : e.stablePath; }
} // namespace

CComSetupDlg::CComSetupDlg(SerialLink& link, QWidget* parent) : QDialog(parent), link_(link)
{
    setObjectName(QStringLiteral("comSetupDialog"));
    setWindowTitle(tr("Com Setup"));
    auto* group = new QGroupBox(tr("Com Port"), this);
    auto* gl = new QVBoxLayout(group);
    group_ = new QButtonGroup(this);
    const QList<ports::PortEntry> all = ports::available(&g().setupIni);
    for (int n = 0; n < 4; ++n) {
        const ports::PortEntry& e = all[n];
        buttons_[n] = new QRadioButton(entryText(e), group);
        buttons_[n]->setObjectName(e.name);
        // A port that cannot be opened now (absent, or held by another program) is greyed.
        buttons_[n]->setEnabled(e.openable());
        group_->addButton(buttons_[n], n);
        gl->addWidget(buttons_[n]);
    }
    othersBox_ = new QGroupBox(pick("Ports of this computer", "本机的端口"), this);
    othersBox_->setObjectName(QStringLiteral("otherPorts"));
    othersLayout_ = new QVBoxLayout(othersBox_);
    noOthers_ = new QLabel(pick("No other serial port is connected.", "没有连接其他串口。"), othersBox_);
    othersLayout_->addWidget(noOthers_);
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    translateButtons(box);
    connect(box, &QDialogButtonBox::accepted, this, &CComSetupDlg::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(othersBox_);
    layout->addWidget(box);

    const PersistedSettings reg = g().registry();
    const QString remembered = reg.text(QStringLiteral("Port"));
    remembered_ = remembered;
    others_ = withRemembered(all.mid(4));
    showOthers(remembered);
    const int port = reg.value(QStringLiteral("com")).value_or(1);
    m_nPort = port >= 1 && port <= 4 ? port - 1 : 0;
    if (remembered.isEmpty() || !group_->checkedButton())
        buttons_[m_nPort]->setChecked(true); // shown checked even when greyed
    else
        m_nPort = -1;

    // Cables come and go while the window is open.
    timer_ = new QTimer(this);
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this, &CComSetupDlg::refresh);
    timer_->start();
}

QList<ports::PortEntry> CComSetupDlg::withRemembered(QList<ports::PortEntry> list) const
{
    // The port chosen last time stays in the list while it is unplugged, shown as absent.
    if (remembered_.isEmpty() ||
        std::any_of(list.begin(), list.end(), [&](const ports::PortEntry& e) { return keyOf(e) == remembered_; }))
        return list;
    ports::PortEntry e;
    e.name = QFileInfo(remembered_).fileName();
    e.device = remembered_;
    e.stablePath = remembered_;
    e.failure = ports::probe(remembered_);
    e.state = ports::stateText(e.failure);
    list << e;
    return list;
}

QString CComSetupDlg::failureText(const OpenFailure& f) const
{
    switch (f.kind) {
    case OpenFailure::Kind::None:
        return {};
    case OpenFailure::Kind::Absent:
        return pick("absent", "不存在");
    case OpenFailure::Kind::PermissionDenied:
        return pick("permission denied", "没有权限");
    case OpenFailure::Kind::InUse:
        return f.holder > 0 ? pick("in use by process %1", "被进程 %1 占用").arg(f.holder) : pick("in use", "被占用");
    case OpenFailure::Kind::NotSerial:
        return pick("not a serial port", "不是串口");
    case OpenFailure::Kind::Other:
        break;
    }
    return f.text;
}

QString CComSetupDlg::entryText(const ports::PortEntry& e) const
{
    QString text = QStringLiteral("%1  (%2)").arg(e.name, e.device);
    if (!e.description.isEmpty())
        text += QStringLiteral("  ") + e.description;
    const QString why = failureText(e.failure);
    if (!why.isEmpty())
        text += QStringLiteral("  - ") + why;
    return text;
}

void CComSetupDlg::showOthers(const QString& keepChecked)
{
    for (QRadioButton* b : std::as_const(otherButtons_)) {
        group_->removeButton(b);
        delete b;
    }
    otherButtons_.clear();
    for (int i = 0; i < others_.size(); ++i) {
        const ports::PortEntry& e = others_[i];
        auto* b = new QRadioButton(entryText(e), othersBox_);
        b->setObjectName(QStringLiteral("port:") + keyOf(e));
        b->setToolTip(e.stablePath.isEmpty() ? e.device : e.stablePath);
        b->setEnabled(e.openable());
        group_->addButton(b, 4 + i);
        othersLayout_->addWidget(b);
        otherButtons_ << b;
        if (!keepChecked.isEmpty() && (keyOf(e) == keepChecked || e.device == keepChecked))
            b->setChecked(true);
    }
    noOthers_->setVisible(others_.isEmpty());
    if (isVisible())
        giveMnemonics(this); // the new ports get their Alt+letters as the first ones did
}

void CComSetupDlg::refresh()
{
    // Only what changed is probed again: opening a port each second could disturb a device.
    const QList<ports::PortEntry> now = ports::available(&g().setupIni, false);
    QList<ports::PortEntry> next = now.mid(4);
    const bool rememberedListed =
        std::any_of(next.begin(), next.end(), [&](const ports::PortEntry& e) { return keyOf(e) == remembered_; });
    bool changed = next.size() != others_.size();
    for (ports::PortEntry& e : next) {
        const auto old = std::find_if(others_.begin(), others_.end(), [&](const ports::PortEntry& o) {
            return o.device == e.device && o.stablePath == e.stablePath;
        });
        if (old != others_.end()) {
            e.failure = old->failure;
            e.state = old->state;
        } else {
            changed = true;
            e.failure = ports::probe(e.device);
            e.state = ports::stateText(e.failure);
        }
    }
    if (!rememberedListed)
        next = withRemembered(next);
    changed = changed || next.size() != others_.size();
    if (!changed)
        return;
    QString checked;
    const int id = group_->checkedId();
    if (id >= 4 && id - 4 < others_.size())
        checked = keyOf(others_[id - 4]);
    others_ = next;
    showOthers(checked);
}

void CComSetupDlg::accept()
{
    PersistedSettings reg = g().registry();
    const int id = group_->checkedId();
    if (id >= 4 && id - 4 < others_.size()) {
        // The stable path, where the system has one, finds the adapter after re-plugging.
        const QString key = keyOf(others_[id - 4]);
        m_nPort = -1;
        link_.m_strPort = key;
        reg.setText(QStringLiteral("Port"), key);
    } else {
        for (int n = 0; n < 4; ++n)
            if (buttons_[n]->isChecked())
                m_nPort = n;
        link_.m_strPort = QStringLiteral("com%1").arg(m_nPort + 1);
        reg.setValue(QStringLiteral("com"), m_nPort + 1);
        reg.setText(QStringLiteral("Port"), {});
    }
    QDialog::accept();
}

void CComSetupDlg::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_F1) {
        QWidget* f = focusWidget();
        const bool radio = qobject_cast<QRadioButton*>(f) != nullptr;
        help::show(this, radio ? 32777 : 0);
    }
    QDialog::keyPressEvent(e);
}

} // namespace zemtar::ui
