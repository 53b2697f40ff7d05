#pragma once

#include <QString>

// Turns the program's SQL texts into text SQLite accepts, outside quoted strings:
//  - a number directly followed by a letter gets a blank ("like 2And" -> "like 2 And");
//  - a column compared with LIKE to a whole number is compared with "=" ("ID like 262"
//    -> "ID = 262"): the same rows, found by key;
//  - "between a and b" with numeric bounds a > b gets its bounds swapped, because the
//    program relies on "between" including both ends whichever bound is larger.
// Everything else passes unchanged.
QString toSqliteDialect(const QString &sql);
