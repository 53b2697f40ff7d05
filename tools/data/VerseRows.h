#pragma once

#include "data/SourceText.h"
#include "data/VerseDatabase.h"
#include "data/VersePlaces.h"

#include <QHash>
#include <QList>
#include <QString>

// Puts the sources together into the rows of the verse table: the search form of
// each verse and its folded form, its part and page, its English text and the two commentaries (empty
// where none was given). Fails with the verse's running number when a search column
// is refused (searchColumnsFault).
QList<VerseRow> buildVerseRows(const QList<SourceVerse> &text, const QList<SourceVerse> &english,
                               const VersePlaces &places, const QHash<int, QString> &taf2,
                               const QHash<int, QString> &taf, QString *error);

// Why a row's search form or folded search form cannot be stored, or empty when both
// can: each must have exactly as many words as the display text and one blank at each
// end, since the highlighter aligns them with it word by word.
QString searchColumnsFault(const VerseRow &row);

// Number of blank-separated words.
int wordCount(const QString &text);
