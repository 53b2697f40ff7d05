#pragma once

#include "SearchChoices.h"

#include <QString>

// The reader's text inside a quoted SQL string: every "'" doubled, so a quote in the
// search text is searched for instead of ending the string.
QString sqlText(const QString &text);

// The condition on the search form of the verses for a search text: one LIKE pattern
// for the whole phrase, or with `allWords` one pattern per blank-separated word joined
// by "and". A whole-word pattern has one blank on each side of the text.
QString textSearchCondition(const QString &searchWord, bool wholeWord, bool allWords);

// The whole query for a condition within a scope: 0 the whole text, 1 one part,
// 2 a range of parts, 3 one sura, 4 a range of suras (numbers from `options`).
QString textSearchQuery(const QString &condition, int scope, const SearchChoices &options);

// The same scope in the reader's words: "البحث في: سورة البقرة".
QString searchScopeText(int scope, const SearchChoices &options);
