#pragma once
#include <QMdiSubWindow>

namespace zemtar::ui {

class CLinkController;
class CZemtarDoc;
class CZemtarView;

// The window of one document's channel table. Closing it only hides it; the document stays
// open and "Channel Information" shows it again.
class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    CChildFrame(CZemtarDoc* doc, CZemtarView* view, QWidget* parent = nullptr);

    CZemtarDoc* document() const { return doc_; }
    CZemtarView* view() const { return view_; }
    // The radio link of this document: Read, Write, Verify, Com Setup, the power adjustment.
    CLinkController* link() const { return link_; }
    // Closes the window for good, with its document.
    void destroyFrame();
    void updateCaption();

signals:
    void visibilityChanged();

protected:
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override
    {
        QMdiSubWindow::showEvent(e);
        emit visibilityChanged();
    }
    void hideEvent(QHideEvent* e) override
    {
        QMdiSubWindow::hideEvent(e);
        emit visibilityChanged();
    }

private:
    CZemtarDoc* doc_;
    CZemtarView* view_;
    CLinkController* link_;
    bool destroying_ = false;
};

} // namespace zemtar::ui
