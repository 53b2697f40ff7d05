#include "PendingUpdate.h"

#include "DataFileCheck.h"

#include <QDir>
#include <QFileInfo>

std::optional<Installation> installPendingDatabase(const QString &programFolder, FileOperations &files)
{
    const QDir folder(programFolder);
    const QString pending = folder.filePath(QStringLiteral("newdb.qu"));
    if (!QFileInfo::exists(pending))
        return std::nullopt;
    return installChecked(pending, folder.filePath(QStringLiteral("quran.qu")), [](const QString &path) {
        return dataFileProblem(path, DataFileKind::Verses, CheckDepth::Installing);
    }, files);
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
