#include "TextSearchQuery.h"

#include "SuraTables.h"

#include <QStringList>

namespace {

QString likePattern(const QString &separator, const QString &text)
{
    return QStringLiteral("Ayat.AyaaIndex Like ") + QStringLiteral(" '%") + separator + sqlText(text) + separator
        + QStringLiteral("%'");
}

} // namespace

QString sqlText(const QString &text)
{
    QString quoted = text;
    return quoted.replace(u'\'', QStringLiteral("''"));
}

QString textSearchCondition(const QString &searchWord, bool wholeWord, bool allWords)
{
    const QString separator = wholeWord ? QStringLiteral(" ") : QString();
    if (!allWords)
        return likePattern(separator, searchWord);

    // Two blanks in a row give an empty word, which still adds its pattern.
    QString condition = QStringLiteral("( ");
    for (const QString &word : searchWord.split(u' '))
        condition += likePattern(separator, word) + QStringLiteral(" and ");
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
