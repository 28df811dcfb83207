#include "CChannelEditDlg.h"

#include "image/Encodings.h"
#include "shell/ui/AppGlobals.h"
#include "shell/ui/HelpLauncher.h"

#include "shell/ui/MessageBox.h"
#include <QComboBox>

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

namespace zemtar::ui {

namespace {

// A spin box whose arrows, Page keys and wheel step as the model's rules say (the stepping
// and wrapping of the radio's own dialog), not as the box's range would.
class RuleSpinBox : public QSpinBox {
public:
    using QSpinBox::QSpinBox;
    std::function<int(int value, int steps)> step;

    void stepBy(int steps) override
    {
        if (step)
            setValue(step(value(), steps));
        else
            QSpinBox::stepBy(steps);
    }

protected:
    StepEnabled stepEnabled() const override
    {
        return step ? (StepUpEnabled | StepDownEnabled) : QSpinBox::stepEnabled();
    }
};

RuleSpinBox* entrySpin(QWidget* parent, const char* name)
{
    auto* s = new RuleSpinBox(parent);
    s->setObjectName(QString::fromLatin1(name));
    s->setSpecialValueText(field::noneText(g().lang())); // 0 shows "None"
    s->setMinimumWidth(90);
    return s;
}
} // namespace

CChannelEditDlg::CChannelEditDlg(RadioImage& image, int channel, QWidget* parent)
    : QDialog(parent), model_(std::make_unique<ChannelEditModel>(image, channel, g().lang()))
{
    setObjectName(QStringLiteral("channelEditDialog"));
    setWindowTitle(tr("Channel Edit"));
    auto* channelSpin = new RuleSpinBox(this);
    channelSpin->step = [](int value, int steps) { return ChannelEditModel::steppedChannel(value, steps); };
    channel_ = channelSpin;
    channel_->setObjectName(QStringLiteral("channel"));
    channel_->setRange(0, ChannelEditModel::kMaxChannel);
    channel_->setSpecialValueText(QStringLiteral("0 (Fr)"));
    choice_ = new QComboBox(this);
    choice_->setObjectName(QStringLiteral("choice"));
    choice_->addItems(ChannelEditModel::choiceTexts(g().lang()));
    group_ = new QGroupBox(this);
    auto* encode = entrySpin(group_, "encode");
    encode->step = [this](int, int steps) {
        model_->spinEncode(steps);
        return model_->entryValue(model_->encodeText());
    };
    auto* decode = entrySpin(group_, "decode");
    decode->step = [this](int, int steps) {
        model_->spinDecode(steps);
        return model_->entryValue(model_->decodeText());
    };
    encode_ = encode;
    decode_ = decode;
    decode_->setRange(0, 8);
    decodeLabel_ = new QLabel(tr("Decode"), group_);
    auto* gl = new QFormLayout(group_);
    gl->addRow(tr("Encode"), encode_);
    gl->addRow(decodeLabel_, decode_);
    auto* form = new QFormLayout;
    form->addRow(tr("Channel"), channel_);
    form->addRow(tr("Optional Signal"), choice_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    translateButtons(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CChannelEditDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(group_);
    layout->addStretch();
    layout->addWidget(buttons);
    setMinimumWidth(300);

    connect(choice_, &QComboBox::currentIndexChanged, this, &CChannelEditDlg::onChoice);
    connect(channel_, &QSpinBox::valueChanged, this, &CChannelEditDlg::onChannel);
    connect(encode_, &QSpinBox::valueChanged, this, [this](int v) {
        if (!loading_)
            model_->setEncodeText(QString::number(v));
    });
    connect(decode_, &QSpinBox::valueChanged, this, [this](int v) {
        if (!loading_)
            model_->setDecodeText(QString::number(v));
    });
    showModel();
}

CChannelEditDlg::~CChannelEditDlg() = default;

void CChannelEditDlg::showModel()
{
    loading_ = true;
    const ChannelEditModel& m = *model_;
    channel_->setValue(m.channel());
    choice_->setCurrentIndex(m.choiceIndex());
    choice_->setEnabled(m.choiceIndex() >= 0);
    group_->setVisible(m.groupVisible());
    group_->setTitle(m.groupTitle());
    encode_->setRange(0, m.encodeMaximum());
    encode_->setValue(m.entryValue(m.encodeText()));
    decode_->setValue(m.entryValue(m.decodeText()));
    decode_->setVisible(m.decodeVisible());
    decodeLabel_->setVisible(m.decodeVisible());
    loading_ = false;
}

void CChannelEditDlg::onChoice(int index)
{
    if (loading_ || index < 0)
        return;
    model_->setChoice(ChannelEditModel::choiceAt(index));
    if (refillTable)
        refillTable();
    showModel();
}

void CChannelEditDlg::onChannel(int channel)
{
    if (loading_)
        return;
    if (storeTable)
        storeTable();
    model_->changeChannel(channel);
    showModel();
}

void CChannelEditDlg::accept()
{
    model_->ok();
    QDialog::accept();
}

void CChannelEditDlg::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_F1) {
        QWidget* f = focusWidget();
        const bool entry = f && (f == encode_ || f == decode_ || f->parent() == encode_ || f->parent() == decode_);
        int context = 0;
        if (entry)
            context = model_->entryHelp();
        else if (f == channel_ || (f && f->parent() == channel_))
            context = ChannelEditModel::kHelpChannel;
        else if (f == choice_)
            context = ChannelEditModel::kHelpChoice;
        help::show(this, context);
        return;
    }
    QDialog::keyPressEvent(e);
}

} // namespace zemtar::ui
