// The roots of the built text (Jthr.qu) against a check list of real forms written and
// checked by hand (root-checklist.txt): forms of one root share a root, forms of
// different roots do not, and look-alikes from different roots stay apart.

#include "core/DataSource.h"
#include "data/RootAnalyser.h"

#include <QFile>
#include <QHash>
#include <QSet>
#include <QTest>

namespace {

struct CheckedForm {
    QString family; // the kind of root or form: sound, doubled, hollow, ...
    QString group;  // forms of one group belong to one root
};

// form -> its family and group; a line with the root "-" gives each form a group of its own.
QHash<QString, CheckedForm> readCheckList()
{
    QFile file(QStringLiteral(VELMORA_CHECKLIST));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QHash<QString, CheckedForm> forms;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const qsizetype colon = line.indexOf(u':');
        const QStringList head = line.left(colon).split(u' ');
        for (const QString &form : line.mid(colon + 1).split(u' ', Qt::SkipEmptyParts))
            forms.insert(form, {head.at(0), head.at(1) == QStringLiteral("-") ? form : head.at(1)});
    }
    return forms;
}

QString builtFile(const QString &name)
{
    return QStringLiteral(VELMORA_BUILD_DIR "/") + name;
}

struct Score {
    double precision = 0;
    double recall = 0;
    double f1 = 0;
    int forms = 0;
};

} // namespace

class TestRootAnalyser : public QObject
{
    Q_OBJECT

private:
    QHash<QString, QSet<QString>> m_rootsOf; // every word of Words with its root identifiers

    bool shareARoot(const QString &a, const QString &b) const
    {
        return m_rootsOf.value(a).intersects(m_rootsOf.value(b));
    }

private Q_SLOTS:
    void initTestCase()
    {
        DataSource roots;
        QVERIFY(roots.openFile(builtFile(QStringLiteral("Jthr.qu"))));
        for (roots.runQuery(QStringLiteral("SELECT *  FROM Words")); !roots.atEnd(); roots.moveNext())
            m_rootsOf[roots.text(QStringLiteral("Word"))].insert(roots.text(QStringLiteral("JathrID")));
        QVERIFY(m_rootsOf.size() > 10000);
    }

    // Per form of the list: of the listed forms that share its root in Jthr.qu, the share
    // that the list puts in its group (precision), and of its group, the share that
    // shares its root (recall); averaged per family and over the whole list.
    void checkList()
    {
        const QHash<QString, CheckedForm> list = readCheckList();
        QVERIFY(list.size() >= 600);
        QStringList missing;
        for (auto it = list.cbegin(); it != list.cend(); ++it) {
            if (!m_rootsOf.contains(it.key()))
                missing.append(it.key());
        }
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("not words of the text: ") + missing.join(u' ')));

        QMap<QString, Score> scores;
        for (auto it = list.cbegin(); it != list.cend(); ++it) {
            int shared = 0;
            int group = 0;
            int both = 0;
            for (auto other = list.cbegin(); other != list.cend(); ++other) {
                const bool sameRoot = other.key() == it.key() || shareARoot(it.key(), other.key());
                const bool sameGroup = other.value().group == it.value().group;
                shared += sameRoot ? 1 : 0;
                group += sameGroup ? 1 : 0;
                both += sameRoot && sameGroup ? 1 : 0;
            }
            for (const QString &family : {it.value().family, QStringLiteral("all")}) {
                Score &score = scores[family];
                const double precision = double(both) / shared;
                const double recall = double(both) / group;
                score.precision += precision;
                score.recall += recall;
                score.f1 += 2 * precision * recall / (precision + recall);
                ++score.forms;
            }
        }
        for (auto it = scores.cbegin(); it != scores.cend(); ++it) {
            qInfo("%-12s %4d forms  precision %.3f  recall %.3f  F1 %.3f", qPrintable(it.key()), it->forms,
                  it->precision / it->forms, it->recall / it->forms, it->f1 / it->forms);
        }
        const Score all = scores.value(QStringLiteral("all"));
        QVERIFY(all.precision / all.forms >= 0.95);
        QVERIFY(all.recall / all.forms >= 0.90);
    }

    void lookAlikesNeverShareARoot()
    {
        const QList<QPair<QString, QString>> pairs = {
            {"قال", "قتل"}, {"قالوا", "قتلوا"}, {"أمر", "مر"}, {"الأمر", "مرة"}, {"وعد", "عدد"}, {"يعد", "أعد"},
            {"ترك", "ترى"}, {"تركوا", "تراهم"}, {"كيد", "يد"}, {"كيدهم", "أيديهم"}, {"دين", "دون"},
            {"الدين", "دونه"}, {"مسكين", "يمسك"}, {"مسكينا", "أمسك"}, {"والمساكين", "يمسكون"}, {"قال", "أقلت"},
            {"قال", "القالين"}, {"الجنة", "جنود"}, {"أمة", "أمر"}, {"الدنيا", "الدين"}, {"سيروا", "يروا"},
            {"اليسر", "السير"}, {"ملك", "ملة"}, {"عاد", "عدد"}, {"الساعة", "وسع"}, {"مسني", "مسكين"},
            {"أموالهم", "تميلوا"}, {"المال", "ميلة"}, {"خافية", "خوف"}, {"وعنت", "العين"}, {"تخف", "تخفون"},
        };
        for (const auto &[a, b] : pairs) {
            QVERIFY2(m_rootsOf.contains(a) && m_rootsOf.contains(b), qPrintable(a + u' ' + b));
            QVERIFY2(!shareARoot(a, b), qPrintable(a + u' ' + b));
        }
    }

    void wordsOutsideTheTextStillGetAnIdentifier()
    {
        const RootAnalysis analysis = analyseRoots({QStringLiteral("كتب"), QStringLiteral("يكتبون"), QStringLiteral("xyz"),
                                                    QStringLiteral("أذى"), QStringLiteral("أذاهم"), QStringLiteral("يؤذون")});
        QCOMPARE(analysis.rootOf.value(QStringLiteral("كتب")), analysis.rootOf.value(QStringLiteral("يكتبون")));
        QCOMPARE(analysis.rootOf.value(QStringLiteral("xyz")), RootAnalysis::ownRoot(QStringLiteral("xyz")));
        // أذاهم is أذى + هم, not the question's أ + ذا + هم: ذا takes no pronoun.
        QCOMPARE(analysis.rootOf.value(QStringLiteral("أذاهم")), analysis.rootOf.value(QStringLiteral("أذى")));
    }
};

QTEST_GUILESS_MAIN(TestRootAnalyser)
#include "tst_rootanalyser.moc"
