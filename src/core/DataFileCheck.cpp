#include "core/DataFileCheck.h"

#include "core/SqliteFile.h"
#include "core/SuraTables.h"

#include <QFileInfo>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

#include <vector>

namespace {

struct Table {
    QString name;
    QStringList columns;
};

std::vector<Table> tablesOf(DataFileKind kind)
{
    switch (kind) {
    case DataFileKind::Verses:
        return {{QStringLiteral("Ayat"),
                 {QStringLiteral("ID"), QStringLiteral("soraano"), QStringLiteral("ayaano"), QStringLiteral("chapterNO"),
                  QStringLiteral("pageno"), QStringLiteral("ayaa"), QStringLiteral("ayaaindex"), QStringLiteral("taf2"),
                  QStringLiteral("taf"), QStringLiteral("english")}},
                {QStringLiteral("DBversion"), {QStringLiteral("DBversion")}},
                {QStringLiteral("topics_name"),
                 {QStringLiteral("ID"), QStringLiteral("Topic_No"), QStringLiteral("Topic_Name"), QStringLiteral("Mother_Topic")}},
                {QStringLiteral("topic_Ayat"),
                 {QStringLiteral("ID"), QStringLiteral("Topic_No"), QStringLiteral("Sura_No"), QStringLiteral("Ayat_No")}}};
    case DataFileKind::Roots:
        return {{QStringLiteral("Words"), {QStringLiteral("Word"), QStringLiteral("JathrID")}}};
    case DataFileKind::Translation:
        return {{QStringLiteral("Taf"), {QStringLiteral("ID"), QStringLiteral("Taf")}}};
    }
    return {};
}

QString missingColumns(const QSqlDatabase &db, const Table &table)
{
    const QSqlRecord record = db.record(table.name);
    if (record.isEmpty())
        return QStringLiteral("ينقصه الجدول %1").arg(table.name);
    QStringList missing;
    for (const QString &column : table.columns) {
        bool found = false;
        for (int i = 0; i < record.count() && !found; ++i)
            found = record.fieldName(i).compare(column, Qt::CaseInsensitive) == 0;
        if (!found)
            missing.append(column);
    }
    return missing.isEmpty() ? QString()
                             : QStringLiteral("ينقص الجدول %1 العمود %2").arg(table.name, missing.join(QStringLiteral("، ")));
}

QString sqliteCheck(const QSqlDatabase &db, CheckDepth depth)
{
    QSqlQuery check(db);
    const QString pragma = depth == CheckDepth::Opening ? QStringLiteral("PRAGMA quick_check") : QStringLiteral("PRAGMA integrity_check");
    if (!check.exec(pragma) || !check.next())
        return QStringLiteral("تعذر فحص الملف");
    return check.value(0).toString() == QStringLiteral("ok") ? QString() : QStringLiteral("الملف تالف");
}

// Exactly one row for each verse, ID 1 to 6236.
QString verseRows(const QSqlDatabase &db, const QString &table)
{
    QSqlQuery count(db);
    if (!count.exec(QStringLiteral("SELECT count(*), count(DISTINCT ID), min(ID), max(ID) FROM %1 WHERE typeof(ID) = 'integer'").arg(table))
        || !count.next())
        return QStringLiteral("تعذر عد آيات الجدول %1").arg(table);
    QSqlQuery all(db);
    if (!all.exec(QStringLiteral("SELECT count(*) FROM %1").arg(table)) || !all.next())
        return QStringLiteral("تعذر عد آيات الجدول %1").arg(table);
    const bool whole = all.value(0).toInt() == VerseTotal && count.value(0).toInt() == VerseTotal
                       && count.value(1).toInt() == VerseTotal && count.value(2).toInt() == 1
                       && count.value(3).toInt() == VerseTotal;
    return whole ? QString()
                 : QStringLiteral("يحتوي الجدول %1 على %2 صفا بدلا من آيات القرآن الـ %3 مرقمة من 1 إلى %3")
                       .arg(table)
                       .arg(all.value(0).toInt())
                       .arg(VerseTotal);
}

QString problemIn(const QSqlDatabase &db, DataFileKind kind, CheckDepth depth)
{
    const std::vector<Table> tables = tablesOf(kind);
    for (const Table &table : tables)
        if (QString problem = missingColumns(db, table); !problem.isEmpty())
            return problem;
    if (QString problem = sqliteCheck(db, depth); !problem.isEmpty())
        return problem;
    if (depth == CheckDepth::Installing && kind != DataFileKind::Roots)
        return verseRows(db, tables.front().name);
    return {};
}

} // namespace

QString dataFileProblem(const QString &path, DataFileKind kind, CheckDepth depth)
{
    QString error;
    QSqlDatabase db = openSqliteFile(path, OpenMode::ReadOnly, &error);
    if (!db.isValid())
        return error;
    const QString problem = problemIn(db, kind, depth);
    const QString name = db.connectionName();
    db = QSqlDatabase();
    closeSqliteFile(name);
    return problem.isEmpty() ? QString() : QStringLiteral("ملف البيانات %1 غير صالح: %2").arg(QFileInfo(path).fileName(), problem);
}
