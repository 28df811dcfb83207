#pragma once
#include "channels/ChannelEditModel.h"

#include <QDialog>

#include <functional>
#include <memory>

class QComboBox;
class QGroupBox;
class QLabel;
class QSpinBox;

namespace zemtar::ui {

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
    QSpinBox* encodeSpin() const { return encode_; }
    QSpinBox* decodeSpin() const { return decode_; }

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
    QSpinBox* encode_;
    QSpinBox* decode_;
    bool loading_ = false;
};

} // namespace zemtar::ui
