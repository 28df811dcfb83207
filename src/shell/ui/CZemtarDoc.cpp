#include "CZemtarDoc.h"

#include "AppGlobals.h"
#include "image/DataFile.h"

#include <QFileInfo>

namespace zemtar::ui {

bool CZemtarDoc::OnNewDocument()
{
    image_ = RadioImage::newDocument();
    title_ = g().chinese ? QString::fromUtf8("信道信息") : QStringLiteral("Channel Information");
    pathName_ = g().appName();
    hasFile_ = false;
    g().newDocument = true;
    emit titleChanged();
    return true;
}

bool CZemtarDoc::OnOpenDocument(const QString& path, QString* error)
{
    RadioImage loaded;
    if (!DataFile::load(path, loaded, error))
        return false;
    image_ = loaded;
    pathName_ = QFileInfo(path).absoluteFilePath();
    hasFile_ = true;
    title_ = QFileInfo(path).fileName();
    emit titleChanged();
    return true;
}

bool CZemtarDoc::OnSaveDocument(const QString& path, QString* error)
{
    if (storeTable)
        storeTable();
    if (!DataFile::save(path, image_, error))
        return false;
    pathName_ = QFileInfo(path).absoluteFilePath();
    hasFile_ = true;
    title_ = QFileInfo(path).fileName();
    emit titleChanged();
    return true;
}

} // namespace zemtar::ui
