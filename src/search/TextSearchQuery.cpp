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

QString textSearchQuery(const QString &condition, int scope, const SearchChoices &options)
{
    const QString select = QStringLiteral("SELECT *  FROM Ayat where ");
    const QString order = QStringLiteral(" order by ID");
    const QString andCondition = QStringLiteral(" And ") + condition + order;
    switch (scope) {
    case 1:
        return select + QStringLiteral("chapterNO = ") + QString::number(options.part) + andCondition;
    case 2:
        return select + QStringLiteral("chapterNO between ") + QString::number(options.firstPart) + QStringLiteral(" and ")
            + QString::number(options.lastPart) + andCondition;
    case 3:
        return select + QStringLiteral("soraano = ") + QString::number(options.sura) + andCondition;
    case 4:
        return select + QStringLiteral("soraano between ") + QString::number(options.firstSura) + QStringLiteral(" and ")
            + QString::number(options.lastSura) + andCondition;
    default:
        return select + condition + order;
    }
}

QString searchScopeText(int scope, const SearchChoices &options)
{
    const auto sura = [](int number) { return QStringLiteral("سورة ") + SuraNames.value(number - 1); };
    const auto part = [](int number) { return QStringLiteral("الجزء ") + QString::number(number); };
    switch (scope) {
    case 1:
        return QStringLiteral("البحث في: ") + part(options.part);
    case 2:
        return QStringLiteral("البحث من ") + part(options.firstPart) + QStringLiteral(" إلى ") + part(options.lastPart);
    case 3:
        return QStringLiteral("البحث في: ") + sura(options.sura);
    case 4:
        return QStringLiteral("البحث من ") + sura(options.firstSura) + QStringLiteral(" إلى ") + sura(options.lastSura);
    default:
        return QStringLiteral("البحث في: القرآن الكريم كاملا");
    }
}
