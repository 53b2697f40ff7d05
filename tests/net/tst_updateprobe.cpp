// Closing the update window while its connectivity probe runs. CI runs this test a
// second time under AddressSanitizer (scripts/test), where touching the closed window
// would stop it.

#include "net/FrmUpdate.h"
#include "support/LocalHttpServer.h"
#include "core/ProgramState.h"
#include "shell/QtPlatform.h"
#include "support/TestHelpers.h"
#include "support/TestProgramFolder.h"

#include <QPointer>
#include <QPushButton>
#include <QTest>

class TestUpdateProbe : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Closing the window while the connectivity probe runs: the probe's answer finds no
    // window and does nothing (this once freed the window inside the probe's own loop).
    void closingDuringTheProbe()
    {
        TestProgramFolder folder(QStringList{});
        LocalHttpServer server;
        folder.write(QStringLiteral("servers.ini"), QStringLiteral("[Servers]\nConnectivityProbe=%1\n").arg(server.url()).toUtf8());
        ProgramState state;

        // The real probe, on its own: a context gone before the answer hears nothing.
        QtPlatform real;
        bool lostHeard = false;
        auto *context = new QObject;
        real.probeConnection(QUrl(server.url()), context, [&](bool) { lostHeard = true; });
        delete context;
        bool heard = false;
        QObject kept;
        const auto probe = [&] { real.probeConnection(QUrl(server.url()), &kept, [&](bool answered) { heard = answered; }); };
        probe();
        QTRY_VERIFY(heard);
        QVERIFY(!lostHeard);

        // The window, closed by its button before the answer comes. A probe sent after
        // it is answered after it, so by then the window would have asked.
        QPointer<FrmUpdate> window = new FrmUpdate(real, state, server.url(), [] {});
        window->open();
        window->Check();
        QVERIFY(window->isChecking());
        QTest::mouseClick(child<QPushButton>(window, "Command1"), Qt::LeftButton);
        QTRY_VERIFY(window.isNull());
        heard = false;
        probe();
        QTRY_VERIFY(heard);
        QVERIFY(!server.requests.contains(QStringLiteral("/communication/update/update5.0.php")));
    }
};

QTEST_MAIN(TestUpdateProbe)
#include "tst_updateprobe.moc"
