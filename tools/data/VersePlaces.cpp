#include "data/VersePlaces.h"

#include "core/SuraTables.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>

namespace {

constexpr int PartCount = 30;
constexpr int PageCount = 604;

// The lists start with a 0 placeholder and end with one past the last verse; what
// lies between are the first verses of parts or pages, strictly increasing from 1.
QList<int> readStarts(const QString &source, const QString &listName, int expectedCount, QString *error)
{
    const QRegularExpression list(QStringLiteral(R"(export const %1\b[^=]*=\s*\[([^\]]*)\])").arg(listName));
    const QRegularExpressionMatch match = list.match(source);
    if (!match.hasMatch()) {
        *error = QStringLiteral("the list %1 was not found").arg(listName);
        return {};
    }
    QList<int> numbers;
    static const QRegularExpression number(QStringLiteral(R"(\d+)"));
    for (auto it = number.globalMatch(match.captured(1)); it.hasNext();)
        numbers.append(it.next().captured().toInt());

    const bool shaped = numbers.size() == expectedCount + 2 && numbers.first() == 0 && numbers.at(1) == 1
        && numbers.last() == VerseTotal + 1 && std::is_sorted(numbers.begin(), numbers.end())
        && std::adjacent_find(numbers.begin(), numbers.end()) == numbers.end();
    if (!shaped) {
        *error = QStringLiteral("the list %1 does not hold %2 increasing first verses").arg(listName).arg(expectedCount);
        return {};
    }
    return numbers.mid(1, expectedCount);
}

} // namespace

VersePlaces VersePlaces::fromHafsLists(const QString &sourceFile, QString *error)
{
    QFile file(sourceFile);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(sourceFile, file.errorString());
        return {};
    }
    const QString source = QString::fromUtf8(file.readAll());
    VersePlaces places;
    QString listError;
    places.m_partStarts = readStarts(source, QStringLiteral("JuzList"), PartCount, &listError);
    if (listError.isEmpty())
        places.m_pageStarts = readStarts(source, QStringLiteral("PageList"), PageCount, &listError);
    if (!listError.isEmpty()) {
        *error = sourceFile + QStringLiteral(": ") + listError;
        return {};
    }
    return places;
}

int VersePlaces::numberOf(const QList<int> &starts, int verseId)
{
    return int(std::upper_bound(starts.begin(), starts.end(), verseId) - starts.begin());
}
