#include "net/PendingUpdate.h"

#include "core/CommentaryImport.h"
#include "core/DataFileCheck.h"

#include <QDir>
#include <QFileInfo>

std::optional<Installation> installPendingDatabase(const QString &programFolder, FileOperations &files)
{
    const QDir folder(programFolder);
    const QString pending = folder.filePath(QStringLiteral("newdb.qu"));
    const QString current = folder.filePath(QStringLiteral("quran.qu"));
    if (!QFileInfo::exists(pending))
        return std::nullopt;
    const FileCheck check = [](const QString &path) {
        return dataFileProblem(path, DataFileKind::Verses, CheckDepth::Installing);
    };
    // The commentaries the reader added to a sound database go on in a sound new file
    // that lacks them; until they are in it, the update waits.
    QString error;
    if (dataFileProblem(current, DataFileKind::Verses, CheckDepth::Opening).isEmpty() && check(pending).isEmpty()
        && !CommentaryImport::carryCommentaries(current, pending, &error)) {
        Installation waiting;
        waiting.reason = QStringLiteral("تعذر نقل التفاسير التي أضفتها إلى قاعدة البيانات الجديدة (%1)").arg(error);
        return waiting;
    }
    return installChecked(pending, current, check, files);
}
