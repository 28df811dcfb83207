#include "CTwoToneDlg.h"

#include "editors/Settings.h"
#include "shell/ui/MessageBox.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zemtar::ui {

CTwoToneDlg::CTwoToneDlg(RadioImage& image, Language lang, QWidget* parent) : CFieldDialog(image, lang, parent)
{
    namespace t = editors::twotone;
    setObjectName(QStringLiteral("twoToneDialog"));
    setWindowTitle(QStringLiteral("2-Tone"));
    defaultHelp_ = 155;
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tabs"));

    encode_ = bind(editors::twoToneEncodePage());
    list_ = bind(editors::twoToneEncodeListPage());
    auto* enc = new QWidget(tabs_);
    auto* timing = new QFormLayout;
    for (int i : {t::FirstDelay, t::SecondDelay, t::LongToneDelay, t::ToneInterval, t::TxRiseDelay}) {
        QWidget* w = encode_->make(i, enc, true);
        w->setFixedWidth(80);
        timing->addRow(encode_->label(i, enc), w);
    }
    timing->addRow(encode_->make(t::ShortBeep, enc));
    std::vector<std::vector<int>> cells;
    for (int e = 0; e < t::kEntries; ++e)
        cells.push_back({2 * e, 2 * e + 1});
    grid_ = list_->makeGrid(cells, {tr("Num"), tr("Tone1 Fre"), tr("Tone2 Fre")}, enc);
    grid_->setMinimumWidth(280);
    auto* el = new QHBoxLayout(enc);
    el->addLayout(timing);
    el->addWidget(grid_, 1);
    tabs_->addTab(enc, tr("Encode"));
    addPage(enc, {encode_, list_});

    decodeTabs_ = new QTabWidget(tabs_);
    decodeTabs_->setObjectName(QStringLiteral("decodeTabs"));
    for (int k = 1; k <= t::kCodes; ++k) {
        FieldBinder* b = bind(editors::twoToneDecodePage(k));
        decode_ << b;
        auto* page = new QWidget(decodeTabs_);
        auto* f = new QFormLayout(page);
        for (int i = 0; i < t::DecodeCount; ++i) {
            QWidget* w = b->make(i, page, true);
            w->setMaximumWidth(100);
            f->addRow(b->label(i, page), w);
        }
        decodeTabs_->addTab(page, QStringLiteral("2-Tone%1").arg(k));
        addPage(page, {b});
    }
    tabs_->addTab(decodeTabs_, tr("Decode"));
    connect(tabs_, &QTabWidget::currentChanged, this, &CTwoToneDlg::pageShown);
    connect(decodeTabs_, &QTabWidget::currentChanged, this, &CTwoToneDlg::pageShown);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    translateButtons(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
    resize(680, 460);
    pageShown(); // the encode page is on screen
}

} // namespace zemtar::ui
