#pragma once
#include <QDialog>

class QComboBox;
class QLineEdit;

namespace zemtar::ui {

class CZemtarView;

// Product Information: the radio model and the band the radio covers.
class CProductInfoDlg : public QDialog {
    Q_OBJECT
public:
    CProductInfoDlg(CZemtarView* view, QWidget* parent = nullptr);

    QComboBox* modelList() const { return model_; }
    QLineEdit* lowEdit() const { return low_; }
    QLineEdit* highEdit() const { return high_; }

    void accept() override;

signals:
    void captionChanged(const QString& caption);

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    CZemtarView* view_;
    QComboBox* model_;
    QLineEdit* low_;
    QLineEdit* high_;
};

} // namespace zemtar::ui
