#include "ConnectionString.h"

#include <QDir>

QString databaseConnectionString(const QString &programFolder, const QString &fileName)
{
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Jet OLEDB:Database Password=tilam4830957; Data Source= ")
        + programFolder + QStringLiteral("/") + fileName + QStringLiteral(" ;Persist Security Info=False");
}

QString dataSourceFile(const QString &connectionString)
{
    const QString key = QStringLiteral("Data Source=");
    const qsizetype start = connectionString.indexOf(key, 0, Qt::CaseInsensitive);
    if (start < 0)
        return {};
    const qsizetype valueStart = start + key.size();
    const qsizetype end = connectionString.indexOf(u';', valueStart);
    QString file = connectionString.mid(valueStart, end < 0 ? -1 : end - valueStart).trimmed();
    file.replace(u'\\', u'/');
    return file.isEmpty() ? QString() : QDir::cleanPath(file);
}
