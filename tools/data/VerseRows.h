#pragma once

#include "SourceText.h"
#include "VerseDatabase.h"
#include "VersePlaces.h"

#include <QHash>
#include <QList>
#include <QString>

// Puts the sources together into the rows of the verse table: the search form of
// each verse, its part and page, its English text and the two commentaries (empty
// where none was given). Fails with the verse's running number when the search form
// does not have exactly as many words as the display text, or when it lacks its
// single outer blanks, since the highlighter aligns the two word by word.
QList<VerseRow> buildVerseRows(const QList<SourceVerse> &text, const QList<SourceVerse> &english,
                               const VersePlaces &places, const QHash<int, QString> &taf2,
                               const QHash<int, QString> &taf, QString *error);

// Number of blank-separated words.
int wordCount(const QString &text);
