#pragma once
// The program-wide state the start-up sequence fixes: the settings file, the language, the
// help file, the program's folder, and the application's display name.
// Only the window layer reads it; core functions get what they need as arguments.
#include "image/Language.h"
#include "shell/CIniFile.h"
#include "shell/PersistedSettings.h"

#include <QString>

#include <memory>

namespace zemtar::ui {

struct Globals {
    CIniFile setupIni;    // "Setup.ini" beside the program
    QString language;     // its [Setup] Language value
    bool chinese = false; // true exactly when that value is "Chinese"
    QString helpFile;     // "chHelp.chm" or "enHelp.chm"
    QString appDir;       // the program's folder
    QString displayName;  // caption of message boxes: the language section's "Company"

    Language lang() const { return chinese ? Language::Chinese : Language::English; }
    QString appName() const { return setupIni.GetValue(QStringLiteral("Setup"), QStringLiteral("AppName")); }
    QString languageValue(const QString& key) const { return setupIni.GetValue(language, key); }
    PersistedSettings registry() const { return PersistedSettings(appName()); }
    QString appFile(const QString& name) const { return appDir + QLatin1Char('/') + name; }
};

Globals& g();
// Drops the current state (writing Setup.ini back when it changed) and starts afresh.
void resetGlobals();

} // namespace zemtar::ui
