#include "CoolHoverButton.h"
#include "DisplayFont.h"
#include "FrmMain.h"
#include "ProgramState.h"
#include "ResultsFrame.h"
#include "ScriptedPlatform.h"
#include "TestHelpers.h"
#include "SideBarStacking.h"
#include "SingleInstance.h"
#include "TestProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

QStringList menuRows(FrmMain &window)
{
    QStringList rows;
    auto *menu = child<QListWidget>(&window, "lstMenu");
    for (int i = 0; i < menu->count(); ++i)
        rows.append(menu->item(i)->text());
    return rows;
}

QList<QWidget *> visibleContentFrames(FrmMain &window)
{
    QList<QWidget *> shown;
    for (const char *name : {"FrmMain", "FrmOptions", "FrmProSearch", "FrmLst2Quran", "FrmSubBook", "FrmCollect1",
                             "FrmDownloadT", "FrmAbout"}) {
        QWidget *frame = name == QLatin1String("FrmMain") ? window.findChild<ResultsFrame *>() : child<QWidget>(&window, name);
        if (frame->isVisibleTo(&window))
            shown.append(frame);
    }
    return shown;
}

// What one run of the program is made of, in the order it must be made.
struct Program {
    ScriptedPlatform platform;
    ProgramState state;
    FrmMain window{platform, state};
};

} // namespace

class TestFrmMain : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        clearSettings();
    }

    void firstStart()
    {
        TestProgramFolder folder;
        Program program;
        auto &[platform, state, window] = program;
        QVERIFY(window.Form_Load());
        window.show();

        QVERIFY(platform.messages.isEmpty());
        QCOMPARE(window.size(), QSize(731, 450));
        QCOMPARE(window.layoutDirection(), Qt::RightToLeft);
        QVERIFY(QFileInfo(folder.file(QStringLiteral("pic"))).isDir());
        QVERIFY(QFileInfo(folder.file(QStringLiteral("pic2"))).isDir());
        QVERIFY(platform.keyboardLayouts.contains(QStringLiteral("00000401")));

        QCOMPARE(menuRows(window), (QStringList{QStringLiteral("تحميل ترجمة جديدة"), QStringLiteral(" ---------------------")}));
        QCOMPARE(window.findChild<ResultsFrame *>()->MenuSlideSteps(), 76);

        const QFont font = child<QLineEdit>(&window, "Text1")->font();
        QCOMPARE(font.family(), QStringLiteral("Tahoma"));
        QCOMPARE(font.pointSizeF(), 16.0);
        QVERIFY(!font.bold() && !font.italic());
        QCOMPARE(state.HighlightColor, QStringLiteral("#FF0000"));
        QCOMPARE(state.SearchScope, 0);

        // Header 0 open, the results frame alone, the commentary box closed.
        const auto *bar = window.findChild<SideBar *>();
        QCOMPARE(bar->CurrentStrip(), 0);
        QCOMPARE(stacking(*bar), QStringLiteral("tbbbbbbb"));
        QCOMPARE(visibleContentFrames(window), QList<QWidget *>{window.findChild<ResultsFrame *>()});
        QVERIFY(!child<QWidget>(&window, "Text2")->isVisibleTo(&window));
        QCOMPARE(child<QWidget>(&window, "suraayaalist")->height(), 353);

        // The window keeps its size whatever is asked of it.
        window.resize(1000, 700);
        QCOMPARE(window.size(), QSize(731, 450));
    }

    void installedTranslations_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("slideSteps");
        QTest::addColumn<bool>("widened");
        QStringList eight;
        for (int n = 0; n < 8; ++n)
            eight.append(QStringLiteral("2%1.qut").arg(n));
        QTest::newRow("eight files: ten rows") << eight << 10 << 76 << false;
        QTest::newRow("nine files: eleven rows") << (eight + QStringList{QStringLiteral("28.qut")}) << 11 << 85 << true;
        QTest::newRow("names without a catalogue number are skipped")
            << QStringList{QStringLiteral("notes.qut"), QStringLiteral("2x.qut"), QStringLiteral("25.qut")} << 3 << 76 << false;
    }

    void installedTranslations()
    {
        QFETCH(QStringList, files);
        QFETCH(int, rows);
        QFETCH(int, slideSteps);
        QFETCH(bool, widened);
        TestProgramFolder folder;
        for (const QString &file : files)
            folder.write(file, QByteArray());
        ScriptedPlatform platform;
        ProgramState state;

        FrmMain plain(platform, state);
        const QRect designGeometry = child<QListWidget>(&plain, "lstMenu")->geometry();

        FrmMain window(platform, state);
        QVERIFY(window.Form_Load());
        QCOMPARE(menuRows(window).size(), rows);
        QCOMPARE(window.findChild<ResultsFrame *>()->MenuSlideSteps(), slideSteps);
        const QRect geometry = child<QListWidget>(&window, "lstMenu")->geometry();
        if (widened) {
            QCOMPARE(geometry.width(), designGeometry.width() + 12);
            QCOMPARE(geometry.x(), designGeometry.x() - 12);
        } else {
            QCOMPARE(geometry, designGeometry);
        }
    }

    void translationNamesComeFromTheCatalogue()
    {
        TestProgramFolder folder;
        folder.write(QStringLiteral("210.qut"), QByteArray());
        folder.write(QStringLiteral("25.qut"), QByteArray());
        Program program;
        auto &[platform, state, window] = program;
        QVERIFY(window.Form_Load());
        QCOMPARE(menuRows(window).mid(2), (QStringList{QStringLiteral("اللغة المكسيكية"), QStringLiteral("اللغة الألمانية")}));
    }

    void pendingUpdateInstalledOnce()
    {
        TestProgramFolder folder;
        folder.copyBuilt(QStringLiteral("quran.qu"), QStringLiteral("newdb.qu"));
        ScriptedPlatform platform;
        ProgramState state;
        {
            FrmMain window(platform, state);
            QVERIFY(window.Form_Load());
        }
        QCOMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.messages.first().text, QStringLiteral("تم الإنتهاء من عملية التحديث بنجاح شكرا لك"));
        QCOMPARE(platform.messages.first().title, QStringLiteral("التحديث"));
        QVERIFY(!QFileInfo::exists(folder.file(QStringLiteral("newdb.qu"))));
        {
            FrmMain again(platform, state);
            QVERIFY(again.Form_Load());
        }
        QCOMPARE(platform.messages.size(), 1);
    }

    void unusableUpdateKeepsTheOldDatabase()
    {
        TestProgramFolder folder;
        folder.write(QStringLiteral("newdb.qu"), "<html>Not Found</html>");
        Program program;
        auto &[platform, state, window] = program;
        QVERIFY(window.Form_Load());
        QCOMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.messages.first().title, QStringLiteral("التحديث"));
        QCOMPARE(platform.messages.first().icon, Platform::Icon::Warning);
        QVERIFY(!QFileInfo::exists(folder.file(QStringLiteral("newdb.qu"))));
        QCOMPARE(QDir(folder.path()).entryList({QStringLiteral("newdb.qu.rejected-*")}).size(), 1);
    }

    void failedInstallationIsReportedAndTriedAgain()
    {
        TestProgramFolder folder;
        folder.copyBuilt(QStringLiteral("quran.qu"), QStringLiteral("newdb.qu"));
        ScriptedPlatform platform;
        platform.fileOperations.refusedRenameTargets = {QStringLiteral("quran.qu")};
        ProgramState state;
        {
            FrmMain window(platform, state);
            QVERIFY(window.Form_Load());
        }
        QCOMPARE(platform.messages.size(), 1);
        QVERIFY(platform.messages.first().text.startsWith(QStringLiteral("لم يتم تركيب تحديث قاعدة البيانات")));
        QCOMPARE(platform.messages.first().icon, Platform::Icon::Warning);
        QVERIFY(QFileInfo::exists(folder.file(QStringLiteral("newdb.qu"))));

        platform.fileOperations.refusedRenameTargets.clear();
        {
            FrmMain again(platform, state);
            QVERIFY(again.Form_Load());
        }
        QCOMPARE(platform.messages.last().text, QStringLiteral("تم الإنتهاء من عملية التحديث بنجاح شكرا لك"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("quran.qu")});
    }

    void existingCachesAreLeftAlone()
    {
        TestProgramFolder folder;
        QDir(folder.path()).mkpath(QStringLiteral("pic2"));
        folder.write(QStringLiteral("pic2/007.jpg"), "page");
        Program program;
        auto &[platform, state, window] = program;
        QVERIFY(window.Form_Load());
        QVERIFY(QFileInfo::exists(folder.file(QStringLiteral("pic2/007.jpg"))));
        QVERIFY(QFileInfo(folder.file(QStringLiteral("pic"))).isDir());
    }

    void refusedStarts()
    {
        {
            TestProgramFolder folder;
            SingleInstance first;
            QVERIFY(first.tryLock());
            ScriptedPlatform platform;
            ProgramState state;
            FrmMain second(platform, state);
            QVERIFY(!second.Form_Load());
            QCOMPARE(platform.messages.size(), 1);
            QCOMPARE(platform.messages.first().text, QStringLiteral("لا يمكن تشغيل أكثر من نسخة من البرنامج"));
            QCOMPARE(platform.messages.first().buttons, Platform::Buttons::Ok);
            QVERIFY(platform.messages.first().title.isEmpty());
            // The second copy touched nothing.
            QVERIFY(!QFileInfo::exists(folder.file(QStringLiteral("pic"))));
        }
        {
            TestProgramFolder folder(QStringList{});
            Program program;
            auto &[platform, state, window] = program;
            QVERIFY(!window.Form_Load());
            QCOMPARE(platform.messages.size(), 1);
            QVERIFY(platform.messages.first().text.contains(QStringLiteral("quran.qu")));
            QCOMPARE(platform.messages.first().title, QStringLiteral("خطأ"));
            QVERIFY(!QFileInfo::exists(folder.file(QStringLiteral("quran.qu"))));
        }
    }

    void sideBarStacking()
    {
        TestProgramFolder folder;
        Program program;
        auto &[platform, state, window] = program;
        QVERIFY(window.Form_Load());
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *bar = window.findChild<SideBar *>();
        const int headerHeight = bar->strip(0)->height();

        QTest::mouseClick(bar->strip(5), Qt::LeftButton);
        QCOMPARE(stacking(*bar), QStringLiteral("ttttttbb"));
        QCOMPARE(bar->CurrentStrip(), 5);
        for (int j = 0; j <= 5; ++j)
            QCOMPARE(bar->strip(j)->y(), j * headerHeight);
        QCOMPARE(bar->strip(7)->y(), bar->height() - headerHeight);
        QCOMPARE(bar->strip(6)->y(), bar->height() - 2 * headerHeight);
        QCOMPARE(visibleContentFrames(window), QList<QWidget *>{child<QWidget>(&window, "FrmProSearch")});

        QTest::mouseClick(bar->strip(2), Qt::LeftButton);
        QCOMPARE(stacking(*bar), QStringLiteral("tttbbbbb"));
        QCOMPARE(bar->strip(3)->y(), bar->height() - 5 * headerHeight);

        // The open header again: nothing moves, the side bar takes the focus.
        QTest::mouseClick(bar->strip(2), Qt::LeftButton);
        QCOMPARE(stacking(*bar), QStringLiteral("tttbbbbb"));
        QVERIFY(bar->hasFocus());

        QTest::mouseClick(bar->strip(7), Qt::LeftButton);
        QCOMPARE(stacking(*bar), QStringLiteral("tttttttt"));
        int shownPanels = 0;
        for (int i = 0; i < bar->count(); ++i)
            shownPanels += bar->PicFrame(i)->isVisible() ? 1 : 0;
        QCOMPARE(shownPanels, 1);
        QVERIFY(bar->PicFrame(7)->isVisible());
        // Header 7 opens only its panel: the frame on show stays.
        QCOMPARE(visibleContentFrames(window), QList<QWidget *>{child<QWidget>(&window, "FrmLst2Quran")});

        QTest::mouseClick(child<CoolHoverButton>(&window, "CoolHoverButton9"), Qt::LeftButton);
        QCOMPARE(visibleContentFrames(window), QList<QWidget *>{child<QWidget>(&window, "FrmOptions")});
        QTest::mouseClick(child<CoolHoverButton>(&window, "CoolHoverButton14"), Qt::LeftButton);
        QCOMPARE(visibleContentFrames(window), QList<QWidget *>{child<QWidget>(&window, "FrmAbout")});
        QTest::mouseClick(bar->strip(0), Qt::LeftButton);
        QCOMPARE(stacking(*bar), QStringLiteral("tbbbbbbb"));
        QCOMPARE(visibleContentFrames(window), QList<QWidget *>{window.findChild<ResultsFrame *>()});
    }

    // Pictures of the window with each header open, for looking at the layout by eye
    // (build/screenshots); the check here is only that every header paints.
    void screenshotsOfEveryHeader()
    {
        TestProgramFolder folder;
        QFile::copy(QStringLiteral(VELMORA_BUILD_DIR "/skn"), folder.file(QStringLiteral("skn")));
        registerArabicFontSubstitutions();
        Program program;
        auto &[platform, state, window] = program;
        QVERIFY(window.Form_Load());
        window.show();
        const QDir shots(QStringLiteral(VELMORA_BUILD_DIR "/screenshots"));
        shots.mkpath(QStringLiteral("."));
        auto *bar = window.findChild<SideBar *>();
        for (int i = bar->count() - 1; i >= 0; --i) {
            QTest::mouseClick(bar->strip(i), Qt::LeftButton);
            const QImage picture = window.grab().toImage();
            QVERIFY(!picture.isNull());
            QVERIFY(picture.save(shots.filePath(QStringLiteral("header-%1.png").arg(i))));
        }
        QTest::mouseClick(child<CoolHoverButton>(&window, "CoolHoverButton9"), Qt::LeftButton);
        QVERIFY(window.grab().save(shots.filePath(QStringLiteral("options.png"))));
        QTest::mouseClick(child<CoolHoverButton>(&window, "CoolHoverButton14"), Qt::LeftButton);
        QVERIFY(window.grab().save(shots.filePath(QStringLiteral("about.png"))));
    }

    void shutdownClosesEveryWindow()
    {
        TestProgramFolder folder;
        Program program;
        auto &[platform, state, window] = program;
        QVERIFY(window.Form_Load());
        window.show();
        QWidget secondary;
        secondary.show();
        window.close();
        QVERIFY(!secondary.isVisible());
    }
};

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
