#pragma once
#include <QDialog>

class QRadioButton;

namespace zemtar::ui {

// About: the texts of the language section of Setup.ini and the program's icon.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

// The user-interface language; a change takes effect when the program starts again.
class CLanguageDlg : public QDialog {
    Q_OBJECT
public:
    explicit CLanguageDlg(QWidget* parent = nullptr);
    bool chinese() const;

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    QRadioButton* english_;
    QRadioButton* chinese_;
};

} // namespace zemtar::ui
