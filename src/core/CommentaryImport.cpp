#include "CommentaryImport.h"

#include "CommentaryFile.h"
#include "PendingUpdate.h"
#include "SqliteFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

Result importFile(const QString &programFolder, const QString &column, const QString &path)
{
    Result result;
    const CommentaryFile file = readCommentaryFile(path);
    if (file.problem != CommentaryFile::Problem::None) {
        result.problem = fileProblem(file, path) + QStringLiteral("\nلم يضف شيء من هذا الملف.");
        return result;
    }
    Q_ASSERT(Columns.contains(column));
    const QDir folder(programFolder);
    const QString pending = folder.filePath(QStringLiteral("newdb.qu"));
    if (QFileInfo::exists(pending)) {
        result.problem = QStringLiteral("يوجد تحديث لقاعدة البيانات ينتظر التثبيت عند التشغيل القادم للبرنامج. "
                                        "أعد تشغيل البرنامج ثم أضف التفسير.");
        return result;
    }

    // The column is filled in a copy; quran.qu is replaced only by the update's installer.
    QString error;
    const QString staged = pending + QStringLiteral(".partial");
    QFile::remove(staged);
    QFile current(folder.filePath(QStringLiteral("quran.qu")));
    if (!current.copy(staged))
        error = current.errorString();
    else if (fillColumn(staged, column, file.texts, &error) && QFile::rename(staged, pending)) {
        const PendingUpdate install = installPendingDatabase(programFolder);
        if (install.result == PendingUpdate::Result::Installed) {
            result.imported = true;
            result.verses = int(file.texts.size());
            return result;
        }
        error = install.reason;
        QFile::remove(pending);
    }
    QFile::remove(staged);
    result.problem = QStringLiteral("تعذر حفظ التفسير في قاعدة بيانات الآيات (%1). لم يتغير شيء.").arg(error);
    return result;
}

bool carryCommentaries(const QString &currentDatabase, const QString &newDatabase, QString *error)
{
    return writeDatabase(newDatabase, currentDatabase, error, [](QSqlQuery &query) {
        for (const QString &column : Columns) {
            if (!query.exec(QStringLiteral("SELECT count(*) FROM Ayat WHERE ifnull(%1, '') <> ''").arg(column))
                || !query.next())
                return false;
            if (query.value(0).toInt() > 0)
                continue;
            if (!query.exec(QStringLiteral("UPDATE Ayat SET %1 = (SELECT c.%1 FROM current.Ayat c WHERE c.ID = Ayat.ID)")
                                .arg(column)))
                return false;
        }
        return true;
    });
}

} // namespace CommentaryImport
