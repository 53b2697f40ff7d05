#pragma once

#include <QString>

// File names of the pictures the servers hold and the caches keep: a page of the
// printed copy ("007.jpg") and one verse in its traditional script ("2_255.gif").
inline QString pageFileName(int page)
{
    return QStringLiteral("%1.jpg").arg(page, 3, 10, QLatin1Char('0'));
}

inline QString verseFileName(int sura, int verse)
{
    return QStringLiteral("%1_%2.gif").arg(sura).arg(verse, 3, 10, QLatin1Char('0'));
}
