#include "CVerifyDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zemtar::ui {

CVerifyDlg::CVerifyDlg(const QStringList& differences, const QString& port, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("verifyDialog"));
    setWindowTitle(tr("Verify"));
    summary_ = new QLabel(
        differences.isEmpty()
            ? tr("The radio holds exactly this document.")
            : tr("The radio on %1 differs from this document in %2 place(s):").arg(port).arg(differences.size()),
        this);
    summary_->setObjectName(QStringLiteral("summary"));
    list_ = new QPlainTextEdit(this);
    list_->setObjectName(QStringLiteral("differences"));
    list_->setAccessibleName(tr("Differences"));
    list_->setReadOnly(true);
    list_->setLineWrapMode(QPlainTextEdit::NoWrap);
    list_->setPlainText(differences.join(u'\n'));
    list_->setVisible(!differences.isEmpty());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(tr("Close"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    if (!differences.isEmpty())
        resize(640, 360);
}

} // namespace zemtar::ui
