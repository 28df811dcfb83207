#include "CComSetupDlg.h"

#include "link/SerialLink.h"
#include "shell/ui/AppGlobals.h"
#include "shell/ui/HelpLauncher.h"

#include "shell/ui/MessageBox.h"
#include <QButtonGroup>

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zemtar::ui {

CComSetupDlg::CComSetupDlg(SerialLink& link, QWidget* parent) : QDialog(parent), link_(link)
{
    setObjectName(QStringLiteral("comSetupDialog"));
    setWindowTitle(tr("Com Setup"));
    auto* group = new QGroupBox(tr("Com Port"), this);
    auto* gl = new QVBoxLayout(group);
    auto* exclusive = new QButtonGroup(this);
    for (int n = 0; n < 4; ++n) {
        const QString name = QStringLiteral("com%1").arg(n + 1);
        const QString device = SerialLink::devicePath(name, &g().setupIni);
        buttons_[n] = new QRadioButton(QStringLiteral("%1  (%2)").arg(name, device), group);
        buttons_[n]->setObjectName(name);
        // A port that cannot be opened now (absent, or held by another program) is greyed.
        buttons_[n]->setEnabled(SerialLink::probe(device));
        exclusive->addButton(buttons_[n], n);
        gl->addWidget(buttons_[n]);
    }
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    translateButtons(box);
    connect(box, &QDialogButtonBox::accepted, this, &CComSetupDlg::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(box);

    const int port = g().registry().value(QStringLiteral("com")).value_or(1);
    m_nPort = port >= 1 && port <= 4 ? port - 1 : 0;
    buttons_[m_nPort]->setChecked(true); // shown checked even when greyed
}

void CComSetupDlg::accept()
{
    for (int n = 0; n < 4; ++n)
        if (buttons_[n]->isChecked())
            m_nPort = n;
    link_.m_strPort = QStringLiteral("com%1").arg(m_nPort + 1);
    g().registry().setValue(QStringLiteral("com"), m_nPort + 1);
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
