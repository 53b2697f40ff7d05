#pragma once

#include <QString>

// The text without the blanks at its two ends. Only " " counts: the verse texts hold
// other spacing characters inside words that must stay.
inline QString trimBlanks(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.mid(first, last - first);
}
