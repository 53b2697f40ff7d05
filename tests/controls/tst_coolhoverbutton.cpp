#include "controls/CoolHoverButton.h"

#include <QCursor>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

const QColor LightGray(224, 224, 224);
const QColor IdleFill(192, 192, 255);
const QColor IdleBorder(0, 0, 128);
const QColor PressedBorder(64, 64, 64);

std::unique_ptr<CoolHoverButton> makeButton(bool gray)
{
    auto button = gray ? std::make_unique<CoolHoverButtonGray>() : std::make_unique<CoolHoverButton>();
    button->setCaption(QStringLiteral("عن البرنامج"));
    button->resize(160, 40);
    return button;
}

// The edge shows the highlight's border, just inside it its fill; both show the
// ground while the highlight is hidden.
QColor edge(QWidget &button)
{
    return button.grab().toImage().pixelColor(0, 0);
}

QColor inside(QWidget &button)
{
    return button.grab().toImage().pixelColor(3, 3);
}

void movePointer(QWidget &button, bool over)
{
    QTest::mouseMove(&button, over ? button.rect().center() : button.rect().bottomRight() + QPoint(50, 50));
}

// Shows the button as a window of its own, with the pointer elsewhere.
bool showAwayFromPointer(QWidget &button)
{
    button.move(100, 100);
    QCursor::setPos(QPoint(20, 20));
    button.show();
    return QTest::qWaitForWindowExposed(&button);
}

void sendMove(QWidget &button)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), button.mapToGlobal(QPointF(5, 5)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&button, &move);
}

// Press, release, double click, release: what the desktop sends for a double click.
void doubleClick(QWidget &button)
{
    QTest::mousePress(&button, Qt::LeftButton);
    QTest::mouseRelease(&button, Qt::LeftButton);
    QTest::mouseDClick(&button, Qt::LeftButton);
    QTest::mouseRelease(&button, Qt::LeftButton);
}

} // namespace

class TestCoolHoverButton : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void bothSchemes_data()
    {
        QTest::addColumn<bool>("gray");
        QTest::addColumn<QColor>("ground");
        QTest::addColumn<QColor>("pressedFill");
        QTest::newRow("CoolHoverButton") << false << QColor(Qt::white) << IdleFill;
        QTest::newRow("CoolHoverButtonGray") << true << LightGray << LightGray;
    }

    void eventsAreGatedByEnabled()
    {
        const auto button = makeButton(false);
        QSignalSpy clicked(button.get(), &CoolHoverButton::Click);
        QSignalSpy doubleClicked(button.get(), &CoolHoverButton::DblClick);
        QSignalSpy down(button.get(), &CoolHoverButton::MouseDown);
        QSignalSpy up(button.get(), &CoolHoverButton::MouseUp);
        QSignalSpy moved(button.get(), &CoolHoverButton::MouseMove);

        QTest::mouseClick(button.get(), Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(down.count(), 1);
        QCOMPARE(up.count(), 1);
        QCOMPARE(down.at(0).at(0).value<Qt::MouseButtons>(), Qt::MouseButtons(Qt::LeftButton));
        // Over the caption the position is still the button's own.
        QCOMPARE(down.at(0).at(2).toPointF(), QPointF(button->rect().center()));
        doubleClick(*button);
        QCOMPARE(clicked.count(), 2); // a double click is one click and one DblClick
        QCOMPARE(doubleClicked.count(), 1);
        sendMove(*button);
        QCOMPARE(moved.count(), 1);

        button->setEnabled(false);
        QTest::mouseClick(button.get(), Qt::LeftButton);
        doubleClick(*button);
        QCOMPARE(clicked.count(), 2);
        QCOMPARE(doubleClicked.count(), 1);
        QCOMPARE(down.count(), 2);
        QCOMPARE(up.count(), 3);
        sendMove(*button);
        QCOMPARE(moved.count(), 2);
    }

    void highlightFollowsThePointer_data() { bothSchemes_data(); }
    void highlightFollowsThePointer()
    {
        QFETCH(bool, gray);
        QFETCH(QColor, ground);
        const auto button = makeButton(gray);
        QVERIFY(showAwayFromPointer(*button));
        QCOMPARE(edge(*button), ground);

        movePointer(*button, true);
        QCOMPARE(edge(*button), IdleBorder);
        QCOMPARE(inside(*button), IdleFill);
        movePointer(*button, false);
        QCOMPARE(edge(*button), ground);
        QCOMPARE(inside(*button), ground);

        // A disabled button never lights up ...
        button->setEnabled(false);
        movePointer(*button, true);
        QCOMPARE(edge(*button), ground);
        sendMove(*button);
        QCOMPARE(edge(*button), ground);
        // ... and lights up once enabled under the pointer.
        button->setEnabled(true);
        QCOMPARE(edge(*button), IdleBorder);

        // Disabled while lit, it keeps the highlight; enabled away from the pointer, it drops it.
        button->setEnabled(false);
        movePointer(*button, false);
        QCOMPARE(edge(*button), IdleBorder);
        button->setEnabled(true);
        QCOMPARE(edge(*button), ground);
    }

    void pressedColours_data() { bothSchemes_data(); }
    void pressedColours()
    {
        QFETCH(bool, gray);
        QFETCH(QColor, pressedFill);
        const auto button = makeButton(gray);
        QVERIFY(showAwayFromPointer(*button));
        movePointer(*button, true);

        QTest::mousePress(button.get(), Qt::LeftButton);
        QCOMPARE(edge(*button), PressedBorder);
        QCOMPARE(inside(*button), pressedFill);
        QTest::mouseRelease(button.get(), Qt::LeftButton);
        QCOMPARE(edge(*button), IdleBorder);
        QCOMPARE(inside(*button), IdleFill);

        // A host that disables the button from MouseDown still gets the idle colours
        // back on release, without MouseUp or Click.
        QSignalSpy up(button.get(), &CoolHoverButton::MouseUp);
        QSignalSpy clicked(button.get(), &CoolHoverButton::Click);
        connect(button.get(), &CoolHoverButton::MouseDown, button.get(), [&] { button->setEnabled(false); });
        QTest::mousePress(button.get(), Qt::LeftButton);
        QCOMPARE(edge(*button), PressedBorder);
        QTest::mouseRelease(button.get(), Qt::LeftButton);
        QCOMPARE(edge(*button), IdleBorder);
        QCOMPARE(inside(*button), IdleFill);
        QCOMPARE(up.count(), 0);
        QCOMPARE(clicked.count(), 0);
    }

    void captionsAreLaidOut()
    {
        CoolHoverButton button;
        button.resize(200, 60);
        auto *main = button.findChild<QLabel *>(QStringLiteral("Go"));
        auto *second = button.findChild<QLabel *>(QStringLiteral("GO2"));

        // Only the main caption, centred, however long it grows.
        for (const QString &caption : {QStringLiteral("الجزء"), QStringLiteral("جمع سور / آيات للطباعة")}) {
            button.setCaption(caption);
            QVERIFY(second->isHidden());
            QVERIFY(main->width() >= main->sizeHint().width());
            QVERIFY(qAbs(main->geometry().center().x() - 100) <= 1);
            QVERIFY(qAbs(main->geometry().center().y() - 30) <= 1);
        }

        button.setCaption(QString());
        button.setCaptionSec(QStringLiteral("صفحة تسجيل الحفظ سوف تمكنك من حفظ و تسجيل الآيات"));
        QVERIFY(!second->isHidden());
        button.setCaptionSec(QString());
        QVERIFY(second->isHidden());

        // A disabled button serves as a description panel: it looks as it did enabled.
        button.setCaptionSec(QStringLiteral("معلومات عن ما تحفظ"));
        const QImage enabledLook = button.grab().toImage();
        button.setEnabled(false);
        QCOMPARE(button.grab().toImage(), enabledLook);
    }
};

QTEST_MAIN(TestCoolHoverButton)
#include "tst_coolhoverbutton.moc"
