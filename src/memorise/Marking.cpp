#include "memorise/Marking.h"

#include "core/SuraTables.h"

#include <numeric>

QString deleteVerseStatement(const QString &user, int id)
{
    return QStringLiteral("Delete from ") + user + QStringLiteral(" WHERE ayaanum = ") + QString::number(id);
}

QString deleteSuraStatement(const QString &user, int sura)
{
    return QStringLiteral("Delete from ") + user + QStringLiteral(" WHERE suranum = ") + QString::number(sura);
}

QString deleteRangeStatement(const QString &user, int sura, int a, int b)
{
    return QStringLiteral("Delete from ") + user + QStringLiteral(" WHERE suranum = ") + QString::number(sura)
        + QStringLiteral(" and ayaanum between ") + QString::number(a) + QStringLiteral(" and ") + QString::number(b);
}

QString insertStatement(const QString &user, int sura, int id)
{
    return QStringLiteral("INSERT INTO ") + user + QStringLiteral("([suranum],[ayaanum]) VALUES (") + QString::number(sura)
        + u',' + QString::number(id) + u')';
}

QStringList MarkingPlan::statements(const QString &user) const
{
    QStringList all{deleteStatement};
    for (int id = firstId; id <= lastId; ++id)
        all.append(insertStatement(user, sura, id));
    return all;
}

MarkingPlan menuMarking(const QString &user, MarkRange range, const CurrentVerse &verse, bool mark, int targetVerse)
{
    const int S = verse.sura;
    const int cur = verse.id;
    const int k = verse.position;
    MarkingPlan plan;
    plan.sura = S;
    switch (range) {
    case MarkRange::ThisVerse:
        plan.deleteStatement = deleteVerseStatement(user, cur);
        plan.firstId = plan.lastId = cur;
        break;
    case MarkRange::FromSuraStart:
        plan.deleteStatement = deleteRangeStatement(user, S, cur, cur - k);
        plan.firstId = cur - k;
        plan.lastId = cur;
        break;
    case MarkRange::ToSuraEnd:
        plan.deleteStatement = deleteRangeStatement(user, S, cur, cur + (verse.listed - 1 - k));
        plan.firstId = cur;
        plan.lastId = cur + (verse.listed - 1 - k);
        break;
    case MarkRange::WholeSura:
        plan.deleteStatement = deleteSuraStatement(user, S);
        plan.firstId = cur - k;
        plan.lastId = cur - k + SuraVerseCounts.at(S - 1) - 1;
        break;
    case MarkRange::ToVerse: {
        const int targetId = cur + (targetVerse - (k + 1));
        plan.deleteStatement = deleteRangeStatement(user, S, cur, targetId);
        plan.firstId = cur;
        plan.lastId = targetId;
        break;
    }
    }
    if (!mark)
        plan.lastId = plan.firstId - 1;
    return plan;
}

MarkingPlan suraMarking(const QString &user, int sura, int suraOffset, bool mark)
{
    MarkingPlan plan;
    plan.deleteStatement = deleteSuraStatement(user, sura);
    plan.sura = sura;
    plan.firstId = suraOffset + 1;
    plan.lastId = mark ? suraOffset + SuraVerseCounts.at(sura - 1) : suraOffset;
    return plan;
}

MarkingPlan rangeMarking(const QString &user, int sura, int from, int to, int toId, int fromVerseId, bool mark)
{
    MarkingPlan plan;
    plan.deleteStatement = deleteRangeStatement(user, sura, toId, toId - (to - from));
    plan.sura = sura;
    plan.firstId = fromVerseId;
    plan.lastId = mark ? fromVerseId + (to - from) : fromVerseId - 1;
    return plan;
}

int suraOffset(int sura)
{
    return std::accumulate(SuraVerseCounts.begin(), SuraVerseCounts.begin() + (sura - 1), 0);
}
