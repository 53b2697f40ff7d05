#pragma once

#include "core/SearchChoices.h"

#include <QFont>
#include <QString>

#include <functional>

class DataSource;
class Platform;
class ResultList;
struct ProgramState;

// The root search: the typed word's roots in the root database, every word form of
// each root, and the verses of each form, listed root by root, form by form, in reading
// order, each row remembering the form that found it.
class RootSearch
{
public:
    // Adodc5 reads the roots of the typed word, Adodc4 the forms of one root, Adodc1
    // the verses of the scope once, then the verses of each form; `writeHtmlPage`
    // shows the waiting page of each form.
    RootSearch(Platform &platform, ProgramState &state, DataSource &Adodc1, DataSource &Adodc4, DataSource &Adodc5,
               ResultList &results, std::function<void(const QString &)> writeHtmlPage);

    // Runs the search for the trimmed, non-empty `searchText`. False when it stopped
    // at a message: before searching (the result list is then as it was) or at a
    // failed query (the result list is then empty).
    bool run(const QString &searchText, SearchScope scope, const SearchChoices &choices, const QFont &displayFont);

private:
    bool acceptsSearchText(const QString &searchText);
    bool reportFailedQuery();

    Platform &m_platform;
    ProgramState &m_state;
    DataSource &Adodc1;
    DataSource &Adodc4;
    DataSource &Adodc5;
    ResultList &m_results;
    std::function<void(const QString &)> m_writeHtmlPage;
};
