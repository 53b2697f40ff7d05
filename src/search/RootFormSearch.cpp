#include "RootFormSearch.h"

#include "DataSource.h"
#include "RootSearchQuery.h"
#include "VerseForms.h"

#include <optional>

namespace {

bool failed(const DataSource &source, QString *error)
{
    *error = source.errorString();
    return false;
}

} // namespace

bool RootFormSearch::run(const QString &word, int scope, const SearchChoices &choices,
                         const std::function<void(const QString &)> &starting,
                         const std::function<void(const QString &)> &found, QString *error)
{
    std::optional<VerseForms> scopeVerses; // read when the first form needs them
    if (!roots.runQuery(rootsOfWordQuery(word)))
        return failed(roots, error);
    for (roots.moveFirst(); !roots.atEnd(); roots.moveNext()) {
        if (!forms.runQuery(formsOfRootQuery(roots.text(QStringLiteral("JathrID")))))
            return failed(forms, error);
        for (forms.moveFirst(); !forms.atEnd(); forms.moveNext()) {
            const QString form = forms.text(QStringLiteral("Word"));
            starting(form);
            if (!scopeVerses) {
                if (!verses.runQuery(rootSearchScopeQuery(scope, choices)))
                    return failed(verses, error);
                scopeVerses.emplace();
                scopeVerses->read(verses);
            }
            const QList<int> ids = scopeVerses->versesWith(form, choices.wholeWord);
            if (ids.isEmpty())
                continue;
            if (!verses.runQuery(versesByIdQuery(ids)))
                return failed(verses, error);
            found(form);
        }
    }
    return true;
}
