#include "core/SuraTables.h"

#include <QTest>

#include <numeric>

class TestSuraTables : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void namesKeepTheirExactSpelling()
    {
        QCOMPARE(SuraNames.size(), SuraCount);
        QCOMPARE(SuraNames.first(), QStringLiteral("الفاتحة"));
        QCOMPARE(SuraNames.at(38 - 1), QStringLiteral("صـ"));
        QCOMPARE(SuraNames.at(50 - 1), QStringLiteral("قـ"));
        QCOMPARE(SuraNames.at(73 - 1), QStringLiteral("المزّمِّل"));
        QCOMPARE(SuraNames.at(74 - 1), QStringLiteral("المدّثر"));
        QCOMPARE(SuraNames.at(104 - 1), QStringLiteral("الهُمَزَة"));
        QCOMPARE(SuraNames.at(82 - 1), QStringLiteral("الإنفطار"));
        QCOMPARE(SuraNames.last(), QStringLiteral("الناس"));
    }

    void typesAndCounts()
    {
        QCOMPARE(std::accumulate(SuraVerseCounts.begin(), SuraVerseCounts.end(), 0), VerseTotal);
        QCOMPARE(SuraVerseCounts[2 - 1], 286);
        QCOMPARE(SuraVerseCounts[114 - 1], 6);

        QCOMPARE(SuraTypes.size(), SuraCount);
        QCOMPARE(SuraTypes.count(QStringLiteral("مكية")), 85);
        QCOMPARE(SuraTypes.count(QStringLiteral("مدنية")), 28);
        QCOMPARE(SuraTypes.at(57 - 1), QStringLiteral("مدينة"));
        QCOMPARE(SuraTypes.at(1 - 1), QStringLiteral("مكية"));
        QCOMPARE(SuraTypes.at(110 - 1), QStringLiteral("مدنية"));
    }

    void runningIdBothWays()
    {
        QCOMPARE(verseId(1, 1), 1);
        QCOMPARE(verseId(2, 1), 8);
        QCOMPARE(verseId(2, 255), 262);
        QCOMPARE(verseId(114, 6), VerseTotal);

        int expected = 0;
        for (int sura = 1; sura <= SuraCount; ++sura) {
            for (int verse = 1; verse <= SuraVerseCounts[sura - 1]; ++verse) {
                ++expected;
                QCOMPARE(verseId(sura, verse), expected);
                QCOMPARE(verseOfId(expected), (VerseRef{sura, verse}));
            }
        }
        QCOMPARE(expected, VerseTotal);

        QCOMPARE(verseId(0, 1), std::nullopt);
        QCOMPARE(verseId(1, 8), std::nullopt);
        QCOMPARE(verseId(115, 1), std::nullopt);
        QCOMPARE(verseId(2, 0), std::nullopt);
        QCOMPARE(verseOfId(0), std::nullopt);
        QCOMPARE(verseOfId(VerseTotal + 1), std::nullopt);
    }
};

QTEST_APPLESS_MAIN(TestSuraTables)
#include "tst_suratables.moc"
