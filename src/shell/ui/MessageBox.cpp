#include "MessageBox.h"

#include "AppGlobals.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>

namespace zemtar::ui {

namespace {
MessageHook& hook()
{
    static MessageHook h;
    return h;
}
} // namespace

void setMessageHook(MessageHook h) { hook() = std::move(h); }

static QString buttonText(int standardButton, const QString& fallback)
{
    switch (standardButton) {
    case QMessageBox::Ok:
        return QCoreApplication::translate("Buttons", "OK");
    case QMessageBox::Cancel:
        return QCoreApplication::translate("Buttons", "Cancel");
    case QMessageBox::Yes:
        return QCoreApplication::translate("Buttons", "&Yes");
    case QMessageBox::No:
        return QCoreApplication::translate("Buttons", "&No");
    case QMessageBox::Retry:
        return QCoreApplication::translate("Buttons", "&Retry");
    case QMessageBox::Save:
        return QCoreApplication::translate("Buttons", "&Save");
    case QMessageBox::Discard:
        return QCoreApplication::translate("Buttons", "&Don't Save");
    case QMessageBox::Close:
        return QCoreApplication::translate("Buttons", "Close");
    default:
        return fallback;
    }
}

void fitTitle(QMessageBox& box)
{
    // A message box is as wide as its text; a short text under a longer title would have the
    // window manager cut the title. Room for the title, the window icon and its buttons:
    const int title = box.fontMetrics().horizontalAdvance(box.windowTitle()) + 160;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(title, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                      grid->columnCount());
}

void translateButtons(QDialogButtonBox* box)
{
    for (QAbstractButton* b : box->buttons())
        b->setText(buttonText(int(box->standardButton(b)), b->text()));
}

QMessageBox::StandardButton messageBox(QWidget* parent, const QString& text, const QString& caption,
                                       QMessageBox::StandardButtons buttons, QMessageBox::Icon icon)
{
    if (hook())
        return hook()(MessageRecord{text, caption, buttons, icon});
    QMessageBox box(icon, caption, text, buttons, parent);
    for (QAbstractButton* b : box.buttons())
        b->setText(buttonText(box.standardButton(b), b->text()));
    fitTitle(box);
    return QMessageBox::StandardButton(box.exec());
}

QMessageBox::StandardButton appMessage(QWidget* parent, const QString& text, QMessageBox::StandardButtons buttons,
                                       QMessageBox::Icon icon)
{
    const QString caption = g().displayName.isEmpty() ? QStringLiteral("Zemtar") : g().displayName;
    return messageBox(parent, text, caption, buttons, icon);
}

QMessageBox::StandardButton appQuestion(QWidget* parent, const QString& text, QMessageBox::StandardButtons buttons,
                                        const QMap<QMessageBox::StandardButton, QString>& labels,
                                        QMessageBox::StandardButton defaultButton)
{
    const QString caption = g().displayName.isEmpty() ? QStringLiteral("Zemtar") : g().displayName;
    if (hook())
        return hook()(MessageRecord{text, caption, buttons, QMessageBox::Question, labels, defaultButton});
    QMessageBox box(QMessageBox::Question, caption, text, buttons, parent);
    for (QAbstractButton* b : box.buttons()) {
        const auto which = box.standardButton(b);
        b->setText(labels.contains(which) ? labels.value(which) : buttonText(which, b->text()));
    }
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    fitTitle(box);
    return QMessageBox::StandardButton(box.exec());
}

} // namespace zemtar::ui

#include <QFileDialog>

namespace zemtar::ui {

namespace {
FileNameHook& fileHook()
{
    static FileNameHook h;
    return h;
}
} // namespace

void setFileNameHook(FileNameHook h) { fileHook() = std::move(h); }

QString askFileName(QWidget* parent, bool save, const QString& proposed)
{
    return askFileName(parent, save, proposed, QStringLiteral("*.dat (*.dat)"));
}

QString askFileName(QWidget* parent, bool save, const QString& proposed, const QString& filter)
{
    if (fileHook())
        return fileHook()(save, proposed);
    if (!save)
        return QFileDialog::getOpenFileName(parent, QString(), proposed, filter);
    return QFileDialog::getSaveFileName(parent, QString(), proposed, filter);
}

} // namespace zemtar::ui
