#include "data/VerseRows.h"

#include "text/SearchForm.h"
#include "text/TypedText.h"

#include <QRegularExpression>

int wordCount(const QString &text)
{
    static const QRegularExpression blanks(QStringLiteral(R"(\s+)"));
    return int(text.split(blanks, Qt::SkipEmptyParts).size());
}

namespace {

bool framed(const QString &column)
{
    return column.size() > 2 && column.startsWith(u' ') && column.endsWith(u' ')
        && !column.contains(QStringLiteral("  "));
}

} // namespace

QString searchColumnsFault(const VerseRow &row)
{
    const auto fault = [&row](const char *column, const QString &text) {
        return QStringLiteral("verse ID %1 (%2:%3): the %4 \"%5\" does not match the display text word for word")
            .arg(row.id).arg(row.sura).arg(row.verse).arg(QLatin1String(column), text);
    };
    const int words = wordCount(row.ayaa);
    if (!framed(row.ayaaindex) || wordCount(row.ayaaindex) != words)
        return fault("search form", row.ayaaindex);
    if (!framed(row.ayaafolded) || wordCount(row.ayaafolded) != words)
        return fault("folded search form", row.ayaafolded);
    return {};
}

QList<VerseRow> buildVerseRows(const QList<SourceVerse> &text, const QList<SourceVerse> &english,
                               const VersePlaces &places, const QHash<int, QString> &taf2,
                               const QHash<int, QString> &taf, QString *error)
{
    if (text.size() != english.size()) {
        *error = QStringLiteral("the text has %1 verses but the English translation %2").arg(text.size()).arg(english.size());
        return {};
    }
    QList<VerseRow> rows;
    rows.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const SourceVerse &verse = text.at(i);
        VerseRow row;
        row.id = int(i + 1);
        row.sura = verse.sura;
        row.verse = verse.verse;
        row.part = places.partOf(row.id);
        row.page = places.pageOf(row.id);
        row.ayaa = verse.text;
        row.ayaaindex = searchFormOfVerse(verse.text);
        row.ayaafolded = foldedSpelling(row.ayaaindex);
        row.english = english.at(i).text;
        row.taf2 = taf2.value(row.id);
        row.taf = taf.value(row.id);

        *error = searchColumnsFault(row);
        if (!error->isEmpty())
            return {};
        rows.append(row);
    }
    return rows;
}
