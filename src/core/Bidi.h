#pragma once

#include <QChar>
#include <QString>

// `text` as one left-to-right run inside right-to-left text, so a Latin version such as
// "1.0 (quran-json 3.1.2)" keeps its order and its brackets the right way round.
inline QString leftToRightRun(const QString &text)
{
    return QChar(0x202A) + text + QChar(0x202C); // LEFT-TO-RIGHT EMBEDDING … POP DIRECTIONAL FORMATTING
}
