#pragma once

#include "core/SearchChoices.h"
#include "search/SearchVocabulary.h"

#include <QString>
#include <QStringList>

class DataSource;

// What a text search did.
struct TextSearchResult {
    bool ok = false;          // false: a query failed, for the reason in `error`
    QString error;
    QString searchForm;       // the typed text in search form
    bool forgiving = false;   // nothing was found as typed; these are the folded pass's verses
    QString foundSpelling;    // after the forgiving pass: the text's own spelling of the first match
    QString highlightWord;    // what the verse view marks...
    QString highlightColumn;  // ...in this verse column ("ayaaindex" or "ayaafolded")
};

// The text search of the main window and of the command line: the typed text put into
// search form, the exact search, and when it finds nothing a forgiving search with the
// spelling variants folded on both sides. The found verses are left in the data source,
// in reading order; the words of the index it needs are read through a connection of
// its own, so the data source holds nothing but the search.
class TextSearch
{
public:
    explicit TextSearch(DataSource &verses) : m_verses(verses) {}

    // `typed` is the trimmed, non-empty text of the search box.
    TextSearchResult run(const QString &typed, SearchScope scope, const SearchChoices &choices, bool forgiving = true);

    // For a search that found nothing: up to five texts close to `searchForm`, each the
    // searched text with its first word that the index does not hold replaced by one
    // of the index's nearest words.
    QStringList suggestions(const QString &searchForm);

private:

    DataSource &m_verses;
    SearchVocabulary m_vocabulary;
};

// The text's own spelling at the place where the folded pass matched `foldedSearch`:
// `indexText` and `foldedText` are one verse's search form and its folded form.
QString spellingOfFoldedMatch(const QString &indexText, const QString &foldedText, const QString &foldedSearch,
                              bool wholeWord, bool allWords);

// The line above the verses a forgiving search found: «لم يعثر على "ابراهيم" كما كتبت؛
// هذه نتائج "إبراهيم"».
QString forgivingSearchNotice(const QString &typed, const QString &foundSpelling);
