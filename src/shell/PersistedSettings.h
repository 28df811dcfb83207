#pragma once
#include <QString>
#include <QStringList>

#include <optional>

namespace zemtar {

// The values the program keeps per user under the key "Software\<AppName>": the serial
// port ("com") and the last radio type ("Type"), plus the recent-file list. On Windows
// that is the registry key itself; elsewhere an INI file in the user's configuration
// folder ($XDG_CONFIG_HOME/zemtar/registry.ini), one group per application name.
class PersistedSettings {
public:
    explicit PersistedSettings(const QString& appName);
    // The framework's own key, which keeps the recent-file list.
    static PersistedSettings recentFileStore();

    // A missing value, or one that is not a number, reads as nothing.
    std::optional<int> value(const QString& name) const;
    void setValue(const QString& name, int v);
    // A text value ("" when missing); an empty text removes the value.
    QString text(const QString& name) const;
    void setText(const QString& name, const QString& v);

    void remove(const QString& name);

    // The last radio type ("Type"), when it names one of `typeCount` radio types (a byte
    // value when the list is empty). A value that names none (a negative number, a number
    // past the list, a text) is removed, so that nothing takes it as a type, and `refused`
    // (when given) gets its text; then, as when there is none, nothing is returned.
    std::optional<int> radioType(int typeCount, QString* refused);

    QStringList recentFiles() const;
    void setRecentFiles(const QStringList& files);

    QString location() const;

private:
    PersistedSettings(const QString& group, bool) : group_(group) {}
    QString group_;
};

} // namespace zemtar
