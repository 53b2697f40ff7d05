#include "text/SearchForm.h"

#include <QFile>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTest>

// The words of searchform-words.txt and the verses below are copied from the imported
// text, so the tables check exactly what the importer feeds in.

namespace {

int wordCount(const QString &text)
{
    // Words are separated by whitespace; the thin space inside a word of 2:72
    // is not a separator.
    int count = 0;
    bool inWord = false;
    for (const QChar c : text) {
        const bool blank = c.isSpace() && c != QChar(0x2009);
        if (!blank && !inWord)
            ++count;
        inWord = !blank;
    }
    return count;
}

} // namespace

class TestSearchForm : public QObject
{
    Q_OBJECT

private slots:
    void words_data();
    void words();
    void standAloneSigns();
    void verse_data();
    void verse();
    void verseShape_data();
    void verseShape();
};

static void addColumns()
{
    QTest::addColumn<QString>("uthmani");
    QTest::addColumn<QString>("expected");
}

void TestSearchForm::words_data()
{
    addColumns();
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

void TestSearchForm::words()
{
    QFETCH(QString, uthmani);
    QFETCH(QString, expected);
    QCOMPARE(searchFormOfWord(uthmani), expected);
}

void TestSearchForm::standAloneSigns()
{
    // A token made only of signs keeps its text so no word goes missing.
    QCOMPARE(searchFormOfWord(QStringLiteral("۞")), QStringLiteral("۞"));
    QCOMPARE(searchFormOfWord(QStringLiteral("۩")), QStringLiteral("۩"));
    QCOMPARE(searchFormOfWord(QStringLiteral("ۖ")), QStringLiteral("ۖ"));
    QCOMPARE(searchFormOfVerse(QStringLiteral("۞ قُلۡ ۩")), QStringLiteral(" ۞ قل ۩ "));
}

void TestSearchForm::verse_data()
{
    addColumns();
    QTest::newRow("1:1") << QStringLiteral("بِسۡمِ ٱللَّهِ ٱلرَّحۡمَٰنِ ٱلرَّحِيمِ")
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
}

void TestSearchForm::verse()
{
    QFETCH(QString, uthmani);
    QFETCH(QString, expected);
    QCOMPARE(searchFormOfVerse(uthmani), expected);
}

void TestSearchForm::verseShape_data()
{
    QTest::addColumn<QString>("uthmani");
    QTest::newRow("pause marks and sajda")
        << QStringLiteral("إِنَّ ٱلَّذِينَ عِندَ رَبِّكَ لَا يَسۡتَكۡبِرُونَ عَنۡ عِبَادَتِهِۦ "
                          "وَيُسَبِّحُونَهُۥ وَلَهُۥ يَسۡجُدُونَۤ۩");
    QTest::newRow("stray blanks") << QStringLiteral("  قُلۡ   هُوَ\tٱللَّهُ أَحَدٌ  ");
    QTest::newRow("stand-alone sign") << QStringLiteral("ذَٰلِكَ ٱلۡكِتَٰبُ ۖ لَا رَيۡبَۛ");
}

void TestSearchForm::verseShape()
{
    QFETCH(QString, uthmani);
    const QString form = searchFormOfVerse(uthmani);
    // One blank at each end and between words, and a word for every word of the text.
    QVERIFY(form.startsWith(u' ') && form.endsWith(u' ') && !form.contains(QStringLiteral("  ")));
    QVERIFY(!form.contains(u'\t'));
    QCOMPARE(form.split(u' ', Qt::SkipEmptyParts).size(), wordCount(uthmani));
}

QTEST_APPLESS_MAIN(TestSearchForm)
#include "tst_searchform.moc"
