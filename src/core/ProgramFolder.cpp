#include "core/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace {

QString &overridePath()
{
    static QString folder;
    return folder;
}

} // namespace

namespace ProgramFolder {

QString path()
{
    const QString &folder = overridePath();
    return folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
}

void setPath(const QString &folder)
{
    overridePath() = QDir::cleanPath(folder);
}

QString file(const QString &name)
{
    return path() + u'/' + name;
}

} // namespace ProgramFolder
