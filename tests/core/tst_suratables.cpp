#include "core/SuraTables.h"

#include <QTest>

#include <numeric>

class TestSuraTables : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tablesAgree()
    {
        QCOMPARE(SuraNames.size(), SuraCount);
        QCOMPARE(std::accumulate(SuraVerseCounts.begin(), SuraVerseCounts.end(), 0), VerseTotal);
        QCOMPARE(SuraTypes.count(QStringLiteral("مكية")), 85);
        QCOMPARE(SuraTypes.count(QStringLiteral("مدنية")), 28);
        // Sura 57 has always been shown with this spelling.
        QCOMPARE(SuraTypes.at(57 - 1), QStringLiteral("مدينة"));
    }

    void runningIdBothWays()
    {
        int expected = 0;
        for (int sura = 1; sura <= SuraCount; ++sura) {
            for (int verse = 1; verse <= SuraVerseCounts[sura - 1]; ++verse) {
                ++expected;
                QCOMPARE(verseId(sura, verse), expected);
                QCOMPARE(verseOfId(expected), (VerseRef{sura, verse}));
            }
        }
        QCOMPARE(verseId(2, 255), 262);
        QCOMPARE(expected, VerseTotal);
        for (const auto &[sura, verse] : {std::pair{0, 1}, {1, 8}, {115, 1}, {2, 0}})
            QCOMPARE(verseId(sura, verse), std::nullopt);
        QCOMPARE(verseOfId(0), std::nullopt);
        QCOMPARE(verseOfId(VerseTotal + 1), std::nullopt);
    }
};

QTEST_APPLESS_MAIN(TestSuraTables)
#include "tst_suratables.moc"
