#include "search/TextSearch.h"

#include "core/DataSource.h"
#include "search/TextSearchQuery.h"
#include "text/TypedText.h"

namespace {

const QString IndexColumnName = QStringLiteral("ayaaindex");
const QString FoldedColumnName = QStringLiteral("ayaafolded");

// Where `pattern` stands in `folded` and how long the matched word is, or -1.
qsizetype matchIn(const QString &folded, const QString &pattern, bool wholeWord, qsizetype *length)
{
    *length = pattern.size();
    if (!wholeWord)
        return folded.indexOf(pattern);
    qsizetype at = folded.indexOf(u' ' + pattern + u' ');
    if (at >= 0)
        return at + 1;
    at = folded.indexOf(u' ' + Vocative + pattern + u' ');
    return at >= 0 ? at + 1 + Vocative.size() : -1;
}

} // namespace

TextSearchResult TextSearch::run(const QString &typed, SearchScope scope, const SearchChoices &choices, bool forgiving)
{
    TextSearchResult result;
    result.searchForm = searchFormOfTypedText(typed);
    result.highlightWord = result.searchForm;
    result.highlightColumn = IndexColumnName;
    if (!m_vocabulary.hasVocativeWords()) {
        DataSource words;
        if (!words.openFile(m_verses.path()) || !m_vocabulary.loadVocativeWords(words)) {
            result.error = words.errorString();
            return result;
        }
    }

    const QString exact = textSearchCondition(result.searchForm, choices.wholeWord, choices.allWords,
                                              m_vocabulary.vocativeWords(), IndexColumn::Exact);
    result.ok = m_verses.runQuery(textSearchQuery(exact, scope, choices));
    result.error = m_verses.errorString();
    // A database from before the folded column has no forgiving pass.
    if (!result.ok || m_verses.recordCount() > 0 || !forgiving || !m_verses.hasColumn(FoldedColumnName))
        return result;

    const QString folded = foldedSpelling(result.searchForm);
    const QString condition = textSearchCondition(folded, choices.wholeWord, choices.allWords,
                                                  m_vocabulary.foldedVocativeWords(), IndexColumn::Folded);
    result.ok = m_verses.runQuery(textSearchQuery(condition, scope, choices));
    result.error = m_verses.errorString();
    if (!result.ok || m_verses.recordCount() == 0)
        return result;
    result.forgiving = true;
    result.highlightWord = folded;
    result.highlightColumn = FoldedColumnName;
    result.foundSpelling = spellingOfFoldedMatch(m_verses.text(IndexColumnName), m_verses.text(FoldedColumnName),
                                                 folded, choices.wholeWord, choices.allWords);
    return result;
}

QStringList TextSearch::suggestions(const QString &searchForm)
{
    if (!m_vocabulary.hasWordCounts()) {
        DataSource words;
        if (!words.openFile(m_verses.path()) || !m_vocabulary.loadWordCounts(words))
            return {};
    }
    const QStringList words = searchForm.split(u' ');
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (words.at(i).isEmpty() || m_vocabulary.contains(words.at(i)))
            continue;
        QStringList texts;
        for (const QString &word : m_vocabulary.closestWords(words.at(i), 5)) {
            QStringList text = words;
            text[i] = word;
            texts.append(text.join(u' '));
        }
        return texts;
    }
    return {};
}

QString spellingOfFoldedMatch(const QString &indexText, const QString &foldedText, const QString &foldedSearch,
                              bool wholeWord, bool allWords)
{
    const QStringList patterns = allWords ? foldedSearch.split(u' ', Qt::SkipEmptyParts) : QStringList{foldedSearch};
    QStringList spellings;
    for (const QString &pattern : patterns) {
        qsizetype length = 0;
        const qsizetype at = matchIn(foldedText, pattern, wholeWord, &length);
        spellings.append(at >= 0 ? indexText.mid(at, length) : pattern);
    }
    return spellings.join(u' ');
}

QString forgivingSearchNotice(const QString &typed, const QString &foundSpelling)
{
    return QStringLiteral("لم يعثر على \"%1\" كما كتبت؛ هذه نتائج \"%2\"").arg(typed, foundSpelling);
}
