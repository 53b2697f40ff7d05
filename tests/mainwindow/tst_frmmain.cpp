#include "controls/CoolHoverButton.h"
#include "controls/DisplayFont.h"
#include "mainwindow/FrmMain.h"
#include "core/ProgramFolder.h"
#include "core/ProgramState.h"
#include "study/ResultsFrame.h"
#include "study/TranslationMenu.h"
#include "support/ScriptedPlatform.h"
#include "controls/SearchBox.h"
#include "core/SettingKeys.h"
#include "core/Settings.h"
#include "support/TestHelpers.h"
#include "support/SideBarStacking.h"
#include "core/SingleInstance.h"
#include "support/TestProgramFolder.h"
#include "shell/clrPicker.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLineEdit>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QSettings>
#include <QTest>
#include <QTextBrowser>
#include <QTextLayout>

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
        QCOMPARE(window.findChild<TranslationMenu *>()->slideSteps(), 76);

        const QFont font = child<QLineEdit>(&window, "Text1")->font();
        QCOMPARE(font.family(), QStringLiteral("Tahoma"));
        QCOMPARE(font.pointSizeF(), 16.0);
        QVERIFY(!font.bold() && !font.italic());
        QCOMPARE(state.HighlightColor, QStringLiteral("#FF0000"));
        QCOMPARE(state.SearchScope, SearchScope::WholeText);

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
        QCOMPARE(window.findChild<TranslationMenu *>()->slideSteps(), slideSteps);
        auto *menu = child<QListWidget>(&window, "lstMenu");
        const QRect geometry = menu->geometry();
        // As wide as its longest row needs, and 12 px more, grown to the left, for a scroll bar.
        QCOMPARE(geometry.x(), designGeometry.x() - (widened ? 12 : 0));
        QCOMPARE(geometry.y(), designGeometry.y());
        QCOMPARE(geometry.height(), designGeometry.height());
        QVERIFY(geometry.width() >= designGeometry.width() + (widened ? 12 : 0));
        QVERIFY(menu->sizeHintForColumn(0) + (widened ? 12 : 0) <= geometry.width() - 2 * menu->frameWidth());
    }

    void translationNamesComeFromTheCatalogue()
    {
        TestProgramFolder folder;
        folder.write(QStringLiteral("210.qut"), QByteArray());
        folder.write(QStringLiteral("22x.qut"), QByteArray()); // no catalogue entry: no row
        folder.write(QStringLiteral("25.qut"), QByteArray());
        Program program;
        auto &[platform, state, window] = program;
        QVERIFY(window.Form_Load());
        QCOMPARE(menuRows(window).mid(2), (QStringList{QStringLiteral("اللغة المكسيكية"), QStringLiteral("اللغة الألمانية")}));

        // The row after the skipped name opens its own file; a file that is no translation
        // is named when chosen, never shown as a blank box.
        auto *menu = child<QListWidget>(&window, "lstMenu");
        menu->setCurrentRow(3);
        Q_EMIT menu->itemDoubleClicked(menu->item(3));
        QCOMPARE(platform.messages.size(), 1);
        QVERIFY(platform.messages.first().text.contains(QStringLiteral("25.qut")));
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

    // A damaged data file is named, with what still works, instead of every search
    // finding nothing.
    void damagedDataFilesAreReported_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("damage");
        QTest::addColumn<bool>("starts");
        for (const char *file : {"quran.qu", "Jthr.qu"}) {
            const bool starts = file == QLatin1String("Jthr.qu");
            QTest::addRow("%s of zero bytes", file) << file << "empty" << starts;
            QTest::addRow("%s from another program", file) << file << "foreign" << starts;
            QTest::addRow("%s with damaged pages", file) << file << "pages" << starts;
        }
    }

    void damagedDataFilesAreReported()
    {
        QFETCH(QString, file);
        QFETCH(QString, damage);
        QFETCH(bool, starts);
        TestProgramFolder folder({QStringLiteral("quran.qu"), QStringLiteral("Jthr.qu")});
        if (damage == u"empty")
            folder.write(file, {});
        else if (damage == u"foreign")
            folder.copyBuilt(QStringLiteral("22.qut"), file);
        else
            folder.damagePage(file, file == u"quran.qu" ? 400 : 100);
        Program program;
        auto &[platform, state, window] = program;
        QCOMPARE(window.Form_Load(), starts);
        QCOMPARE(platform.messages.size(), 1);
        QVERIFY(platform.messages.first().text.contains(file));
        if (starts)
            QVERIFY(platform.messages.first().text.contains(QStringLiteral("بقية البرنامج يعمل")));
    }

    void startsFromAFolderWithAnyCharacters()
    {
        TestProgramFolder scratch(QStringList{});
        const QString folder = scratch.file(QStringLiteral("Data Source=a;b\\c ;Persist"));
        QVERIFY(QDir().mkpath(folder));
        for (const QString &name : {QStringLiteral("quran.qu"), QStringLiteral("Jthr.qu")})
            QVERIFY(QFile::copy(QStringLiteral(VELMORA_BUILD_DIR "/") + name, folder + u'/' + name));
        ProgramFolder::setPath(folder);
        Program program;
        auto &[platform, state, window] = program;
        QVERIFY(window.Form_Load());
        QVERIFY(platform.messages.isEmpty());
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

    // The reader's font and colour are what the verse view draws, whatever the skin says.
    void storedFontAndPickedColourAreDrawn()
    {
        TestProgramFolder folder({QStringLiteral("quran.qu"), QStringLiteral("skn")});
        Settings::setValue(SettingKeys::FontSize, QStringLiteral("24"));
        Program program;
        auto &[platform, state, window] = program;
        QVERIFY(window.Form_Load());
        window.show();
        child<SearchBox>(&window, "searcht")->setText(QStringLiteral("الصمد"));
        QTest::mouseClick(child<QPushButton>(&window, "search"), Qt::LeftButton);
        const QTextDocument *view = child<QTextBrowser>(&window, "webPreview")->document();
        QVERIFY(view->toPlainText().contains(QStringLiteral("[الإخلاص : 2]")));
        const auto sizesDrawn = [view] {
            QSet<qreal> sizes;
            forEachDrawnFragment(view, [&](const QTextFragment &fragment) { sizes.insert(fragment.charFormat().fontPointSize()); });
            return sizes;
        };
        QCOMPARE(sizesDrawn(), QSet<qreal>{24});

        // The font dialog opens on the stored font; Cancel changes nothing.
        QTest::mouseClick(child<CoolHoverButton>(&window, "CoolHoverButton9"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(&window, "Commandfont"), Qt::LeftButton);
        QCOMPARE(platform.fontPresets.last().pointSizeF(), 24.0);
        QCOMPARE(Settings::value(SettingKeys::FontSize, {}), QStringLiteral("24"));
        QVERIFY(!QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Velmora5"), QStringLiteral("Velmora5"))
                     .contains(QStringLiteral("Setting/FontBold")));

        // A chosen font redraws the verse and the collection in it.
        QFont chosen(QStringLiteral("Amiri"));
        chosen.setPointSizeF(30);
        platform.fonts.enqueue({chosen, true});
        QTest::mouseClick(child<QPushButton>(&window, "Commandfont"), Qt::LeftButton);
        QCOMPARE(sizesDrawn(), QSet<qreal>{30});
        auto *gathered = child<QWidget>(&window, "txtGather");
        gathered->ensurePolished();
        QCOMPARE(gathered->font().pointSizeF(), 30.0);

        // The picker stores six digits; the view draws the highlight in that colour.
        QTest::mouseClick(child<QPushButton>(&window, "Command6"), Qt::LeftButton);
        auto *picker = window.findChild<clrPicker *>();
        QTest::mouseClick(child<QFrame>(picker, "MiniPicker_32"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(picker, "Command1"), Qt::LeftButton);
        QCOMPARE(Settings::value(SettingKeys::TheColor, {}), QStringLiteral("0000FF"));
        QTest::mouseClick(window.findChild<SideBar *>()->strip(0), Qt::LeftButton);
        QString drawn = textDrawnIn(view, QColor(0x00, 0x00, 0xFF));
        drawn.removeIf([](QChar ch) { return ch.category() == QChar::Mark_NonSpacing; });
        QCOMPARE(drawn, QStringLiteral("ٱلصمد"));
    }

    // Every command of the window is reached with Tab: the side bar's headers and the
    // open panel's commands first (it stands at the right), then the content frame.
    void tabReachesEveryCommand()
    {
        TestProgramFolder folder;
        Program program;
        auto &[platform, state, window] = program;
        QVERIFY(window.Form_Load());
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const auto tabOrder = [&window] {
            QStringList reached;
            for (int i = 0; i < 60; ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QWidget *focused = QApplication::focusWidget();
                if (auto *box = qobject_cast<SearchBox *>(focused->parentWidget()))
                    focused = box; // the search box's own field
                if (!reached.contains(focused->objectName()))
                    reached.append(focused->objectName());
            }
            return reached;
        };
        const auto inOrder = [](const QStringList &reached, const QStringList &expected) {
            qsizetype last = -1;
            for (const QString &name : expected) {
                const qsizetype at = reached.indexOf(name);
                if (at <= last)
                    return false;
                last = at;
            }
            return true;
        };
        window.findChild<SideBar *>()->setFocus(); // where opening a header leaves it
        QVERIFY(inOrder(tabOrder(), {"strip_0", "searcht", "search", "SearchOptions", "strip_1", "strip_7", "suraayaalist",
                                     "webPreview", "CoolHoverButton1", "CoolHoverButton2", "CoolHoverButton3",
                                     "CoolHoverButton4", "CoolHoverButton15", "cmdImportTaf"}));
        QTest::mouseClick(window.findChild<SideBar *>()->strip(7), Qt::LeftButton);
        QVERIFY(inOrder(tabOrder(), {"strip_7", "CoolHoverButton9", "CoolHoverButton13", "CoolHoverButton14"}));
        QTest::mouseClick(window.findChild<SideBar *>()->strip(6), Qt::LeftButton);
        QVERIFY(inOrder(tabOrder(), {"strip_6", "CoolHoverButton8", "CoolHoverButton12"}));

        // Space works a hover button as a click does.
        child<QWidget>(&window, "CoolHoverButton14")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(child<QWidget>(&window, "FrmAbout")->isVisible());
    }

    // Pictures of the window with each header open, for looking at the layout by eye
    // (build/screenshots); every header paints, and the options' help and the about text
    // are readable and start at the right edge.
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
        const auto *help = child<QLabel>(&window, "OptionsHelp");
        QVERIFY(help->height() >= help->heightForWidth(help->width()));
        QVERIFY(help->fontInfo().pointSizeF() >= 9);
        QTest::mouseClick(child<CoolHoverButton>(&window, "CoolHoverButton14"), Qt::LeftButton);
        QVERIFY(window.grab().save(shots.filePath(QStringLiteral("about.png"))));
        const QTextLine firstLine = child<QPlainTextEdit>(&window, "Text6")->document()->firstBlock().layout()->lineAt(0);
        QVERIFY(firstLine.naturalTextRect().left() > firstLine.width() / 3);
        QVERIFY(firstLine.naturalTextRect().right() > firstLine.width() - 2);
        // How to add things is told in the reader's words, with no command line or file path.
        const QString installing = child<QPlainTextEdit>(&window, "Text9")->toPlainText();
        QVERIFY(installing.contains(QStringLiteral("إضافة تفسير من ملف")));
        QVERIFY(!installing.contains(QStringLiteral("--")) && !installing.contains(QStringLiteral("docs/")));
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
