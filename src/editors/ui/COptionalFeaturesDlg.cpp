#include "COptionalFeaturesDlg.h"

#include "editors/Settings.h"
#include "shell/ui/MessageBox.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace zemtar::ui {

COptionalFeaturesDlg::COptionalFeaturesDlg(RadioImage& image, Language lang, QWidget* parent)
    : CFieldDialog(image, lang, parent)
{
    namespace of = editors::of;
    setUp("optionalFeaturesDialog", tr("Optional Features"), 133);
    binder_ = bind(editors::optionalFeaturesPage());

    // The fourteen lists in two columns, the check boxes beside them, then the PTT ID texts
    // and the data password.
    auto* lists = new QGroupBox(this);
    auto* lg = new QGridLayout(lists);
    const int listFields[] = {of::BackLight, of::BackLightColor, of::DisplayMode,   of::KeyLock, of::PriorityChannel,
                              of::ScanMode,  of::SquelchLevel,   of::Step,          of::Tot,     of::Voice,
                              of::VoxGain,   of::PttIdType,      of::FrequencyMode, of::MskType};
    for (int k = 0; k < int(std::size(listFields)); ++k) {
        const int i = listFields[k];
        const int row = k % 7, col = (k / 7) * 2;
        QWidget* w = binder_->make(i, lists);
        w->setMinimumWidth(110);
        lg->addWidget(binder_->label(i, lists), row, col);
        lg->addWidget(w, row, col + 1);
    }
    lg->setColumnMinimumWidth(2, 20);
    auto* checks = new QGroupBox(this);
    auto* cl = new QVBoxLayout(checks);
    for (int i : {of::DisplayPttId, of::Beep, of::BatterySaver, of::Scrambler, of::KeypadLock, of::RepeaterMskInvert,
                  of::CancelCodeSquelch})
        cl->addWidget(binder_->make(i, checks));
    cl->addStretch();

    auto* ptt = new QGroupBox(tr("PTT ID"), this);
    auto* pl = new QGridLayout(ptt);
    for (int k = 0; k < 2; ++k) {
        const int i = k == 0 ? of::PttIdBegin : of::PttIdEnd;
        QWidget* w = binder_->make(i, ptt);
        pl->addWidget(binder_->label(i, ptt), 0, k * 2);
        pl->addWidget(w, 0, k * 2 + 1);
    }
    auto* pass = new QGridLayout;
    QWidget* pw = binder_->make(of::DataPassword, this);
    pw->setMaximumWidth(120);
    pass->addWidget(binder_->label(of::DataPassword, this), 0, 0);
    pass->addWidget(pw, 0, 1);
    pass->setColumnStretch(2, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    translateButtons(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &COptionalFeaturesDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* top = new QHBoxLayout;
    top->addWidget(lists, 1);
    top->addWidget(checks);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(ptt);
    layout->addLayout(pass);
    layout->addWidget(buttons);

    binder_->load(image_);
}

void COptionalFeaturesDlg::accept()
{
    binder_->store(image_);
    QDialog::accept();
}

} // namespace zemtar::ui
