#pragma once
#include "image/RadioImage.h"

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace zemtar::ui {

// Product Information: the radio model and the band the radio covers.
class CProductInfoDlg : public QDialog {
    Q_OBJECT
public:
    CProductInfoDlg(RadioImage& image, QWidget* parent = nullptr);

    QComboBox* modelList() const { return model_; }
    QLineEdit* lowEdit() const { return low_; }
    QLineEdit* highEdit() const { return high_; }

    void accept() override;

signals:
    void captionChanged(const QString& caption);
    // The band stored, in units of 10 Hz, for the cell checks.
    void bandChanged(qint64 low, qint64 high);

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    RadioImage& image_;
    QComboBox* model_;
    QLineEdit* low_;
    QLineEdit* high_;
};

} // namespace zemtar::ui
