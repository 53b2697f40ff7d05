// The program's own controls: the hover button, the search box, the progress bar and
// the help window.

#include "controls/CoolHoverButton.h"
#include "controls/FrmHelp.h"
#include "controls/SearchBox.h"
#include "controls/VorelProgress.h"
#include "core/ProgramState.h"
#include "support/TestHelpers.h"

#include <QAbstractButton>
#include <QCursor>
#include <QMouseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <memory>

namespace {

const QColor LightGray(224, 224, 224);
const QColor IdleFill(192, 192, 255);
const QColor IdleBorder(0, 0, 128);
const QColor PressedBorder(64, 64, 64);

// The edge shows the highlight's border, just inside it its fill; both show the
// ground while the highlight is hidden.
QColor pixel(QWidget &widget, int x, int y)
{
    return widget.grab().toImage().pixelColor(x, y);
}

void movePointer(QWidget &button, bool over)
{
    QTest::mouseMove(&button, over ? button.rect().center() : button.rect().bottomRight() + QPoint(50, 50));
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

// Arabic text cannot go through QTest::keyClicks here; each character is sent alone.
void type(const SearchBox &box, const QString &text)
{
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, box.findChild<QLineEdit *>(), Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

// The columns of a row clear of the text that are filled (not white).
int filledColumns(VorelProgress &bar)
{
    const QImage image = bar.grab().toImage();
    int filled = 0;
    for (int x = 0; x < image.width(); ++x)
        filled += image.pixelColor(x, 0) != QColor(Qt::white) ? 1 : 0;
    return filled;
}

} // namespace

class TestControls : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void hoverButton_data()
    {
        QTest::addColumn<bool>("gray");
        QTest::addColumn<QColor>("ground");
        QTest::addColumn<QColor>("pressedFill");
        QTest::newRow("CoolHoverButton") << false << QColor(Qt::white) << IdleFill;
        QTest::newRow("CoolHoverButtonGray") << true << LightGray << LightGray;
    }

    void hoverButton()
    {
        QFETCH(bool, gray);
        QFETCH(QColor, ground);
        QFETCH(QColor, pressedFill);
        const auto button = gray ? std::make_unique<CoolHoverButtonGray>() : std::make_unique<CoolHoverButton>();
        button->setCaption(QStringLiteral("عن البرنامج"));
        button->setGeometry(100, 100, 160, 40);
        QCursor::setPos(QPoint(20, 20)); // the pointer elsewhere
        button->show();
        QVERIFY(QTest::qWaitForWindowExposed(button.get()));
        const auto looks = [&](const QColor &edge, const QColor &inside) {
            return pixel(*button, 0, 0) == edge && pixel(*button, 3, 3) == inside;
        };
        QVERIFY(looks(ground, ground));

        // The highlight follows the pointer.
        movePointer(*button, true);
        QVERIFY(looks(IdleBorder, IdleFill));
        movePointer(*button, false);
        QVERIFY(looks(ground, ground));

        // A disabled button never lights up, and lights up once enabled under the pointer.
        button->setEnabled(false);
        movePointer(*button, true);
        QVERIFY(looks(ground, ground));
        sendMove(*button);
        QVERIFY(looks(ground, ground));
        button->setEnabled(true);
        QVERIFY(looks(IdleBorder, IdleFill));

        // Disabled while lit, it keeps the highlight; enabled away from the pointer, it drops it.
        button->setEnabled(false);
        movePointer(*button, false);
        QVERIFY(looks(IdleBorder, IdleFill));
        button->setEnabled(true);

        movePointer(*button, true);
        QTest::mousePress(button.get(), Qt::LeftButton);
        QVERIFY(looks(PressedBorder, pressedFill));
        QTest::mouseRelease(button.get(), Qt::LeftButton);
        QVERIFY(looks(IdleBorder, IdleFill));

        // Its events: a double click is one click and one DblClick; disabled, it raises
        // MouseMove only.
        QSignalSpy clicked(button.get(), &CoolHoverButton::Click);
        QSignalSpy doubleClicked(button.get(), &CoolHoverButton::DblClick);
        QSignalSpy down(button.get(), &CoolHoverButton::MouseDown);
        QSignalSpy up(button.get(), &CoolHoverButton::MouseUp);
        QSignalSpy moved(button.get(), &CoolHoverButton::MouseMove);
        QTest::mouseClick(button.get(), Qt::LeftButton);
        QCOMPARE(down.at(0).at(0).value<Qt::MouseButtons>(), Qt::MouseButtons(Qt::LeftButton));
        // Over the caption the position is still the button's own.
        QCOMPARE(down.at(0).at(2).toPointF(), QPointF(button->rect().center()));
        doubleClick(*button);
        sendMove(*button);
        button->setEnabled(false);
        QTest::mouseClick(button.get(), Qt::LeftButton);
        doubleClick(*button);
        sendMove(*button);
        QCOMPARE(moved.count(), 2);
        button->setEnabled(true);

        // A host that disables the button from MouseDown still gets the idle colours
        // back on release, without MouseUp or Click.
        connect(button.get(), &CoolHoverButton::MouseDown, button.get(), [&] { button->setEnabled(false); });
        QTest::mousePress(button.get(), Qt::LeftButton);
        QTest::mouseRelease(button.get(), Qt::LeftButton);
        QVERIFY(looks(IdleBorder, IdleFill));
        QCOMPARE(clicked.count(), 2);
        QCOMPARE(doubleClicked.count(), 1);
        QCOMPARE(down.count(), 3);
        QCOMPARE(up.count(), 3);
    }

    void hoverButtonCaptions()
    {
        CoolHoverButton button;
        button.resize(200, 60);
        auto *main = button.findChild<QLabel *>(QStringLiteral("Go"));
        auto *second = button.findChild<QLabel *>(QStringLiteral("GO2"));

        // Only the main caption, centred, however long it grows.
        button.setCaption(QStringLiteral("جمع سور / آيات للطباعة"));
        QVERIFY(second->isHidden());
        QVERIFY(main->width() >= main->sizeHint().width());
        QVERIFY(qAbs(main->geometry().center().x() - 100) <= 1);
        QVERIFY(qAbs(main->geometry().center().y() - 30) <= 1);

        button.setCaption(QString());
        button.setCaptionSec(QStringLiteral("صفحة تسجيل الحفظ سوف تمكنك من حفظ و تسجيل الآيات"));
        QVERIFY(!second->isHidden());

        // A disabled button serves as a description panel: it looks as it did enabled.
        button.setCaptionSec(QStringLiteral("معلومات عن ما تحفظ"));
        const QImage enabledLook = button.grab().toImage();
        button.setEnabled(false);
        QCOMPARE(button.grab().toImage(), enabledLook);
    }

    // The search waits for a pause in typing, measured from the last change, and runs
    // once per pause with the trimmed text; Enter searches at once and goes no further.
    void searchBoxSearches()
    {
        QWidget host;
        auto *box = new SearchBox(&host);
        box->resize(200, 23);
        QCOMPARE(pixel(*box, 0, 0), QColor(127, 157, 185));
        QCOMPARE(pixel(*box, 199, 22), QColor(127, 157, 185));
        QCOMPARE(pixel(*box, 1, 1), QColor(Qt::white));
        // The text box ignores Enter after handling it, so the host would get it next.
        QSignalSpy handedOn(box->findChild<QLineEdit *>(), &QLineEdit::returnPressed);
        QShortcut hostShortcut(QKeySequence(Qt::Key_Return), &host);
        QSignalSpy shortcutUsed(&hostShortcut, &QShortcut::activated);
        QSignalSpy focused(box, &SearchBox::GotFocus);
        QSignalSpy searched(box, &SearchBox::SearchRequested);
        host.show();
        QVERIFY(QTest::qWaitForWindowActive(&host));
        box->setFocus();
        QCOMPARE(focused.count(), 1);
        auto *pause = child<QTimer>(box, "tmrSearchInterval");
        auto *clear = child<QAbstractButton>(box, "imgSearchClearButton");
        QVERIFY(clear->isHidden());

        type(*box, QStringLiteral("قل"));
        QVERIFY(!clear->isHidden());
        QVERIFY(pause->isActive() && pause->interval() == 1000);
        QTest::qWait(200);
        type(*box, QStringLiteral("ب "));
        QVERIFY2(pause->remainingTime() > 800, "the pause starts again at each change");

        // A shorter pause takes effect; text that is no number of milliseconds is ignored.
        box->setSearchTiggerInterval(QStringLiteral("50"));
        box->setSearchTiggerInterval(QStringLiteral("soon"));
        QCOMPARE(box->searchTiggerInterval(), QStringLiteral("50"));
        QVERIFY(searched.wait(2000));
        QCOMPARE(searched.at(0).at(0).toString(), QStringLiteral("قلب"));
        QVERIFY(!pause->isActive()); // one search per pause
        type(*box, QStringLiteral("ي"));
        QVERIFY(searched.wait(2000));

        type(*box, QStringLiteral(" نور "));
        for (const Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter})
            QTest::keyClick(box->findChild<QLineEdit *>(), enter);
        QCOMPARE(searched.count(), 4);
        QCOMPARE(searched.at(2).at(0).toString(), QStringLiteral("قلب ي نور"));
        QCOMPARE(box->text(), QStringLiteral("قلب ي نور "));
        QCOMPARE(handedOn.count(), 0);
        QCOMPARE(shortcutUsed.count(), 0);
        QVERIFY(!pause->isActive()); // Enter also ended the pending pause
    }

    void searchBoxCancelsAndDisables()
    {
        SearchBox box;
        QSignalSpy searched(&box, &SearchBox::SearchRequested);
        QSignalSpy canceled(&box, &SearchBox::SearchCanceled);
        auto *clear = child<QAbstractButton>(&box, "imgSearchClearButton");

        type(box, QStringLiteral("  "));
        QCOMPARE(box.text(), QString());
        QVERIFY(clear->isHidden());
        QCOMPARE(canceled.count(), 2); // once per blank, never twice for one change

        // Deleting the last letter, or the clear button, abandons the waiting search.
        type(box, QStringLiteral("ن"));
        QTest::keyClick(box.findChild<QLineEdit *>(), Qt::Key_Backspace);
        QVERIFY(!child<QTimer>(&box, "tmrSearchInterval")->isActive());
        type(box, QStringLiteral("رحمة"));
        QTest::mouseClick(clear, Qt::LeftButton);
        QCOMPARE(canceled.count(), 4);

        // Disabled, or without a menu, its buttons do nothing.
        QSignalSpy dropDown(&box, &SearchBox::DropDownClick);
        auto *menu = child<QAbstractButton>(&box, "imgSearchDropDownButton");
        const QImage clearPicture = clear->grab().toImage();
        const QImage menuPicture = menu->grab().toImage();

        // The menu is asked for at once on the press.
        QTest::mousePress(menu, Qt::LeftButton);
        QCOMPARE(dropDown.count(), 1);
        QTest::mouseRelease(menu, Qt::LeftButton);

        type(box, QStringLiteral("صبر"));
        box.setEnabled(false);
        QVERIFY(clear->grab().toImage() != clearPicture);
        QVERIFY(menu->grab().toImage() != menuPicture);
        QTest::mouseClick(clear, Qt::LeftButton);
        QTest::mouseClick(menu, Qt::LeftButton);
        QCOMPARE(box.text(), QStringLiteral("صبر"));
        QCOMPARE(canceled.count(), 4);
        QCOMPARE(dropDown.count(), 1);

        box.setEnabled(true);
        QCOMPARE(menu->grab().toImage(), menuPicture);

        // Without a menu the button shows another picture and asks for nothing.
        box.setPopupMenu(false);
        QVERIFY(menu->grab().toImage() != menuPicture);
        QTest::mouseClick(menu, Qt::LeftButton);
        QCOMPARE(dropDown.count(), 1);
    }

    void progressBar()
    {
        VorelProgress bar;
        bar.resize(200, 20);
        bar.show();
        QCOMPARE(filledColumns(bar), 0);
        bar.setValue(45);
        QCOMPARE(bar.percentageText(), QStringLiteral("45%"));
        QCOMPARE(filledColumns(bar), 90);
        QCOMPARE(progressPercentageText(2, 3), QStringLiteral("67%"));
        // A half goes to the even neighbour.
        QCOMPARE(progressPercentageText(1, 8), QStringLiteral("12%"));
        QCOMPARE(progressPercentageText(3, 8), QStringLiteral("38%"));
        QCOMPARE(progressFillWidth(5, 0, 10, 33), 16);

        // Writes out of range are refused.
        bar.setValue(45);
        for (int refused : {101, -1})
            bar.setValue(refused);
        QCOMPARE(bar.value(), 45);
        for (int refused : {-5, 100})
            bar.setMinimum(refused);
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

        // 300 x 100 twips asked, 500 x 180 twips kept (15 twips a pixel).
        bar.resize(20, 7);
        QCOMPARE(bar.size(), QSize(33, 12));

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

    void helpTopics()
    {
        ProgramState state;
        QWidget owner;
        owner.show();
        // The topic, the page it opens on and words of that page; an unknown topic
        // shows the pages as laid out.
        const QList<std::tuple<int, QLatin1String, QString>> topics = {
            {1, QLatin1String("Frame1"), QStringLiteral("مجال البحث")},
            {15, QLatin1String("Frame2"), QStringLiteral("ملخص الحفظ")},
            {30, QLatin1String("Frame3"), QStringLiteral("جمع الآيات المختارة")},
            {7, QLatin1String("Frame1"), QStringLiteral("مجال البحث")},
        };
        FrmHelp *help = nullptr;
        for (const auto &[topic, page, mentions] : topics) {
            help = showHelp(state, topic, &owner);
            for (const char *name : {"Frame1", "Frame2", "Frame3"}) {
                auto *frame = child<QTextBrowser>(help, name);
                QVERIFY2(frame->isVisible() == (page == QLatin1String(name)), name);
                if (frame->isVisible())
                    QVERIFY(frame->toPlainText().contains(mentions));
            }
        }
        QCOMPARE(help->windowModality(), Qt::WindowModal);

        // The one button closes the window, which then goes away.
        QPointer<FrmHelp> alive(help);
        child<QPushButton>(help, "Command1")->click();
        QVERIFY(!help->isVisible());
        QTRY_VERIFY(alive.isNull());
    }
};

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
