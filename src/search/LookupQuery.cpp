#include "search/LookupQuery.h"

#include "core/Blanks.h"

namespace {

const QString SelectVerses = QStringLiteral("SELECT *  FROM Ayat where ");

} // namespace

QString verseRangeQuery(int sura, const QString &firstVerse, const QString &lastVerse)
{
    return SelectVerses + QStringLiteral("Ayat.soraano like ") + QString::number(sura) + QStringLiteral("And ayaano between ")
        + firstVerse + QStringLiteral(" and ") + lastVerse + QStringLiteral(" order by ID");
}

QString partQuery(int part)
{
    return SelectVerses + QStringLiteral("Ayat.chapterNO like ") + QString::number(part) + QStringLiteral(" order by ID");
}

QString wholeSuraQuery(int sura)
{
    return SelectVerses + QStringLiteral("Ayat.soraano like ") + QString::number(sura) + QStringLiteral(" order by ID");
}

QString pageQuery(const QString &page)
{
    return SelectVerses + QStringLiteral("Ayat.pageno Like ") + page + QStringLiteral(" order by ID");
}

QString printPartQuery(const QString &part)
{
    return SelectVerses + QStringLiteral("Ayat.chapterNO = ") + part + QStringLiteral(" order by ID");
}

QString collectedVerseQuery(const QString &id)
{
    return QStringLiteral("SELECT * FROM Ayat where Ayat.ID like ") + id + QStringLiteral(" order by ID");
}

QString translationVerseQuery(const QString &id)
{
    return QStringLiteral("SELECT *  FROM Taf where Taf.ID like ") + id;
}

QString printTextPiece(const QString &verseText, const QString &verseNumber)
{
    return trimBlanks(verseText) + QStringLiteral(" (") + verseNumber + QStringLiteral(") ");
}

QString collectionEntry(const QString &verseText, const QString &reference)
{
    return trimBlanks(verseText) + QStringLiteral(" [") + reference + QStringLiteral("]\r\n\r\n");
}
