// The program installed the way desktop programs are: untouched under a prefix, working
// in each reader's own folder. The Debian package is made by the same install rules, so
// it is checked for its contents and its dependencies, not run a second time.

#include "core/Connection.h"
#include "core/DataSource.h"
#include "support/FailingFileOperations.h"
#include "core/ProgramFolder.h"
#include "core/ReaderFolder.h"
#include "support/ScriptedPlatform.h"
#include "support/TestHelpers.h"
#include "core/SingleInstance.h"
#include "support/TestProgramFolder.h"
#include "memorise/UserDatabase.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// What makes it a desktop program, under share/: its menu entry, its description for
// software centres and its icons.
const QStringList DesktopFiles = {QStringLiteral("applications/org.velmora.Velmora.desktop"),
                                  QStringLiteral("metainfo/org.velmora.Velmora.metainfo.xml"),
                                  QStringLiteral("icons/hicolor/256x256/apps/org.velmora.Velmora.png"),
                                  QStringLiteral("icons/hicolor/scalable/apps/org.velmora.Velmora.svg")};
const QString User = QStringLiteral("hafiz");

// Runs a command to its end; its output when it failed.
QString run(const QString &program, const QStringList &arguments, const QString &folder = {})
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(300000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return program + u' ' + arguments.join(u' ') + QStringLiteral(" failed:\n") + QString::fromLocal8Bit(process.readAll());
    return {};
}

QString output(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Every file under a folder with its size and time, to prove nothing was written there.
QStringList snapshot(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        files.append(QStringLiteral("%1 %2 %3").arg(info.filePath()).arg(info.size()).arg(info.lastModified().toMSecsSinceEpoch()));
    }
    files.sort();
    return files;
}

// Starts an installed program offscreen with the reader's folder under `dataHome`,
// until `started` holds (or a minute passed), then ends it.
bool startInstalled(const QString &program, const QString &dataHome, const std::function<bool(qint64)> &started)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(program, {});
    if (!process.waitForStarted())
        return false;
    bool done = false;
    const QDeadlineTimer deadline(60000);
    while (!done && !deadline.hasExpired() && process.state() == QProcess::Running) {
        done = started(process.processId());
        if (!done)
            process.waitForFinished(50);
    }
    process.kill();
    process.waitForFinished();
    return done;
}

// Started with its data in `prefix`, the program works in the reader's folder: seeded,
// its databases opened from there, nothing written under the prefix, and the reader's
// records kept when a newer installed verse database replaces the reader's copy.
void checkInstalledProgram(const QString &prefix, const QString &dataHome)
{
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome));
    const QString reader = dataHome + QStringLiteral("/velmora");
    const QString program = prefix + QStringLiteral("/bin/velmora");
    const QStringList installed = snapshot(prefix);

    // The command-line search reads the installed data before the reader's folder exists.
    QCOMPARE(output(prefix + QStringLiteral("/bin/velmora-search"), {QStringLiteral("القيوم")}),
             QStringLiteral("2:255\n3:2\n20:111\n"));

    // Started: it holds the reader's quran.qu open.
    QVERIFY(startInstalled(program, dataHome, [&](qint64 pid) {
        const QFileInfoList open = QDir(QStringLiteral("/proc/%1/fd").arg(pid)).entryInfoList(QDir::System | QDir::Files);
        return std::any_of(open.cbegin(), open.cend(),
                           [&](const QFileInfo &fd) { return fd.symLinkTarget() == reader + QStringLiteral("/quran.qu"); });
    }));
    for (const QString &name : {"quran.qu", "Jthr.qu", "22.qut", "217.qut", "skn", "servers.ini", "db.mdb", "pic", "pic2"})
        QVERIFY2(QFileInfo::exists(reader + u'/' + name), qPrintable(name));
    QCOMPARE(snapshot(prefix), installed);
    QVERIFY(!installed.join(u'\n').contains(QStringLiteral("db.mdb")));

    // A reader of the program's folder, by the same start-up rule from the installed
    // program's folder.
    ScriptedPlatform platform;
    QVERIFY(ReaderFolder::setUp(platform, prefix + QStringLiteral("/bin")));
    QCOMPARE(ProgramFolder::path(), reader);
    QCOMPARE(UserDatabase(reader).run({createUserStatement(User)}), UserDatabase::Outcome::Done);

    Connection verses;
    QVERIFY(verses.openFile(prefix + QStringLiteral("/share/velmora/quran.qu")));
    QVERIFY(verses.execute(QStringLiteral("UPDATE DBversion SET DBversion = '999.0 (newer)'")));
    verses.close();
    QVERIFY(startInstalled(program, dataHome, [&](qint64) {
        return !QFileInfo::exists(reader + QStringLiteral("/newdb.qu"))
            && ReaderFolder::databaseVersion(reader) == QStringLiteral("999.0 (newer)");
    }));
    DataSource users;
    QVERIFY(users.openFile(userDatabaseFile(reader)));
    QVERIFY(users.runQuery(QStringLiteral("SELECT * FROM ") + User));
}

} // namespace

class TestInstall : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        clearSettings();
    }

    void installedPrefix()
    {
        QTemporaryDir prefix;
        QTemporaryDir dataHome;
        const QString failure = run(QStringLiteral(VELMORA_CMAKE),
                                    {QStringLiteral("--install"), QStringLiteral(VELMORA_BUILD_DIR), QStringLiteral("--prefix"), prefix.path()});
        QVERIFY2(failure.isEmpty(), qPrintable(failure));

        const QString share = prefix.path() + QStringLiteral("/share/");
        for (const QString &file : DesktopFiles)
            QVERIFY2(QFileInfo::exists(share + file), qPrintable(file));
        QCOMPARE(QImage(share + DesktopFiles.at(2)).size(), QSize(256, 256));
        QString invalid = run(QStringLiteral("desktop-file-validate"), {share + DesktopFiles.at(0)});
        QVERIFY2(invalid.isEmpty(), qPrintable(invalid));
        invalid = run(QStringLiteral("appstreamcli"), {QStringLiteral("validate"), QStringLiteral("--no-net"), share + DesktopFiles.at(1)});
        QVERIFY2(invalid.isEmpty(), qPrintable(invalid));

        checkInstalledProgram(prefix.path(), dataHome.path());
    }

    void seeding()
    {
        QTemporaryDir root;
        const QString installed = root.filePath(QStringLiteral("share/velmora"));
        QDir().mkpath(installed);
        for (const QString &name : {"quran.qu", "Jthr.qu", "skn", "servers.ini"})
            QVERIFY(QFile::copy(QStringLiteral(VELMORA_BUILD_DIR "/") + name, installed + u'/' + name));
        const QString reader = root.filePath(QStringLiteral("reader"));
        QDir().mkpath(reader);
        writeFile(reader + QStringLiteral("/servers.ini"), "[Servers]\n");

        // A disk that fills halfway (with skn, after Jthr.qu and quran.qu) leaves nothing
        // behind, and the reader is told why.
        FailingFileOperations fullDisk;
        fullDisk.bytesUntilFull = QFileInfo(installed + QStringLiteral("/Jthr.qu")).size()
            + QFileInfo(installed + QStringLiteral("/quran.qu")).size() + 100;
        ReaderFolder::Seeding seeding = ReaderFolder::seed(installed, reader, fullDisk);
        QVERIFY(!seeding.canStart);
        QVERIFY2(seeding.problem.contains(QStringLiteral("skn")) && seeding.problem.contains(QStringLiteral("تعذر")),
                 qPrintable(seeding.problem));
        QCOMPARE(QDir(reader).entryList(QDir::Files, QDir::Name), QStringList{QStringLiteral("servers.ini")});

        // Then it seeds what is missing and never overwrites the reader's own files.
        seeding = ReaderFolder::seed(installed, reader);
        QVERIFY(seeding.canStart && seeding.problem.isEmpty());
        QCOMPARE(QDir(reader).entryList(QDir::Files, QDir::Name),
                 (QStringList{QStringLiteral("Jthr.qu"), QStringLiteral("db.mdb"), QStringLiteral("quran.qu"),
                              QStringLiteral("servers.ini"), QStringLiteral("skn")}));
        QCOMPARE(QFileInfo(reader + QStringLiteral("/servers.ini")).size(), 10);
        // The same version installed is not newer: no pending update.
        QVERIFY(ReaderFolder::seed(installed, reader).problem.isEmpty());
        QVERIFY(!QFileInfo::exists(reader + QStringLiteral("/newdb.qu")));

        QVERIFY(ReaderFolder::isNewerVersion(QStringLiteral("1.0 (quran-json 3.1.10)"), QStringLiteral("1.0 (quran-json 3.1.2)")));
        QVERIFY(ReaderFolder::isNewerVersion(QStringLiteral("1.0"), QString()));
        QVERIFY(!ReaderFolder::isNewerVersion(QStringLiteral("1.0 (quran-json 3.1.2)"), QStringLiteral("2.0 (quran-json 3.0.0)")));

        // A folder holding quran.qu is its own program folder (the installed program's
        // is the reader's: checkInstalledProgram).
        qputenv("XDG_DATA_HOME", QFile::encodeName(root.filePath(QStringLiteral("data"))));
        QCOMPARE(ReaderFolder::programFolderFor(reader), reader);

        // A second copy started while the first one runs (or seeds) touches nothing.
        SingleInstance first;
        QVERIFY(first.tryLock());
        ScriptedPlatform platform;
        QVERIFY(!ReaderFolder::setUp(platform, root.filePath(QStringLiteral("bin"))));
        QCOMPARE(platform.messages.size(), 1);
        QVERIFY(!QFileInfo::exists(root.filePath(QStringLiteral("data/velmora"))));
    }

    void debianPackage()
    {
        QTemporaryDir work;
        const QString failure = run(QStringLiteral(VELMORA_CPACK), {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("-B"), work.path()},
                                    QStringLiteral(VELMORA_BUILD_DIR));
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        const QStringList packages = QDir(work.path()).entryList({QStringLiteral("velmora_*_amd64.deb")});
        QCOMPARE(packages.size(), 1);
        const QString package = work.filePath(packages.first());

        // The prefix's files under /usr: a program, its data and its menu entry stand for all.
        const QString contents = output(QStringLiteral("dpkg-deb"), {QStringLiteral("--contents"), package});
        for (const QString &file : {QStringLiteral("./usr/bin/velmora"), QStringLiteral("./usr/share/velmora/quran.qu"),
                                    QStringLiteral("./usr/share/") + DesktopFiles.at(0)})
            QVERIFY2(contents.contains(file + u'\n'), qPrintable(file));
        // The libraries come from the linked program, not from a hand-written list.
        const QString depends = output(QStringLiteral("dpkg-deb"), {QStringLiteral("--field"), package, QStringLiteral("Depends")});
        QVERIFY2(depends.contains(QStringLiteral("libqt6widgets6")) && depends.contains(QStringLiteral("libc6")), qPrintable(depends));
    }
};

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
