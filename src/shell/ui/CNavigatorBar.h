#pragma once
#include <QDockWidget>

class QTreeWidget;
class QTreeWidgetItem;
class QLabel;
class QToolButton;

namespace zemtar::ui {

// The category navigator docked on the left: a header with the company name and a close
// button, and a tree whose entries open the editors.
class CNavigatorBar : public QDockWidget {
    Q_OBJECT
public:
    enum Category { ProductInfo, ChannelInfo, OptionalFeatures, Dtmf, Msk, TwoTone, KeyAssignment };
    static constexpr int kInitialWidth = 185;
    static constexpr int kMinWidth = 11;

    explicit CNavigatorBar(QWidget* parent = nullptr);

    // The texts of the seven categories in the current language, in tree order.
    static QStringList categoryTexts(bool chinese);

    QTreeWidget* tree() const { return tree_; }
    QTreeWidgetItem* root() const { return root_; }
    // Acts on `item` as a choice in the tree would (what lies under the pointer).
    void choose(QTreeWidgetItem* item);
    void setEnabledCategory(Category c, bool on);
    // The width the bar opens with: 185 pixels, or what its entries take in a larger font.
    int initialWidth() const;
    // Keeps the bar's width within 11 pixels and half the frame's client width.
    void limitWidth(int frameClientWidth);

signals:
    void categoryChosen(int category);

protected:
    void changeEvent(QEvent* e) override;

private:
    void followFont();
    void followPalette();
    QWidget* title_;
    QToolButton* close_;
    QTreeWidget* tree_;
    QTreeWidgetItem* root_;
    QLabel* header_;
};

} // namespace zemtar::ui
