#include "core/SqliteFile.h"

#include "core/SqliteLike.h"

#include <QAtomicInt>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

#include <cstdio>

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
        // The engine's own wording ("file is not a database") means nothing to a reader.
        qWarning("%s: %s", qPrintable(path), qPrintable(reason));
        *error = QStringLiteral("تعذر فتح ملف البيانات %1: الملف ليس ملف بيانات سليما أو تعذرت قراءته").arg(info.fileName());
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

bool createEmptyDatabase(const QString &path, QString *error)
{
    if (QFileInfo::exists(path))
        return true;
    const QString partial = path + QStringLiteral(".partial");
    QFile::remove(partial);
    const QString name = newConnectionName();
    bool created = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(partial);
        QSqlQuery query(db);
        // Setting the user version writes a proper database header into the new file.
        created = db.open() && query.exec(QStringLiteral("PRAGMA user_version = 1"));
        if (!created)
            *error = db.isOpen() ? query.lastError().text() : db.lastError().text();
        query.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    if (created && std::rename(QFile::encodeName(partial).constData(), QFile::encodeName(path).constData()) != 0) {
        *error = QStringLiteral("rename failed");
        created = false;
    }
    if (!created)
        QFile::remove(partial);
    return created;
}
