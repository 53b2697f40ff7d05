// The search forms of the imported text and of what a reader types. The words of
// searchform-words.txt and the verses below are copied from the imported text, so the
// tables check exactly what the importer feeds in.

#include "text/SearchForm.h"
#include "text/TypedText.h"

#include <QFile>
#include <QTest>

class TestSearchForm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void words_data()
    {
        QTest::addColumn<QString>("uthmani");
        QTest::addColumn<QString>("expected");
        QFile table(QStringLiteral(VELMORA_SEARCHFORM_WORDS));
        QVERIFY(table.open(QIODevice::ReadOnly | QIODevice::Text));
        for (int line = 1; !table.atEnd(); ++line) {
            const QString text = QString::fromUtf8(table.readLine()).trimmed();
            if (text.isEmpty() || text.startsWith(u'#'))
                continue;
            const QStringList fields = text.split(u' ');
            QCOMPARE(fields.size(), 2);
            QTest::addRow("line %d: %s", line, qPrintable(fields.last())) << fields.first() << fields.last();
        }
    }

    void words()
    {
        QFETCH(QString, uthmani);
        QFETCH(QString, expected);
        QCOMPARE(searchFormOfWord(uthmani), expected);
    }

    // One blank at each end and between words, and a word for every word of the text.
    void verse_data()
    {
        QTest::addColumn<QString>("uthmani");
        QTest::addColumn<QString>("expected");
        QTest::newRow("1:1") << QStringLiteral("بِسۡمِ ٱللَّهِ ٱلرَّحۡمَٰنِ ٱلرَّحِيمِ")
                             << QStringLiteral(" بسم الله الرحمن الرحيم ");
        QTest::newRow("2:255")
            << QStringLiteral("ٱللَّهُ لَآ إِلَٰهَ إِلَّا هُوَ ٱلۡحَيُّ ٱلۡقَيُّومُۚ لَا تَأۡخُذُهُۥ سِنَةٞ وَلَا نَوۡمٞۚ لَّهُۥ مَا فِي ٱلسَّمَٰوَٰتِ وَمَا فِي ٱلۡأَرۡضِۗ مَن ذَا ٱلَّذِي يَشۡفَعُ عِندَهُۥٓ إِلَّا بِإِذۡنِهِۦۚ يَعۡلَمُ مَا بَيۡنَ أَيۡدِيهِمۡ وَمَا خَلۡفَهُمۡۖ وَلَا يُحِيطُونَ بِشَيۡءٖ مِّنۡ عِلۡمِهِۦٓ إِلَّا بِمَا شَآءَۚ وَسِعَ كُرۡسِيُّهُ ٱلسَّمَٰوَٰتِ وَٱلۡأَرۡضَۖ وَلَا يَـُٔودُهُۥ حِفۡظُهُمَاۚ وَهُوَ ٱلۡعَلِيُّ ٱلۡعَظِيمُ")
            << QStringLiteral(" الله لا إله إلا هو الحي القيوم لا تأخذه سنة ولا نوم له ما في "
                              "السماوات وما في الأرض من ذا الذي يشفع عنده إلا بإذنه يعلم ما بين "
                              "أيديهم وما خلفهم ولا يحيطون بشيء من علمه إلا بما شاء وسع كرسيه "
                              "السماوات والأرض ولا يؤوده حفظهما وهو العلي العظيم ");
        // The source has a thin space inside فادارأتم.
        QTest::newRow("2:72")
            << QStringLiteral("وَإِذۡ قَتَلۡتُمۡ نَفۡسٗا فَٱدَّـٰرَ\u2009ٰٔتُمۡ فِيهَاۖ وَٱللَّهُ مُخۡرِجٞ مَّا كُنتُمۡ تَكۡتُمُونَ")
            << QStringLiteral(" وإذ قتلتم نفسا فادارأتم فيها والله مخرج ما كنتم تكتمون ");
        QTest::newRow("pause marks and sajda")
            << QStringLiteral("إِنَّ ٱلَّذِينَ عِندَ رَبِّكَ لَا يَسۡتَكۡبِرُونَ عَنۡ عِبَادَتِهِۦ وَيُسَبِّحُونَهُۥ وَلَهُۥ يَسۡجُدُونَۤ۩")
            << QStringLiteral(" إن الذين عند ربك لا يستكبرون عن عبادته ويسبحونه وله يسجدون ");
        QTest::newRow("stray blanks") << QStringLiteral("  قُلۡ   هُوَ\tٱللَّهُ أَحَدٌ  ") << QStringLiteral(" قل هو الله أحد ");
        QTest::newRow("stand-alone signs") << QStringLiteral("۞ ذَٰلِكَ ٱلۡكِتَٰبُ ۖ لَا رَيۡبَۛ") << QStringLiteral(" ۞ ذلك الكتاب ۖ لا ريب ");
    }

    void verse()
    {
        QFETCH(QString, uthmani);
        QFETCH(QString, expected);
        QCOMPARE(searchFormOfVerse(uthmani), expected);
    }

    void typedTextInSearchForm_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("searchForm");
        QTest::newRow("plain") << QStringLiteral("الله") << QStringLiteral("الله");
        QTest::newRow("vocative phrase") << QStringLiteral("يا أيها الذين آمنوا") << QStringLiteral("ياأيها الذين آمنوا");
        QTest::newRow("vocative inside") << QStringLiteral("قال يا قوم") << QStringLiteral("قال ياقوم");
        QTest::newRow("vocative alone") << QStringLiteral("يا") << QStringLiteral("يا");
        QTest::newRow("modern diacritics") << QStringLiteral("القَيُّومُ") << QStringLiteral("القيوم");
        QTest::newRow("tatweel") << QStringLiteral("الرحـــمن") << QStringLiteral("الرحمن");
        QTest::newRow("copied from the verse view") << QStringLiteral("ٱلۡحَيُّ ٱلۡقَيُّومُۚ") << QStringLiteral("الحي القيوم");
        QTest::newRow("Uthmani spelling") << QStringLiteral("ٱلصَّلَوٰةَ") << QStringLiteral("الصلاة");
        QTest::newRow("Uthmani vocative") << QStringLiteral("يَٰمُوسَىٰٓ") << QStringLiteral("ياموسى");
        QTest::newRow("direction marks") << QStringLiteral("\u200f\u202bموسى\u202c\u200e") << QStringLiteral("موسى");
        QTest::newRow("zero-width marks") << QStringLiteral("\ufeffمو\u200dسى\u200b") << QStringLiteral("موسى");
        QTest::newRow("blanks inside kept") << QStringLiteral("رب  العالمين") << QStringLiteral("رب  العالمين");
        QTest::newRow("tab and newline") << QStringLiteral("رب\tالعالمين\n") << QStringLiteral("رب العالمين");
    }

    void typedTextInSearchForm()
    {
        QFETCH(QString, typed);
        QFETCH(QString, searchForm);
        QCOMPARE(searchFormOfTypedText(typed), searchForm);
    }

    void foldedSpellingKeepsEveryPosition()
    {
        QCOMPARE(foldedSpelling(QStringLiteral("إبراهيم أأنتم آمنوا ٱلله")), QStringLiteral("ابراهيم اانتم امنوا الله"));
        QCOMPARE(foldedSpelling(QStringLiteral("موسى رحمة مسؤول شيئا سوء")), QStringLiteral("موسي رحمه مسءول شيءا سوء"));
        const QString index = QStringLiteral(" قال إبراهيم لأبيه ");
        QCOMPARE(foldedSpelling(index).size(), index.size());
    }
};

QTEST_APPLESS_MAIN(TestSearchForm)
#include "tst_searchform.moc"
