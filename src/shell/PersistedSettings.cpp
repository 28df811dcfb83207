#include "PersistedSettings.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#include <memory>

namespace zemtar {

namespace {

// `group` is the key below HKEY_CURRENT_USER, with "/" between its parts.
std::unique_ptr<QSettings> open(const QString& group)
{
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\") + QString(group).replace(u'/', u'\\'),
                                       QSettings::NativeFormat);
#else
    const QString dir =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/zemtar");
    QDir().mkpath(dir);
    auto s = std::make_unique<QSettings>(dir + QStringLiteral("/registry.ini"), QSettings::IniFormat);
    s->beginGroup(group);
    return s;
#endif
}

QString groupFor(const QString& appName)
{
    // The key of an empty application name is "Software\" itself.
    QString group = QStringLiteral("Software");
    if (!appName.isEmpty())
        group += QLatin1Char('/') + QString(appName).replace(u'/', u'_').replace(u'\\', u'_');
    return group;
}

} // namespace

PersistedSettings::PersistedSettings(const QString& appName) : group_(groupFor(appName)) {}

PersistedSettings PersistedSettings::recentFileStore()
{
    return PersistedSettings(QStringLiteral("Software/Local AppWizard-Generated Applications/Zemtar"), true);
}

std::optional<int> PersistedSettings::value(const QString& name) const
{
    const QVariant v = open(group_)->value(name);
    if (!v.isValid())
        return std::nullopt;
    bool ok = false;
    const int n = v.toString().trimmed().toInt(&ok);
    return ok ? std::optional<int>(n) : std::nullopt;
}

void PersistedSettings::setValue(const QString& name, int v) { open(group_)->setValue(name, v); }

void PersistedSettings::remove(const QString& name) { open(group_)->remove(name); }

std::optional<int> PersistedSettings::radioType(int typeCount, QString* refused)
{
    const QVariant v = open(group_)->value(QStringLiteral("Type"));
    if (!v.isValid())
        return std::nullopt;
    const QString text = v.toString().trimmed();
    bool ok = false;
    const int n = text.toInt(&ok);
    if (ok && n >= 0 && n < (typeCount > 0 ? typeCount : 256))
        return n;
    remove(QStringLiteral("Type"));
    if (refused)
        *refused = text;
    return std::nullopt;
}

QString PersistedSettings::text(const QString& name) const { return open(group_)->value(name).toString(); }

void PersistedSettings::setText(const QString& name, const QString& v)
{
    if (v.isEmpty())
        open(group_)->remove(name);
    else
        open(group_)->setValue(name, v);
}

QStringList PersistedSettings::recentFiles() const
{
    return open(group_)->value(QStringLiteral("Recent File List")).toStringList();
}

void PersistedSettings::setRecentFiles(const QStringList& files)
{
    open(group_)->setValue(QStringLiteral("Recent File List"), files);
}

QString PersistedSettings::location() const { return open(group_)->fileName(); }

} // namespace zemtar
