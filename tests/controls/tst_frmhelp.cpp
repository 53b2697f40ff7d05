#include "controls/FrmHelp.h"
#include "core/ProgramState.h"
#include "support/TestHelpers.h"

#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QWidget>

class TestFrmHelp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void topics_data()
    {
        QTest::addColumn<int>("topic");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("search") << 1 << "Frame1" << "مجال البحث";
        QTest::newRow("tracker") << 15 << "Frame2" << "ملخص الحفظ";
        QTest::newRow("lookup and gathering") << 30 << "Frame3" << "جمع الآيات المختارة";
        QTest::newRow("unknown topic: as laid out") << 7 << "Frame1" << "مجال البحث";
    }

    void topics()
    {
        QFETCH(int, topic);
        QFETCH(QString, page);
        QFETCH(QString, mentions);
        ProgramState state;
        QWidget owner;
        owner.show();
        FrmHelp *help = showHelp(state, topic, &owner);
        QCOMPARE(state.HelpTopic, topic);
        QVERIFY(help->isVisible());
        QCOMPARE(help->windowModality(), Qt::WindowModal);
        for (const char *name : {"Frame1", "Frame2", "Frame3"}) {
            auto *frame = child<QTextBrowser>(help, name);
            QCOMPARE(frame->isVisible(), page == QLatin1String(name));
            if (frame->isVisible())
                QVERIFY(frame->toPlainText().contains(mentions));
        }

        // The one button closes the window, which then goes away.
        QPointer<FrmHelp> alive(help);
        auto *close = child<QPushButton>(help, "Command1");
        QCOMPARE(close->text(), QStringLiteral("إغلاق النافذة"));
        close->click();
        QVERIFY(!help->isVisible());
        QTRY_VERIFY(alive.isNull());
    }
};

QTEST_MAIN(TestFrmHelp)
#include "tst_frmhelp.moc"
