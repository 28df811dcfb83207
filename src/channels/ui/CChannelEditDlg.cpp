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

} // namespace

EntryBox::EntryBox(QWidget* parent, const char* name) : QAbstractSpinBox(parent)
{
    setObjectName(QString::fromLatin1(name));
    setMinimumWidth(90);
    setKeyboardTracking(false);
    setCorrectionMode(CorrectToPreviousValue);
    lineEdit()->setMaxLength(4);
    connect(this, &QAbstractSpinBox::editingFinished, this, [this] {
        if (finished)
            finished(text());
    });
}

int EntryBox::value() const
{
    bool ok = false;
    const int n = text().trimmed().toInt(&ok);
    return ok && n > 0 ? n : 0;
}

void EntryBox::setText(const QString& t) { lineEdit()->setText(t); }

bool EntryBox::edited() const { return lineEdit()->isModified(); }

void EntryBox::setValue(int v)
{
    const QString t = textOf ? textOf(v) : QString::number(v);
    setText(t);
    if (finished)
        finished(t);
}

void EntryBox::stepBy(int steps)
{
    if (step)
        setValue(step(steps));
    selectAll();
}

QValidator::State EntryBox::validate(QString&, int&) const
{
    return QValidator::Acceptable; // the length is capped; the text is put right on leaving
}

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
    encode_ = new EntryBox(group_, "encode");
    decode_ = new EntryBox(group_, "decode");
    const auto textOf = [this](int v) { return v == 0 ? field::noneText(g().lang()) : QString::number(v); };
    encode_->textOf = decode_->textOf = textOf;
    encode_->step = [this](int steps) {
        encode_->finished(encode_->text());
        model_->spinEncode(steps);
        return model_->entryValue(model_->encodeText());
    };
    decode_->step = [this](int steps) {
        decode_->finished(decode_->text());
        model_->spinDecode(steps);
        return model_->entryValue(model_->decodeText());
    };
    encode_->finished = [this](const QString& t) {
        if (loading_ || (!encode_->edited() && t == model_->encodeText()))
            return; // untouched: a byte the spin range does not reach stays as it is
        model_->setEncodeText(t);
        if (encode_->text() != model_->encodeText())
            encode_->setText(model_->encodeText());
    };
    decode_->finished = [this](const QString& t) {
        if (loading_ || (!decode_->edited() && t == model_->decodeText()))
            return; // untouched: a byte the spin range does not reach stays as it is
        model_->setDecodeText(t);
        if (decode_->text() != model_->decodeText())
            decode_->setText(model_->decodeText());
    };
    decode_->setMaximum(8);
    decodeLabel_ = new QLabel(tr("Decode"), group_);
    decodeLabel_->setBuddy(decode_); // the box is named after its label, not its group
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
    encode_->setMaximum(m.encodeMaximum());
    encode_->setText(m.encodeText());
    decode_->setText(m.decodeText());
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
    commitEntries();
    if (storeTable)
        storeTable();
    model_->changeChannel(channel);
    showModel();
}

void CChannelEditDlg::commitEntries()
{
    // A number still being typed counts as left: the channel being left, or OK, takes it.
    if (model_->groupVisible()) {
        encode_->finished(encode_->text());
        if (model_->decodeVisible())
            decode_->finished(decode_->text());
    }
}

void CChannelEditDlg::accept()
{
    commitEntries();
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
