#include "search/TextSearchQuery.h"

#include "core/SuraTables.h"
#include "text/TypedText.h"

#include <QStringList>

namespace {

QString likePattern(IndexColumn column, const QString &separator, const QString &text)
{
    const QString name = column == IndexColumn::Exact ? QStringLiteral("Ayat.AyaaIndex") : QStringLiteral("Ayat.AyaaFolded");
    return name + QStringLiteral(" Like ") + QStringLiteral(" '%") + separator + sqlText(text) + separator
        + QStringLiteral("%'");
}

// The pattern of a text, or of the text and its vocative-joined form.
QString textPattern(IndexColumn column, const QString &separator, const QString &text, const QSet<QString> &vocativeWords)
{
    const QString pattern = likePattern(column, separator, text);
    if (separator.isEmpty() || !vocativeWords.contains(text.section(u' ', 0, 0)))
        return pattern;
    return QStringLiteral("( ") + pattern + QStringLiteral(" or ") + likePattern(column, separator, Vocative + text)
        + QStringLiteral(" )");
}

} // namespace

QString sqlText(const QString &text)
{
    QString quoted = text;
    return quoted.replace(u'\'', QStringLiteral("''"));
}

QString textSearchCondition(const QString &searchWord, bool wholeWord, bool allWords,
                            const QSet<QString> &vocativeWords, IndexColumn column)
{
    const QString separator = wholeWord ? QStringLiteral(" ") : QString();
    if (!allWords)
        return textPattern(column, separator, searchWord, vocativeWords);

    // Two blanks in a row give an empty word, which still adds its pattern.
    QString condition = QStringLiteral("( ");
    for (const QString &word : searchWord.split(u' '))
        condition += textPattern(column, separator, word, vocativeWords) + QStringLiteral(" and ");
    if (condition.size() >= 5)
        condition.chop(5);
    return condition + QStringLiteral(" )");
}

QString scopeCondition(SearchScope scope, const SearchChoices &options)
{
    const auto between = [](const char *column, int first, int last) {
        return QLatin1String(column) + QStringLiteral(" between ") + QString::number(first) + QStringLiteral(" and ")
            + QString::number(last);
    };
    switch (scope) {
    case SearchScope::OnePart:
        return QStringLiteral("chapterNO = ") + QString::number(options.part);
    case SearchScope::PartRange:
        return between("chapterNO", options.firstPart, options.lastPart);
    case SearchScope::OneSura:
        return QStringLiteral("soraano = ") + QString::number(options.sura);
    case SearchScope::SuraRange:
        return between("soraano", options.firstSura, options.lastSura);
    case SearchScope::WholeText:
        break;
    }
    return {};
}

QString textSearchQuery(const QString &condition, SearchScope scope, const SearchChoices &options)
{
    const QString within = scopeCondition(scope, options);
    return QStringLiteral("SELECT *  FROM Ayat where ") + (within.isEmpty() ? QString() : within + QStringLiteral(" And "))
        + condition + QStringLiteral(" order by ID");
}

QString searchScopeText(SearchScope scope, const SearchChoices &options)
{
    const auto sura = [](int number) { return QStringLiteral("سورة ") + SuraNames.value(number - 1); };
    const auto part = [](int number) { return QStringLiteral("الجزء ") + QString::number(number); };
    switch (scope) {
    case SearchScope::OnePart:
        return QStringLiteral("البحث في: ") + part(options.part);
    case SearchScope::PartRange:
        return QStringLiteral("البحث من ") + part(options.firstPart) + QStringLiteral(" إلى ") + part(options.lastPart);
    case SearchScope::OneSura:
        return QStringLiteral("البحث في: ") + sura(options.sura);
    case SearchScope::SuraRange:
        return QStringLiteral("البحث من ") + sura(options.firstSura) + QStringLiteral(" إلى ") + sura(options.lastSura);
    case SearchScope::WholeText:
        break;
    }
    return QStringLiteral("البحث في: القرآن الكريم كاملا");
}
