#include "CChildFrame.h"

#include "channels/ui/CZemtarView.h"
#include "link/ui/CLinkController.h"
#include "shell/ui/AppGlobals.h"
#include "shell/ui/CZemtarDoc.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>

namespace zemtar::ui {

CChildFrame::CChildFrame(CZemtarDoc* doc, CZemtarView* view, QWidget* parent)
    : QMdiSubWindow(parent), doc_(doc), view_(view)
{
    doc_->setParent(this);
    setWidget(view_);
    setAttribute(Qt::WA_DeleteOnClose, false);
    // Its own size from the start: a window restored from maximised, or shown again, comes
    // back at this size rather than at what the framework would make of the table.
    setMinimumSize(kMinimumSize);
    setGeometry(QRect(QPoint(0, 0), kOpenSize));
    setWindowIcon(QIcon(g().appFile(QStringLiteral("title.ico"))));
    // The window menu's own shortcuts (Ctrl+W closes, Ctrl+F4 ...) would shadow the main
    // window's accelerators: Ctrl+W is Write.
    if (QMenu* menu = systemMenu())
        for (QAction* a : menu->actions())
            a->setShortcuts({});
    CLinkController::Document d;
    d.image = [this]() -> RadioImage& { return doc_->image(); };
    d.commit = [this] { view_->commitEditor(); };
    d.store = [this] { view_->StoreTableIntoImage(); };
    d.change = [this](const QString& what, const std::function<void()>& change) {
        view_->changeDocument(what, change);
    };
    d.refill = [this] {
        doc_->setNewDocument(false);
        view_->FillTableFromImage();
        // The file on disk still holds the customer's radio: the next Save asks before it
        // puts this one in its place.
        if (doc_->hasFile())
            unsavedRead_ = RadioRead{link_->m_link.m_strPort, QDateTime::currentDateTime()};
    };
    d.band = [this] { return view_->bandLimits(); };
    d.window = [this] { return window(); };
    d.bandNote = [this] { return view_->bandNote(); };
    d.focusTable = [this] { view_->focusCurrentCell(); };
    link_ = new CLinkController(std::move(d), this);
    view_->radioBand = [this] { return link_->radioBand(); };
    updateCaption();
}

void CChildFrame::updateCaption()
{
    setWindowTitle((g().chinese ? QString::fromUtf8("信道信息") : QStringLiteral("Channel Information")) +
                   QStringLiteral("[*]"));
}

void CChildFrame::destroyFrame()
{
    destroying_ = true;
    close();
    deleteLater();
}

void CChildFrame::closeEvent(QCloseEvent* e)
{
    if (destroying_) {
        QMdiSubWindow::closeEvent(e);
        return;
    }
    e->ignore();
    closedMaximized_ = isMaximized();
    hide();
}

void CChildFrame::showAgain()
{
    if (closedMaximized_) {
        showMaximized();
        return;
    }
    if (width() < kMinimumSize.width() || height() < kMinimumSize.height())
        resize(kOpenSize);
    showNormal();
}

} // namespace zemtar::ui
