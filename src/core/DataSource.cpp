#include "DataSource.h"

#include "SqlDialect.h"
#include "SqliteFile.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

DataSource::DataSource() = default;

DataSource::~DataSource()
{
    close();
}

bool DataSource::openFile(const QString &path, std::optional<DataFileKind> kind)
{
    close();
    if (kind) {
        m_error = dataFileProblem(path, *kind, CheckDepth::Opening);
        if (!m_error.isEmpty())
            return false;
    }
    QSqlDatabase db = openSqliteFile(path, OpenMode::ReadOnly, &m_error);
    if (!db.isValid())
        return false;
    m_connectionName = db.connectionName();
    m_path = path;
    m_error.clear();
    return true;
}

void DataSource::close()
{
    m_rows.clear();
    m_columns.clear();
    m_position = 0;
    m_sql.clear();
    m_path.clear();
    closeSqliteFile(m_connectionName);
    m_connectionName.clear();
}

bool DataSource::isOpen() const
{
    return !m_connectionName.isEmpty();
}

bool DataSource::runQuery(const QString &sql)
{
    m_sql = sql;
    return refresh();
}

bool DataSource::refresh()
{
    m_rows.clear();
    m_columns.clear();
    m_position = 0;
    if (!isOpen()) {
        m_error = QStringLiteral("لم يتم فتح ملف البيانات بعد");
        return false;
    }
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    query.setForwardOnly(true);
    if (!query.exec(toSqliteDialect(m_sql))) {
        m_error = QStringLiteral("تعذر تنفيذ الاستعلام: %1").arg(query.lastError().text());
        return false;
    }
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i)
        m_columns.insert(record.fieldName(i).toLower(), i);
    while (query.next()) {
        QStringList row;
        row.reserve(record.count());
        for (int i = 0; i < record.count(); ++i)
            row.append(query.value(i).toString());
        m_rows.append(row);
    }
    m_error.clear();
    return true;
}

void DataSource::moveNext()
{
    if (!atEnd())
        ++m_position;
}

QString DataSource::text(const QString &column) const
{
    if (atEnd())
        return {};
    const auto it = m_columns.constFind(column.toLower());
    return it == m_columns.cend() ? QString() : m_rows.at(m_position).at(*it);
}

bool DataSource::hasColumn(const QString &column) const
{
    return m_columns.contains(column.toLower());
}
