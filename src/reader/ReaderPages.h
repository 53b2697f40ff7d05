#pragma once

#include <QString>
#include <QStringList>

inline constexpr int FirstPage = 1;
inline constexpr int LastPage = 604;

// Two facing pages as a bound copy lies open: the even page on the left, the odd one
// on the right (page 1 opens 2 | 1, page 604 opens 604 | 603).
struct Spread {
    int left = 2;
    int right = 1;
    friend bool operator==(const Spread &, const Spread &) = default;
};
Spread spreadOf(int page);

// The page box after an edit: empty or non-numeric text becomes "1", values are kept
// between the first and the last page.
QString correctedPageText(const QString &text);

// The saved pages setting, "15^203^604^": each page number followed by "^".
QStringList savedPagesFromSetting(const QString &value);
QString savedPagesSetting(const QStringList &pages);
