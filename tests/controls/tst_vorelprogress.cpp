#include "support/TestHelpers.h"
#include "controls/VorelProgress.h"

#include <QImage>
#include <QSignalSpy>
#include <QTest>

namespace {

// The columns of a row clear of the text that are filled (not white).
int filledColumns(VorelProgress &bar)
{
    const QImage image = bar.grab().toImage();
    int filled = 0;
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixelColor(x, 0) != QColor(Qt::white))
            ++filled;
    }
    return filled;
}

} // namespace

class TestVorelProgress : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void percentageAndFill()
    {
        VorelProgress bar;
        bar.resize(200, 20);
        bar.show();
        QCOMPARE(bar.percentageText(), QStringLiteral("0%"));
        QCOMPARE(filledColumns(bar), 0);

        bar.setValue(45);
        QCOMPARE(bar.percentageText(), QStringLiteral("45%"));
        QCOMPARE(bar.fillWidth(), 90);
        QCOMPARE(filledColumns(bar), 90);

        bar.setValue(100);
        QCOMPARE(filledColumns(bar), 200);
    }

    void textRounding()
    {
        QCOMPARE(progressPercentageText(45, 100), QStringLiteral("45%"));
        QCOMPARE(progressPercentageText(1, 3), QStringLiteral("33%"));
        QCOMPARE(progressPercentageText(2, 3), QStringLiteral("67%"));
        // A half goes to the even neighbour.
        QCOMPARE(progressPercentageText(1, 8), QStringLiteral("12%"));   // 12.5
        QCOMPARE(progressPercentageText(3, 8), QStringLiteral("38%"));   // 37.5
        QCOMPARE(progressFillWidth(45, 0, 100, 400), 180);
        QCOMPARE(progressFillWidth(5, 0, 10, 33), 16);
    }

    void refusedWrites()
    {
        VorelProgress bar;
        bar.setValue(45);
        bar.setValue(101);
        QCOMPARE(bar.value(), 45);
        bar.setValue(-1);
        QCOMPARE(bar.value(), 45);

        bar.setMaximum(0);
        QCOMPARE(bar.maximum(), 100);
        bar.setMinimum(-5);
        QCOMPARE(bar.minimum(), 0);
        bar.setMinimum(100);
        QCOMPARE(bar.minimum(), 0);

        bar.setMinimum(10);
        bar.setMaximum(10);
        QCOMPARE(bar.maximum(), 100);
        bar.setValue(5);
        QCOMPARE(bar.value(), 45);
        bar.setMaximum(50);
        QCOMPARE(bar.maximum(), 50);
        bar.setValue(50);
        QCOMPARE(bar.value(), 50);
    }

    void neverSmallerThanItsMinimum()
    {
        VorelProgress bar;
        bar.show();
        // 300 x 100 twips asked, 500 x 180 twips kept (15 twips a pixel).
        bar.resize(20, 7);
        QCOMPARE(bar.size(), QSize(33, 12));
        bar.resize(120, 30);
        QCOMPARE(bar.size(), QSize(120, 30));
    }

    void mouseEvents()
    {
        VorelProgress bar;
        bar.resize(100, 20);
        bar.show();
        QSignalSpy down(&bar, &VorelProgress::MouseDown);
        QSignalSpy up(&bar, &VorelProgress::MouseUp);
        QSignalSpy click(&bar, &VorelProgress::Click);
        QSignalSpy doubleClick(&bar, &VorelProgress::DblClick);
        QTest::mouseClick(&bar, Qt::RightButton, Qt::ShiftModifier, QPoint(10, 5));
        QCOMPARE(down.size(), 1);
        QCOMPARE(down.first().at(0).value<Qt::MouseButtons>(), Qt::MouseButtons(Qt::RightButton));
        QCOMPARE(down.first().at(1).value<Qt::KeyboardModifiers>(), Qt::KeyboardModifiers(Qt::ShiftModifier));
        QCOMPARE(down.first().at(2).toPointF(), QPointF(10, 5));
        QCOMPARE(up.size(), 1);
        QCOMPARE(click.size(), 1);
        QTest::mouseDClick(&bar, Qt::LeftButton, {}, QPoint(10, 5));
        QCOMPARE(doubleClick.size(), 1);
    }
};

QTEST_MAIN(TestVorelProgress)
#include "tst_vorelprogress.moc"
