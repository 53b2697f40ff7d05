#pragma once

#include <QByteArrayView>

class QSqlDatabase;
struct sqlite3;

// SQLite's LIKE as this program's searches use it, made fast: the engine's own
// matcher decodes every character of every verse, and that decoding was most of the
// time of a search. Same meaning as the engine's LIKE without ESCAPE: "%" any run of
// characters, "_" one character, ASCII letters without regard to case, everything else
// as written, and NULL when either side is NULL.

// True when the UTF-8 `text` matches the LIKE `pattern`.
bool sqlLikeMatches(QByteArrayView pattern, QByteArrayView text);

// Puts sqlLikeMatches in place of the two-argument LIKE on an open SQLite connection.
void installSqlLike(QSqlDatabase &db);

// The engine's own handle of an open SQLite connection, or null for another driver.
sqlite3 *sqliteHandle(const QSqlDatabase &db);
