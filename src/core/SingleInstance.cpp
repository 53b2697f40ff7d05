#include "core/SingleInstance.h"

#include <QDir>

SingleInstance::SingleInstance(const QString &lockFile)
    : m_lock(lockFile)
{
    m_lock.setStaleLockTime(0); // only a dead owner's lock is stale
}

bool SingleInstance::tryLock()
{
    return m_lock.isLocked() || m_lock.tryLock(0);
}

QString SingleInstance::refusal()
{
    return QStringLiteral("لا يمكن تشغيل أكثر من نسخة من البرنامج");
}

QString SingleInstance::defaultLockFile()
{
    return QDir::temp().filePath(QStringLiteral("velmora5-%1.lock").arg(qEnvironmentVariable("USER", QStringLiteral("user"))));
}
