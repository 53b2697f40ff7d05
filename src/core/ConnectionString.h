#pragma once

#include <QString>

// The one connection string every database of the program is opened with, kept as
// stored files and older copies of the program know it.
QString databaseConnectionString(const QString &programFolder, const QString &fileName);

// The file named by "Data Source=" in a connection string: trimmed, with "/" and "\"
// both accepted as separators. Empty when the string names no data source.
QString dataSourceFile(const QString &connectionString);
