#pragma once
// The Channel Edit rules: a channel's optional signal and the MSK / 2-Tone entries it uses.
// The dialog shows what this model says and hands it every user action.
#include "ChannelColumns.h"
#include "image/Language.h"
#include "image/RadioImage.h"

#include <QString>
#include <QStringList>

namespace zemtar {

class ChannelEditModel {
public:
    // Values of byte 12 bits 2-0 (the optional-signal column's values); NoSelection for a
    // value the list does not offer.
    enum class Choice { None = 0, Msk = 1, Dtmf = 2, TwoTone = 4, NoSelection = 7 };
    // The choice at a position of the list (NoSelection outside it).
    static Choice choiceAt(int index);

    ChannelEditModel(RadioImage& image, int channel, Language lang);

    static constexpr int kMaxChannel = 128;
    // Help contexts of the dialog's boxes.
    static constexpr int kHelpChannel = 1023;
    static constexpr int kHelpChoice = 1137;
    static constexpr int kHelpMskEntry = 2025;
    static constexpr int kHelpTwoToneEntry = 2026;
    // Channel 0 is the "Fr" row (image row 128); 1..128 are image rows 0..127.
    static std::size_t recordOffset(int channel);
    static int channelForTableRow(int tableRow) { return tableRow == kFrRow ? 0 : tableRow; }
    static int tableRowForChannel(int channel) { return channel == 0 ? kFrRow : channel; }
    static QStringList choiceTexts(Language lang);

    int channel() const { return channel_; }
    Choice choice() const { return choice_; }
    int choiceIndex() const; // position in the list, -1 for no selection
    bool groupVisible() const { return choice_ == Choice::Msk || choice_ == Choice::TwoTone; }
    bool decodeVisible() const { return choice_ == Choice::TwoTone; }
    QString groupTitle() const;
    int entryHelp() const { return choice_ == Choice::Msk ? kHelpMskEntry : kHelpTwoToneEntry; }
    int encodeMaximum() const { return choice_ == Choice::TwoTone ? 32 : 9; }
    QString encodeText() const { return encode_; }
    QString decodeText() const { return decode_; }

    // The user picked a choice (also done for the channel shown at opening): shows its
    // entries and writes the signal bits. Returns true when the image changed.
    bool setChoice(Choice c);
    // Spin buttons: step and wrap; the new text is shown.
    void spinEncode(int delta);
    void spinDecode(int delta);
    // The number an entry's text stands for: 0 for "None"/"无" and anything not a number.
    int entryValue(const QString& text) const;
    // Leaving an edit: the typed text normalised.
    void setEncodeText(const QString& text);
    void setDecodeText(const QString& text);
    // Moving to another channel: the entries shown are stored into the channel being left,
    // then the new channel's choice is shown. The caller stores the table first.
    void changeChannel(int channel);
    static int steppedChannel(int channel, int delta);
    // OK: the entries into bytes 14 and 15 (0xFF for none and DTMF).
    void ok();

private:
    void load();
    void showEntries();
    void storeEntries();
    QString entryText(int value) const;

    RadioImage& img_;
    Language lang_;
    int channel_;
    Choice choice_ = Choice::None;
    QString encode_, decode_;
};

} // namespace zemtar
