// The statement texts, the ranges each command covers, the figures and the verse
// lists of the memorisation record: the logic without the windows.

#include "memorise/Marking.h"
#include "memorise/MemoriseStatistics.h"
#include "memorise/UserDatabase.h"

#include <QTest>

class TestMarking : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void statementTexts()
    {
        QCOMPARE(deleteVerseStatement(QStringLiteral("ali"), 10), QStringLiteral("Delete from ali WHERE ayaanum = 10"));
        QCOMPARE(deleteSuraStatement(QStringLiteral("ali"), 2), QStringLiteral("Delete from ali WHERE suranum = 2"));
        QCOMPARE(deleteRangeStatement(QStringLiteral("ali"), 2, 12, 8),
                 QStringLiteral("Delete from ali WHERE suranum = 2 and ayaanum between 12 and 8"));
        QCOMPARE(insertStatement(QStringLiteral("ali"), 2, 10), QStringLiteral("INSERT INTO ali([suranum],[ayaanum]) VALUES (2,10)"));
        QCOMPARE(createUserStatement(QStringLiteral("ali")), QStringLiteral("create table ali (suranum number,ayaanum number);"));
        QCOMPARE(dropUserStatement(QStringLiteral("ali")), QStringLiteral("DROP TABLE ali"));
    }

    void menuRanges_data()
    {
        QTest::addColumn<int>("range");
        QTest::addColumn<int>("verse");
        QTest::addColumn<int>("target");
        QTest::addColumn<QString>("deleteStatement");
        QTest::addColumn<int>("firstId");
        QTest::addColumn<int>("lastId");
        // Sura 2 starts at running number 8 and has 286 verses.
        QTest::newRow("this verse") << int(MarkRange::ThisVerse) << 3 << 0 << "Delete from u WHERE ayaanum = 10" << 10 << 10;
        QTest::newRow("from the start, larger bound first")
            << int(MarkRange::FromSuraStart) << 3 << 0 << "Delete from u WHERE suranum = 2 and ayaanum between 10 and 8" << 8 << 10;
        QTest::newRow("from the start on verse 1")
            << int(MarkRange::FromSuraStart) << 1 << 0 << "Delete from u WHERE suranum = 2 and ayaanum between 8 and 8" << 8 << 8;
        QTest::newRow("to the end") << int(MarkRange::ToSuraEnd) << 284 << 0
                                    << "Delete from u WHERE suranum = 2 and ayaanum between 291 and 293" << 291 << 293;
        QTest::newRow("to the end on the last verse")
            << int(MarkRange::ToSuraEnd) << 286 << 0 << "Delete from u WHERE suranum = 2 and ayaanum between 293 and 293" << 293 << 293;
        QTest::newRow("whole sura") << int(MarkRange::WholeSura) << 3 << 0 << "Delete from u WHERE suranum = 2" << 8 << 293;
        QTest::newRow("to verse 5 from 2:3")
            << int(MarkRange::ToVerse) << 3 << 5 << "Delete from u WHERE suranum = 2 and ayaanum between 10 and 12" << 10 << 12;
        QTest::newRow("to the current verse") << int(MarkRange::ToVerse) << 3 << 3
                                              << "Delete from u WHERE suranum = 2 and ayaanum between 10 and 10" << 10 << 10;
    }

    void menuRanges()
    {
        QFETCH(int, range);
        QFETCH(int, verse);
        QFETCH(int, target);
        QFETCH(QString, deleteStatement);
        QFETCH(int, firstId);
        QFETCH(int, lastId);
        const CurrentVerse current{2, 7 + verse, verse - 1, 286};
        const QString user = QStringLiteral("u");

        const MarkingPlan marking = menuMarking(user, MarkRange(range), current, true, target);
        QStringList expected{deleteStatement};
        for (int id = firstId; id <= lastId; ++id)
            expected.append(insertStatement(user, 2, id));
        QCOMPARE(marking.statements(user), expected);

        // Unmarking deletes the same verses and inserts nothing.
        QCOMPARE(menuMarking(user, MarkRange(range), current, false, target).statements(user), QStringList{deleteStatement});
    }

    void recordingRanges()
    {
        const QString user = QStringLiteral("u");
        // Sura 2, verses 3 to 5: running numbers 10 to 12, the larger bound first.
        const MarkingPlan range = rangeMarking(user, 2, 3, 5, 12, suraOffset(2) + 3, true);
        QCOMPARE(range.statements(user),
                 (QStringList{QStringLiteral("Delete from u WHERE suranum = 2 and ayaanum between 12 and 10"),
                              insertStatement(user, 2, 10), insertStatement(user, 2, 11), insertStatement(user, 2, 12)}));
        QCOMPARE(rangeMarking(user, 2, 3, 5, 12, 10, false).statements(user).size(), 1);

        const MarkingPlan sura = suraMarking(user, 114, suraOffset(114), true);
        QCOMPARE(sura.statements(user).first(), QStringLiteral("Delete from u WHERE suranum = 114"));
        QCOMPARE(sura.firstId, 6231);
        QCOMPARE(sura.lastId, 6236);
        QCOMPARE(suraMarking(user, 114, suraOffset(114), false).statements(user).size(), 1);
        QCOMPARE(suraOffset(1), 0);
        QCOMPARE(suraOffset(2), 7);
    }

    void userNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("acceptable");
        QTest::newRow("latin") << "Ahmad" << true;
        QTest::newRow("digits and underscore") << "sara_2" << true;
        QTest::newRow("arabic letters") << "عبد_الله2" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("starts with a digit") << "2ali" << false;
        QTest::newRow("starts with an underscore") << "_ali" << false;
        QTest::newRow("blank") << "ali omar" << false;
        QTest::newRow("statement") << "a; DROP TABLE b" << false;
        QTest::newRow("quote") << "ali'" << false;
        QTest::newRow("bracket") << "ali]" << false;
        QTest::newRow("hyphen") << "ali-omar" << false;
        QTest::newRow("arabic vowel mark") << "عَلي" << false;
        QTest::newRow("reserved word") << "Select" << false;
        QTest::newRow("sqlite's own prefix") << "sqlite_stat" << false;
    }

    void userNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, acceptable);
        QCOMPARE(isAcceptableUserName(name), acceptable);
    }

    void shares()
    {
        QCOMPARE(sharePercent(0, 7), 0);
        QCOMPARE(sharePercent(7, 7), 100);
        QCOMPARE(sharePercent(2, 7), 28);     // 28.57 is cut, not rounded
        QCOMPARE(sharePercent(6235, 6236), 99);
        QCOMPARE(sharePercent(6236, 6236), 100);
        QCOMPARE(sharePercent(1, 6236), 0);
    }

    void verseNumbers()
    {
        QCOMPARE(verseNumberInSura(1, 1), 1);
        QCOMPARE(verseNumberInSura(10, 2), 3);
        QCOMPARE(verseNumberInSura(6236, 114), 6);
    }

    void notSaved_data()
    {
        QTest::addColumn<QStringList>("saved");
        QTest::addColumn<int>("verseCount");
        QTest::addColumn<QStringList>("notSaved");
        QTest::newRow("nothing memorised") << QStringList{} << 7 << QStringList{"1", "2", "3", "4", "5", "6", "7"};
        QTest::newRow("verses 2 and 5") << QStringList{"2", "5"} << 7 << QStringList{"1", "3", "4", "6", "7"};
        QTest::newRow("first and last") << QStringList{"1", "7"} << 7 << QStringList{"2", "3", "4", "5", "6"};
        QTest::newRow("all but one") << QStringList{"1", "2", "3", "4", "5"} << 6 << QStringList{"6"};
        QTest::newRow("everything") << QStringList{"1", "2", "3"} << 3 << QStringList{};
    }

    void notSaved()
    {
        QFETCH(QStringList, saved);
        QFETCH(int, verseCount);
        QFETCH(QStringList, notSaved);
        QCOMPARE(notSavedVerses(saved, verseCount), notSaved);
    }
};

QTEST_GUILESS_MAIN(TestMarking)
#include "tst_marking.moc"
