// The root analyser on the real word forms of the built text: forms of one root share
// an identifier, look-alikes from different roots do not, particles and names stay alone.

#include "DataSource.h"
#include "RootAnalyser.h"

#include <QSet>
#include <QTest>

namespace {

// Word form of the text, and its expected root identifier ("" = a root of its own).
struct Expected {
    const char *word;
    const char *root;
};

const Expected Table[] = {
    // Sound root, clitics, suffixes, فاعل، مفعول، فعال.
    {"كتب", "كتب"}, {"الكتاب", "كتب"}, {"كتابه", "كتب"}, {"يكتبون", "كتب"}, {"كتاب", "كتب"}, {"كاتب", "كتب"},
    {"مكتوبا", "كتب"}, {"والكتاب", "كتب"}, {"بالكتاب", "كتب"}, {"للكتب", "كتب"},
    // Hollow root: the alef and the dropped waw.
    {"قال", "قول"}, {"يقولون", "قول"}, {"قولا", "قول"}, {"قالوا", "قول"}, {"القول", "قول"}, {"يقول", "قول"},
    {"وقالت", "قول"}, {"سيقولون", "قول"}, {"قام", "قوم"}, {"يقوم", "قوم"}, {"مقام", "قوم"}, {"قاموا", "قوم"},
    {"كان", "كون"}, {"يكون", "كون"}, {"كن", "كون"}, {"كانوا", "كون"}, {"تاب", "توب"}, {"يتوب", "توب"},
    // Defective root, alef written for waw, ى for ya.
    {"الصلاة", "صلو"}, {"صلاتهم", "صلو"}, {"صلوا", "صلو"}, {"والصلاة", "صلو"}, {"صلوات", "صلو"},
    {"دعا", "دعو"}, {"ادعوا", "دعو"}, {"الدعاء", "دعو"}, {"ندعو", "دعو"}, {"يدعو", "دعو"},
    {"هدى", "هدي"}, {"يهدي", "هدي"}, {"اهتدى", "هدي"}, {"هدانا", "هدي"}, {"هادي", "هدي"},
    // Hamza on every seat; إفعال، مُفعِل.
    {"آمنوا", "ءمن"}, {"المؤمنين", "ءمن"}, {"بالإيمان", "ءمن"}, {"آمن", "ءمن"}, {"يؤمنون", "ءمن"},
    {"المؤمنات", "ءمن"}, {"وآمنتم", "ءمن"}, {"أمر", "ءمر"}, {"يأمرون", "ءمر"}, {"الأمر", "ءمر"},
    {"تأمرهم", "ءمر"}, {"يؤمرون", "ءمر"}, {"الأرض", "ءرض"}, {"أرض", "ءرض"}, {"أخيه", "ءخو"},
    {"إخوانكم", "ءخو"}, {"جاء", "جيء"}, {"جاءهم", "جيء"}, {"يشاء", "شيء"}, {"شاء", "شيء"}, {"شيء", "شيء"},
    // فعلان، فعيل، فاعل plurals, ة.
    {"الرحمن", "رحم"}, {"الرحيم", "رحم"}, {"رحمة", "رحم"}, {"برحمته", "رحم"}, {"الراحمين", "رحم"},
    {"يرحمكم", "رحم"},
    // فاعَل، افتعل، فِعال، فُعلى.
    {"قتل", "قتل"}, {"قاتلوا", "قتل"}, {"يقتلون", "قتل"}, {"القتال", "قتل"}, {"تقاتلون", "قتل"},
    {"القتلى", "قتل"}, {"اقتتلوا", "قتل"},
    // Assimilated root: the waw dropped in the imperfect; مَفعِل.
    {"وعد", "وعد"}, {"الوعد", "وعد"}, {"موعد", "وعد"}, {"وعدكم", "وعد"},
    // فعيل، فعلاء، مفعول، فاعلوا.
    {"علم", "علم"}, {"يعلمون", "علم"}, {"العلماء", "علم"}, {"عالم", "علم"}, {"العليم", "علم"},
    {"معلوم", "علم"}, {"فاعلموا", "علم"},
    // استفعل، مفعلة، فعول.
    {"استغفر", "غفر"}, {"يستغفرون", "غفر"}, {"مغفرة", "غفر"}, {"غفور", "غفر"}, {"المغفرة", "غفر"},
    {"المستكبرين", "كبر"}, {"استكبروا", "كبر"}, {"كبير", "كبر"}, {"أكبر", "كبر"}, {"تكبيرا", "كبر"},
    // انفعل، فُعول plural.
    {"انقلبوا", "قلب"}, {"ينقلب", "قلب"}, {"قلب", "قلب"}, {"قلوبهم", "قلب"},
    // إفعال، أفعل، تفعيل.
    {"فأخرجنا", "خرج"}, {"إخراجا", "خرج"}, {"أنزلنا", "نزل"}, {"ينزل", "نزل"}, {"تنزيل", "نزل"},
    {"المستضعفين", "ضعف"}, {"يضاعفها", "ضعف"},
    // The hand-written list: hamza dropped, assimilated ت of افتعل, lost letters.
    {"يرى", "رءي"}, {"تراهم", "رءي"}, {"رأيت", "رءي"}, {"ترون", "رءي"}, {"رأى", "رءي"},
    {"اتقوا", "وقي"}, {"المتقين", "وقي"}, {"التقوى", "وقي"}, {"يتقون", "وقي"}, {"للمتقين", "وقي"},
    {"اتخذوا", "ءخذ"}, {"يتخذ", "ءخذ"}, {"أخذ", "ءخذ"}, {"خذوا", "ءخذ"}, {"أخذناهم", "ءخذ"},
    {"آيات", "ءيي"}, {"آية", "ءيي"}, {"بآياتنا", "ءيي"}, {"آياته", "ءيي"},
    {"السماء", "سمو"}, {"سماء", "سمو"}, {"أبناء", "بني"}, {"ابن", "بني"}, {"ماء", "موه"},
    {"يد", "يدي"}, {"بيده", "يدي"},
    // Look-alikes from other roots.
    {"ترك", "ترك"}, {"تركوا", "ترك"}, {"كيد", "كيد"}, {"كيدهم", "كيد"}, {"دين", "دين"}, {"الدين", "دين"},
    {"دون", "دون"},
    // Left alone: particles with clitics and pronouns, names, and undecided forms.
    {"الله", ""}, {"إن", ""}, {"الذين", ""}, {"عليهم", ""}, {"فيها", ""}, {"موسى", ""}, {"فرعون", ""},
    {"بنا", ""}, {"لهم", ""}, {"منه", ""}, {"إبراهيم", ""}, {"وما", ""}, {"ولا", ""}, {"إنهم", ""},
    {"مر", ""}, {"يعد", ""},
};

QStringList wordsOfTheText()
{
    DataSource verses;
    if (!verses.openFile(QStringLiteral(VELMORA_BUILD_DIR "/quran.qu")))
        return {};
    verses.runQuery(QStringLiteral("SELECT *  FROM Ayat order by ID"));
    QStringList words;
    QSet<QString> seen;
    for (; !verses.atEnd(); verses.moveNext()) {
        for (const QString &word : verses.text(QStringLiteral("ayaaindex")).split(u' ', Qt::SkipEmptyParts)) {
            if (!seen.contains(word)) {
                seen.insert(word);
                words.append(word);
            }
        }
    }
    return words;
}

} // namespace

class TestRootAnalyser : public QObject
{
    Q_OBJECT

private:
    QStringList m_words;
    RootAnalysis m_analysis;

private Q_SLOTS:
    void initTestCase()
    {
        m_words = wordsOfTheText();
        QVERIFY(m_words.size() > 10000);
        m_analysis = analyseRoots(m_words);
    }

    void everyWordHasARoot()
    {
        QCOMPARE(m_analysis.rootOf.size(), m_words.size());
        QCOMPARE(m_analysis.sharedWords + m_analysis.ownWords, int(m_words.size()));
        // Most forms find their root; the rest stay findable by themselves.
        QVERIFY(m_analysis.sharedWords > m_words.size() * 2 / 3);
    }

    void rootsOfRealForms_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("root");
        for (const Expected &row : Table)
            QTest::newRow(row.word) << QString::fromUtf8(row.word) << QString::fromUtf8(row.root);
    }

    void rootsOfRealForms()
    {
        QFETCH(QString, word);
        QFETCH(QString, root);
        QVERIFY2(m_words.contains(word), "the form must occur in the text");
        QCOMPARE(m_analysis.rootOf.value(word), root.isEmpty() ? RootAnalysis::ownRoot(word) : root);
    }

    void aWordLeftAloneSharesWithNoOther()
    {
        for (const QString &word : {QStringLiteral("الله"), QStringLiteral("مر"), QStringLiteral("موسى")}) {
            const QString root = m_analysis.rootOf.value(word);
            QCOMPARE(std::count(m_analysis.rootOf.cbegin(), m_analysis.rootOf.cend(), root), 1);
        }
    }

    void wordsOutsideTheTextStillGetAnIdentifier()
    {
        const RootAnalysis analysis = analyseRoots({QStringLiteral("كتب"), QStringLiteral("يكتبون"), QStringLiteral("xyz")});
        QCOMPARE(analysis.rootOf.value(QStringLiteral("كتب")), analysis.rootOf.value(QStringLiteral("يكتبون")));
        QCOMPARE(analysis.rootOf.value(QStringLiteral("xyz")), RootAnalysis::ownRoot(QStringLiteral("xyz")));
    }
};

QTEST_GUILESS_MAIN(TestRootAnalyser)
#include "tst_rootanalyser.moc"
