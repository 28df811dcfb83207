#pragma once
#include <QMdiSubWindow>

namespace zemtar::ui {

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
    // Closes the window for good, with its document.
    void destroyFrame();
    void updateCaption();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    CZemtarDoc* doc_;
    CZemtarView* view_;
    bool destroying_ = false;
};

} // namespace zemtar::ui
