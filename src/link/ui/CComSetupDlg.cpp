#include "CComSetupDlg.h"

#include "link/SerialLink.h"
#include "shell/Messages.h"
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
    const QList<ports::PortEntry> all = ports::available(&g().setupIni, false);
    for (int n = 0; n < 4; ++n) {
        named_[n] = all[n];
        recheck(named_[n], named_[n].name);
        buttons_[n] = new QRadioButton(group);
        buttons_[n]->setObjectName(named_[n].name);
        // A port that cannot be opened now (absent, or held by another program) is greyed.
        showEntry(buttons_[n], named_[n]);
        group_->addButton(buttons_[n], n);
        gl->addWidget(buttons_[n]);
    }
    othersBox_ = new QGroupBox(pick("Ports of this computer", "本机的端口"), this);
    othersBox_->setObjectName(QStringLiteral("otherPorts"));
    othersLayout_ = new QVBoxLayout(othersBox_);
    noOthers_ = new QLabel(pick("No other serial port is connected.", "没有连接其他串口。"), othersBox_);
    othersLayout_->addWidget(noOthers_);
    advice_ = new QLabel(this);
    advice_->setObjectName(QStringLiteral("advice"));
    advice_->setWordWrap(true);
    advice_->hide();
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    translateButtons(box);
    connect(box, &QDialogButtonBox::accepted, this, &CComSetupDlg::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(othersBox_);
    layout->addWidget(advice_);
    layout->addWidget(box);

    const PersistedSettings reg = g().registry();
    remembered_ = reg.text(QStringLiteral("Port"));
    others_ = merged(all.mid(4));
    showOthers();
    if (!remembered_.isEmpty())
        for (int i = 0; i < others_.size(); ++i)
            if (keyOf(others_[i]) == remembered_ || others_[i].device == remembered_)
                otherButtons_[i]->setChecked(true);
    const int port = reg.value(QStringLiteral("com")).value_or(1);
    m_nPort = port >= 1 && port <= 4 ? port - 1 : 0;
    if (remembered_.isEmpty() || !group_->checkedButton())
        buttons_[m_nPort]->setChecked(true); // shown checked even when greyed
    else
        m_nPort = -1;

    showAdvice();
    connect(group_, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            showAdvice();
    });

    // Cables come and go, and programs take and give back ports, while the window is open.
    timer_ = new QTimer(this);
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this, &CComSetupDlg::refresh);
    timer_->start();
}

void CComSetupDlg::recheck(ports::PortEntry& e, const QString& slot)
{
    // Opening a port each second could disturb a device (and the program that holds it):
    // a port is opened again only when what can be seen of it without opening it changed.
    const QByteArray now = ports::sighting(e.device);
    const auto it = seen_.constFind(slot);
    if (it != seen_.cend() && *it == now)
        return;
    seen_[slot] = now;
    e.failure = e.present ? ports::probe(e.device) : OpenFailure::of(OpenFailure::Kind::Absent, {});
    e.state = ports::stateText(e.failure);
}

QList<ports::PortEntry> CComSetupDlg::merged(QList<ports::PortEntry> now)
{
    auto find = [](const QList<ports::PortEntry>& list, const QString& key) {
        return std::find_if(list.begin(), list.end(), [&](const ports::PortEntry& e) { return keyOf(e) == key; });
    };
    for (ports::PortEntry& e : now) {
        const auto old = find(others_, keyOf(e));
        if (old != others_.end()) {
            e.failure = old->failure;
            e.state = old->state;
        }
        recheck(e, keyOf(e));
    }
    // The port chosen last time, and the one the user has just chosen, stay in the list while
    // they are unplugged: the choice is not lost to a loose cable.
    QStringList kept{remembered_};
    const int id = group_->checkedId();
    if (id >= 4 && id - 4 < others_.size())
        kept << keyOf(others_[id - 4]);
    for (const QString& key : std::as_const(kept)) {
        if (key.isEmpty() || std::any_of(now.begin(), now.end(),
                                         [&](const ports::PortEntry& e) { return keyOf(e) == key || e.device == key; }))
            continue;
        // Shown by the path it is remembered by: that is what went away (a stable link gone
        // while its old device is still there is an adapter pulled all the same).
        ports::PortEntry e;
        e.name = QFileInfo(key).fileName();
        e.device = key;
        e.stablePath = key;
        if (const auto old = find(others_, key); old != others_.end()) {
            if (old->description != e.name)
                e.description = old->description;
            if (old->device == key) { // shown so already: what was found stays until it changes
                e.failure = old->failure;
                e.state = old->state;
            }
        }
        e.present = QFileInfo::exists(e.device);
        recheck(e, key);
        now << e;
    }
    // A port that went away is probed afresh when it comes back.
    QStringList listed;
    for (const ports::PortEntry& e : std::as_const(now))
        listed << keyOf(e);
    for (const ports::PortEntry& e : named_)
        listed << e.name;
    for (auto it = seen_.begin(); it != seen_.end();)
        it = listed.contains(it.key()) ? std::next(it) : seen_.erase(it);
    return now;
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

void CComSetupDlg::showEntry(QRadioButton* b, const ports::PortEntry& e) const
{
    // Only what changed is set: the button keeps its focus and its check.
    const QString text = entryText(e);
    if (b->text() != text)
        b->setText(text);
    const QString tip = e.stablePath.isEmpty() ? e.device : e.stablePath;
    if (b->toolTip() != tip)
        b->setToolTip(tip);
    if (b->isEnabled() != e.openable())
        b->setEnabled(e.openable());
}

void CComSetupDlg::showOthers()
{
    QHash<QString, QRadioButton*> old;
    for (QRadioButton* b : std::as_const(otherButtons_))
        old.insert(b->objectName(), b);
    otherButtons_.clear();
    QWidget* before = buttons_[3];
    for (int i = 0; i < others_.size(); ++i) {
        const ports::PortEntry& e = others_[i];
        const QString name = QStringLiteral("port:") + keyOf(e);
        QRadioButton* b = old.take(name);
        if (b) {
            group_->setId(b, 4 + i);
            othersLayout_->removeWidget(b);
        } else {
            b = new QRadioButton(othersBox_);
            b->setObjectName(name);
            group_->addButton(b, 4 + i);
        }
        showEntry(b, e);
        othersLayout_->insertWidget(1 + i, b);
        setTabOrder(before, b); // Tab goes down the list, then to the buttons
        before = b;
        otherButtons_ << b;
    }
    bool hadFocus = false;
    for (QRadioButton* b : std::as_const(old)) {
        hadFocus = hadFocus || b->hasFocus();
        group_->removeButton(b);
        delete b;
    }
    if (hadFocus) { // the port the user was on was pulled: to the chosen one, else the first
        QAbstractButton* to = group_->checkedButton();
        if (!to || !to->isEnabled())
            to = buttons_[0];
        to->setFocus();
    }
    noOthers_->setVisible(others_.isEmpty());
    if (isVisible())
        giveMnemonics(this); // the new ports get their Alt+letters as the first ones did
}

void CComSetupDlg::refresh()
{
    const QList<ports::PortEntry> now = ports::available(&g().setupIni, false);
    for (int n = 0; n < 4; ++n) {
        named_[n].device = now[n].device;
        named_[n].stablePath = now[n].stablePath;
        named_[n].present = now[n].present;
        recheck(named_[n], named_[n].name);
        showEntry(buttons_[n], named_[n]);
    }
    others_ = merged(now.mid(4));
    showOthers();
    showAdvice();
}

void CComSetupDlg::showAdvice()
{
    // A new Linux user is not yet in the group that may open serial ports: greyed ports alone
    // would not tell what to do about it.
    auto denied = [](const ports::PortEntry& e) { return e.failure.kind == OpenFailure::Kind::PermissionDenied; };
    QString path; // com1..com4 by their device, the others as they are remembered
    const int id = group_->checkedId();
    if (id >= 0 && id < 4 && denied(named_[id]))
        path = named_[id].device;
    else if (id >= 4 && id - 4 < others_.size() && denied(others_[id - 4]))
        path = keyOf(others_[id - 4]);
    for (const ports::PortEntry& e : named_)
        if (path.isEmpty() && denied(e))
            path = e.device;
    for (const ports::PortEntry& e : std::as_const(others_))
        if (path.isEmpty() && denied(e))
            path = keyOf(e);
    const QString text = path.isEmpty() ? QString() : msg::portPermissionDenied(path, g().lang());
    if (advice_->text() != text)
        advice_->setText(text);
    advice_->setVisible(!path.isEmpty());
}

void CComSetupDlg::accept()
{
    PersistedSettings reg = g().registry();
    const int id = group_->checkedId();
    if (id < 0) { // nothing chosen: the port stays as it was
        QDialog::accept();
        return;
    }
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
