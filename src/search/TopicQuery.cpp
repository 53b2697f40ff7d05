#include "search/TopicQuery.h"

#include "core/SuraTables.h"

#include <algorithm>
#include <optional>

namespace {

// The topic frame reads no more items of one reference than this.
constexpr int MaxReferenceItems = 10;

std::optional<int> verseNumber(const QString &text)
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    const int number = trimmed.toInt(&ok);
    if (!ok || number < 0 || trimmed.startsWith(u'+') || trimmed.startsWith(u'-'))
        return std::nullopt;
    return number;
}

} // namespace

QString topLevelTopicsQuery()
{
    return QStringLiteral("SELECT *  FROM topics_name where Mother_Topic like '0'") + QStringLiteral("order by ID");
}

QString subTopicsQuery(const QString &topicNo)
{
    return QStringLiteral("SELECT *  FROM topics_name where Mother_Topic like ") + topicNo + QStringLiteral(" order by ID");
}

QString topicReferencesQuery(const QString &topicNo)
{
    return QStringLiteral("SELECT *  FROM topic_Ayat where Topic_No like ") + topicNo + QStringLiteral(" order by ID");
}

QString topicReferenceText(int sura, const QString &ayatNo)
{
    QString verses = ayatNo;
    return SuraNames.value(sura - 1) + QStringLiteral(" : ") + QStringLiteral("(") + verses.replace(u',', u' ')
        + QStringLiteral(")");
}

QStringList topicVerseNumbers(const QString &ayatNo)
{
    if (ayatNo.trimmed().isEmpty())
        return {};
    const QStringList items = ayatNo.split(u',').mid(0, MaxReferenceItems);

    QStringList singles;
    QStringList ranges;
    for (const QString &item : items)
        (item.contains(u'-') ? ranges : singles).append(item);

    QStringList numbers;
    for (const QString &single : singles) {
        if (const std::optional<int> verse = verseNumber(single))
            numbers.append(QString::number(*verse));
    }
    for (const QString &range : ranges) {
        const QStringList ends = range.split(u'-');
        const std::optional<int> first = verseNumber(ends.value(0));
        const std::optional<int> last = verseNumber(ends.value(1));
        if (ends.size() != 2 || !first || !last)
            continue;
        // No verse number goes beyond the longest sura, so a mistyped end cannot
        // make the list grow without bound.
        static const int longestSura = *std::max_element(SuraVerseCounts.begin(), SuraVerseCounts.end());
        const int end = std::min(std::max(*first, *last), std::max(*first, longestSura));
        for (int verse = *first; verse <= end; ++verse)
            numbers.append(QString::number(verse));
    }
    return numbers;
}

QString topicVersesQuery(const QStringList &verseNumbers, int sura)
{
    if (verseNumbers.isEmpty())
        return {};
    return QStringLiteral("SELECT *  FROM Ayat where ( ayaano =  ") + verseNumbers.join(QStringLiteral(" Or ayaano = "))
        + QStringLiteral(" ) and soraano = ") + QString::number(sura) + QStringLiteral(" order by ID");
}
