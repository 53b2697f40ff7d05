#pragma once

#include "core/SearchChoices.h"

#include <QList>
#include <QString>

// The texts of the root search. The reader's text is quoted with sqlText; the rest is
// written as the root database and the verse database expect it (no blank before
// "order by" after a closing quote).

// The roots of a typed word: "SELECT *  FROM Words where Word like 'word'order by JathrID".
QString rootsOfWordQuery(const QString &word);

// Every word form of one root, in the order the root table holds them.
QString formsOfRootQuery(const QString &root);

// The verses of a scope, running number and search form only, in reading order: the
// root search reads them once and finds every form of the root among them.
QString rootSearchScopeQuery(SearchScope scope, const SearchChoices &choices);

// Whole verses by running number, in reading order.
QString versesByIdQuery(const QList<int> &ids);

// The page shown while one word form is searched: the waiting text in the display font
// with the form below it in red.
QString rootSearchWaitingPage(const QString &fontName, double fontSize, const QString &form);

// "%" and "_" are wildcards inside LIKE: a root search for a text holding them would
// find words it does not name. No Arabic word holds either.
bool hasLikeWildcard(const QString &text);
