#include "core/Connection.h"

#include "core/SqlDialect.h"
#include "core/SqliteFile.h"

#include <QSqlError>
#include <QSqlQuery>

Connection::Connection() = default;

Connection::~Connection()
{
    close();
}

bool Connection::openFile(const QString &path)
{
    close();
    QSqlDatabase db = openSqliteFile(path, OpenMode::ReadWrite, &m_error);
    if (!db.isValid())
        return false;
    m_connectionName = db.connectionName();
    m_error.clear();
    return true;
}

void Connection::close()
{
    closeSqliteFile(m_connectionName);
    m_connectionName.clear();
}

bool Connection::isOpen() const
{
    return !m_connectionName.isEmpty();
}

bool Connection::execute(const QString &sql)
{
    if (!isOpen()) {
        m_error = QStringLiteral("لم يتم فتح ملف البيانات بعد");
        return false;
    }
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    if (!query.exec(toSqliteDialect(sql))) {
        m_error = QStringLiteral("تعذر تنفيذ الأمر: %1").arg(query.lastError().text());
        return false;
    }
    return true;
}

bool Connection::beginTransaction()
{
    return isOpen() && QSqlDatabase::database(m_connectionName, false).transaction();
}

bool Connection::commit()
{
    return isOpen() && QSqlDatabase::database(m_connectionName, false).commit();
}

bool Connection::rollback()
{
    return isOpen() && QSqlDatabase::database(m_connectionName, false).rollback();
}

QStringList Connection::tables() const
{
    if (!isOpen())
        return {};
    // QSql::Tables lists ordinary tables only; SQLite's internal ones are filtered too.
    QStringList names = QSqlDatabase::database(m_connectionName, false).tables(QSql::Tables);
    names.removeIf([](const QString &name) { return name.startsWith(QLatin1String("sqlite_")); });
    return names;
}
