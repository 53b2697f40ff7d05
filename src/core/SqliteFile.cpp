#include "SqliteFile.h"

#include "SqliteLike.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace {

QString newConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("velmora-%1").arg(counter.fetchAndAddRelaxed(1));
}

} // namespace

QSqlDatabase openSqliteFile(const QString &path, OpenMode mode, QString *error)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile()) {
        *error = QStringLiteral("ملف البيانات غير موجود: %1").arg(path);
        return {};
    }

    const QString name = newConnectionName();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(info.absoluteFilePath());
        if (mode == OpenMode::ReadOnly)
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        QString reason;
        if (!db.open()) {
            reason = db.lastError().text();
        } else {
            // SQLite opens any file lazily; reading the schema proves it is a database.
            QSqlQuery probe(db);
            if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
                reason = probe.lastError().text();
        }
        if (reason.isEmpty()) {
            installSqlLike(db);
            // A search reads every page of the verse table; mapped into memory they are read
            // from the file once, instead of again through a page cache smaller than the file.
            if (mode == OpenMode::ReadOnly)
                QSqlQuery(db).exec(QStringLiteral("PRAGMA mmap_size = 268435456"));
            return db;
        }
        db.close();
        *error = QStringLiteral("تعذر فتح ملف البيانات %1: %2").arg(path, reason);
    }
    QSqlDatabase::removeDatabase(name);
    return {};
}

void closeSqliteFile(const QString &connectionName)
{
    if (connectionName.isEmpty() || !QSqlDatabase::contains(connectionName))
        return;
    QSqlDatabase::database(connectionName, false).close();
    QSqlDatabase::removeDatabase(connectionName);
}
