// Moving channels in the table as whole records, and channel lists read from and written to
// files: each change is one undo step on the document's stack.
#include "CChannelListDlgs.h"
#include "CZemtarView.h"

#include "channels/ChannelMoves.h"
#include "channels/CsvPlan.h"
#include "channels/TableText.h"
#include "editors/ProductInfo.h"
#include "fleet/Verify.h"
#include "image/AtomicFile.h"
#include "image/DataFile.h"
#include "shell/ui/AppGlobals.h"
#include "shell/ui/CZemtarDoc.h"
#include "shell/ui/MessageBox.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QStringDecoder>

namespace zemtar::ui {

namespace {

// The texts of the channel moves in the window's language.
QString windowText(const QString& text)
{
    static const char* const kTexts[][2] = {
        {"Select channels 1 to 128 (the Fr row does not move).",
         QT_TRANSLATE_NOOP("zemtar::ui::CZemtarView", "Select channels 1 to 128 (the Fr row does not move).")},
        {"The selected channels are at the top already.",
         QT_TRANSLATE_NOOP("zemtar::ui::CZemtarView", "The selected channels are at the top already.")},
        {"The selected channels are at the bottom already.",
         QT_TRANSLATE_NOOP("zemtar::ui::CZemtarView", "The selected channels are at the bottom already.")},
        {"Channel 128 is in use: delete it or move it up before inserting a channel.",
         QT_TRANSLATE_NOOP("zemtar::ui::CZemtarView",
                           "Channel 128 is in use: delete it or move it up before inserting a channel.")},
    };
    for (const auto& t : kTexts)
        if (text == QLatin1String(t[0]))
            return CZemtarView::tr(t[1]);
    if (text.startsWith(QLatin1String("The priority channel")))
        return CZemtarView::tr("The priority channel was deleted; the setting now names the channel in its place.");
    return text;
}

// Files of channel lists are a few kilobytes; a megabyte is far beyond any.
constexpr qint64 kMaxListBytes = 1 << 20;

} // namespace

QList<int> CZemtarView::selectedChannels() const
{
    QList<int> rows = selectedRows();
    if (rows.isEmpty() && grid_->GetRow() >= kFirstRow)
        rows << int(grid_->GetRow());
    rows.removeAll(kFrRow);
    return rows;
}

void CZemtarView::addMoveActions(QMenu* menu)
{
    const bool any = !selectedChannels().isEmpty();
    for (auto [text, f] : {std::pair{tr("Insert Channel"), &CZemtarView::insertChannel},
                           std::pair{tr("Delete and Close Up"), &CZemtarView::deleteAndCloseUp},
                           std::pair{tr("Move Up"), &CZemtarView::moveSelectedUp},
                           std::pair{tr("Move Down"), &CZemtarView::moveSelectedDown},
                           std::pair{tr("Sort by Receive Frequency"), &CZemtarView::sortSelectedByFrequency},
                           std::pair{tr("Sort by Name"), &CZemtarView::sortSelectedByName}})
        menu->addAction(text, this, f)->setEnabled(any);
}

namespace {

// Runs a move on a copy of the image; stores it as one step and selects where the moved
// records went, or says why nothing moved.
void runMove(CZemtarView* view, const QString& what,
             const std::function<channelmoves::Result(RadioImage&, const QList<int>&)>& move)
{
    const QList<int> channels = view->selectedChannels();
    if (!view->commitEditor())
        return;
    CZemtarDoc* doc = view->GetDocument();
    view->StoreTableIntoImage();
    RadioImage img = doc->image();
    const channelmoves::Result r = move(img, channels);
    if (!r.ok()) {
        appMessage(view, windowText(r.refused), QMessageBox::Ok, QMessageBox::Warning);
        return;
    }
    doc->setNewDocument(false); // the image as it stands is the document from now on
    view->changeDocument(what, [&] {
        doc->image() = img;
        view->FillTableFromImage();
    });
    CMSFlexGrid* grid = view->grid();
    for (qsizetype i = 0; i < r.selection.size(); ++i)
        grid->selectRows(r.selection[i], false, i > 0);
    if (!r.selection.isEmpty())
        grid->scrollTo(grid->model()->index(r.selection.front() - 1, 0));
    grid->setFocus();
    if (!r.note.isEmpty())
        emit view->statusText(windowText(r.note));
}

} // namespace

void CZemtarView::insertChannel()
{
    const int row = int(grid_->GetRow());
    runMove(this, tr("Insert Channel"), [row](RadioImage& img, const QList<int>&) {
        if (row < kFirstRow || row == kFrRow) {
            channelmoves::Result refused;
            refused.refused = QStringLiteral("Select channels 1 to 128 (the Fr row does not move).");
            return refused;
        }
        return channelmoves::insertAt(img, row);
    });
}

void CZemtarView::deleteAndCloseUp() { runMove(this, tr("Delete and Close Up"), channelmoves::deleteAndCloseUp); }

void CZemtarView::moveSelectedUp() { runMove(this, tr("Move Up"), channelmoves::moveUp); }
void CZemtarView::moveSelectedDown() { runMove(this, tr("Move Down"), channelmoves::moveDown); }

void CZemtarView::sortSelectedByFrequency()
{
    runMove(this, tr("Sort by Receive Frequency"), [](RadioImage& img, const QList<int>& channels) {
        return channelmoves::sortChannels(img, channels, channelmoves::SortKey::ReceiveFrequency);
    });
}

void CZemtarView::sortSelectedByName()
{
    runMove(this, tr("Sort by Name"), [](RadioImage& img, const QList<int>& channels) {
        return channelmoves::sortChannels(img, channels, channelmoves::SortKey::Name);
    });
}

// ------------------------------------------------------------------ files

bool CZemtarView::importChannels(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    auto refuse = [&](const QString& why) {
        appMessage(this, tr("%1 cannot be imported:\n%2\nNothing was changed.").arg(name, why), QMessageBox::Ok,
                   QMessageBox::Warning);
        emit statusText(tr("Nothing was imported from %1.").arg(name));
        return false;
    };
    QByteArray raw;
    QString error;
    if (!readFileBounded(path, kMaxListBytes, &raw, &error))
        return refuse(error);
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(raw);
    if (utf8.hasError())
        return refuse(tr("The file is not UTF-8 text."));
    if (!commitEditor())
        return false;
    StoreTableIntoImage();
    RadioImage img = doc_->image();
    QStringList problems, notes;
    int fit = 0, badRows = 0;
    if (csvplan::isCsvPlan(text)) {
        const csvplan::Plan plan = csvplan::parse(text, img, {}, g().lang());
        if (!plan.refused.isEmpty())
            return refuse(plan.refused);
        auto says = [](const csvplan::Problem& p) {
            return p.column.isEmpty() ? tr("line %1: %2").arg(p.line).arg(p.text)
                                      : tr("line %1, column %2: %3")
                                            .arg(p.line)
                                            .arg(csvplan::columnName(p.column, g().lang()), p.text);
        };
        QList<int> badLines;
        for (const csvplan::Problem& p : plan.problems) {
            problems << says(p);
            if (!badLines.contains(p.line))
                badLines << p.line;
        }
        badRows = int(badLines.size());
        for (const csvplan::Problem& n : plan.notes)
            notes << says(n);
        fit = int(plan.edits.size());
        if (fit > 0)
            csvplan::apply(img, plan.edits);
    } else {
        const tabletext::ImportResult r = tabletext::importInto(img, text, g().lang());
        if (r.rowsRead == 0 && r.ok())
            return refuse(tr("The file has no channel rows below its header."));
        problems = r.problems;
        badRows = int(problems.size());
        notes = r.notes;
        fit = r.ok() ? r.rowsRead : 0; // the table is taken whole or not at all
    }
    if (!problems.isEmpty() || !notes.isEmpty()) {
        CImportPlanDlg dlg(name, problems, badRows, notes, fit, window());
        if (dlg.exec() != QDialog::Accepted || fit == 0) {
            emit statusText(tr("Nothing was imported from %1.").arg(name));
            return false;
        }
    }
    if (img == doc_->image()) {
        emit statusText(tr("The channels hold the values of %1 already; nothing changed.").arg(name));
        return false;
    }
    doc_->setNewDocument(false);
    changeDocument(tr("Import Channels"), [&] {
        doc_->image() = img;
        FillTableFromImage();
    });
    emit statusText(tr("Channels imported from %1.").arg(name));
    return true;
}

bool CZemtarView::exportChannels(const QString& path)
{
    if (!commitEditor())
        return false;
    if (doc_->hasFile() && sameFile(path, doc_->pathName())) {
        appMessage(this, tr("%1 is the document itself: give another name for the channel list.").arg(path),
                   QMessageBox::Ok, QMessageBox::Warning);
        return false;
    }
    StoreTableIntoImage();
    const bool csv = path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive);
    const QString text =
        csv ? csvplan::exportText(doc_->image()) : tabletext::dump(table(), g().lang(), tabletext::Format::Tsv);
    QString error;
    if (!writeFileAtomically(path, text.toUtf8(), &error)) {
        appMessage(this, error, QMessageBox::Ok, QMessageBox::Warning);
        return false;
    }
    emit statusText(tr("Channels exported to %1.").arg(QDir::toNativeSeparators(path)));
    return true;
}

void CZemtarView::compareWith(const QString& path)
{
    RadioImage other;
    QString error;
    if (!DataFile::load(path, other, &error)) {
        appMessage(this, error, QMessageBox::Ok, QMessageBox::Warning);
        return;
    }
    commitEditor();
    StoreTableIntoImage();
    // Against a file of the same name (its own file, as saved) the two sides are told apart:
    // the document as it is now, and the file by its path.
    const QString name = doc_->displayName(), theirs = QFileInfo(path).fileName();
    const bool sameName = theirs.compare(name, Qt::CaseInsensitive) == 0;
    const fleet::Sides sides{sameName ? tr("the document (%1)").arg(name) : name,
                             sameName ? QDir::toNativeSeparators(path) : theirs, true};
    const QStringList lines =
        fleet::differences(doc_->image(), other, productinfo::modelNames(g().setupIni), g().lang(), sides);
    emit statusText(lines.isEmpty() ? tr("Compared with %1: the same image.").arg(sides.second)
                                    : tr("Compared with %1: %2 difference(s).").arg(sides.second).arg(lines.size()));
    // The summary opens with the document's side.
    CCompareDlg(lines, sameName ? sides.first.left(1).toUpper() + sides.first.mid(1) : name, sides.second, window())
        .exec();
}

namespace {
QString listFilter()
{
    return CZemtarView::tr("Channel list in the common CSV layout (*.csv);;Tab-separated channel table (*.txt *.tsv)"
                           ";;All files (*)");
}
} // namespace

void CZemtarView::onImportChannels()
{
    const QString path = askFileName(this, false, QString(), listFilter());
    if (!path.isEmpty())
        importChannels(path);
}

void CZemtarView::onExportChannels()
{
    const QString base = doc_->hasFile() ? QFileInfo(doc_->pathName()).completeBaseName() : QStringLiteral("channels");
    const QString folder = doc_->hasFile() ? QFileInfo(doc_->pathName()).absolutePath() : QString();
    const QString proposed = folder.isEmpty() ? base + QStringLiteral(".csv") : folder + u'/' + base + ".csv";
    const QString path = askFileName(this, true, proposed, listFilter());
    if (!path.isEmpty())
        exportChannels(path);
}

void CZemtarView::onCompareWith()
{
    const QString path = askFileName(this, false, QString());
    if (!path.isEmpty())
        compareWith(path);
}

} // namespace zemtar::ui
