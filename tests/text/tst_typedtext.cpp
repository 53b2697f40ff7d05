#include "text/TypedText.h"

#include <QTest>

class TestTypedText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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

QTEST_GUILESS_MAIN(TestTypedText)
#include "tst_typedtext.moc"
