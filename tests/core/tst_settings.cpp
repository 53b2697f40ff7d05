#include "core/ProgramFolder.h"
#include "core/Servers.h"
#include "core/Settings.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class TestSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // The test's own settings folder (XDG_CONFIG_HOME) starts empty.
        QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Velmora5"), QStringLiteral("Velmora5")).clear();
    }

    void valuesRoundTripAsText()
    {
        QCOMPARE(Settings::value(QStringLiteral("Key"), QStringLiteral("default")), QStringLiteral("default"));
        const QStringList values = {QStringLiteral("True"), QStringLiteral("FALSE"), QStringLiteral("10.5"),
                                    QStringLiteral("FF8000"), QStringLiteral("15^203^604^"),
                                    QStringLiteral("http://example.invalid/a b/"), QStringLiteral("  padded "),
                                    QStringLiteral("أميري"), QStringLiteral("a=b;c,d"), QString()};
        for (const QString &value : values) {
            Settings::setValue(QStringLiteral("Key"), value);
            QCOMPARE(Settings::value(QStringLiteral("Key"), QStringLiteral("default")), value);
        }
        // Stored under application "Velmora5", section "Setting", where other copies look.
        Settings::setValue(QStringLiteral("FontSize"), QStringLiteral("18"));
        QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Velmora5"), QStringLiteral("Velmora5"));
        QCOMPARE(store.value(QStringLiteral("Setting/FontSize")).toString(), QStringLiteral("18"));
        QVERIFY(store.fileName().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));
    }

    void lostWritesAreReported()
    {
        const QString file = QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Velmora5"),
                                       QStringLiteral("Velmora5")).fileName();
        // A folder where the settings file belongs: nothing can be written there.
        QFile::remove(file);
        QVERIFY(QDir().mkpath(file));
        QString reported;
        Settings::setWriteFailureHandler([&](const QString &key) { reported = key; });
        QVERIFY(!Settings::setValue(QStringLiteral("FontSize"), QStringLiteral("20")));
        QCOMPARE(reported, QStringLiteral("FontSize"));

        QVERIFY(QDir(file).removeRecursively());
        reported.clear();
        QVERIFY(Settings::setValue(QStringLiteral("FontSize"), QStringLiteral("20")));
        QVERIFY(reported.isEmpty());
        Settings::setWriteFailureHandler({});
    }

    void serversFallBackToTheLocalSite()
    {
        QTemporaryDir folder;
        ProgramFolder::setPath(folder.path());
        const Servers defaults = Servers::load();
        QCOMPARE(defaults.updateServer, Servers::localSite());
        QCOMPARE(defaults.connectivityProbe, QUrl(Servers::localSite()));
        QVERIFY(defaults.playerCommand.isEmpty());
        // The local site holds no recitations: no recitation server unless one is set.
        QVERIFY(defaults.wholeSuraPlayBase.isEmpty() && defaults.partialRecitationBase.isEmpty());

        QFile ini(ProgramFolder::file(QStringLiteral("servers.ini")));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Servers]\nUpdateServer=http://updates.example.org/velmora\nPageImageServer=\nPlayerCommand=vlc\n");
        ini.close();
        const Servers configured = Servers::load();
        QCOMPARE(configured.updateServer, QStringLiteral("http://updates.example.org/velmora/"));
        QCOMPARE(configured.pageImageServer, Servers::localSite());
        QCOMPARE(configured.playerCommand, QStringLiteral("vlc"));
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
