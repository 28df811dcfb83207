#include "CDocumentManager.h"

#include "AppGlobals.h"
#include "CChildFrame.h"
#include "CZemtarDoc.h"
#include "MessageBox.h"
#include "shell/Messages.h"
#include "shell/PersistedSettings.h"

#include <QFileInfo>
#include <QTimer>
#include <QWidget>

namespace zemtar::ui {

CDocumentManager::CDocumentManager(QWidget* window) : QObject(window), window_(window) {}

CDocumentManager::~CDocumentManager()
{
    if (recentWritePending_)
        writeRecentFiles();
}

CChildFrame* CDocumentManager::newDocument()
{
    auto* doc = new CZemtarDoc;
    doc->OnNewDocument();
    return showDocument(doc);
}

void CDocumentManager::fileNew()
{
    if (CChildFrame* active = activeFrame()) {
        if (appMessage(window_, msg::text(msg::AllDataCleared, g().lang()), QMessageBox::Ok | QMessageBox::Cancel,
                       QMessageBox::Warning) != QMessageBox::Ok)
            return;
        active->destroyFrame();
    }
    newDocument();
}

void CDocumentManager::fileOpen()
{
    const QString path = askFileName(window_, false, QString());
    if (!path.isEmpty())
        openDocument(path);
}

bool CDocumentManager::openDocument(const QString& path)
{
    auto* doc = new CZemtarDoc;
    QString error;
    if (!doc->OnOpenDocument(path, &error)) {
        delete doc;
        appMessage(window_, error, QMessageBox::Ok, QMessageBox::Warning);
        return false;
    }
    if (CChildFrame* previous = activeFrame()) {
        if (!maybeSave(previous)) {
            delete doc;
            return false;
        }
        previous->destroyFrame();
    }
    showDocument(doc);
    addRecentFile(doc->pathName());
    return true;
}

void CDocumentManager::openRecent(const QString& path)
{
    if (openDocument(path))
        return;
    QStringList files = recentFiles();
    files.removeAll(path);
    setRecentFiles(files);
}

bool CDocumentManager::saveDocument(CChildFrame* frame, bool askForName)
{
    CZemtarDoc* doc = frame->document();
    QString path = doc->hasFile() ? doc->pathName() : QString();
    if (askForName || path.isEmpty()) {
        QString proposed = doc->pathName();
        if (!proposed.isEmpty() && QFileInfo(proposed).suffix().isEmpty())
            proposed += QStringLiteral(".dat");
        path = askFileName(window_, true, proposed);
        if (path.isEmpty())
            return false;
        if (QFileInfo(path).suffix().isEmpty())
            path += QStringLiteral(".dat");
    }
    QString error;
    if (!doc->OnSaveDocument(path, &error)) {
        appMessage(window_, error, QMessageBox::Ok, QMessageBox::Warning);
        return false;
    }
    addRecentFile(doc->pathName());
    doc->setSaved();
    return true;
}

bool CDocumentManager::maybeSave(CChildFrame* frame)
{
    if (!frame || !frame->document()->isModified())
        return true;
    const QString name = frame->document()->displayName();
    const auto answer =
        appMessage(window_, tr("Save changes to %1?").arg(name),
                   QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Question);
    if (answer == QMessageBox::Cancel)
        return false;
    return answer == QMessageBox::Discard || saveDocument(frame, false);
}

bool CDocumentManager::maybeSaveAll()
{
    for (CChildFrame* f : frames())
        if (!maybeSave(f))
            return false;
    return true;
}

QStringList CDocumentManager::recentFiles() const
{
    if (!recent_)
        recent_ = PersistedSettings::recentFileStore().recentFiles().mid(0, kRecentFiles);
    return *recent_;
}

void CDocumentManager::addRecentFile(const QString& path)
{
    QStringList files = recentFiles();
    files.removeAll(path);
    files.prepend(path);
    setRecentFiles(files);
}

void CDocumentManager::setRecentFiles(const QStringList& files)
{
    recent_ = files.mid(0, kRecentFiles);
    emit recentFilesChanged();
    // The disk write waits for the event loop: it never delays a window (the first one
    // above all); the last list asked for is the one written.
    if (!recentWritePending_) {
        recentWritePending_ = true;
        QTimer::singleShot(0, this, &CDocumentManager::writeRecentFiles);
    }
}

void CDocumentManager::writeRecentFiles()
{
    recentWritePending_ = false;
    if (recent_)
        PersistedSettings::recentFileStore().setRecentFiles(*recent_);
}

} // namespace zemtar::ui
