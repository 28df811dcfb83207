#pragma once
#include "channels/ChannelEditModel.h"

#include <QAbstractSpinBox>
#include <QDialog>

#include <functional>
#include <memory>

class QComboBox;
class QGroupBox;
class QLabel;
class QSpinBox;

namespace zemtar::ui {

// An entry number box: up to four characters of free text while typing (a number or the
// "None" text), spin arrows that step with the model's wrapping, and the text put right
// only when the box is left.
class EntryBox : public QAbstractSpinBox {
    Q_OBJECT
public:
    EntryBox(QWidget* parent, const char* name);
    std::function<int(int steps)> step;           // the value after stepping
    std::function<void(const QString&)> finished; // the typed text, on leaving
    std::function<QString(int)> textOf;           // how a value shows

    int value() const;
    void setValue(int v);
    int maximum() const { return maximum_; }
    void setMaximum(int m) { maximum_ = m; }
    QString specialValueText() const { return textOf ? textOf(0) : QString(); }
    void setText(const QString& t);
    // Typed into since the text was last set.
    bool edited() const;
    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;

protected:
    StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }

private:
    int maximum_ = 0;
};

// One channel's optional signal and its MSK / 2-Tone entries; steps through the channels
// without closing. Works on the image directly: the choice is written at once.
class CChannelEditDlg : public QDialog {
    Q_OBJECT
public:
    CChannelEditDlg(RadioImage& image, int channel, QWidget* parent = nullptr);
    ~CChannelEditDlg() override;

    std::function<void()> storeTable;  // the view's table into the image
    std::function<void()> refillTable; // the image into the view's table

    ChannelEditModel& model() { return *model_; }
    QSpinBox* channelSpin() const { return channel_; }
    QComboBox* choiceList() const { return choice_; }
    QGroupBox* group() const { return group_; }
    EntryBox* encodeSpin() const { return encode_; }
    EntryBox* decodeSpin() const { return decode_; }

    void accept() override;

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void showModel();
    void onChoice(int index);
    void onChannel(int channel);

    std::unique_ptr<ChannelEditModel> model_;
    QSpinBox* channel_;
    QComboBox* choice_;
    QGroupBox* group_;
    QLabel* decodeLabel_;
    void commitEntries();

    EntryBox* encode_;
    EntryBox* decode_;
    bool loading_ = false;
};

} // namespace zemtar::ui
