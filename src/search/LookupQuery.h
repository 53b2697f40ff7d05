#pragma once

#include <QString>

// Queries that list verses by their place, exactly as the lookups and gathers write
// them. Numbers count from 1.

// A verse range of a sura; no blank before "And".
QString verseRangeQuery(int sura, const QString &firstVerse, const QString &lastVerse);
QString partQuery(int part);
QString wholeSuraQuery(int sura);
// The verses printed on one page of the bound copy.
QString pageQuery(const QString &page);
// The print gather's part query, with "=" instead of "like".
QString printPartQuery(const QString &part);
// One verse by its running number (a collected one, the one on show).
QString collectedVerseQuery(const QString &id);
// The text of that verse in a translation file.
QString translationVerseQuery(const QString &id);

// One verse of a print text: "text (n) ".
QString printTextPiece(const QString &verseText, const QString &verseNumber);
// One verse of a gathered collection: the text, " [reference]" and a blank line.
QString collectionEntry(const QString &verseText, const QString &reference);
