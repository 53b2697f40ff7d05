#include "core/CommentaryImport.h"

#include "core/CheckedInstall.h"
#include "core/CommentaryFile.h"
#include "core/DataFileCheck.h"
#include "core/DataSource.h"
#include "core/SqliteFile.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

QString fileProblem(const CommentaryFile &file, const QString &path)
{
    switch (file.problem) {
    case CommentaryFile::Problem::None:
        return {};
    case CommentaryFile::Problem::Unreadable:
        return QStringLiteral("تعذر قراءة الملف %1 (%2).").arg(QDir::toNativeSeparators(path), file.detail);
    case CommentaryFile::Problem::BadLine:
        return QStringLiteral("السطر %1 من الملف ليس على الصورة: رقم السورة|رقم الآية|النص.").arg(file.line);
    case CommentaryFile::Problem::NoSuchVerse:
        return QStringLiteral("السطر %1 من الملف يذكر الآية %2، ولا توجد آية بهذا الرقم.").arg(file.line).arg(file.detail);
    case CommentaryFile::Problem::RepeatedVerse:
        return QStringLiteral("السطر %1 من الملف يذكر الآية %2 مرة ثانية.").arg(file.line).arg(file.detail);
    case CommentaryFile::Problem::NoVerses:
        return QStringLiteral("لا يحتوي الملف على أي سطر لآية.");
    }
    return {};
}

// Runs `work` on a database file opened for writing, inside one transaction; another
// database may be attached first under the name "current".
template <typename Work>
bool writeDatabase(const QString &path, const QString &attached, QString *error, Work work)
{
    QSqlDatabase db = openSqliteFile(path, OpenMode::ReadWrite, error);
    if (!db.isValid())
        return false;
    const QString name = db.connectionName();
    bool done = false;
    {
        QSqlQuery query(db);
        if (!attached.isEmpty()) {
            query.prepare(QStringLiteral("ATTACH DATABASE ? AS current"));
            query.addBindValue(attached);
        }
        done = (attached.isEmpty() || query.exec()) && db.transaction() && work(query) && db.commit();
        if (!done) {
            *error = query.lastError().isValid() ? query.lastError().text() : db.lastError().text();
            db.rollback();
        }
    }
    db = QSqlDatabase();
    closeSqliteFile(name);
    return done;
}

bool fillColumn(const QString &path, const QString &column, const QHash<int, QString> &texts, QString *error)
{
    return writeDatabase(path, QString(), error, [&](QSqlQuery &query) {
        if (!query.exec(QStringLiteral("UPDATE Ayat SET %1 = ''").arg(column)))
            return false;
        if (!query.prepare(QStringLiteral("UPDATE Ayat SET %1 = ? WHERE ID = ?").arg(column)))
            return false;
        for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
            query.addBindValue(it.value());
            query.addBindValue(it.key());
            if (!query.exec())
                return false;
        }
        return true;
    });
}

} // namespace

namespace CommentaryImport {

const QStringList Columns = {QStringLiteral("taf2"), QStringLiteral("taf")};

QString filledVersesQuery(const QString &column)
{
    return QStringLiteral("SELECT count(*) AS filled FROM Ayat WHERE %1 <> ''").arg(column);
}

Result importFile(const QString &programFolder, const QString &column, const QString &path, FileOperations &files)
{
    Q_ASSERT(Columns.contains(column));
    Result result;
    const CommentaryFile file = readCommentaryFile(path);
    if (file.problem != CommentaryFile::Problem::None) {
        result.problem = fileProblem(file, path) + QStringLiteral("\nلم يضف شيء من هذا الملف.");
        return result;
    }

    // The column is filled in a copy, which takes the place of quran.qu once checked.
    const QDir folder(programFolder);
    const QString verses = folder.filePath(QStringLiteral("quran.qu"));
    const QString staged = verses + QStringLiteral(".import");
    QString error;
    if (copyReplacing(verses, staged, &error, files) && fillColumn(staged, column, file.texts, &error)) {
        const Installation installed = installChecked(staged, verses, [](const QString &candidate) {
            return dataFileProblem(candidate, DataFileKind::Verses, CheckDepth::Installing);
        }, files);
        if (installed.result == Installation::Result::Installed) {
            DataSource opened;
            if (!settleVerseDatabase(programFolder, opened.openFile(verses),
                                     files)) {
                result.imported = true;
                result.verses = int(file.texts.size());
                return result;
            }
            error = opened.errorString();
        } else {
            error = installed.reason;
            files.remove(installed.setAsideFile);
        }
    }
    files.remove(staged);
    result.problem = QStringLiteral("تعذر حفظ التفسير في قاعدة بيانات الآيات (%1). لم يتغير شيء.").arg(error);
    return result;
}

bool carryCommentaries(const QString &currentDatabase, const QString &newDatabase, QString *error)
{
    return writeDatabase(newDatabase, currentDatabase, error, [](QSqlQuery &query) {
        const auto filled = [&query](const QString &table, const QString &column) {
            return query.exec(QStringLiteral("SELECT count(*) FROM %1 WHERE ifnull(%2, '') <> ''").arg(table, column))
                && query.next() && query.value(0).toInt() > 0;
        };
        // Only what the reader has and the new file lacks is written.
        for (const QString &column : Columns) {
            if (filled(QStringLiteral("Ayat"), column) || !filled(QStringLiteral("current.Ayat"), column))
                continue;
            if (!query.exec(QStringLiteral("UPDATE Ayat SET %1 = (SELECT c.%1 FROM current.Ayat c WHERE c.ID = Ayat.ID)")
                                .arg(column)))
                return false;
        }
        return true;
    });
}

} // namespace CommentaryImport
