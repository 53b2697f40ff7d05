#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

class DataSource;

// The words of the verse index as the text search needs them: which words the text
// writes joined to the vocative (ياموسى), and how often each word occurs, for the
// words offered when a search finds nothing. Each part is read once, when first needed.
class SearchVocabulary
{
public:
    // Reads the words joined to the vocative from the display text and the index of the
    // verses that hold one; false when that fails.
    bool loadVocativeWords(DataSource &verses);
    bool hasVocativeWords() const { return m_vocativeWordsRead; }
    // Counts every word of the index; false when that fails.
    bool loadWordCounts(DataSource &verses);
    bool hasWordCounts() const { return m_countsRead; }

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
    bool m_vocativeWordsRead = false;
    bool m_countsRead = false;
};

// The number of letters to insert, delete or replace to turn `a` into `b`.
int editDistance(const QString &a, const QString &b);
