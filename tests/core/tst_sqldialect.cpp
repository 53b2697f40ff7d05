#include "core/SqlDialect.h"
#include "core/SqliteLike.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

class TestSqlDialect : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void likeAsTheEngineMeansIt()
    {
        // The engine's own LIKE, on a connection that is not given the program's.
        QSqlDatabase engine = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("engine"));
        engine.setDatabaseName(QStringLiteral(":memory:"));
        QVERIFY(engine.open());
        QSqlQuery query(engine);
        QVERIFY(query.prepare(QStringLiteral("SELECT ? LIKE ?")));
        const QStringList texts = {QString(), QStringLiteral(" بسم الله الرحمن الرحيم "), QStringLiteral("Allah, the Merciful"),
                                   QStringLiteral("262"), QStringLiteral("ياأيها الذين آمنوا"), QStringLiteral("a_b%c"),
                                   QStringLiteral("ءآأؤإئ")};
        const QStringList patterns = {QString(), QStringLiteral("%"), QStringLiteral("%%"), QStringLiteral("% الله %"),
                                      QStringLiteral("%الرحيم"), QStringLiteral("بسم%"), QStringLiteral("% بسم%"),
                                      QStringLiteral("%ALLAH%"), QStringLiteral("allah%"), QStringLiteral("%merciful"),
                                      QStringLiteral("26_"), QStringLiteral("262"), QStringLiteral("2%2"),
                                      QStringLiteral("%ا_أيها%"), QStringLiteral("_اأيها%"), QStringLiteral("__أيها%"),
                                      QStringLiteral("%ا%ذ%ا"), QStringLiteral("a\\_b%"), QStringLiteral("%_%_%"),
                                      QStringLiteral("ءآأؤإئ"), QStringLiteral("______"), QStringLiteral("%ئ_")};
        for (const QString &text : texts) {
            for (const QString &pattern : patterns) {
                query.addBindValue(text.isNull() ? QVariant() : QVariant(text));
                query.addBindValue(pattern.isNull() ? QVariant() : QVariant(pattern));
                QVERIFY(query.exec() && query.next());
                if (text.isNull() || pattern.isNull()) {
                    QVERIFY(query.value(0).isNull());
                    continue;
                }
                QVERIFY2(sqlLikeMatches(pattern.toUtf8(), text.toUtf8()) == query.value(0).toBool(),
                         qPrintable(text + QStringLiteral(" LIKE ") + pattern));
            }
        }
        query = QSqlQuery();
        engine.close();
        engine = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("engine"));
    }

    void adapts_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("expected");

        QTest::newRow("number touching a keyword")
            << "SELECT *  FROM Ayat where Ayat.soraano like 2And ayaano between 1 and 7 order by ID"
            << "SELECT *  FROM Ayat where Ayat.soraano = 2 And ayaano between 1 and 7 order by ID";
        QTest::newRow("bounds given larger first")
            << "DELETE FROM x where ayaanum between 9 and 3"
            << "DELETE FROM x where ayaanum between 3 and 9";
        QTest::newRow("upper-case keywords, larger first, number touching a letter")
            << "select * from t where a BETWEEN 120 AND 17And b like 1"
            << "select * from t where a BETWEEN 17 AND 120 And b = 1";
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
            << "SELECT *  FROM [user1] where [suranum] like 2" << "SELECT *  FROM [user1] where [suranum] = 2";
        QTest::newRow("a number looked up by key")
            << "SELECT *  FROM Ayat where Ayat.ID Like 262" << "SELECT *  FROM Ayat where Ayat.ID = 262";
        QTest::newRow("a pattern or a decimal keeps its LIKE")
            << "where a like '5' or b like 2.5 or c like 7x" << "where a like '5' or b like 2.5 or c = 7 x";
    }

    void adapts()
    {
        QFETCH(QString, sql);
        QFETCH(QString, expected);
        QCOMPARE(toSqliteDialect(sql), expected);
    }
};

QTEST_GUILESS_MAIN(TestSqlDialect)
#include "tst_sqldialect.moc"
