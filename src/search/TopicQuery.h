#pragma once

#include <QString>
#include <QStringList>

// The queries and texts of the topic index, without widgets.

// The topics of the top level, in their stored order.
QString topLevelTopicsQuery();
// The sub-topics of topic `topicNo`.
QString subTopicsQuery(const QString &topicNo);
// The verse references of leaf topic `topicNo`.
QString topicReferencesQuery(const QString &topicNo);

// A reference as the topic frame lists it: "البقرة : (1 2)" for sura 2 and "1,2".
QString topicReferenceText(int sura, const QString &ayatNo);

// The verse numbers of a reference text such as "3,5-6,9": the first 10 items only,
// the single verses first in their written order, then each range expanded from its
// first to its last verse. A range written backwards stands for its first verse; an
// item that is not a number is left out, so nothing but digits reaches the query.
QStringList topicVerseNumbers(const QString &ayatNo);

// The query of the verses `verseNumbers` of sura `sura`, in reading order; empty
// when there is no verse number to ask for.
QString topicVersesQuery(const QStringList &verseNumbers, int sura);
