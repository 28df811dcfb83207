#pragma once
#include <QDateTime>
#include <QMdiSubWindow>

#include <optional>

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
    bool destroyed() const { return destroying_; } // gone, though not yet deleted
    void updateCaption();

    // The size a channel window opens at, and the least it keeps: the row labels and the
    // first columns of the table.
    static constexpr QSize kOpenSize{1095, 650};
    static constexpr QSize kMinimumSize{480, 240};
    // Shows the window again as it was when it was closed: maximised, or at its own size.
    void showAgain();

    // A read from the radio that replaced what the document's file holds, not saved since.
    struct RadioRead {
        QString port;
        QDateTime at;
    };
    std::optional<RadioRead> unsavedRead() const { return unsavedRead_; }
    void clearUnsavedRead() { unsavedRead_.reset(); }

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
    bool closedMaximized_ = true; // windows open maximised
    std::optional<RadioRead> unsavedRead_;
};

} // namespace zemtar::ui
