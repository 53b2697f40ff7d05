#pragma once

#include <QList>
#include <QString>

// Part (1..30) and page (1..604) of every verse, from the lists of the first running
// verse number of each part and each page in the 604-page Madani layout.
class VersePlaces
{
public:
    // Reads the "JuzList" and "PageList" arrays of the metadata package's Hafs lists.
    static VersePlaces fromHafsLists(const QString &sourceFile, QString *error);

    bool isValid() const { return !m_partStarts.isEmpty(); }
    int partOf(int verseId) const { return numberOf(m_partStarts, verseId); }
    int pageOf(int verseId) const { return numberOf(m_pageStarts, verseId); }

private:
    static int numberOf(const QList<int> &starts, int verseId);

    QList<int> m_partStarts; // entry n - 1: first verse of part n
    QList<int> m_pageStarts; // entry n - 1: first verse of page n
};
