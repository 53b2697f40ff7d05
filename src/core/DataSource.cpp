#include "core/DataSource.h"

#include "core/SqlDialect.h"
#include "core/SqliteFile.h"
#include "core/SqliteLike.h"

#include <QSqlDatabase>
#include <QVariant>

#include <sqlite3.h>

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
    sqlite3 *connection = sqliteHandle(QSqlDatabase::database(m_connectionName, false));
    sqlite3_stmt *statement = nullptr;
    const QByteArray sql = toSqliteDialect(m_sql).toUtf8();
    const char *rest = nullptr;
    const bool prepared = connection
        && sqlite3_prepare_v2(connection, sql.constData(), int(sql.size()), &statement, &rest) == SQLITE_OK;
    // One statement only: a second one after a ";" is never run.
    if (!prepared || !QByteArrayView(rest, sql.constData() + sql.size() - rest).trimmed().isEmpty()) {
        m_error = QStringLiteral("تعذر تنفيذ الاستعلام: %1")
                      .arg(!connection ? QStringLiteral("لا اتصال بملف البيانات")
                           : prepared  ? QStringLiteral("أكثر من استعلام واحد")
                                       : QString::fromUtf8(sqlite3_errmsg(connection)));
        sqlite3_finalize(statement);
        return false;
    }
    const int columns = sqlite3_column_count(statement);
    for (int i = 0; i < columns; ++i)
        m_columns.insert(QString::fromUtf8(sqlite3_column_name(statement, i)).toLower(), i);
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
        Row row;
        row.ends.reserve(columns);
        for (int i = 0; i < columns; ++i) {
            if (sqlite3_column_type(statement, i) == SQLITE_FLOAT) {
                // Written as the program always showed numbers, not as the engine spells them.
                row.bytes += QVariant(sqlite3_column_double(statement, i)).toString().toUtf8();
            } else {
                const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, i));
                row.bytes.append(text, sqlite3_column_bytes(statement, i));
            }
            row.ends.append(int(row.bytes.size()));
        }
        m_rows.append(std::move(row));
    }
    sqlite3_finalize(statement);
    if (step != SQLITE_DONE) {
        m_rows.clear();
        m_error = QStringLiteral("تعذر تنفيذ الاستعلام: %1").arg(QString::fromUtf8(sqlite3_errmsg(connection)));
        return false;
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
    if (it == m_columns.cend())
        return {};
    const Row &row = m_rows.at(m_position);
    const int start = *it == 0 ? 0 : row.ends.at(*it - 1);
    return QString::fromUtf8(row.bytes.constData() + start, row.ends.at(*it) - start);
}

bool DataSource::hasColumn(const QString &column) const
{
    return m_columns.contains(column.toLower());
}
