// The rules of the memorisation record without the windows: which names may become a
// user's table, and which verses a sura still lacks. The ranges each command covers
// are tested through the tracker window (tst_frmsavequran), against the rows stored.

#include "memorise/MemoriseStatistics.h"
#include "memorise/UserDatabase.h"

#include <QTest>

class TestMarking : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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

    void notSaved_data()
    {
        QTest::addColumn<QStringList>("saved");
        QTest::addColumn<int>("verseCount");
        QTest::addColumn<QStringList>("notSaved");
        QTest::newRow("nothing memorised") << QStringList{} << 3 << QStringList{"1", "2", "3"};
        QTest::newRow("first and last") << QStringList{"1", "7"} << 7 << QStringList{"2", "3", "4", "5", "6"};
        QTest::newRow("all but the last") << QStringList{"1", "2", "3", "4", "5"} << 6 << QStringList{"6"};
    }

    void notSaved()
    {
        QFETCH(QStringList, saved);
        QFETCH(int, verseCount);
        QFETCH(QStringList, notSaved);
        QCOMPARE(notSavedVerses(saved, verseCount), notSaved);
        QCOMPARE(verseNumberInSura(6236, 114), 6);
    }
};

QTEST_GUILESS_MAIN(TestMarking)
#include "tst_marking.moc"
