// The root search through the main window's search command, on the real databases.

#include "core/DataSource.h"
#include "search/RootSearchQuery.h"
#include "study/ResultsFrame.h"
#include "support/MainWindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTest>
#include <QTextBrowser>

namespace {

// Every row of the result list.
QList<ResultList::Row> resultRows(const ResultList &results)
{
    QList<ResultList::Row> rows;
    for (int i = 0; i < results.rowCount(); ++i)
        rows.append(results.resultRow(i));
    return rows;
}

} // namespace

class TestRootSearch : public QObject
{
    Q_OBJECT

private:
    MainWindowFixture m{{QStringLiteral("quran.qu"), QStringLiteral("Jthr.qu")}};
    ResultsFrame *m_results = m.results();
    QWidget *m_options = m.find("FrmOptions");
    DataSource m_verses;
    DataSource m_roots;

    // The forms of the root of `word`, in the order the root table lists them.
    QStringList formsOf(const QString &word)
    {
        m_roots.runQuery(rootsOfWordQuery(word));
        const QString root = m_roots.text(QStringLiteral("JathrID"));
        QStringList forms;
        for (m_roots.runQuery(formsOfRootQuery(root)); !m_roots.atEnd(); m_roots.moveNext())
            forms.append(m_roots.text(QStringLiteral("Word")));
        return forms;
    }

    // Each form lists exactly the verses that LIKE '%<blank>form<blank>%' finds among
    // those of `scope` (an SQL condition, or none).
    void compareWithLike(const QList<ResultList::Row> &rows, const QStringList &forms, const QString &blank,
                         const QString &scope)
    {
        for (const QString &form : forms) {
            QStringList expected;
            m_verses.runQuery(QStringLiteral("SELECT ID FROM Ayat where %1 ayaaindex like '%%2%3%2%' order by ID")
                                  .arg(scope.isEmpty() ? QString() : scope + QStringLiteral(" and"), blank, form));
            for (; !m_verses.atEnd(); m_verses.moveNext())
                expected.append(m_verses.text(QStringLiteral("ID")));
            QStringList listed;
            for (const ResultList::Row &row : rows) {
                if (row.foundBy == form)
                    listed.append(row.id);
            }
            QVERIFY2(listed == expected, qPrintable(form));
        }
    }

    bool controlsEnabled() const
    {
        return m.find("picStrip")->isEnabled() && m.find("searcht")->isEnabled();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m.open());
        child<QCheckBox>(m_options, "Check2")->click();
        QVERIFY(m_verses.openFile(QStringLiteral(VELMORA_BUILD_DIR "/quran.qu")));
        QVERIFY(m_roots.openFile(QStringLiteral(VELMORA_BUILD_DIR "/Jthr.qu")));
    }

    void init()
    {
        m.platform.messages.clear();
        m.platform.answers.clear();
        child<QRadioButton>(m_options, "alone")->click();
        child<QRadioButton>(m_options, "allsearch")->click();
    }

    void findsEveryFormOfTheRoot()
    {
        m.search(QStringLiteral("الكتاب"));
        QVERIFY(m.platform.messages.isEmpty());
        QVERIFY(controlsEnabled());
        const QList<ResultList::Row> rows = resultRows(*m_results);
        const QStringList forms = formsOf(QStringLiteral("الكتاب"));

        // Root, then form in the root table's order (a form whose rows were split would be
        // listed twice here), then reading order (compareWithLike).
        QStringList formsListed;
        for (const ResultList::Row &row : rows) {
            if (formsListed.isEmpty() || formsListed.last() != row.foundBy)
                formsListed.append(row.foundBy);
        }
        QStringList expectedOrder;
        for (const QString &form : forms) {
            if (formsListed.contains(form))
                expectedOrder.append(form);
        }
        QCOMPARE(formsListed, expectedOrder);
        // Each form lists exactly the verses that hold it as a whole word, so a verse with
        // two forms, as 2:79 has, is listed once under each.
        compareWithLike(rows, forms, QStringLiteral(" "), QString());
        QCOMPARE(m.label("score"), QString::number(rows.size()));

        // The verse view highlights the row's own form; a lookup afterwards highlights nothing.
        auto *view = m.find<QTextBrowser>("webPreview");
        const auto written = std::find_if(rows.cbegin(), rows.cend(), [](const ResultList::Row &row) { return row.foundBy == u"يكتبون"; });
        m.find<QListWidget>("suraayaalist")->setCurrentRow(int(written - rows.cbegin()));
        QString drawn = highlightedText(view->document());
        drawn.removeIf([](QChar ch) { return ch.category() == QChar::Mark_NonSpacing; });
        QCOMPARE(drawn, QStringLiteral("يكتبون"));
        m.openHeader(5);
        QWidget *lookup = m.find("FrmProSearch");
        choose(child<QComboBox>(lookup, "searchname"), 1);
        choose(child<QComboBox>(lookup, "CombFromProSeach"), 1);
        QTest::mouseClick(child<QPushButton>(lookup, "CmdSeachPro"), Qt::LeftButton);
        QVERIFY(view->toPlainText().endsWith(QStringLiteral("[البقرة : 2]")));
        QCOMPARE(highlightedText(view->document()), QString());

        // The name of God is found in every clitic form.
        m.search(QStringLiteral("تالله"));
        QSet<QString> found;
        for (const ResultList::Row &row : resultRows(*m_results))
            found.insert(row.foundBy);
        for (const char *form : {"الله", "لله", "بالله", "والله", "تالله", "فالله", "إله"})
            QVERIFY2(found.contains(QString::fromUtf8(form)), form);
    }

    void suraRangePartOfWord()
    {
        child<QRadioButton>(m_options, "withother")->click();
        child<QComboBox>(m_options, "sora1")->setCurrentIndex(1);
        child<QComboBox>(m_options, "sora2")->setCurrentIndex(2);
        child<QRadioButton>(m_options, "sora12op")->click();
        m.search(QStringLiteral("الكتاب"));
        const QList<ResultList::Row> rows = resultRows(*m_results);
        compareWithLike(rows, formsOf(QStringLiteral("الكتاب")), QString(), QStringLiteral("soraano between 2 and 3"));

        // No form in sura 1: nothing is on show, not even the last waiting page.
        child<QComboBox>(m_options, "sora")->setCurrentIndex(0);
        child<QRadioButton>(m_options, "soraop")->click();
        m.search(QStringLiteral("الكتاب"));
        QCOMPARE(m_results->rowCount(), 0);
        QVERIFY(m.find<QTextBrowser>("webPreview")->toPlainText().trimmed().isEmpty());
    }

    void refusalsKeepThePreviousResults()
    {
        m.search(QStringLiteral("الكتاب"));
        const int previous = m_results->rowCount();

        m.search(QStringLiteral("الكتاب الحكيم"));
        QCOMPARE(m.platform.messages.size(), 1);
        QCOMPARE(m.platform.messages.first().title, QStringLiteral("خطأ"));
        QCOMPARE(m.platform.messages.first().text, QStringLiteral("إن البحث بإستخدام خاصية الجذر يجب أن يكون عن كلمة واحد فقط"));
        QCOMPARE(m_results->rowCount(), previous);
        QVERIFY(controlsEnabled());

        m.platform.answers.enqueue(Platform::Answer::Cancel);
        m.search(QStringLiteral("كتب"));
        QCOMPARE(m.platform.messages.size(), 2);
        QCOMPARE(m.platform.messages.last().title, QStringLiteral("تنبيه"));
        QCOMPARE(m.platform.messages.last().buttons, Platform::Buttons::OkCancel);
        QCOMPARE(m_results->rowCount(), previous);
        QVERIFY(controlsEnabled());

        m.platform.answers.enqueue(Platform::Answer::Ok);
        m.search(QStringLiteral("كتب"));
        QCOMPARE(m.platform.messages.size(), 3);
        QCOMPARE(m_results->rowCount(), previous); // the same root, the same verses

        m.search(QStringLiteral("كتاب"));
        QCOMPARE(m.platform.messages.size(), 3);

        // A quote is searched for; a LIKE wildcard is refused.
        m.search(QStringLiteral("كتا'ب"));
        QCOMPARE(m.platform.messages.size(), 3);
        QCOMPARE(m_results->rowCount(), 0);
        QVERIFY(controlsEnabled());
        m.search(QStringLiteral("الكتاب"));
        m.search(QStringLiteral("الكتا%"));
        QCOMPARE(m.platform.messages.size(), 4);
        QCOMPARE(m.platform.messages.last().title, QStringLiteral("خطأ"));
        QCOMPARE(m_results->rowCount(), previous);
        QVERIFY(controlsEnabled());
    }
};

QTEST_MAIN(TestRootSearch)
#include "tst_rootsearch.moc"
