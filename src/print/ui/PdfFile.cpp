#include "PdfFile.h"

#include <QChildEvent>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStandardPaths>

namespace zemtar::ui {

QString pdfFileFor(const QString& documentFile, const QString& name)
{
    if (!documentFile.isEmpty()) {
        const QFileInfo fi(documentFile);
        return fi.absoluteDir().filePath(fi.completeBaseName() + QStringLiteral(".pdf"));
    }
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    return QDir(folder).filePath(name + QStringLiteral(".pdf"));
}

void proposePdfFile(QPrintDialog& dialog, QPrinter& printer, const QString& file)
{
    const QString base = QFileInfo(file).completeBaseName();
    printer.setDocName(base);
    // A PDF of this very report chosen earlier in the session (another folder, say) stays.
    const QString earlier = printer.outputFileName();
    const QString proposed =
        !earlier.isEmpty() && QFileInfo(earlier).completeBaseName() == base ? earlier : QDir::toNativeSeparators(file);
    // The dialog's own proposal is the home folder and the job's name; its file box is the
    // one line edit named so in the dialogs of Qt's print support.
    if (auto* box = dialog.findChild<QLineEdit*>(QStringLiteral("filename")))
        box->setText(proposed);
}

namespace {
// The preview makes its print dialog when Print is first pressed; the proposal goes in as the
// dialog is made ready to show.
class PreviewPrintDialogWatch : public QObject {
public:
    PreviewPrintDialogWatch(QPrintPreviewDialog* preview, QPrinter& printer, QString file)
        : QObject(preview), printer_(printer), file_(std::move(file))
    {
        preview->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::ChildPolished)
            if (auto* dialog = qobject_cast<QPrintDialog*>(static_cast<QChildEvent*>(e)->child()))
                proposePdfFile(*dialog, printer_, file_);
        return false;
    }

private:
    QPrinter& printer_;
    QString file_;
};
} // namespace

void proposePdfFile(QPrintPreviewDialog& preview, QPrinter& printer, const QString& file)
{
    printer.setDocName(QFileInfo(file).completeBaseName());
    new PreviewPrintDialogWatch(&preview, printer, file);
}

} // namespace zemtar::ui
