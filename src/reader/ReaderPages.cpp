#include "reader/ReaderPages.h"

Spread spreadOf(int page)
{
    return page % 2 != 0 ? Spread{page + 1, page} : Spread{page, page - 1};
}

QString correctedPageText(const QString &text)
{
    bool numeric = false;
    const int page = text.toInt(&numeric);
    if (!numeric || page < FirstPage)
        return QString::number(FirstPage);
    if (page > LastPage)
        return QString::number(LastPage);
    return text;
}

QStringList savedPagesFromSetting(const QString &value)
{
    // Only the pieces that a "^" closes count.
    return value.split(u'^').mid(0, value.count(u'^'));
}

QString savedPagesSetting(const QStringList &pages)
{
    QString value;
    for (const QString &page : pages)
        value += page + u'^';
    return value;
}
