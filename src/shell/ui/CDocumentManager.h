#pragma once
// Opening, saving and closing documents and the recent-file list. The main frame owns one and
// gives it the windows: how to show a document, which window is active, all of them.
#include <QObject>
#include <QStringList>

#include <functional>
#include <optional>

class QWidget;

namespace zemtar::ui {

class CChildFrame;
class CZemtarDoc;

class CDocumentManager : public QObject {
    Q_OBJECT
public:
    static constexpr int kRecentFiles = 4;

    // Message boxes and file dialogs are `window`'s.
    explicit CDocumentManager(QWidget* window);
    ~CDocumentManager() override;

    std::function<CChildFrame*(CZemtarDoc*)> showDocument; // takes the document into a new window
    std::function<CChildFrame*()> activeFrame;
    std::function<QList<CChildFrame*>()> frames;

    // File New without the warning: a fresh document in a new window.
    CChildFrame* newDocument();
    // File New: a document already open is cleared after the warning.
    void fileNew();
    void fileOpen();
    // Opens a data file in place of the active document; a refused file shows the reason and
    // changes nothing, and so does Cancel in the save question.
    bool openDocument(const QString& path);
    // A recent file that cannot be opened any more leaves the list.
    void openRecent(const QString& path);
    bool saveDocument(CChildFrame* frame, bool askForName);
    // A modified document asks whether to save it first; false when the user cancels.
    bool maybeSave(CChildFrame* frame);
    // Every window's question in turn; false at the first Cancel.
    bool maybeSaveAll();

    QStringList recentFiles() const;

signals:
    void recentFilesChanged();

private:
    void addRecentFile(const QString& path);
    void setRecentFiles(const QStringList& files);
    void writeRecentFiles();

    QWidget* window_;
    mutable std::optional<QStringList> recent_; // read on first use, written when the loop runs
    bool recentWritePending_ = false;
};

} // namespace zemtar::ui
