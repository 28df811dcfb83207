#include "CChannelListDlgs.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zemtar::ui {

namespace {

QPlainTextEdit* linesList(const QStringList& lines, QWidget* parent)
{
    auto* list = new QPlainTextEdit(parent);
    list->setObjectName(QStringLiteral("lines"));
    list->setReadOnly(true);
    list->setLineWrapMode(QPlainTextEdit::NoWrap);
    list->setPlainText(lines.join(u'\n'));
    list->setVisible(!lines.isEmpty());
    return list;
}

// The summary above the list, the buttons below.
void layOut(QDialog* dialog, QLabel* summary, QPlainTextEdit* list, QDialogButtonBox* buttons)
{
    summary->setObjectName(QStringLiteral("summary"));
    summary->setWordWrap(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(summary);
    layout->addWidget(list, 1);
    layout->addWidget(buttons);
    if (!list->toPlainText().isEmpty())
        dialog->resize(640, 360);
}

} // namespace

CImportPlanDlg::CImportPlanDlg(const QString& fileName, const QStringList& problems, int badRows,
                               const QStringList& notes, int rowsThatFit, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("importPlanDialog"));
    setWindowTitle(tr("Import Channels"));
    QString text;
    if (problems.isEmpty())
        text = tr("%1: %2 channel(s) can be imported. Note:").arg(fileName).arg(rowsThatFit);
    else if (rowsThatFit > 0)
        text = tr("%1: %2 row(s) do not fit the radio; %3 row(s) do. Nothing has been imported yet.")
                   .arg(fileName)
                   .arg(badRows)
                   .arg(rowsThatFit);
    else
        text = tr("%1: no row fits the radio. Nothing was imported.").arg(fileName);
    summary_ = new QLabel(text, this);
    QStringList lines = problems;
    if (!problems.isEmpty() && !notes.isEmpty())
        lines << QString();
    for (const QString& n : notes)
        lines << tr("Note: %1").arg(n);
    list_ = linesList(lines, this);
    auto* buttons = new QDialogButtonBox(this);
    if (rowsThatFit > 0) {
        import_ =
            buttons->addButton(problems.isEmpty() ? tr("Import") : tr("Import the Rest"), QDialogButtonBox::AcceptRole);
        import_->setObjectName(QStringLiteral("import"));
        buttons->addButton(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    } else {
        buttons->addButton(QDialogButtonBox::Close)->setText(tr("Close"));
    }
    layOut(this, summary_, list_, buttons);
}

CCompareDlg::CCompareDlg(const QStringList& differences, const QString& document, const QString& other, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("compareDialog"));
    setWindowTitle(tr("Compare With"));
    summary_ = new QLabel(differences.isEmpty()
                              ? tr("%1 and %2 hold the same image.").arg(document, other)
                              : tr("%1 and %2 differ in %3 place(s):").arg(document, other).arg(differences.size()),
                          this);
    list_ = linesList(differences, this);
    list_->setObjectName(QStringLiteral("differences"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(tr("Close"));
    layOut(this, summary_, list_, buttons);
}

} // namespace zemtar::ui
