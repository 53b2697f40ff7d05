#include "core/CheckedInstall.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace {

Installation setAside(const QString &candidate, const QString &reason, FileOperations &files)
{
    const QFileInfo info(candidate);
    const QString prefix = info.fileName() + QStringLiteral(".rejected-");
    const QString aside = info.dir().filePath(
        prefix + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss")));
    if (!files.replace(candidate, aside))
        return {Installation::Result::Failed,
                QStringLiteral("%1، وتعذر نقل الملف %2 جانبا").arg(reason, info.fileName()), {}};
    // Only the latest rejected file is kept: they can be as large as the database.
    for (const QFileInfo &older : info.dir().entryInfoList({prefix + u'*'}, QDir::Files))
        if (older.absoluteFilePath() != QFileInfo(aside).absoluteFilePath())
            files.remove(older.absoluteFilePath());
    return {Installation::Result::Rejected, reason, aside};
}

} // namespace

QString backupOf(const QString &target)
{
    return target + QStringLiteral(".bak");
}

Installation installChecked(const QString &candidate, const QString &target, const FileCheck &check,
                            FileOperations &files)
{
    if (const QString problem = check(candidate); !problem.isEmpty())
        return setAside(candidate, problem, files);

    QString error;
    if (QFileInfo::exists(target) && !copyReplacing(target, backupOf(target), &error, files))
        return {Installation::Result::Failed,
                QStringLiteral("تعذر حفظ نسخة احتياطية من %1: %2").arg(QFileInfo(target).fileName(), error), {}};
    // One rename: the target is never missing, not even for a moment.
    if (!files.replace(candidate, target)) {
        files.remove(backupOf(target));
        return {Installation::Result::Failed,
                QStringLiteral("تعذر وضع %1 في مكان %2").arg(QFileInfo(candidate).fileName(), QFileInfo(target).fileName()),
                {}};
    }
    return {Installation::Result::Installed, {}, {}};
}

bool keepInstalled(const QString &target, FileOperations &files)
{
    return !QFileInfo::exists(backupOf(target)) || files.remove(backupOf(target));
}

bool restoreBackup(const QString &target, FileOperations &files)
{
    return QFileInfo::exists(backupOf(target)) && files.replace(backupOf(target), target);
}

bool settleVerseDatabase(const QString &programFolder, bool opened, FileOperations &files)
{
    const QString current = QDir(programFolder).filePath(QStringLiteral("quran.qu"));
    if (opened) {
        keepInstalled(current, files);
        return false;
    }
    return restoreBackup(current, files);
}
