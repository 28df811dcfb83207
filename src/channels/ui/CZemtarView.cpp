#include "CZemtarView.h"

#include "editors/ProductInfo.h"
#include "fleet/Verify.h"
#include "link/ui/CComSetupDlg.h"
#include "link/ui/CVerifyDlg.h"
#include "link/ui/CPowerDebugDlg.h"
#include "link/ui/CProcessDlg.h"
#include "link/ui/GuiLinkHost.h"
#include "shell/PersistedSettings.h"
#include "shell/ui/AppGlobals.h"
#include "shell/Messages.h"
#include "shell/ui/CZemtarDoc.h"
#include "shell/ui/MessageBox.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QScreen>
#include <QUndoStack>
#include <QVBoxLayout>

namespace zemtar::ui {

namespace {
constexpr double kWidthFactors[ColumnCount] = {0.5, 1.06, 1.06, 1.1, 1.1, 1.08, 0.7, 0.86, 0.8, 1.05, 1.0, 0.85, 0.52};
constexpr unsigned long kFixedTextColour = 15741440; // blue 0xF0, green 0x32, red 0
} // namespace

CZemtarView::CZemtarView(CZemtarDoc* doc, QWidget* parent) : QWidget(parent), doc_(doc), grid_(new CMSFlexGrid(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid_);
    grid_->setObjectName(QStringLiteral("channelGrid"));
    doc_->storeTable = [this] {
        commitEditor(); // what the user sees in an open editor is what gets saved
        StoreTableIntoImage();
    };
    undo_ = doc_->undoStack();
    createEditors();
}

CZemtarView::~CZemtarView()
{
    // The steps on the document's stack refer to this view: they go with it.
    if (undo_) {
        const QSignalBlocker quiet(undo_.data());
        undo_->clear();
    }
}

void CZemtarView::setUp()
{
    const Language lang = g().lang();
    grid_->SetRows(kTableRows);
    grid_->SetCols(ColumnCount);
    grid_->SetForeColorFixed(kFixedTextColour);
    for (int c = 0; c < ColumnCount; ++c) {
        grid_->SetTextMatrix(0, c, ChannelTable::header(c, lang));
        grid_->SetColAlignment(c, 4);
    }
    firstSetUp_ = false;
}

void CZemtarView::scaleToScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int width = screen ? screen->geometry().width() : 1024;
    scale_ = width > 800 ? width / 1024.0 : 1.0;
    for (int c = 0; c < ColumnCount; ++c)
        grid_->SetColWidth(c, long(kBaseColumnWidthTwips * kWidthFactors[c] * scale_));
}

void CZemtarView::OnInitialUpdate()
{
    if (firstSetUp_)
        setUp();
    for (int r = kFirstRow; r <= kLastRow; ++r)
        grid_->SetTextMatrix(r, ColLabel, ChannelTable::rowLabel(r));
    committing_ = true; // moving through the cells here edits nothing
    grid_->SetCol(ColName);
    for (int r = kLastRow; r >= kFirstRow; --r) {
        grid_->SetRow(r);
        grid_->SetCellFontName(QStringLiteral("Courier"));
    }
    grid_->SetRow(kFirstRow);
    grid_->SetCol(ColRx);
    committing_ = false;
    scaleToScreen();
    FillTableFromImage();
}

ChannelTable CZemtarView::table() const
{
    ChannelTable t;
    for (int r = kFirstRow; r <= kLastRow; ++r)
        for (int c = ColRx; c < ColumnCount; ++c)
            t.setCell(r, c, grid_->GetTextMatrix(r, c));
    return t;
}

void CZemtarView::FillTableFromImage()
{
    hideEditors(); // an editor would otherwise hold a text of the table as it was
    RadioImage& img = doc_->image();
    ChannelTable t;
    t.fillFromImage(img, g().lang());
    for (int r = kFirstRow; r <= kLastRow; ++r)
        for (int c = ColRx; c < ColumnCount; ++c)
            grid_->SetTextMatrix(r, c, t.cell(r, c));

    // Radio type and registry: a new document takes the last type chosen and the default
    // band; an opened or read image tells the registry its type.
    PersistedSettings reg = g().registry();
    if (g().newDocument)
        completeNewDocument(img, reg.value(QStringLiteral("Type")));
    else
        reg.setValue(QStringLiteral("Type"), img.at(map::kRadioType.offset));
    followImage();
}

void CZemtarView::followImage()
{
    const RadioImage& img = doc_->image();
    const QString model = productinfo::modelName(g().setupIni, img.at(map::kRadioType.offset));
    const QString name = g().languageValue(QStringLiteral("AppName"));
    if (band::valid(img)) {
        const Band band = band::read(img);
        emit mainCaptionChanged(windowCaption(name, model, band, g().lang()));
        band_ = BandLimits::of(band);
        return;
    }
    // A band that means nothing (a blank radio holds FF FF FF) is shown as unknown and stays
    // in the image as it is; typed frequencies are checked against the band the radio gave
    // when it was read, or only against the receive range.
    emit mainCaptionChanged(windowCaption(name, model, std::nullopt, g().lang()));
    band_ = BandLimits::of(radioBand_.value_or(Band{67, 600}));
    emit statusText(bandNote());
}

QString CZemtarView::bandNote() const
{
    if (band::valid(doc_->image()))
        return {};
    return radioBand_ ? tr("The band in this memory is not valid: frequencies are checked against the radio's band, %1.")
                            .arg(band::text(*radioBand_))
                      : tr("The band in this memory is not valid: frequencies are checked against the receive range only.");
}

void CZemtarView::StoreTableIntoImage() { table().storeIntoImage(doc_->image()); }

void CZemtarView::openProcessDialog(bool writing, bool verifying)
{
    m_bWriteMode = writing;
    m_bVerifyMode = verifying;
    if (!m_pProcessDlg) {
        m_pProcessDlg = new CProcessDlg(window());
        connect(m_pProcessDlg, &CProcessDlg::startTransfer, this, &CZemtarView::OnStartTransfer, Qt::QueuedConnection);
    }
    const bool zh = g().chinese;
    m_pProcessDlg->m_strCaption = verifying ? tr("Verify")
                                  : writing ? (zh ? QString::fromUtf8("写数据") : QStringLiteral("Write Data"))
                                            : (zh ? QString::fromUtf8("读数据") : QStringLiteral("Read Data"));
    if (m_pProcessDlg->isVisible())
        return; // the open window keeps its title
    m_pProcessDlg->OnInitDialog();
    m_pProcessDlg->showVerifyChoice(writing);
    m_pProcessDlg->verifyBox()->setChecked(g().registry().value(QStringLiteral("VerifyAfterWrite")).value_or(0) != 0);
    m_pProcessDlg->show();
    m_pProcessDlg->raise();
}

void CZemtarView::OnRead() { openProcessDialog(false); }
void CZemtarView::OnVerify()
{
    commitEditor();
    openProcessDialog(false, true);
}

bool CZemtarView::verifyRadio(TransferEngine& engine)
{
    RadioImage back = doc_->image();
    lastOutcome_ = engine.read(back);
    if (lastOutcome_ != LinkOutcome::Success)
        return false;
    const QStringList diffs = fleet::differences(doc_->image(), back, productinfo::modelNames(g().setupIni));
    emit statusText(diffs.isEmpty() ? tr("The radio on %1 holds exactly this document.").arg(m_link.m_strPort)
                                    : tr("The radio on %1 differs from this document.").arg(m_link.m_strPort));
    verifyResult_ = diffs;
    return true;
}
void CZemtarView::OnWrite()
{
    commitEditor();
    openProcessDialog(true);
}

void CZemtarView::OnStartTransfer()
{
    CProcessDlg* dlg = m_pProcessDlg;
    if (!dlg || running_)
        return;
    running_ = true;
    dlg->setRunning(true);
    commitEditor();
    if (m_bWriteMode || m_bVerifyMode)
        StoreTableIntoImage();
    const bool verifyAfter = m_bWriteMode && dlg->verifyBox()->isChecked();
    if (m_bWriteMode) {
        PersistedSettings reg = g().registry();
        reg.setValue(QStringLiteral("VerifyAfterWrite"), verifyAfter ? 1 : 0);
    }
    dlg->verifyBox()->setEnabled(false);
    GuiLinkHost host(dlg);
    host.cancelled = [dlg] { return dlg->m_bCancel; };
    host.onProgress = [dlg](int v, int max) { dlg->setProgress(v, max); };
    host.onStatus = [dlg](const QString& t) { dlg->setStatus(t); };
    m_link.OpenPort(&g().setupIni);
    TransferEngine engine(m_link, host, g().lang());
    if (m_bWriteMode) {
        lastOutcome_ = engine.write(doc_->image(), band_);
        if (lastOutcome_ != LinkOutcome::Success && engine.wroteAnything())
            appMessage(window(), msg::partlyWritten(engine.rowsWritten(), TransferEngine::kWriteRows, g().lang()),
                       QMessageBox::Ok, QMessageBox::Warning);
        if (lastOutcome_ == LinkOutcome::Success)
            emit statusText(tr("Written to the radio on %1").arg(m_link.m_strPort));
        if (lastOutcome_ == LinkOutcome::Success && verifyAfter) {
            dlg->setStatus(tr("Verifying"));
            m_link.OpenPort(&g().setupIni);
            TransferEngine reader(m_link, host, g().lang());
            verifyRadio(reader);
        }
    } else if (m_bVerifyMode) {
        verifyRadio(engine);
    } else {
        // The document changes only when the whole memory has arrived.
        RadioImage image = doc_->image();
        lastOutcome_ = engine.read(image);
        if (lastOutcome_ == LinkOutcome::Success) {
            if (engine.identity().bandValid())
                radioBand_ = engine.identity().band();
            changeDocument(tr("Read from radio"), [&] {
                doc_->image() = image;
                g().newDocument = false;
                FillTableFromImage();
            });
            const QString read = tr("Read from the radio on %1: %2 rows").arg(m_link.m_strPort).arg(TransferEngine::kProgressMax);
            const QString note = bandNote();
            emit statusText(note.isEmpty() ? read : read + QStringLiteral(". ") + note);
        }
    }
    m_link.ClosePort();
    dlg->setRunning(false);
    dlg->hide();
    running_ = false;
    if (verifyResult_) {
        const QStringList diffs = *verifyResult_;
        verifyResult_.reset();
        CVerifyDlg result(diffs, m_link.m_strPort, window());
        result.exec();
    }
}

void CZemtarView::OnComSetup()
{
    CComSetupDlg dlg(m_link, window());
    dlg.exec();
}

void CZemtarView::OnPowerDebug(PowerCalibration::Kind kind)
{
    m_link.OpenPort(&g().setupIni);
    GuiLinkHost host(window());
    PowerCalibration cal(m_link, host, kind);
    LinkOutcome entered = LinkOutcome::CommFailure;
    changeDocument(tr("Power value"), [&] { entered = cal.enter(doc_->image()); });
    if (entered != LinkOutcome::Success)
        return;
    CPowerDebugDlg dlg(cal, doc_->image().at(cal.parameters().imageOffset), window());
    dlg.exec();
    m_link.ClosePort();
}

} // namespace zemtar::ui
