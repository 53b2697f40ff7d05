#pragma once

#include "core/DataFileCheck.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <optional>

// One connection to a read-only data file with one current query and a cursor on
// its result. The whole result is read into memory when the query runs (the largest
// is the whole text, 6,236 rows), so the cursor never touches the file again. A row
// is kept as the engine's UTF-8 bytes and a column becomes text only when it is read:
// searches select every column but the result fill reads three of them.
class DataSource
{
public:
    DataSource();
    ~DataSource();
    DataSource(const DataSource &) = delete;
    DataSource &operator=(const DataSource &) = delete;

    // Opens the data file at `path` read-only, from the path itself (a folder may hold
    // any character). A missing file or a file that is not a database fails; nothing
    // is ever created. With a kind, the file must also pass that kind's opening check,
    // so a damaged file fails here, named in errorString(), instead of finding nothing.
    bool openFile(const QString &path, std::optional<DataFileKind> kind = std::nullopt);
    void close();
    bool isOpen() const;
    QString path() const { return m_path; }

    // Runs a SELECT text; the cursor stands on the first record or at the end.
    bool runQuery(const QString &sql);
    // Runs the current query again and re-reads its result.
    bool refresh();
    QString sql() const { return m_sql; }

    bool atEnd() const { return m_position >= m_rows.size(); }
    void moveFirst() { m_position = 0; }
    void moveNext();
    void movePrevious() { m_position = std::max<qsizetype>(m_position - 1, 0); }
    qsizetype recordCount() const { return m_rows.size(); }
    qsizetype position() const { return m_position; }

    // A column of the current record as text; the column name is matched without
    // regard to case. Empty at the end of the result or for an unknown column.
    QString text(const QString &column) const;
    bool hasColumn(const QString &column) const;

    // The last failure in a form fit to show the reader.
    QString errorString() const { return m_error; }

private:
    QString m_connectionName;
    QString m_path;
    QString m_sql;
    // One record: its columns' UTF-8 bytes end to end; column i ends at ends[i].
    struct Row {
        QByteArray bytes;
        QList<int> ends;
    };

    QHash<QString, int> m_columns; // lower-case name -> index
    QList<Row> m_rows;
    qsizetype m_position = 0;
    QString m_error;
};
