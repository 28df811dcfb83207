#include "CProductInfoDlg.h"

#include "channels/ChannelTable.h"
#include "editors/ProductInfo.h"
#include "editors/Settings.h"
#include "shell/ui/AppGlobals.h"
#include "shell/ui/HelpLauncher.h"
#include "shell/ui/MessageBox.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace zemtar::ui {

CProductInfoDlg::CProductInfoDlg(RadioImage& image, QWidget* parent) : QDialog(parent), image_(image)
{
    setObjectName(QStringLiteral("productInfoDialog"));
    setWindowTitle(tr("Product Information"));
    auto* group = new QGroupBox(tr("Type Setting"), this);
    model_ = new QComboBox(group);
    model_->setObjectName(QStringLiteral("model"));
    model_->setMinimumWidth(160);
    low_ = new QLineEdit(group);
    high_ = new QLineEdit(group);
    low_->setObjectName(QStringLiteral("low"));
    high_->setObjectName(QStringLiteral("high"));
    for (QLineEdit* e : {low_, high_}) {
        e->setMaxLength(3);
        e->setValidator(new QIntValidator(0, 999, e));
        e->setFixedWidth(60);
        e->setAlignment(Qt::AlignRight);
    }
    auto* band = new QHBoxLayout;
    band->addWidget(low_);
    band->addWidget(new QLabel(QString::fromUtf8("——"), group));
    band->addWidget(high_);
    band->addWidget(new QLabel(QStringLiteral("MHz"), group));
    band->addStretch();
    // The two edges of the band are named each for a screen reader; the label takes the first.
    low_->setAccessibleName(tr("Field, lowest frequency in MHz"));
    high_->setAccessibleName(tr("Field, highest frequency in MHz"));
    auto* field = new QLabel(tr("Field"), group);
    field->setBuddy(low_);
    auto* form = new QFormLayout(group);
    form->addRow(tr("Type"), model_);
    form->addRow(field, band);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    translateButtons(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CProductInfoDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);

    const auto fields =
        productinfo::load(image_, productinfo::modelNames(g().setupIni), g().registry().value(QStringLiteral("Type")));
    model_->addItems(fields.models);
    model_->setCurrentIndex(fields.selected);
    low_->setText(QString::number(fields.lowMHz));
    high_->setText(QString::number(fields.highMHz));
}

void CProductInfoDlg::accept()
{
    productinfo::Fields f;
    f.models = productinfo::modelNames(g().setupIni);
    f.selected = model_->currentIndex();
    f.lowMHz = low_->text().toInt();
    f.highMHz = high_->text().toInt();
    if (const auto refused = productinfo::store(image_, f, g().lang())) {
        appMessage(this, *refused, QMessageBox::Ok, QMessageBox::Warning);
        return;
    }
    const Band band{f.lowMHz, f.highMHz};
    emit captionChanged(
        windowCaption(g().languageValue(QStringLiteral("AppName")), model_->currentText(), band, g().lang()));
    const BandLimits limits = BandLimits::of(band);
    emit bandChanged(limits.low, limits.high);
    g().registry().setValue(QStringLiteral("Type"), f.selected);
    QDialog::accept();
}

void CProductInfoDlg::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_F1) {
        const fields::Page page = editors::productInfoPage({});
        const QHash<QString, int> ids = {{QStringLiteral("model"), page.field(editors::pi::Type).help},
                                         {QStringLiteral("low"), page.field(editors::pi::Band).help},
                                         {QStringLiteral("high"), editors::pi::kHighEdgeHelp}};
        help::show(this, focusWidget() ? ids.value(focusWidget()->objectName(), 0) : 0);
        return;
    }
    QDialog::keyPressEvent(e);
}

} // namespace zemtar::ui
