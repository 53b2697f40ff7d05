#pragma once

#include "core/SearchChoices.h"

#include <QString>

#include <functional>

class DataSource;

// The steps of the root search, free of any window, shared by the main window and the
// command line: the roots of the typed word, every form of each root in the order the
// root table holds them, and the verses of each form within the scope.
struct RootFormSearch {
    DataSource &roots;  // root database: the roots of the word
    DataSource &forms;  // root database: the forms of one root
    DataSource &verses; // verse database: the scope's verses, then each form's verses

    // Calls `starting(form)` before each form is looked for and, when the scope holds
    // it, `found(form)` while `verses` holds the form's verses in reading order.
    // False, with the reason in `error`, when a query failed: what was found before
    // stays found, and nothing after it is looked for.
    bool run(const QString &word, SearchScope scope, const SearchChoices &choices,
             const std::function<void(const QString &form)> &starting,
             const std::function<void(const QString &form)> &found, QString *error);
};
