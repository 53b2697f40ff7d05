#include "search/RootSearchQuery.h"

#include "core/HtmlPage.h"
#include "search/TextSearchQuery.h"

#include <QStringList>

QString rootsOfWordQuery(const QString &word)
{
    return QStringLiteral("SELECT *  FROM Words where Word like ") + QStringLiteral("'") + sqlText(word)
        + QStringLiteral("'") + QStringLiteral("order by JathrID");
}

QString formsOfRootQuery(const QString &root)
{
    return QStringLiteral("SELECT *  FROM Words where JathrID like ") + QStringLiteral("'") + sqlText(root)
        + QStringLiteral("'") + QStringLiteral("order by JathrID");
}

QString rootSearchScopeQuery(SearchScope scope, const SearchChoices &choices)
{
    const QString within = scopeCondition(scope, choices);
    return QStringLiteral("SELECT ID, AyaaIndex FROM Ayat") + (within.isEmpty() ? QString() : QStringLiteral(" where ") + within)
        + QStringLiteral(" order by ID");
}

QString versesByIdQuery(const QList<int> &ids)
{
    QStringList numbers;
    for (const int id : ids)
        numbers.append(QString::number(id));
    return QStringLiteral("SELECT *  FROM Ayat where ID in (") + numbers.join(u',') + QStringLiteral(") order by ID");
}

QString rootSearchWaitingPage(const QString &fontName, double fontSize, const QString &form)
{
    const QString message = QStringLiteral("يرجى الإنتظار ... يتم الآن البحث عن ")
        + QStringLiteral("<p align=Center><font color=\"#FF0000\">") + form + QStringLiteral("</font></p>");
    return htmlPage(QStringLiteral("<p align=Center dir=rtl><font face=\"") + fontName
                    + QStringLiteral(" \"style=\"font-size: ") + QString::number(fontSize) + QStringLiteral("pt\">")
                    + message + QStringLiteral("</font></p>"));
}

bool hasLikeWildcard(const QString &text)
{
    return text.contains(u'%') || text.contains(u'_');
}
