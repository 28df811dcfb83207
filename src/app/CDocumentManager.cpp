#include "CDocumentManager.h"

#include "CChildFrame.h"
#include "shell/Messages.h"
#include "shell/PersistedSettings.h"
#include "shell/ui/AppGlobals.h"
#include "shell/ui/CZemtarDoc.h"
#include "shell/ui/MessageBox.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
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
        // Only changes not saved are lost: a document as it was saved or opened goes quietly.
        if (active->document()->isModified()) {
            const auto answer = appMessage(
                window_, msg::text(msg::AllDataCleared, g().lang()) + QStringLiteral("\n\n") + saveQuestion(active),
                QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Warning);
            if (answer == QMessageBox::Cancel || (answer == QMessageBox::Save && !saveDocument(active, false)))
                return;
        }
        active->destroyFrame();
    }
    newDocument();
}

void CDocumentManager::fileOpen()
{
    const QString path = askFileName(window_, false, startFolder());
    if (!path.isEmpty())
        openDocument(path);
}

QString CDocumentManager::startFolder() const
{
    for (const QString& file : recentFiles())
        if (const QFileInfo dir(QFileInfo(file).absolutePath()); dir.isDir())
            return dir.absoluteFilePath();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

bool CDocumentManager::openDocument(const QString& path) { return openInWindow(path, true); }

int CDocumentManager::openDocuments(const QStringList& paths)
{
    int opened = 0;
    for (const QString& path : paths)
        opened += openInWindow(path, false) ? 1 : 0;
    return opened;
}

QStringList CDocumentManager::openFiles() const
{
    QStringList files;
    CChildFrame* active = activeFrame();
    for (CChildFrame* f : frames())
        if (f != active && f->document()->hasFile())
            files << f->document()->pathName();
    if (active && active->document()->hasFile())
        files << active->document()->pathName();
    return files;
}

bool CDocumentManager::openInWindow(const QString& path, bool replaceActive)
{
    auto* doc = new CZemtarDoc;
    QString error;
    if (!doc->OnOpenDocument(path, &error)) {
        delete doc;
        appMessage(window_, error, QMessageBox::Ok, QMessageBox::Warning);
        return false;
    }
    if (CChildFrame* previous = replaceActive ? activeFrame() : nullptr) {
        if (!maybeSave(previous)) {
            delete doc;
            return false;
        }
        previous->destroyFrame();
    }
    showDocument(doc);
    addRecentFile(doc->pathName());
    emit result(tr("Opened %1").arg(QDir::toNativeSeparators(doc->pathName())));
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
    QString readName; // what Save As proposes for a read kept beside the file
    if (const auto read = frame->unsavedRead(); read && doc->hasFile() && !askForName) {
        // Save As first: the customer's file is worth keeping beside the radio just read.
        constexpr auto kSaveAs = QMessageBox::Yes;
        constexpr auto kReplace = QMessageBox::No;
        const QString text = tr("This document now holds the radio read on %1 at %2. Replace %3 with it?")
                                 .arg(read->port, read->at.toString(QStringLiteral("HH:mm")), doc->displayName());
        const auto answer = appQuestion(window_, text, kSaveAs | kReplace | QMessageBox::Cancel,
                                        {{kSaveAs, tr("Save &As...")}, {kReplace, tr("&Replace")}}, kSaveAs);
        if (answer == kSaveAs) {
            // A name of its own beside the customer's file, so that Enter does not overwrite it.
            const QFileInfo customer(doc->pathName());
            readName =
                customer.dir().filePath(customer.completeBaseName() + QStringLiteral("-read-") +
                                        read->at.toString(QStringLiteral("yyyyMMdd-HHmm")) + QStringLiteral(".dat"));
            askForName = true;
        } else if (answer != kReplace) {
            return false;
        }
    }
    QString path = doc->hasFile() ? doc->pathName() : QString();
    if (askForName || path.isEmpty()) {
        // A new document has no folder of its own (its name is the program's): it starts
        // where the dealer worked last, never in the program's folder.
        QString proposed = !readName.isEmpty() ? readName
                           : doc->hasFile()    ? doc->pathName()
                                               : QDir(startFolder()).filePath(QFileInfo(doc->pathName()).fileName());
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
    frame->clearUnsavedRead();
    emit result(tr("Saved to %1").arg(QDir::toNativeSeparators(doc->pathName())));
    return true;
}

QString CDocumentManager::saveQuestion(CChildFrame* frame) const
{
    const QString name = frame->document()->displayName();
    // A closed window's document is open all the same: the question says which one it is.
    if (frame->isHidden())
        return tr("Save changes to %1? Its window is closed, but the document is still open.").arg(name);
    return tr("Save changes to %1?").arg(name);
}

bool CDocumentManager::maybeSave(CChildFrame* frame)
{
    if (!frame || !frame->document()->isModified())
        return true;
    const auto answer =
        appMessage(window_, saveQuestion(frame), QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                   QMessageBox::Question);
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
