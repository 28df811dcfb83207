#include "CDtmfDlg.h"

#include "editors/Settings.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zemtar::ui {

CDtmfDlg::CDtmfDlg(RadioImage& image, Language lang, QWidget* parent) : CFieldDialog(image, lang, parent)
{
    namespace d = editors::dtmf;
    setUp("dtmfDialog", QStringLiteral("DTMF"), 143);
    tabs_ = makeTabs(this);

    encode_ = bind(editors::dtmfEncodePage());
    auto* enc = new QWidget(tabs_);
    auto* ef = new QFormLayout(enc);
    addRows(ef, encode_, {d::Speed, d::FirstDigitDelay, d::FirstDigitTime, d::StarHashTime}, enc, 100);
    ef->addRow(encode_->make(d::SideTone, enc));

    decode_ = bind(editors::dtmfDecodePage());
    auto* dec = new QWidget(tabs_);
    auto* df = new QFormLayout(dec);
    df->addRow(decode_->label(d::IdCode, dec), decode_->make(d::IdCode, dec));
    df->addRow(decode_->label(d::GroupCode, dec), decode_->make(d::GroupCode, dec));
    auto* stun = new QGroupBox(tr("Stun"), dec);
    auto* sf = new QFormLayout(stun);
    sf->addRow(decode_->make(d::StunActivation, stun));
    sf->addRow(decode_->label(d::StunCode, stun), decode_->make(d::StunCode, stun));
    sf->addRow(decode_->label(d::StunType, stun), decode_->make(d::StunType, stun));
    df->addRow(stun);

    calls_ = bind(editors::dtmfCallListPage());
    auto* list = new QWidget(tabs_);
    std::vector<std::vector<int>> cells;
    for (int n = 0; n < 9; ++n)
        cells.push_back({n});
    grid_ = calls_->makeGrid(cells, {tr("Num"), tr("Fast Call List")}, list);
    grid_->setMinimumHeight(grid_->horizontalHeader()->height() + 9 * grid_->verticalHeader()->defaultSectionSize() +
                            4);
    auto* ll = new QVBoxLayout(list);
    ll->addWidget(grid_);

    tabs_->addTab(enc, tr("Encode"));
    tabs_->addTab(dec, tr("Decode"));
    tabs_->addTab(list, tr("CallList"));
    addPage(enc, {encode_});
    addPage(dec, {decode_});
    addPage(list, {calls_});
    finishTabbed(tabs_, 380);
}

} // namespace zemtar::ui
