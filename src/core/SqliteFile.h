#pragma once

#include <QSqlDatabase>
#include <QString>

enum class OpenMode { ReadOnly, ReadWrite };

// Opens an existing SQLite file under a unique connection name and checks that it
// really is a database. A missing file fails instead of being created empty.
// On failure the connection is removed and the reason, in Arabic, is in *error.
QSqlDatabase openSqliteFile(const QString &path, OpenMode mode, QString *error);

// Closes and forgets a connection opened by openSqliteFile.
void closeSqliteFile(const QString &connectionName);

// Creates an empty database at `path` (through a temporary name beside it). An
// existing file is left alone.
bool createEmptyDatabase(const QString &path, QString *error);
