#include "CChildFrame.h"

#include "AppGlobals.h"
#include "CZemtarDoc.h"
#include "channels/ui/CZemtarView.h"

#include <QCloseEvent>

namespace zemtar::ui {

CChildFrame::CChildFrame(CZemtarDoc* doc, CZemtarView* view, QWidget* parent)
    : QMdiSubWindow(parent), doc_(doc), view_(view)
{
    doc_->setParent(this);
    setWidget(view_);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowIcon(QIcon(g().appFile(QStringLiteral("title.ico"))));
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
    hide();
}

} // namespace zemtar::ui
