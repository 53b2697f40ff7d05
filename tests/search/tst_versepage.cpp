#include "search/VersePage.h"

#include <QTest>

namespace {

const QString FontTag = QStringLiteral("<p align=right dir=rtl><font face=\"Tahoma \"style=\"font-size: 16pt\">");
const QString Red = QStringLiteral("<font color=\"#FF0000\">");
const QString Off = QStringLiteral("</font>");

VersePageInput verse(const QString &display, const QString &index, const QString &search, bool wholeWord = true,
                     bool separateWords = false)
{
    VersePageInput input;
    input.displayText = display;
    input.indexText = index;
    input.searchWord = search;
    input.reference = QStringLiteral("البقرة : 255");
    input.fontName = QStringLiteral("Tahoma");
    input.color = QStringLiteral("#FF0000");
    input.wholeWord = wholeWord;
    input.separateWords = separateWords;
    return input;
}

QString page(const QString &body)
{
    return QStringLiteral("<HTML><html dir=\"rtl\"><HEAD></HEAD><BODY>") + FontTag + body
        + QStringLiteral(" [البقرة : 255]</font></p></BODY></HTML>");
}

} // namespace

class TestVersePage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void marking_data()
    {
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("index");
        QTest::addColumn<QString>("search");
        QTest::addColumn<bool>("wholeWord");
        QTest::addColumn<bool>("separateWords");
        QTest::addColumn<QString>("body");

        QTest::newRow("worked example: a phrase as whole words")
            << "A B C" << " a b c " << "b c" << true << false << "A " + Red + "B C" + Off;
        QTest::newRow("one whole word") << "A B C" << " a b c " << "b" << true << false << "A " + Red + "B" + Off + " C";
        QTest::newRow("first and last word") << "A B C" << " a b c " << "a" << true << false << Red + "A" + Off + " B C";
        QTest::newRow("part of a word colours the whole word")
            << "A BC D" << " a bc d " << "c" << false << false << "A " + Red + "BC" + Off + " D";
        QTest::newRow("separate whole words, each once")
            << "A B C" << " a b c " << "c a" << true << true << Red + "A" + Off + " B " + Red + "C" + Off;
        QTest::newRow("a word twice in the verse")
            << "A B A" << " a b a " << "a" << true << false << Red + "A" + Off + " B " + Red + "A" + Off;
        QTest::newRow("the same word twice collapses")
            << "A B C" << " a b c " << "b b" << true << true << "A " + Red + "B" + Off + " C";
        QTest::newRow("part of words, separately") << "AB CD" << " ab cd " << "b d" << false << true
                                                   << Red + "AB" + Off + " " + Red + "CD" + Off;
        QTest::newRow("empty words are skipped") << "AB CD" << " ab cd " << "b  d" << false << true
                                                 << Red + "AB" + Off + " " + Red + "CD" + Off;
        QTest::newRow("a phrase across part of two words")
            << "AB CD E" << " ab cd e " << "b c" << false << false << Red + "AB CD" + Off + " E";
        QTest::newRow("letter case is ignored") << "A B" << " a b " << "B" << true << false << "A " + Red + "B" + Off;
        QTest::newRow("no match") << "A B" << " a b " << "z" << true << false << "A B";
        QTest::newRow("marks in the verse become colour tags") << "A *B^ C" << " a b c " << "z" << true << false
                                                               << "A " + Off + "B" + Red + " C";
        QTest::newRow("three overlapping matches leave two marks")
            << "AAA" << " aaa " << "a" << false << false << Red + Red + "AAA" + Off + Off;
        QTest::newRow("display text shorter than the index: no crash, no marks")
            << "A" << " a b c " << "c" << true << false << "A";
        QTest::newRow("real verse, diacritics shown")
            << QStringLiteral("ٱللَّهُ لَآ إِلَٰهَ إِلَّا هُوَ") << QStringLiteral(" الله لا إله إلا هو ") << QStringLiteral("إله")
            << true << false << QStringLiteral("ٱللَّهُ لَآ ") + Red + QStringLiteral("إِلَٰهَ") + Off + QStringLiteral(" إِلَّا هُوَ");
    }

    void marking()
    {
        QFETCH(QString, display);
        QFETCH(QString, index);
        QFETCH(QString, search);
        QFETCH(bool, wholeWord);
        QFETCH(bool, separateWords);
        QFETCH(QString, body);
        QCOMPARE(versePage(verse(display, index, search, wholeWord, separateWords)), page(body));
    }

    void fontAndWrapping()
    {
        VersePageInput input = verse(QStringLiteral("  A B  "), QStringLiteral(" a b "), QString());
        input.bold = true;
        input.italic = true;
        // Nothing to highlight: the trimmed verse, never wrapped in bold or italic.
        QCOMPARE(versePage(input), page(QStringLiteral("A B")));

        input.searchWord = QStringLiteral("b");
        const QString wrapped = versePage(input);
        QVERIFY(wrapped.startsWith(QStringLiteral("<i><b><HTML>")));
        QVERIFY(wrapped.endsWith(QStringLiteral("</HTML></b></i>")));

        input.italic = false;
        input.fontName = QStringLiteral("Amiri");
        input.fontSize = 10.5;
        input.color = QStringLiteral("0000FF");
        QCOMPARE(versePage(input), QStringLiteral("<b><HTML><html dir=\"rtl\"><HEAD></HEAD><BODY><p align=right dir=rtl>"
                                                  "<font face=\"Amiri \"style=\"font-size: 10.5pt\">A <font color=\"#0000FF\">"
                                                  "B</font> [البقرة : 255]</font></p></BODY></HTML></b>"));
    }
};

QTEST_APPLESS_MAIN(TestVersePage)
#include "tst_versepage.moc"
