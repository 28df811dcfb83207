#pragma once
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

struct MessageRecord {
    QString text, caption;
    QMessageBox::StandardButtons buttons;
    QMessageBox::Icon icon;
};
using MessageHook = std::function<QMessageBox::StandardButton(const MessageRecord&)>;
// While set, the hook answers instead of a window being shown.
void setMessageHook(MessageHook hook);

} // namespace zemtar::ui

namespace zemtar::ui {
// File dialogs go through here too: `save` chooses between the Open and the Save As dialog.
QString askFileName(QWidget* parent, bool save, const QString& proposed);
using FileNameHook = std::function<QString(bool save, const QString& proposed)>;
void setFileNameHook(FileNameHook hook);
} // namespace zemtar::ui
