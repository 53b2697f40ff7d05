#include "core/Settings.h"

#include <QSettings>

#include <utility>

namespace {

constexpr auto Application = "Velmora5";
constexpr auto Section = "Setting";

QString fullKey(const QString &key)
{
    return QLatin1String(Section) + u'/' + key;
}

std::function<void(const QString &)> &writeFailureHandler()
{
    static std::function<void(const QString &)> handler;
    return handler;
}

QSettings store()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope,
                     QLatin1String(Application), QLatin1String(Application));
}

} // namespace

namespace Settings {

QString value(const QString &key, const QString &defaultValue)
{
    return store().value(fullKey(key), defaultValue).toString();
}

bool setValue(const QString &key, const QString &value)
{
    QSettings settings = store();
    settings.setValue(fullKey(key), value);
    // Written at once: the program never saves settings at shutdown.
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return true;
    if (writeFailureHandler())
        writeFailureHandler()(key);
    return false;
}

void setWriteFailureHandler(std::function<void(const QString &key)> handler)
{
    writeFailureHandler() = std::move(handler);
}

} // namespace Settings
