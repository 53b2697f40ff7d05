#include "PendingUpdate.h"

#include "CommentaryImport.h"
#include "ConnectionString.h"
#include "DataSource.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {

// A usable verse database opens and holds verses.
QString problemWith(const QString &folder, const QString &fileName)
{
    DataSource candidate;
    if (!candidate.open(databaseConnectionString(folder, fileName)))
        return candidate.errorString();
    if (!candidate.runQuery(QStringLiteral("SELECT count(*) AS verses FROM Ayat")))
        return candidate.errorString();
    if (candidate.text(QStringLiteral("verses")).toInt() <= 0)
        return QStringLiteral("لا يحتوي الملف على أي آية");
    return {};
}

bool renameReplacing(const QString &from, const QString &to)
{
    // rename(2) replaces the target in one step: quran.qu is never missing.
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

} // namespace

PendingUpdate installPendingDatabase(const QString &programFolder)
{
    const QDir folder(programFolder);
    const QString pending = folder.filePath(QStringLiteral("newdb.qu"));
    const QString current = folder.filePath(QStringLiteral("quran.qu"));
    PendingUpdate update;
    if (!QFileInfo::exists(pending))
        return update;

    update.reason = problemWith(programFolder, QStringLiteral("newdb.qu"));
    if (!update.reason.isEmpty()) {
        update.result = PendingUpdate::Result::Rejected;
        update.setAsideFile = folder.filePath(QStringLiteral("newdb.qu.rejected-%1")
                                                  .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"))));
        if (!renameReplacing(pending, update.setAsideFile)) {
            update.result = PendingUpdate::Result::Failed;
            update.setAsideFile.clear();
        }
        return update;
    }

    // The commentaries the reader added to the old database go on in the new one.
    if (QFileInfo::exists(current) && !CommentaryImport::carryCommentaries(current, pending, &update.reason)) {
        update.result = PendingUpdate::Result::Failed;
        return update;
    }

    // The old database is kept until the new one is in place.
    const QString backup = folder.filePath(QStringLiteral("quran.qu.bak"));
    QFile::remove(backup);
    if (QFileInfo::exists(current) && !QFile::copy(current, backup)) {
        update.result = PendingUpdate::Result::Failed;
        update.reason = QStringLiteral("تعذر حفظ نسخة احتياطية من quran.qu");
        return update;
    }
    if (!renameReplacing(pending, current)) {
        update.result = PendingUpdate::Result::Failed;
        update.reason = QStringLiteral("تعذر استبدال quran.qu");
        QFile::remove(backup);
        return update;
    }
    QFile::remove(backup);
    update.result = PendingUpdate::Result::Installed;
    update.reason.clear();
    return update;
}
