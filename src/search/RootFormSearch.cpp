#include "search/RootFormSearch.h"

#include "core/DataSource.h"
#include "search/RootSearchQuery.h"
#include "search/VerseForms.h"

namespace {

bool failed(const DataSource &source, QString *error)
{
    *error = source.errorString();
    return false;
}

} // namespace

bool RootFormSearch::run(const QString &word, SearchScope scope, const SearchChoices &choices,
                         const std::function<void(const QString &)> &starting,
                         const std::function<void(const QString &)> &found, QString *error)
{
    QStringList formsOfRoots; // root by root, each root's forms in the table's order
    if (!roots.runQuery(rootsOfWordQuery(word)))
        return failed(roots, error);
    for (roots.moveFirst(); !roots.atEnd(); roots.moveNext()) {
        if (!forms.runQuery(formsOfRootQuery(roots.text(QStringLiteral("JathrID")))))
            return failed(forms, error);
        for (forms.moveFirst(); !forms.atEnd(); forms.moveNext())
            formsOfRoots.append(forms.text(QStringLiteral("Word")));
    }
    if (formsOfRoots.isEmpty())
        return true;

    // One read of the scope finds every form; then each form's verses are listed.
    if (!verses.runQuery(rootSearchScopeQuery(scope, choices)))
        return failed(verses, error);
    const VerseForms scopeForms(formsOfRoots, choices.wholeWord, verses);
    for (const QString &form : std::as_const(formsOfRoots)) {
        starting(form);
        const QList<int> ids = scopeForms.versesWith(form);
        if (ids.isEmpty())
            continue;
        if (!verses.runQuery(versesByIdQuery(ids)))
            return failed(verses, error);
        found(form);
    }
    return true;
}
