#include "SqlDialect.h"

#include <QTest>

class TestSqlDialect : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void adapts_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("expected");

        QTest::newRow("number touching a keyword")
            << "SELECT *  FROM Ayat where Ayat.soraano like 2And ayaano between 1 and 7 order by ID"
            << "SELECT *  FROM Ayat where Ayat.soraano like 2 And ayaano between 1 and 7 order by ID";
        QTest::newRow("bounds given larger first")
            << "DELETE FROM x where ayaanum between 9 and 3"
            << "DELETE FROM x where ayaanum between 3 and 9";
        QTest::newRow("upper-case keywords, larger first, number touching a letter")
            << "select * from t where a BETWEEN 120 AND 17And b like 1"
            << "select * from t where a BETWEEN 17 AND 120 And b like 1";
        QTest::newRow("bounds in order stay")
            << "where soraano between 2 and 3 And x" << "where soraano between 2 and 3 And x";
        QTest::newRow("equal bounds stay") << "between 5 and 5" << "between 5 and 5";
        QTest::newRow("digits ending a name stay") << "SELECT Adodc1 FROM t2x" << "SELECT Adodc1 FROM t2x";
        QTest::newRow("number inside quotes untouched")
            << "where ayaaindex like '% 2And between 9 and 3 %'order by ID"
            << "where ayaaindex like '% 2And between 9 and 3 %'order by ID";
        QTest::newRow("doubled quote stays inside the string")
            << "like '% it''s 2And %' and 3And" << "like '% it''s 2And %' and 3 And";
        QTest::newRow("brackets and two blanks untouched")
            << "SELECT *  FROM [user1] where [suranum] like 2" << "SELECT *  FROM [user1] where [suranum] like 2";
    }

    void adapts()
    {
        QFETCH(QString, sql);
        QFETCH(QString, expected);
        QCOMPARE(toSqliteDialect(sql), expected);
    }
};

QTEST_APPLESS_MAIN(TestSqlDialect)
#include "tst_sqldialect.moc"
