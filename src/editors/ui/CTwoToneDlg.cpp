#include "CTwoToneDlg.h"

#include "editors/Settings.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QTabWidget>

namespace zemtar::ui {

CTwoToneDlg::CTwoToneDlg(RadioImage& image, Language lang, QWidget* parent) : CFieldDialog(image, lang, parent)
{
    namespace t = editors::twotone;
    setUp("twoToneDialog", QStringLiteral("2-Tone"), 155);
    tabs_ = makeTabs(this);

    encode_ = bind(editors::twoToneEncodePage());
    list_ = bind(editors::twoToneEncodeListPage());
    auto* enc = new QWidget(tabs_);
    auto* timing = new QFormLayout;
    addRows(timing, encode_, {t::FirstDelay, t::SecondDelay, t::LongToneDelay, t::ToneInterval, t::TxRiseDelay}, enc,
            80, Width::Exactly);
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

    decodeTabs_ = makeTabs(tabs_, "decodeTabs");
    for (int k = 1; k <= t::kCodes; ++k) {
        FieldBinder* b = bind(editors::twoToneDecodePage(k));
        decode_ << b;
        auto* page = new QWidget(decodeTabs_);
        auto* f = new QFormLayout(page);
        addRows(f, b,
                {t::ATone, t::BTone, t::DecodeFirstDelay, t::DecodeSecondDelay, t::Interval, t::DecodeLongToneDelay},
                page, 100);
        decodeTabs_->addTab(page, QStringLiteral("2-Tone%1").arg(k));
        addPage(page, {b});
    }
    tabs_->addTab(decodeTabs_, tr("Decode"));
    finishTabbed(tabs_, 680, 460);
}

} // namespace zemtar::ui
