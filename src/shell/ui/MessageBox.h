#pragma once
#include <QMap>
#include <QMessageBox>

#include <functional>

class QDialogButtonBox;

namespace zemtar::ui {

// Every message box of the program goes through here, so tests can answer them.
QMessageBox::StandardButton messageBox(QWidget* parent, const QString& text, const QString& caption,
                                       QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                       QMessageBox::Icon icon = QMessageBox::Information);
// Standard buttons in the program's language (the texts come from its language module).
void translateButtons(QDialogButtonBox* box);
// Widens a message box so that its whole title shows above a short text.
void fitTitle(QMessageBox& box);

// A message box with the application's display name as caption.
QMessageBox::StandardButton appMessage(QWidget* parent, const QString& text,
                                       QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                       QMessageBox::Icon icon = QMessageBox::Information);

// A question whose standard buttons carry texts of their own: each keeps its button's role,
// and so its place in the platform's order; `defaultButton` is the one Enter chooses.
QMessageBox::StandardButton appQuestion(QWidget* parent, const QString& text, QMessageBox::StandardButtons buttons,
                                        const QMap<QMessageBox::StandardButton, QString>& labels,
                                        QMessageBox::StandardButton defaultButton);

struct MessageRecord {
    QString text, caption;
    QMessageBox::StandardButtons buttons;
    QMessageBox::Icon icon;
    QMap<QMessageBox::StandardButton, QString> labels = {}; // buttons with texts of their own
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};
using MessageHook = std::function<QMessageBox::StandardButton(const MessageRecord&)>;
// While set, the hook answers instead of a window being shown.
void setMessageHook(MessageHook hook);

} // namespace zemtar::ui

namespace zemtar::ui {
// File dialogs go through here too: `save` chooses between the Open and the Save As dialog.
QString askFileName(QWidget* parent, bool save, const QString& proposed);
// The same with file types of its own ("Name (*.csv);;Other (*.txt)").
QString askFileName(QWidget* parent, bool save, const QString& proposed, const QString& filter);
using FileNameHook = std::function<QString(bool save, const QString& proposed)>;
void setFileNameHook(FileNameHook hook);
} // namespace zemtar::ui
