#pragma once

#include <QString>

// The reads of the memorisation tracker, exactly as it writes them: verses of quran.qu by
// their place, and the rows of the user's table (named by the user) in db.mdb.

// Verse `verse` of sura `sura`.
QString trackedVerseQuery(const QString &sura, const QString &verse);
// Verses from ... to of sura `sura`.
QString trackedRangeQuery(const QString &sura, const QString &from, const QString &to);

// Every memorised verse of the user.
QString userRecordsQuery(const QString &user);
// The verse with running number `id`, if memorised.
QString userVerseQuery(const QString &user, const QString &id);
// The memorised verses of a sura, in the table's order or ordered by running number.
QString userSuraQuery(const QString &user, int sura);
QString userSuraInOrderQuery(const QString &user, int sura);
