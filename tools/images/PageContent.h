#pragma once

#include <QList>
#include <QString>

// One verse as the page images show it.
struct PageVerse {
    int id = 0;
    int sura = 0;
    int verse = 0;
    QString text; // the display text with diacritics
};

// What a printed page holds, top to bottom: where a sura starts, its header and (for
// every sura but the first and the ninth) the basmala, then the sura's verses running
// together, each closed by its verse-end mark.
struct PageBlock {
    enum class Kind { SuraHeader, Basmala, Verses };
    Kind kind = Kind::Verses;
    int sura = 0;
    QList<PageVerse> verses; // Verses blocks only
};

QList<PageBlock> pageBlocks(const QList<PageVerse> &verses);

// The verse number in Arabic-Indic digits ("٢٥٥").
QString arabicIndicNumber(int number);

// A verse's text followed by its end mark and number, as the page and verse images print it.
QString verseWithEndMark(const PageVerse &verse);
