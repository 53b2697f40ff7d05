#pragma once

#include "core/SearchChoices.h"

#include <QSet>
#include <QString>

// The reader's text inside a quoted SQL string: every "'" doubled, so a quote in the
// search text is searched for instead of ending the string.
QString sqlText(const QString &text);

// The verse column a text is looked for in: the search form as the index writes it,
// or the same words with their spelling variants folded (the forgiving pass).
enum class IndexColumn { Exact, Folded };

// The condition on the search form of the verses for a search text: one LIKE pattern
// for the whole phrase, or with `allWords` one pattern per blank-separated word joined
// by "and". A whole-word pattern has one blank on each side of the text. A whole-word
// pattern whose first word is in `vocativeWords` (words the index writes joined to the
// vocative, in the column's spelling) also matches that word with "يا" joined to it.
QString textSearchCondition(const QString &searchWord, bool wholeWord, bool allWords,
                            const QSet<QString> &vocativeWords = {}, IndexColumn column = IndexColumn::Exact);

// The condition on the verses of a scope (numbers from `options`): "chapterNO = 3",
// "soraano between 2 and 5"; empty for the whole text.
QString scopeCondition(SearchScope scope, const SearchChoices &options);

// The whole query for a condition within a scope.
QString textSearchQuery(const QString &condition, SearchScope scope, const SearchChoices &options);

// The same scope in the reader's words: "البحث في: سورة البقرة".
QString searchScopeText(SearchScope scope, const SearchChoices &options);
