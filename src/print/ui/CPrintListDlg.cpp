#include "CPrintListDlg.h"

#include "shell/ui/AppGlobals.h"
#include "shell/ui/MessageBox.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace zemtar::ui {

CPrintListDlg::CPrintListDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("printListDialog"));
    setWindowTitle(QStringLiteral("PrintList"));
    auto* group = new QGroupBox(this);
    auto* gl = new QVBoxLayout(group);
    const report::Selection defaults = report::defaultSelection();
    for (int s = 0; s < report::SectionCount; ++s) {
        // The five boxes carry the radio's own section names; the whole-radio page is ours.
        auto* c = new QCheckBox(s == report::Radio ? tr("Radio Info (model, band, side key, file, date)")
                                                   : report::sectionCheckText(s, g().lang()),
                                group);
        c->setObjectName(QStringLiteral("section%1").arg(s));
        c->setChecked(defaults[std::size_t(s)]);
        checks_ << c;
        gl->addWidget(c);
    }
    auto* all = new QPushButton(tr("Select All"), this);
    auto* none = new QPushButton(tr("Clear All"), this);
    all->setObjectName(QStringLiteral("selectAll"));
    none->setObjectName(QStringLiteral("clearAll"));
    connect(all, &QPushButton::clicked, this, [this] {
        for (QCheckBox* c : checks_)
            c->setChecked(true);
    });
    connect(none, &QPushButton::clicked, this, [this] {
        for (QCheckBox* c : checks_)
            c->setChecked(false);
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Vertical, this);
    translateButtons(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* side = new QVBoxLayout;
    side->addWidget(buttons);
    side->addStretch();
    side->addWidget(all);
    side->addWidget(none);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(group, 1);
    layout->addLayout(side);
}

report::Selection CPrintListDlg::selection() const
{
    report::Selection s{};
    for (int i = 0; i < report::SectionCount; ++i)
        s[std::size_t(i)] = checks_[i]->isChecked();
    return s;
}

} // namespace zemtar::ui
