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
    // Opens each file in a window of its own (the files of the last session); a refused one
    // is said and skipped. Gives how many opened; the last one opened is the active one.
    int openDocuments(const QStringList& paths);
    // The files of the open documents, the active one last: what a restart opens again.
    QStringList openFiles() const;
    // A recent file that cannot be opened any more leaves the list.
    void openRecent(const QString& path);
    // Save and Save As. The first Save after a read from the radio replaced a file's
    // contents asks whether to replace that file, Save As offered first.
    bool saveDocument(CChildFrame* frame, bool askForName);
    // A modified document asks whether to save it first; false when the user cancels.
    bool maybeSave(CChildFrame* frame);
    // Every window's question in turn; false at the first Cancel.
    bool maybeSaveAll();

    QStringList recentFiles() const;
    // Where Open and the first Save of a new document start: the folder of the file used
    // last, else the user's documents folder.
    QString startFolder() const;

signals:
    void recentFilesChanged();
    // What became of a document: where it was saved, which file was opened.
    void result(const QString& text);

private:
    bool openInWindow(const QString& path, bool replaceActive);
    // The question before a document with changes goes away.
    QString saveQuestion(CChildFrame* frame) const;
    void addRecentFile(const QString& path);
    void setRecentFiles(const QStringList& files);
    void writeRecentFiles();

    QWidget* window_;
    mutable std::optional<QStringList> recent_; // read on first use, written when the loop runs
    bool recentWritePending_ = false;
};

} // namespace zemtar::ui
