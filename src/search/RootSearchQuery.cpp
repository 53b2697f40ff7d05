#include "RootSearchQuery.h"

#include "HtmlPage.h"
#include "TextSearchQuery.h"

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

QString rootSearchVerseQuery(const QString &form, bool wholeWord, int scope, const SearchChoices &choices)
{
    const QString separator = wholeWord ? QStringLiteral(" ") : QString();
    const QString pattern = separator + sqlText(form) + separator;
    const QString select = QStringLiteral("SELECT *  FROM Ayat where ");
    const QString condition = QStringLiteral(" And Ayat.AyaaIndex Like ") + QStringLiteral(" '%") + pattern
        + QStringLiteral("%'") + QStringLiteral("order by ID");
    switch (scope) {
    case 1:
        return select + QStringLiteral("chapterNO = ") + QString::number(choices.part) + condition;
    case 2:
        return select + QStringLiteral("chapterNO between ") + QString::number(choices.firstPart)
            + QStringLiteral(" and ") + QString::number(choices.lastPart) + condition;
    case 3:
        return select + QStringLiteral("soraano = ") + QString::number(choices.sura) + condition;
    case 4:
        return select + QStringLiteral("soraano between ") + QString::number(choices.firstSura)
            + QStringLiteral(" and ") + QString::number(choices.lastSura) + condition;
    default:
        return select + QStringLiteral("Ayat.AyaaIndex like ") + QStringLiteral("'%") + pattern
            + QStringLiteral("%'") + QStringLiteral("order by ID");
    }
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
