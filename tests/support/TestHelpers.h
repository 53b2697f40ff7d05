#pragma once

#include <QObject>
#include <QSettings>
#include <QString>

#include <cstdlib>

// The control named `name` below `parent`; a test without it cannot go on.
template<typename T>
T *child(const QObject *parent, const char *name)
{
    T *found = parent->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no control named %s", name);
    return found;
}

// Forgets every stored setting of this test's own settings folder.
inline void clearSettings()
{
    QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Velmora5"), QStringLiteral("Velmora5")).clear();
}
