#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// Roots of the word forms of the search text (see docs/data.md, "Roots of the word forms").
//
// Every distinct word of `ayaaindex` gets a root identifier; the forms that the analyser
// traces to one Arabic root share it. The identifier of a shared root is the root's
// letters with every hamza written ء ("كتب", "ءمن", "قول"). A word the analyser cannot
// trace with confidence (particles, pronouns, proper names, unknown patterns, close
// calls between two roots) keeps an identifier of its own, RootAnalysis::ownRoot(word),
// so a root search for it finds that word alone: a missed merge only narrows a search,
// a wrong one would fill it with unrelated verses.
struct RootAnalysis {
    QHash<QString, QString> rootOf; // word -> root identifier, for every word given
    int sharedWords = 0;            // words whose root is shared with at least one other word
    int ownWords = 0;               // words left with a root of their own

    static QString ownRoot(const QString &word) { return QStringLiteral("~") + word; }
};

// Analyses the distinct words of the whole text together: the choice between two
// possible roots of a word leans on how many other words of the text support each.
RootAnalysis analyseRoots(const QStringList &words);
