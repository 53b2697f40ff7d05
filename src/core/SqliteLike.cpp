#include "core/SqliteLike.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVariant>

#include <sqlite3.h>

#include <cstring>

namespace {

unsigned char folded(unsigned char c)
{
    return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c;
}

// The position after the UTF-8 character at `at`.
qsizetype nextCharacter(QByteArrayView text, qsizetype at)
{
    ++at;
    while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80)
        ++at;
    return at;
}

// "%text%" with a text of its own that holds no wildcard and no ASCII letter: a plain
// substring search. Returns false when the pattern has another shape.
bool plainSubstring(QByteArrayView pattern, QByteArrayView *inner)
{
    if (pattern.size() < 2 || pattern.front() != '%' || pattern.back() != '%')
        return false;
    const QByteArrayView middle = pattern.sliced(1, pattern.size() - 2);
    for (const char c : middle) {
        if (c == '%' || c == '_' || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
            return false;
    }
    *inner = middle;
    return true;
}

void likeFunction(sqlite3_context *context, int, sqlite3_value **arguments)
{
    const auto *pattern = sqlite3_value_text(arguments[0]);
    const auto *text = sqlite3_value_text(arguments[1]);
    if (!pattern || !text) {
        sqlite3_result_null(context);
        return;
    }
    const QByteArrayView p(reinterpret_cast<const char *>(pattern), sqlite3_value_bytes(arguments[0]));
    const QByteArrayView t(reinterpret_cast<const char *>(text), sqlite3_value_bytes(arguments[1]));
    sqlite3_result_int(context, sqlLikeMatches(p, t) ? 1 : 0);
}

} // namespace

bool sqlLikeMatches(QByteArrayView pattern, QByteArrayView text)
{
    QByteArrayView inner;
    if (plainSubstring(pattern, &inner))
        return inner.isEmpty() || text.indexOf(inner) >= 0;

    // Greedy match that goes back to the last "%" on a mismatch, one character further on.
    qsizetype p = 0;
    qsizetype t = 0;
    qsizetype starPattern = -1;
    qsizetype starText = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == '%') {
            while (p < pattern.size() && pattern[p] == '%')
                ++p;
            if (p == pattern.size())
                return true;
            starPattern = p;
            starText = t;
        } else if (p < pattern.size() && pattern[p] == '_') {
            ++p;
            t = nextCharacter(text, t);
        } else if (p < pattern.size() && folded(pattern[p]) == folded(text[t])) {
            ++p;
            ++t;
        } else if (starPattern >= 0) {
            starText = nextCharacter(text, starText);
            p = starPattern;
            t = starText;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '%')
        ++p;
    return p == pattern.size();
}

sqlite3 *sqliteHandle(const QSqlDatabase &db)
{
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || std::strcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(handle.data());
}

void installSqlLike(QSqlDatabase &db)
{
    if (auto *connection = sqliteHandle(db))
        sqlite3_create_function(connection, "like", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, likeFunction,
                                nullptr, nullptr);
}
