#include "controls/SearchBox.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QSignalSpy>
#include <QTest>

namespace {

// Arabic text cannot go through QTest::keyClicks here; each character is sent alone.
void type(QLineEdit *field, const QString &text)
{
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

// Counts the Enter presses that reach the widget it watches.
class EnterCounter : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        const auto *key = static_cast<QKeyEvent *>(event);
        count += event->type() == QEvent::KeyPress && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter);
        return false;
    }
};

QLineEdit *field(const SearchBox &box)
{
    return box.findChild<QLineEdit *>(QStringLiteral("txtSearchText"));
}

QAbstractButton *button(const SearchBox &box, const char *name)
{
    return box.findChild<QAbstractButton *>(QLatin1String(name));
}

} // namespace

class TestSearchBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void typingPauseSearchesOnceWithTheTrimmedText()
    {
        SearchBox box;
        QSignalSpy searched(&box, &SearchBox::SearchRequested);
        QAbstractButton *clear = button(box, "imgSearchClearButton");
        QVERIFY(clear->isHidden());

        // The default pause of one second counts from the last change.
        type(field(box), QStringLiteral("قل"));
        QVERIFY(!clear->isHidden());
        QTest::qWait(500);
        type(field(box), QStringLiteral("ب "));
        QTest::qWait(500);
        QCOMPARE(searched.count(), 0);
        QVERIFY(searched.wait(2000));
        QCOMPARE(searched.at(0).at(0).toString(), QStringLiteral("قلب"));
        QVERIFY(!searched.wait(1500)); // one search per pause
        QCOMPARE(box.text(), QStringLiteral("قلب "));
        QVERIFY(!clear->isHidden());

        // A shorter pause takes effect; text that is no number of milliseconds is ignored.
        box.setSearchTiggerInterval(QStringLiteral("250"));
        box.setSearchTiggerInterval(QStringLiteral("soon"));
        QCOMPARE(box.searchTiggerInterval(), QStringLiteral("250"));
        type(field(box), QStringLiteral("ي"));
        QVERIFY(searched.wait(900));
        QCOMPARE(searched.at(1).at(0).toString(), QStringLiteral("قلب ي"));
    }

    void enterSearchesAtOnceAndGoesNoFurther()
    {
        QWidget host;
        auto *box = new SearchBox(&host);
        box->setSearchTiggerInterval(QStringLiteral("200"));
        EnterCounter hostKeys;
        host.installEventFilter(&hostKeys);
        QShortcut hostShortcut(QKeySequence(Qt::Key_Return), &host);
        QSignalSpy shortcutUsed(&hostShortcut, &QShortcut::activated);
        QSignalSpy focused(box, &SearchBox::GotFocus);
        host.show();
        QVERIFY(QTest::qWaitForWindowActive(&host));
        box->setFocus();
        QCOMPARE(focused.count(), 1);

        QSignalSpy searched(box, &SearchBox::SearchRequested);
        type(field(*box), QStringLiteral("نور "));
        for (const Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter})
            QTest::keyClick(field(*box), enter);
        QCOMPARE(searched.count(), 2);
        QCOMPARE(searched.at(0).at(0).toString(), QStringLiteral("نور"));
        QCOMPARE(box->text(), QStringLiteral("نور "));
        QCOMPARE(hostKeys.count, 0);
        QCOMPARE(shortcutUsed.count(), 0);
        QVERIFY(!searched.wait(500)); // Enter also ended the pending pause
    }

    void blankEmptiedOrClearedTextCancels()
    {
        SearchBox box;
        box.setSearchTiggerInterval(QStringLiteral("200"));
        QSignalSpy searched(&box, &SearchBox::SearchRequested);
        QSignalSpy canceled(&box, &SearchBox::SearchCanceled);
        QAbstractButton *clear = button(box, "imgSearchClearButton");

        type(field(box), QStringLiteral("  "));
        QCOMPARE(box.text(), QString());
        QVERIFY(clear->isHidden());
        QCOMPARE(canceled.count(), 2); // once per blank, never twice for one change

        // Deleting the last letter, or the clear button, abandons the waiting search.
        type(field(box), QStringLiteral("ن"));
        QTest::keyClick(field(box), Qt::Key_Backspace);
        QCOMPARE(canceled.count(), 3);
        type(field(box), QStringLiteral("رحمة"));
        QTest::mouseClick(clear, Qt::LeftButton);
        QCOMPARE(box.text(), QString());
        QVERIFY(clear->isHidden());
        QCOMPARE(canceled.count(), 4);
        QVERIFY(!searched.wait(500));
    }

    void disabledOrMenuLessButtonsDoNothing()
    {
        SearchBox box;
        QSignalSpy dropDown(&box, &SearchBox::DropDownClick);
        QSignalSpy canceled(&box, &SearchBox::SearchCanceled);
        QAbstractButton *clear = button(box, "imgSearchClearButton");
        QAbstractButton *menu = button(box, "imgSearchDropDownButton");
        const QImage clearPicture = clear->grab().toImage();
        const QImage menuPicture = menu->grab().toImage();

        // Only the left button asks for the menu, and at once on the press.
        QTest::mouseClick(menu, Qt::RightButton);
        QCOMPARE(dropDown.count(), 0);
        QTest::mousePress(menu, Qt::LeftButton);
        QCOMPARE(dropDown.count(), 1);
        QTest::mouseRelease(menu, Qt::LeftButton);

        type(field(box), QStringLiteral("صبر"));
        box.setEnabled(false);
        QVERIFY(!field(box)->isEnabled());
        QVERIFY(clear->grab().toImage() != clearPicture);
        QVERIFY(menu->grab().toImage() != menuPicture);
        QTest::mouseClick(clear, Qt::LeftButton);
        QTest::mouseClick(menu, Qt::LeftButton);
        QCOMPARE(box.text(), QStringLiteral("صبر"));
        QCOMPARE(canceled.count(), 0);
        QCOMPARE(dropDown.count(), 1);

        box.setEnabled(true);
        QCOMPARE(clear->grab().toImage(), clearPicture);
        QCOMPARE(menu->grab().toImage(), menuPicture);

        // Without a menu the button shows another picture and asks for nothing.
        box.setPopupMenu(false);
        QVERIFY(menu->grab().toImage() != menuPicture);
        QTest::mouseClick(menu, Qt::LeftButton);
        QCOMPARE(dropDown.count(), 1);
    }

    void borderColour()
    {
        SearchBox box;
        box.resize(200, 23);
        const QImage surface = box.grab().toImage();
        QCOMPARE(surface.pixelColor(0, 0), QColor(127, 157, 185));
        QCOMPARE(surface.pixelColor(199, 22), QColor(127, 157, 185));
        QCOMPARE(surface.pixelColor(1, 1), QColor(Qt::white));
        QCOMPARE(box.searchTiggerInterval(), QStringLiteral("1000"));
    }
};

QTEST_MAIN(TestSearchBox)
#include "tst_searchbox.moc"
