#include "CZemtarView.h"

#include "ChannelCellDelegate.h"
#include "ChannelFindBar.h"
#include "ChannelTableModel.h"
#include "FrozenColumnView.h"
#include "editors/ProductInfo.h"
#include "shell/Messages.h"
#include "shell/PersistedSettings.h"
#include "shell/ui/AppGlobals.h"
#include "shell/ui/CZemtarDoc.h"
#include "shell/ui/MessageBox.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QScreen>
#include <QUndoStack>
#include <QVBoxLayout>

namespace zemtar::ui {

namespace {
constexpr unsigned long kFixedTextColour = 15741440; // blue 0xF0, green 0x32, red 0
} // namespace

CZemtarView::CZemtarView(CZemtarDoc* doc, QWidget* parent)
    : QWidget(parent), doc_(doc), grid_(new CMSFlexGrid(this)),
      model_(static_cast<ChannelTableModel*>(
          doc->tableModel([](ChannelTable& table, QObject* parent) { return new ChannelTableModel(table, parent); }))),
      delegate_(new ChannelCellDelegate(g().lang(), this))
{
    grid_->setModel(model_);
    grid_->setItemDelegate(delegate_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid_);
    grid_->setObjectName(QStringLiteral("channelGrid"));
    grid_->setAccessibleName(tr("Channels"));
    doc_->storeTable = [this] {
        commitEditor(); // what the user sees in an open editor is what gets saved
        StoreTableIntoImage();
    };
    undo_ = doc_->undoStack();
    createEditors();
    new FrozenColumnView(grid_, ColRx); // the receive frequency stays beside the channel numbers
    layout->addWidget(new ChannelFindBar(this));
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
    scale_ = scaleFor(width);
    for (int c = 0; c < ColumnCount; ++c)
        grid_->SetColWidth(c, long(kBaseColumnWidthTwips * columns::info(c).width * scale_));
}

double CZemtarView::scaleFor(int screenWidth)
{
    double units = 0;
    for (const ColumnInfo& c : columns::kColumns)
        units += c.width;
    // The whole table fits the screen beside the window's frames and the scroll bar.
    const double fit = (screenWidth - kScreenReserve) / (units * CMSFlexGrid::twipsToPixels(kBaseColumnWidthTwips, 96));
    return screenWidth > 800 ? std::max(1.0, std::min(screenWidth / 1024.0, fit)) : 1.0;
}

void CZemtarView::OnInitialUpdate()
{
    if (firstSetUp_)
        setUp();
    for (int r = kFirstRow; r <= kLastRow; ++r)
        grid_->SetTextMatrix(r, ColLabel, ChannelTable::rowLabel(r));
    // The model shows the name cells in Courier; the first cell is current.
    committing_ = true; // moving to it edits nothing
    grid_->setCurrentCell(kFirstRow - 1, ColRx - 1);
    committing_ = false;
    scaleToScreen();
    FillTableFromImage();
}

const ChannelTable& CZemtarView::table() const { return model_->table(); }

void CZemtarView::FillTableFromImage()
{
    hideEditors(); // an editor would otherwise hold a text of the table as it was
    RadioImage& img = doc_->image();
    ChannelTable t;
    t.fillFromImage(img, g().lang());
    model_->setTable(t);

    // Radio type and registry: a new document takes the last type chosen and the default
    // band; an opened or read image tells the registry its type.
    PersistedSettings reg = g().registry();
    if (doc_->isNewDocument())
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
    const std::optional<Band> identified = radioBand ? radioBand() : std::nullopt;
    band_ = BandLimits::of(identified.value_or(Band{67, 600}));
    emit statusText(bandNote());
}

QString CZemtarView::bandNote() const
{
    if (band::valid(doc_->image()))
        return {};
    const std::optional<Band> identified = radioBand ? radioBand() : std::nullopt;
    return identified
               ? tr("The band in this memory is not valid: frequencies are checked against the radio's band, %1.")
                     .arg(band::text(*identified))
               : tr("The band in this memory is not valid: frequencies are checked against the receive range only.");
}

void CZemtarView::StoreTableIntoImage() { table().storeIntoImage(doc_->image()); }

} // namespace zemtar::ui
