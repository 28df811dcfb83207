#pragma once
// The find bar under the channel table: Ctrl+F opens it, Enter or F3 selects the next channel
// whose name, frequency or tone matches, Escape closes it.
#include <QWidget>

class QLineEdit;

namespace zemtar::ui {

class CZemtarView;

class ChannelFindBar : public QWidget {
    Q_OBJECT
public:
    explicit ChannelFindBar(CZemtarView* view);

    void open();
    // Selects the next matching channel after the current row; false (and says so) when none.
    bool findNext();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    CZemtarView* view_;
    QLineEdit* edit_;
};

} // namespace zemtar::ui
