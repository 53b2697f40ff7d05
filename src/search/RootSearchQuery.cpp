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

QString rootSearchScopeQuery(int scope, const SearchChoices &choices)
{
    const QString select = QStringLiteral("SELECT ID, AyaaIndex FROM Ayat");
    const QString order = QStringLiteral(" order by ID");
    switch (scope) {
    case 1:
        return select + QStringLiteral(" where chapterNO = ") + QString::number(choices.part) + order;
    case 2:
        return select + QStringLiteral(" where chapterNO between ") + QString::number(choices.firstPart)
            + QStringLiteral(" and ") + QString::number(choices.lastPart) + order;
    case 3:
        return select + QStringLiteral(" where soraano = ") + QString::number(choices.sura) + order;
    case 4:
        return select + QStringLiteral(" where soraano between ") + QString::number(choices.firstSura)
            + QStringLiteral(" and ") + QString::number(choices.lastSura) + order;
    default:
        return select + order;
    }
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
