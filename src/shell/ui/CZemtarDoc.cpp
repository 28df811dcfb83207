#include "CZemtarDoc.h"

#include "AppGlobals.h"
#include "image/DataFile.h"

#include <QAbstractTableModel>
#include <QFileInfo>
#include <QUndoStack>

namespace zemtar::ui {

CZemtarDoc::CZemtarDoc(QObject* parent) : QObject(parent), undo_(new QUndoStack(this))
{
    connect(undo_, &QUndoStack::cleanChanged, this, [this](bool clean) { emit modifiedChanged(!clean); });
}

QAbstractTableModel* CZemtarDoc::tableModel(const std::function<QAbstractTableModel*(ChannelTable&, QObject*)>& make)
{
    if (!tableModel_)
        tableModel_ = make(table_, this);
    return tableModel_;
}

QString CZemtarDoc::displayName() const { return hasFile_ ? QFileInfo(pathName_).fileName() : tr("Untitled"); }

bool CZemtarDoc::isModified() const { return !undo_->isClean(); }

void CZemtarDoc::setSaved() { undo_->setClean(); }

bool CZemtarDoc::OnNewDocument()
{
    image_ = RadioImage::newDocument();
    title_ = g().chinese ? QString::fromUtf8("信道信息") : QStringLiteral("Channel Information");
    pathName_ = g().appName();
    hasFile_ = false;
    newDocument_ = true;
    emit titleChanged();
    return true;
}

bool CZemtarDoc::OnOpenDocument(const QString& path, QString* error)
{
    RadioImage loaded;
    if (!DataFile::load(path, loaded, error))
        return false;
    image_ = loaded;
    newDocument_ = false;
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
