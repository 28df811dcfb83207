#pragma once
#include "image/RadioImage.h"

#include <QObject>
#include <QString>

#include <functional>

namespace zemtar::ui {

// A document: one radio image, where it was loaded from or is to be saved to, and its title.
class CZemtarDoc : public QObject {
    Q_OBJECT
public:
    explicit CZemtarDoc(QObject* parent = nullptr) : QObject(parent) {}

    RadioImage& image() { return image_; }
    const RadioImage& image() const { return image_; }

    // A new image with the defaults; the path name becomes the application name (the name
    // the first Save proposes) and the new-document flag is set.
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

    // Set by the view: puts the table's texts into the image.
    std::function<void()> storeTable;

signals:
    void titleChanged();

private:
    RadioImage image_;
    QString pathName_;
    QString title_;
    bool hasFile_ = false;
};

} // namespace zemtar::ui
