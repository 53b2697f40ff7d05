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
    void verse()
    {
        // The source has a thin space inside فادارأتم.
        QCOMPARE(searchFormOfVerse(QStringLiteral("وَإِذۡ قَتَلۡتُمۡ نَفۡسٗا فَٱدَّـٰرَ\u2009ٰٔتُمۡ فِيهَاۖ وَٱللَّهُ مُخۡرِجٞ مَّا كُنتُمۡ تَكۡتُمُونَ")),
                 QStringLiteral(" وإذ قتلتم نفسا فادارأتم فيها والله مخرج ما كنتم تكتمون "));
        QCOMPARE(searchFormOfVerse(QStringLiteral("  قُلۡ   هُوَ\tٱللَّهُ أَحَدٌ  ")), QStringLiteral(" قل هو الله أحد "));
        // Stand-alone signs stay words of their own.
        QCOMPARE(searchFormOfVerse(QStringLiteral("۞ ذَٰلِكَ ٱلۡكِتَٰبُ ۖ لَا رَيۡبَۛ")), QStringLiteral(" ۞ ذلك الكتاب ۖ لا ريب "));
    }

    void typedTextInSearchForm()
    {
        // The vocative joined to the next word, never alone.
        QCOMPARE(searchFormOfTypedText(QStringLiteral("يا أيها الذين آمنوا")), QStringLiteral("ياأيها الذين آمنوا"));
        QCOMPARE(searchFormOfTypedText(QStringLiteral("يا")), QStringLiteral("يا"));
        QCOMPARE(searchFormOfTypedText(QStringLiteral("القَيُّومُ")), QStringLiteral("القيوم"));
        // Copied from the verse view: the search form of the text's own spelling.
        QCOMPARE(searchFormOfTypedText(QStringLiteral("ٱلۡحَيُّ ٱلۡقَيُّومُۚ")), QStringLiteral("الحي القيوم"));
        QCOMPARE(searchFormOfTypedText(QStringLiteral("\u200f\u202bموسى\u202c\u200e")), QStringLiteral("موسى"));
        // Blanks inside are kept (a search for an empty word); a tab and a newline are blanks.
        QCOMPARE(searchFormOfTypedText(QStringLiteral("رب  العالمين")), QStringLiteral("رب  العالمين"));
        QCOMPARE(searchFormOfTypedText(QStringLiteral("رب\tالعالمين\n")), QStringLiteral("رب العالمين"));
    }

    void foldedSpellings()
    {
        QCOMPARE(foldedSpelling(QStringLiteral("إبراهيم أأنتم آمنوا ٱلله")), QStringLiteral("ابراهيم اانتم امنوا الله"));
        QCOMPARE(foldedSpelling(QStringLiteral("موسى رحمة مسؤول شيئا سوء")), QStringLiteral("موسي رحمه مسءول شيءا سوء"));
    }
};

QTEST_APPLESS_MAIN(TestSearchForm)
#include "tst_searchform.moc"
