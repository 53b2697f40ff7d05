#include "search/SearchVocabulary.h"

#include "core/DataSource.h"
#include "text/TypedText.h"

#include <QList>

#include <algorithm>

namespace {

// The display text writes the vocative as yeh, fatha and a dagger alef (يَٰ), with
// a tatweel before the dagger alef when a hamza follows (يَـٰٓأَيُّهَا). Other words
// that begin with يا in the index (يابس, ياسين) have a written alef.
bool startsWithVocative(QString displayWord)
{
    displayWord.remove(u'۞');
    return displayWord.startsWith(QStringLiteral("يَٰ")) || displayWord.startsWith(QStringLiteral("يَـٰ"));
}

} // namespace

bool SearchVocabulary::loadVocativeWords(DataSource &verses)
{
    m_vocativeWords.clear();
    m_foldedVocativeWords.clear();
    if (!verses.runQuery(QStringLiteral("SELECT ayaa, ayaaindex FROM Ayat where ayaaindex like '% ") + Vocative
                         + QStringLiteral("%' order by ID")))
        return false;
    for (; !verses.atEnd(); verses.moveNext()) {
        const QStringList index = verses.text(QStringLiteral("ayaaindex")).split(u' ', Qt::SkipEmptyParts);
        // The thin space of 2:72 is inside a word, as in the index.
        const QStringList display = verses.text(QStringLiteral("ayaa")).remove(u'\u2009').split(u' ', Qt::SkipEmptyParts);
        if (display.size() != index.size())
            continue;
        for (qsizetype i = 0; i < index.size(); ++i) {
            const QString &word = index.at(i);
            if (word.size() > Vocative.size() && word.startsWith(Vocative) && startsWithVocative(display.at(i))) {
                m_vocativeWords.insert(word.mid(Vocative.size()));
                m_foldedVocativeWords.insert(foldedSpelling(word.mid(Vocative.size())));
            }
        }
    }
    m_vocativeWordsRead = true;
    return true;
}

bool SearchVocabulary::loadWordCounts(DataSource &verses)
{
    m_counts.clear();
    if (!verses.runQuery(QStringLiteral("SELECT ayaaindex FROM Ayat")))
        return false;
    for (; !verses.atEnd(); verses.moveNext()) {
        for (const QString &word : verses.text(QStringLiteral("ayaaindex")).split(u' ', Qt::SkipEmptyParts))
            ++m_counts[word];
    }
    m_countsRead = true;
    return true;
}

QStringList SearchVocabulary::closestWords(const QString &word, int count) const
{
    struct Candidate {
        int distance;
        int occurrences;
        QString word;
    };
    const int limit = word.size() <= 3 ? 1 : 2;
    QList<Candidate> candidates;
    for (auto it = m_counts.cbegin(); it != m_counts.cend(); ++it) {
        if (std::abs(it.key().size() - word.size()) > limit || it.key() == word)
            continue;
        const int distance = editDistance(word, it.key());
        if (distance <= limit)
            candidates.append({distance, it.value(), it.key()});
    }
    std::sort(candidates.begin(), candidates.end(), [](const Candidate &a, const Candidate &b) {
        if (a.distance != b.distance)
            return a.distance < b.distance;
        if (a.occurrences != b.occurrences)
            return a.occurrences > b.occurrences;
        return a.word < b.word;
    });
    QStringList words;
    for (qsizetype i = 0; i < candidates.size() && i < count; ++i)
        words.append(candidates.at(i).word);
    return words;
}

int editDistance(const QString &a, const QString &b)
{
    QList<int> previous(b.size() + 1);
    QList<int> current(b.size() + 1);
    for (qsizetype j = 0; j <= b.size(); ++j)
        previous[j] = int(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        current[0] = int(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int replace = previous[j - 1] + (a.at(i - 1) == b.at(j - 1) ? 0 : 1);
            current[j] = std::min({replace, previous[j] + 1, current[j - 1] + 1});
        }
        std::swap(previous, current);
    }
    return previous[b.size()];
}
