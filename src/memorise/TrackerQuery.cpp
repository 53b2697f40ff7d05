#include "memorise/TrackerQuery.h"

QString trackedVerseQuery(const QString &sura, const QString &verse)
{
    return QStringLiteral("SELECT *  FROM Ayat where soraano like ") + sura + QStringLiteral(" And Ayat.ayaano Like ") + verse
        + QStringLiteral(" order by ID");
}

QString trackedRangeQuery(const QString &sura, const QString &from, const QString &to)
{
    return QStringLiteral("SELECT *  FROM Ayat where ayaano between ") + from + QStringLiteral(" and ") + to
        + QStringLiteral(" And Ayat.soraano Like ") + sura + QStringLiteral(" order by ID");
}

QString userRecordsQuery(const QString &user)
{
    return QStringLiteral("SELECT *  FROM ") + user;
}

QString userVerseQuery(const QString &user, const QString &id)
{
    return userRecordsQuery(user) + QStringLiteral(" where ayaanum like ") + id;
}

QString userSuraQuery(const QString &user, int sura)
{
    return userRecordsQuery(user) + QStringLiteral(" where suranum like ") + QString::number(sura);
}

QString userSuraInOrderQuery(const QString &user, int sura)
{
    return userSuraQuery(user, sura) + QStringLiteral(" order by ayaanum");
}
