#include "memorise/MemoriseStatistics.h"

#include "memorise/Marking.h"

int sharePercent(qsizetype count, int total)
{
    return total <= 0 ? 0 : int(count * 100 / total);
}

int verseNumberInSura(int id, int sura)
{
    return id - suraOffset(sura);
}

QStringList notSavedVerses(const QStringList &saved, int verseCount)
{
    QStringList notSaved;
    if (saved.size() == verseCount)
        return notSaved;
    for (int verse = 1; verse <= verseCount; ++verse)
        notSaved.append(QString::number(verse));
    qsizetype p = 0;
    qsizetype q = 0;
    for (int step = 0; step < verseCount; ++step) {
        if (q < notSaved.size() && saved.value(p) == notSaved.at(q)) {
            notSaved.removeAt(q);
            ++p;
        } else {
            ++q;
        }
    }
    return notSaved;
}
