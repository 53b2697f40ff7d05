#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

class DataSource;

// The words of the verse index as the text search needs them: which words the text
// writes joined to the vocative (ياموسى), and how often each word occurs, for the
// words offered when a search finds nothing.
class SearchVocabulary
{
public:
    // Reads the display text and the index of every verse; false when that fails.
    bool load(DataSource &verses);
    bool isLoaded() const { return !m_counts.isEmpty(); }

    // The words the index writes joined to the vocative ("موسى" for "ياموسى"), as
    // written and with their spelling folded.
    const QSet<QString> &vocativeWords() const { return m_vocativeWords; }
    const QSet<QString> &foldedVocativeWords() const { return m_foldedVocativeWords; }

    bool contains(const QString &word) const { return m_counts.contains(word); }

    // Up to `count` distinct words of the index nearest to `word` by edit distance
    // (at most one edit for words of up to three letters, two otherwise), the
    // nearest first and, among equally near words, the most frequent.
    QStringList closestWords(const QString &word, int count) const;

private:
    QHash<QString, int> m_counts;
    QSet<QString> m_vocativeWords;
    QSet<QString> m_foldedVocativeWords;
};

// The number of letters to insert, delete or replace to turn `a` into `b`.
int editDistance(const QString &a, const QString &b);
