#pragma once

#include "data/TopicIndex.h"

#include <QList>
#include <QString>
#include <QStringList>

// One row of the verse table as the program reads it.
struct VerseRow {
    int id = 0;
    int sura = 0;
    int verse = 0;
    int part = 0;
    int page = 0;
    QString ayaa;      // display text with diacritics
    QString ayaaindex; // search form, " w1 w2 ... wn "
    QString ayaafolded; // the search form with its spelling variants folded, word for word
    QString taf2;
    QString taf;
    QString english;
};

// Each writer builds the file under a temporary name and renames it into place only
// when complete, so a failed build never leaves a half-written database behind.

// quran.qu: Ayat, DBversion, and the topic tables of the topic index.
bool writeVerseDatabase(const QString &path, const QList<VerseRow> &rows, const TopicIndex &topics,
                        const QString &version, QString *error);

// A translation file: table Taf (ID, Taf), texts.at(i) belonging to verse ID i + 1.
bool writeTranslationFile(const QString &path, const QStringList &texts, QString *error);

// Jthr.qu: table Words (Word, JathrID), one row per (word form, root) pair, written in
// the order given: a query by JathrID lists a root's forms in that order.
bool writeRootDatabase(const QString &path, const QList<QPair<QString, QString>> &wordRoots, QString *error);
