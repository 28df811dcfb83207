#include "CKeyAssignDlg.h"

#include "editors/Settings.h"
#include "shell/ui/MessageBox.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zemtar::ui {

CKeyAssignDlg::CKeyAssignDlg(RadioImage& image, Language lang, QWidget* parent) : CFieldDialog(image, lang, parent)
{
    setUp("keyAssignDialog", tr("Key Assignment"), 32800); // the radio buttons and the dialog share one topic
    const fields::Page& page = editors::keyAssignPage();
    auto* box = new QGroupBox(tr("Side Key"), this);
    auto* bl = new QVBoxLayout(box);
    group_ = new QButtonGroup(this);
    const QStringList items = page.field(0).items(fields::Context{lang});
    for (int i = 0; i < items.size(); ++i) {
        auto* r = new QRadioButton(items[i], box);
        r->setObjectName(QStringLiteral("choice%1").arg(i));
        group_->addButton(r, i);
        bl->addWidget(r);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    translateButtons(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CKeyAssignDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addWidget(buttons);

    loaded_ = page.load(image_, fields::Context{lang});
    if (QAbstractButton* b = group_->button(int(items.indexOf(loaded_.value(0)))))
        b->setChecked(true);
}

void CKeyAssignDlg::accept()
{
    const fields::Page& page = editors::keyAssignPage();
    QStringList texts = loaded_;
    const QStringList items = page.field(0).items(fields::Context{lang_});
    if (group_->checkedId() >= 0)
        texts[0] = items.value(group_->checkedId());
    page.store(image_, texts, fields::Context{lang_});
    QDialog::accept();
}

} // namespace zemtar::ui
