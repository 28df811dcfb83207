#include "PdfFile.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrintDialog>
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

} // namespace zemtar::ui
