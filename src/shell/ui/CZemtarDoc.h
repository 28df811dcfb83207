#pragma once
#include "channels/ChannelTable.h"
#include "image/RadioImage.h"

#include <QObject>
#include <QString>

#include <functional>

class QAbstractTableModel;
class QUndoStack;

namespace zemtar::ui {

// A document: one radio image, its channel table as the window shows it (texts filled from
// the image, stored back into it), where it was loaded from or is to be saved to, and its title.
class CZemtarDoc : public QObject {
    Q_OBJECT
public:
    explicit CZemtarDoc(QObject* parent = nullptr);

    RadioImage& image() { return image_; }
    const RadioImage& image() const { return image_; }
    // The channel table's texts, and the model the channel view shows them through. The first
    // view of the document makes the model (`make` gets the table it edits and the document as
    // parent); the document keeps it for every view after.
    const ChannelTable& table() const { return table_; }
    QAbstractTableModel* tableModel() const { return tableModel_; }
    QAbstractTableModel* tableModel(const std::function<QAbstractTableModel*(ChannelTable&, QObject*)>& make);

    // A new document until it is opened from a file, read from a radio or edited in Channel
    // Edit: its first fill takes the persisted radio type and the default band.
    bool isNewDocument() const { return newDocument_; }
    void setNewDocument(bool on) { newDocument_ = on; }

    // A new image with the defaults; the path name becomes the application name (the name
    // the first Save proposes) and the document is a new document.
    bool OnNewDocument();
    // Loads a data file. A refused file leaves the document as it was and `error` says why.
    bool OnOpenDocument(const QString& path, QString* error);
    // Stores the channel table into the image first, then writes the file atomically.
    bool OnSaveDocument(const QString& path, QString* error);

    QString pathName() const { return pathName_; }
    void setPathName(const QString& p) { pathName_ = p; }
    // True when pathName() names a file this document was loaded from or saved to.
    bool hasFile() const { return hasFile_; }
    QString title() const { return title_; }
    // The name a user knows the document by: the file's name, or "Untitled" before it has one
    // (a new document, or one read from a radio).
    QString displayName() const;

    // Every change is a step on this stack; the document is modified while the stack is away
    // from the step last saved or loaded.
    QUndoStack* undoStack() const { return undo_; }
    bool isModified() const;
    void setSaved();

    // Set by the view: puts the table's texts into the image.
    std::function<void()> storeTable;

signals:
    void titleChanged();
    void modifiedChanged(bool modified);

private:
    QUndoStack* undo_;
    RadioImage image_;
    ChannelTable table_;
    QAbstractTableModel* tableModel_ = nullptr;
    bool newDocument_ = false;
    QString pathName_;
    QString title_;
    bool hasFile_ = false;
};

} // namespace zemtar::ui
