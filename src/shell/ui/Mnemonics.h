#pragma once
class QObject;
class QWidget;

namespace zemtar::ui {

// Gives each button and each label of a field in `window` an Alt+letter of its own: the
// letter it has, else the first free letter starting a word of its text, else any free letter
// of it; a text without a free letter (a Chinese one) gets "(&X)" after it, as Chinese
// programs write it. Letters are unique on each tab page together with the parts of the
// window every page shares. Run again after a window adds buttons.
void giveMnemonics(QWidget* window);

// Watches the application's dialogs and gives them their letters as they first show.
QObject* installMnemonicWatcher(QObject* parent);

} // namespace zemtar::ui
