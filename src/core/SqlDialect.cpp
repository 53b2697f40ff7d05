#include "core/SqlDialect.h"

#include <QRegularExpression>

namespace {

QString adaptUnquoted(QString text)
{
    // Digits that start a number (not the tail of a name such as Adodc1) and touch a letter.
    static const QRegularExpression numberThenLetter(
        QStringLiteral(R"((?<![\w.])(\d+)(?=[^\W\d]))"),
        QRegularExpression::UseUnicodePropertiesOption);
    text.replace(numberThenLetter, QStringLiteral("\\1 "));

    // "ID like 262": a whole number compared with LIKE finds the same rows as "=" on the
    // integer columns these queries name, but "=" lets the engine go straight to the row
    // by its key instead of turning every row's number into text.
    static const QRegularExpression likeNumber(
        QStringLiteral(R"(\blike(\s+)(\d+)(?![\w.]))"), QRegularExpression::CaseInsensitiveOption);
    text.replace(likeNumber, QStringLiteral("=\\1\\2"));

    static const QRegularExpression between(
        QStringLiteral(R"(\b(between\s+)(\d+)(\s+and\s+)(\d+)\b)"),
        QRegularExpression::CaseInsensitiveOption);
    QString result;
    qsizetype last = 0;
    auto it = between.globalMatch(text);
    while (it.hasNext()) {
        const auto match = it.next();
        result += text.mid(last, match.capturedStart() - last);
        const QString low = match.captured(2);
        const QString high = match.captured(4);
        if (low.toLongLong() > high.toLongLong())
            result += match.captured(1) + high + match.captured(3) + low;
        else
            result += match.captured(0);
        last = match.capturedEnd();
    }
    result += text.mid(last);
    return result;
}

} // namespace

QString toSqliteDialect(const QString &sql)
{
    QString result;
    result.reserve(sql.size() + 8);
    QString unquoted;
    bool inQuotes = false;
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar ch = sql.at(i);
        if (ch == u'\'') {
            if (!inQuotes) {
                result += adaptUnquoted(unquoted);
                unquoted.clear();
            }
            // A doubled quote inside a string toggles twice and stays inside it.
            inQuotes = !inQuotes;
            result += ch;
        } else if (inQuotes) {
            result += ch;
        } else {
            unquoted += ch;
        }
    }
    result += adaptUnquoted(unquoted);
    return result;
}
