#pragma once

#include <QString>
#include <QStringList>

// The figures of the memorisation record, free of any window.

// The whole part of count / total x 100: 6235 of 6236 verses is 99, not 100.
int sharePercent(qsizetype count, int total);

// The verse number within `sura` of the running verse number `id`.
int verseNumberInSura(int id, int sura);

// The verse numbers of a sura of `verseCount` verses that are not in `saved` (the
// memorised numbers as text, ascending and without repeats), as text: one merge pass
// over the two ascending lists.
QStringList notSavedVerses(const QStringList &saved, int verseCount);
