#pragma once

#include <QLockFile>
#include <QString>

// Refuses a second copy of the program for the same user. The lock lives in the
// temporary folder and is recovered when a crashed copy left it behind.
class SingleInstance
{
public:
    explicit SingleInstance(const QString &lockFile = defaultLockFile());

    // True when this is the only running copy; the lock is held until destruction.
    bool tryLock();

    static QString defaultLockFile();
    // What a refused copy tells the reader.
    static QString refusal();

private:
    QLockFile m_lock;
};
