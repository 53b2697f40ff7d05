// The root search through the main window's search command, on the real databases.

#include "core/DataSource.h"
#include "mainwindow/FrmMain.h"
#include "core/ProgramState.h"
#include "study/ResultsFrame.h"
#include "search/RootSearchQuery.h"
#include "support/ScriptedPlatform.h"
#include "controls/SearchBox.h"
#include "controls/SideBar.h"
#include "support/TestHelpers.h"
#include "support/TestProgramFolder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
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

QString builtFile(const QString &name)
{
    return QStringLiteral(VELMORA_BUILD_DIR "/") + name;
}

} // namespace

class TestRootSearch : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgramFolder> m_folder;
    ScriptedPlatform m_platform;
    ProgramState m_state;
    std::unique_ptr<FrmMain> m_window;
    ResultsFrame *m_results = nullptr;
    QWidget *m_options = nullptr;
    DataSource m_verses;
    DataSource m_roots;

    void search(const QString &text)
    {
        child<SearchBox>(m_window.get(), "searcht")->setText(text);
        QTest::mouseClick(child<QPushButton>(m_window.get(), "search"), Qt::LeftButton);
    }

    QString searchForm(const QString &id)
    {
        m_verses.runQuery(QStringLiteral("SELECT *  FROM Ayat where Ayat.ID like ") + id);
        return m_verses.text(QStringLiteral("ayaaindex"));
    }

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
        return child<QWidget>(m_window.get(), "picStrip")->isEnabled()
            && child<SearchBox>(m_window.get(), "searcht")->isEnabled();
    }

private Q_SLOTS:
    void initTestCase()
    {
        clearSettings();
        m_folder = std::make_unique<TestProgramFolder>(QStringList{QStringLiteral("quran.qu"), QStringLiteral("Jthr.qu")});
        m_window = std::make_unique<FrmMain>(m_platform, m_state);
        QVERIFY(m_window->Form_Load());
        m_window->show();
        m_results = m_window->findChild<ResultsFrame *>();
        m_options = child<QWidget>(m_window.get(), "FrmOptions");
        child<QCheckBox>(m_options, "Check2")->click();
        QVERIFY(m_verses.openFile(builtFile(QStringLiteral("quran.qu"))));
        QVERIFY(m_roots.openFile(builtFile(QStringLiteral("Jthr.qu"))));
    }

    void init()
    {
        m_platform.messages.clear();
        m_platform.answers.clear();
        child<QRadioButton>(m_options, "alone")->click();
        child<QRadioButton>(m_options, "allsearch")->click();
    }

    void findsEveryFormOfTheRoot()
    {
        search(QStringLiteral("الكتاب"));
        QVERIFY(m_platform.messages.isEmpty());
        QVERIFY(controlsEnabled());
        const QList<ResultList::Row> rows = resultRows(*m_results);
        const QStringList forms = formsOf(QStringLiteral("الكتاب"));
        QVERIFY(forms.contains(QStringLiteral("يكتبون")));
        QVERIFY(forms.contains(QStringLiteral("كتابه")));

        // Root, then form in the root table's order, then reading order; every row's
        // verse holds its own form as a whole word.
        QStringList formsListed;
        int previousId = 0;
        for (const ResultList::Row &row : rows) {
            QVERIFY2(searchForm(row.id).contains(QLatin1Char(' ') + row.foundBy + QLatin1Char(' ')), qPrintable(row.foundBy));
            if (formsListed.isEmpty() || formsListed.last() != row.foundBy) {
                QVERIFY2(!formsListed.contains(row.foundBy), "a form's rows stand together");
                formsListed.append(row.foundBy);
            } else {
                QVERIFY(row.id.toInt() > previousId);
            }
            previousId = row.id.toInt();
        }
        QStringList expectedOrder;
        for (const QString &form : forms) {
            if (formsListed.contains(form))
                expectedOrder.append(form);
        }
        QCOMPARE(formsListed, expectedOrder);
        QVERIFY(formsListed.contains(QStringLiteral("يكتبون")));
        // Every verse that holds a form as a whole word is listed under it.
        compareWithLike(rows, forms, QStringLiteral(" "), QString());
        QCOMPARE(child<QLabel>(m_window.get(), "score")->text(), QString::number(rows.size()));

        // The verse view highlights the row's own form.
        auto *list = child<QListWidget>(m_window.get(), "suraayaalist");
        for (int i = 0; i < rows.size(); ++i) {
            if (rows.at(i).foundBy == QStringLiteral("يكتبون")) {
                list->setCurrentRow(i);
                QString drawn = highlightedText(child<QTextBrowser>(m_window.get(), "webPreview")->document());
                drawn.removeIf([](QChar ch) { return ch.category() == QChar::Mark_NonSpacing; });
                QCOMPARE(drawn, QStringLiteral("يكتبون"));
                break;
            }
        }
    }

    void aLookupAfterwardsHighlightsNothing()
    {
        search(QStringLiteral("الكتاب"));
        auto *view = child<QTextBrowser>(m_window.get(), "webPreview");
        QVERIFY(!highlightedText(view->document()).isEmpty());
        QTest::mouseClick(m_window->findChild<SideBar *>()->strip(5), Qt::LeftButton);
        QWidget *lookup = child<QWidget>(m_window.get(), "FrmProSearch");
        auto *sura = child<QComboBox>(lookup, "searchname");
        sura->setCurrentIndex(1);
        Q_EMIT sura->activated(1);
        auto *first = child<QComboBox>(lookup, "CombFromProSeach");
        first->setCurrentIndex(1);
        Q_EMIT first->activated(1);
        QTest::mouseClick(child<QPushButton>(lookup, "CmdSeachPro"), Qt::LeftButton);
        QCOMPARE(m_results->rowText(0), QStringLiteral("البقرة : 2"));
        QVERIFY(view->toPlainText().endsWith(QStringLiteral("[البقرة : 2]")));
        QCOMPARE(highlightedText(view->document()), QString());
    }

    void aVerseWithTwoFormsIsListedTwice()
    {
        search(QStringLiteral("الكتاب"));
        QHash<QString, QStringList> formsOfVerse;
        for (const ResultList::Row &row : resultRows(*m_results))
            formsOfVerse[row.id].append(row.foundBy);
        // 2:79 (ID 86): "يكتبون الكتاب بأيديهم ... مما كتبت أيديهم".
        const QStringList twice = formsOfVerse.value(QStringLiteral("86"));
        QVERIFY2(twice.size() >= 2, qPrintable(twice.join(u',')));
        QCOMPARE(QSet<QString>(twice.cbegin(), twice.cend()).size(), twice.size());
    }

    void theNameOfGodFindsEveryCliticForm()
    {
        search(QStringLiteral("تالله"));
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
        search(QStringLiteral("الكتاب"));
        const QList<ResultList::Row> rows = resultRows(*m_results);
        QVERIFY(!rows.isEmpty());
        compareWithLike(rows, formsOf(QStringLiteral("الكتاب")), QString(), QStringLiteral("soraano between 2 and 3"));

        // No form in sura 1: nothing is on show, not even the last waiting page.
        child<QComboBox>(m_options, "sora")->setCurrentIndex(0);
        child<QRadioButton>(m_options, "soraop")->click();
        search(QStringLiteral("الكتاب"));
        QCOMPARE(m_results->rowCount(), 0);
        QVERIFY(child<QTextBrowser>(m_window.get(), "webPreview")->toPlainText().trimmed().isEmpty());
    }

    void messagesKeepThePreviousResults()
    {
        search(QStringLiteral("الكتاب"));
        const int previous = m_results->rowCount();
        QVERIFY(previous > 0);

        search(QStringLiteral("الكتاب الحكيم"));
        QCOMPARE(m_platform.messages.size(), 1);
        QCOMPARE(m_platform.messages.first().title, QStringLiteral("خطأ"));
        QCOMPARE(m_platform.messages.first().text, QStringLiteral("إن البحث بإستخدام خاصية الجذر يجب أن يكون عن كلمة واحد فقط"));
        QCOMPARE(m_results->rowCount(), previous);
        QVERIFY(controlsEnabled());

        m_platform.answers.enqueue(Platform::Answer::Cancel);
        search(QStringLiteral("كتب"));
        QCOMPARE(m_platform.messages.size(), 2);
        QCOMPARE(m_platform.messages.last().title, QStringLiteral("تنبيه"));
        QCOMPARE(m_platform.messages.last().buttons, Platform::Buttons::OkCancel);
        QCOMPARE(m_results->rowCount(), previous);
        QVERIFY(controlsEnabled());

        m_platform.answers.enqueue(Platform::Answer::Ok);
        search(QStringLiteral("كتب"));
        QCOMPARE(m_platform.messages.size(), 3);
        QCOMPARE(m_results->rowCount(), previous); // the same root, the same verses

        search(QStringLiteral("كتاب"));
        QCOMPARE(m_platform.messages.size(), 3);
    }

    void quotesAndWildcardsAreNotSql()
    {
        search(QStringLiteral("الكتاب"));
        const int previous = m_results->rowCount();

        search(QStringLiteral("كتا'ب"));
        QVERIFY(m_platform.messages.isEmpty());
        QCOMPARE(m_results->rowCount(), 0);
        QVERIFY(controlsEnabled());

        search(QStringLiteral("الكتاب"));
        search(QStringLiteral("الكتا%"));
        QCOMPARE(m_platform.messages.size(), 1);
        QCOMPARE(m_platform.messages.first().title, QStringLiteral("خطأ"));
        QCOMPARE(m_results->rowCount(), previous);
        QVERIFY(controlsEnabled());
    }
};

QTEST_MAIN(TestRootSearch)
#include "tst_rootsearch.moc"
