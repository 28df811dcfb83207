#include "PersistedSettings.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#include <memory>

namespace zemtar {

namespace {

std::unique_ptr<QSettings> open(const QString& appName)
{
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\Software\\") + appName,
                                       QSettings::NativeFormat);
#else
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                        QStringLiteral("/zemtar");
    QDir().mkpath(dir);
    auto s = std::make_unique<QSettings>(dir + QStringLiteral("/registry.ini"), QSettings::IniFormat);
    // The key of an empty application name is "Software\" itself.
    QString group = QStringLiteral("Software");
    if (!appName.isEmpty())
        group += QLatin1Char('/') + QString(appName).replace(u'/', u'_').replace(u'\\', u'_');
    s->beginGroup(group);
    return s;
#endif
}

} // namespace

PersistedSettings::PersistedSettings(const QString& appName) : appName_(appName) {}

std::optional<int> PersistedSettings::value(const QString& name) const
{
    const QVariant v = open(appName_)->value(name);
    if (!v.isValid())
        return std::nullopt;
    bool ok = false;
    const int n = v.toString().trimmed().toInt(&ok);
    return ok ? std::optional<int>(n) : std::nullopt;
}

void PersistedSettings::setValue(const QString& name, int v) { open(appName_)->setValue(name, v); }

QStringList PersistedSettings::recentFiles() const
{
    return open(appName_)->value(QStringLiteral("Recent File List")).toStringList();
}

void PersistedSettings::setRecentFiles(const QStringList& files)
{
    open(appName_)->setValue(QStringLiteral("Recent File List"), files);
}

QString PersistedSettings::location() const { return open(appName_)->fileName(); }

} // namespace zemtar
