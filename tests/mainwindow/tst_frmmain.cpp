// Start-up, the side bar, the display choices and shutdown of the main window.

#include "controls/SearchBox.h"
#include "core/SettingKeys.h"
#include "core/Settings.h"
#include "core/SingleInstance.h"
#include "shell/clrPicker.h"
#include "study/ResultsFrame.h"
#include "study/TranslationMenu.h"
#include "support/MainWindowFixture.h"
#include "support/SideBarStacking.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTextBrowser>
#include <QTextLayout>

namespace {

QList<QWidget *> visibleContentFrames(const FrmMain &window)
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

QList<QWidget *> only(const FrmMain &window, const char *frame)
{
    return {frame ? child<QWidget>(&window, frame) : window.findChild<ResultsFrame *>()};
}

} // namespace

class TestFrmMain : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The first start, then the side bar and the Tab key through every command.
    void firstStart()
    {
        MainWindowFixture m;
        QDir(m.folder.path()).mkpath(QStringLiteral("pic"));
        m.folder.write(QStringLiteral("pic/2_255.gif"), "verse");
        QVERIFY(m.open());

        QVERIFY(m.platform.messages.isEmpty());
        QCOMPARE(m.window.size(), QSize(731, 450));
        QCOMPARE(m.window.layoutDirection(), Qt::RightToLeft);
        QVERIFY(QFileInfo(m.folder.file(QStringLiteral("pic2"))).isDir());
        QVERIFY(QFileInfo::exists(m.folder.file(QStringLiteral("pic/2_255.gif")))); // caches are left alone
        QVERIFY(m.platform.keyboardLayouts.contains(QStringLiteral("00000401")));

        QCOMPARE(entries(m.find<QListWidget>("lstMenu")->model()), (QStringList{QStringLiteral("تحميل ترجمة جديدة"), QStringLiteral(" ---------------------")}));

        const QFont font = m.find<QLineEdit>("Text1")->font();
        QCOMPARE(font.family(), QStringLiteral("Tahoma"));
        QCOMPARE(font.pointSizeF(), 16.0);
        QVERIFY(!font.bold() && !font.italic());

        // Header 0 open, the results frame alone, the commentary box closed.
        QCOMPARE(stacking(*m.sideBar()), QStringLiteral("tbbbbbbb"));
        QCOMPARE(visibleContentFrames(m.window), only(m.window, nullptr));
        QVERIFY(!m.find("Text2")->isVisibleTo(&m.window));
        QCOMPARE(m.find("suraayaalist")->height(), 353);

        // The window keeps its size whatever is asked of it.
        m.window.resize(1000, 700);
        QCOMPARE(m.window.size(), QSize(731, 450));

        auto *bar = m.sideBar();
        const int headerHeight = bar->strip(0)->height();

        m.openHeader(5);
        QCOMPARE(stacking(*bar), QStringLiteral("ttttttbb"));
        QCOMPARE(bar->strip(5)->y(), 5 * headerHeight);
        QCOMPARE(bar->strip(6)->y(), bar->height() - 2 * headerHeight);
        QCOMPARE(visibleContentFrames(m.window), only(m.window, "FrmProSearch"));

        m.openHeader(2);
        QCOMPARE(bar->strip(3)->y(), bar->height() - 5 * headerHeight);

        // The open header again: nothing moves, the side bar takes the focus.
        m.openHeader(2);
        QCOMPARE(stacking(*bar), QStringLiteral("tttbbbbb"));
        QVERIFY(bar->hasFocus());

        m.openHeader(7);
        QVERIFY(bar->PicFrame(7)->isVisible());
        QVERIFY(!bar->PicFrame(2)->isVisible());
        // Header 7 opens only its panel: the frame on show stays.
        QCOMPARE(visibleContentFrames(m.window), only(m.window, "FrmLst2Quran"));

        m.click("CoolHoverButton9");
        QCOMPARE(visibleContentFrames(m.window), only(m.window, "FrmOptions"));
        m.click("CoolHoverButton14");
        QCOMPARE(visibleContentFrames(m.window), only(m.window, "FrmAbout"));

        // Every header opens and paints, the first last.
        for (int i = bar->count() - 1; i >= 0; --i) {
            m.openHeader(i);
            m.window.grab();
        }
        QCOMPARE(stacking(*bar), QStringLiteral("tbbbbbbb"));
        QCOMPARE(visibleContentFrames(m.window), only(m.window, nullptr));

        // Every command of the window is reached with Tab: the side bar's headers and the
        // open panel's commands first (it stands at the right), then the content frame.
        // The names reached in `expected`'s order within 60 presses of Tab.
        const auto reachesInOrder = [](const QStringList &expected) {
            QStringList reached;
            for (int i = 0; i < 60; ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QWidget *focused = QApplication::focusWidget();
                if (auto *box = qobject_cast<SearchBox *>(focused->parentWidget()))
                    focused = box; // the search box's own field
                if (!reached.contains(focused->objectName()))
                    reached.append(focused->objectName());
            }
            qsizetype last = -1;
            for (const QString &name : expected) {
                const qsizetype at = reached.indexOf(name);
                if (at <= last)
                    return false;
                last = at;
            }
            return true;
        };
        bar->setFocus(); // where opening a header leaves it
        QVERIFY(reachesInOrder({"strip_0", "searcht", "search", "SearchOptions", "strip_1", "strip_7", "suraayaalist",
                                "webPreview", "CoolHoverButton1", "CoolHoverButton2", "CoolHoverButton3",
                                "CoolHoverButton4", "CoolHoverButton15", "cmdImportTaf"}));
        m.openHeader(7);
        QVERIFY(reachesInOrder({"strip_7", "CoolHoverButton9", "CoolHoverButton13", "CoolHoverButton14"}));

        // Space works a hover button as a click does.
        m.find("CoolHoverButton14")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(m.find("FrmAbout")->isVisible());

        // Closing it closes every other window of the program.
        QWidget secondary;
        secondary.show();
        m.window.close();
        QVERIFY(!secondary.isVisible());
    }

    void installedTranslations_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<int>("slideSteps"); // grows with the rows: two more than the files
        QTest::addColumn<bool>("widened");
        QStringList eight;
        for (int n = 0; n < 8; ++n)
            eight.append(QStringLiteral("2%1.qut").arg(n));
        QTest::newRow("eight files: ten rows") << eight << 76 << false;
        QTest::newRow("nine files: eleven rows") << (eight + QStringList{QStringLiteral("28.qut")}) << 85 << true;
    }

    void installedTranslations()
    {
        QFETCH(QStringList, files);
        QFETCH(int, slideSteps);
        QFETCH(bool, widened);
        MainWindowFixture m;
        for (const QString &file : files)
            m.folder.write(file, QByteArray());
        const QRect designGeometry = FrmMain(m.platform, m.state).findChild<QListWidget *>(QStringLiteral("lstMenu"))->geometry();
        QVERIFY(m.window.Form_Load());
        QCOMPARE(m.window.findChild<TranslationMenu *>()->slideSteps(), slideSteps);
        auto *menu = m.find<QListWidget>("lstMenu");
        const QRect geometry = menu->geometry();
        // As wide as its longest row needs, and 12 px more, grown to the left, for a scroll bar.
        QCOMPARE(geometry.x(), designGeometry.x() - (widened ? 12 : 0));
        QVERIFY(geometry.width() >= designGeometry.width() + (widened ? 12 : 0));
        QVERIFY(menu->sizeHintForColumn(0) + (widened ? 12 : 0) <= geometry.width() - 2 * menu->frameWidth());
    }

    void translationNamesComeFromTheCatalogue()
    {
        MainWindowFixture m;
        m.folder.write(QStringLiteral("210.qut"), QByteArray());
        m.folder.write(QStringLiteral("22x.qut"), QByteArray()); // no catalogue entry: no row
        m.folder.write(QStringLiteral("25.qut"), QByteArray());
        QVERIFY(m.window.Form_Load());
        QCOMPARE(entries(m.find<QListWidget>("lstMenu")->model()).mid(2), (QStringList{QStringLiteral("اللغة المكسيكية"), QStringLiteral("اللغة الألمانية")}));

        // The row after the skipped name opens its own file; a file that is no translation
        // is named when chosen, never shown as a blank box.
        auto *menu = m.find<QListWidget>("lstMenu");
        menu->setCurrentRow(3);
        Q_EMIT menu->itemDoubleClicked(menu->item(3));
        QCOMPARE(m.platform.messages.size(), 1);
        QVERIFY(m.platform.messages.first().text.contains(QStringLiteral("25.qut")));
    }

    // A downloaded database waits as newdb.qu until the next start installs it, once,
    // checked; a failed installation is said and tried again, an unusable file set aside.
    void pendingUpdate()
    {
        TestProgramFolder folder;
        ScriptedPlatform platform;
        ProgramState state;
        const auto start = [&] {
            FrmMain window(platform, state);
            QVERIFY(window.Form_Load());
        };
        folder.copyBuilt(QStringLiteral("quran.qu"), QStringLiteral("newdb.qu"));
        platform.fileOperations.refusedRenameTargets = {QStringLiteral("quran.qu")};
        start();
        QVERIFY(platform.messages.last().text.startsWith(QStringLiteral("لم يتم تركيب تحديث قاعدة البيانات")));
        QCOMPARE(platform.messages.last().icon, Platform::Icon::Warning);

        platform.fileOperations.refusedRenameTargets.clear();
        start();
        QCOMPARE(platform.messages.last().text, QStringLiteral("تم الإنتهاء من عملية التحديث بنجاح شكرا لك"));
        QCOMPARE(platform.messages.last().title, QStringLiteral("التحديث"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("quran.qu")});
        start();
        QCOMPARE(platform.messages.size(), 2);

        folder.write(QStringLiteral("newdb.qu"), "<html>Not Found</html>");
        start();
        QCOMPARE(platform.messages.size(), 3);
        QCOMPARE(platform.messages.last().title, QStringLiteral("التحديث"));
        QCOMPARE(platform.messages.last().icon, Platform::Icon::Warning);
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
            QTest::addRow("%s from another program", file) << file << "foreign" << starts;
            QTest::addRow("%s with damaged pages", file) << file << "pages" << starts;
        }
    }

    void damagedDataFilesAreReported()
    {
        QFETCH(QString, file);
        QFETCH(QString, damage);
        QFETCH(bool, starts);
        MainWindowFixture m({QStringLiteral("quran.qu"), QStringLiteral("Jthr.qu")});
        if (damage == u"foreign")
            m.folder.copyBuilt(QStringLiteral("22.qut"), file);
        else
            m.folder.damagePage(file, file == u"quran.qu" ? 400 : 100);
        QCOMPARE(m.window.Form_Load(), starts);
        QCOMPARE(m.platform.messages.size(), 1);
        QVERIFY(m.platform.messages.first().text.contains(file));
        if (starts)
            QVERIFY(m.platform.messages.first().text.contains(QStringLiteral("بقية البرنامج يعمل")));
    }

    void refusedStarts()
    {
        {
            MainWindowFixture m;
            SingleInstance first;
            QVERIFY(first.tryLock());
            QVERIFY(!m.window.Form_Load());
            QCOMPARE(m.platform.messages.size(), 1);
            QCOMPARE(m.platform.messages.first().text, QStringLiteral("لا يمكن تشغيل أكثر من نسخة من البرنامج"));
            QCOMPARE(m.platform.messages.first().buttons, Platform::Buttons::Ok);
            QVERIFY(m.platform.messages.first().title.isEmpty());
            // The second copy touched nothing.
            QVERIFY(!QFileInfo::exists(m.folder.file(QStringLiteral("pic"))));
        }
        MainWindowFixture m(QStringList{});
        QVERIFY(!m.window.Form_Load());
        QCOMPARE(m.platform.messages.size(), 1);
        QVERIFY(m.platform.messages.first().text.contains(QStringLiteral("quran.qu")));
        QCOMPARE(m.platform.messages.first().title, QStringLiteral("خطأ"));
    }

    // The reader's font and colour are what the verse view draws, whatever the skin says.
    void storedFontAndPickedColourAreDrawn()
    {
        MainWindowFixture m({QStringLiteral("quran.qu"), QStringLiteral("skn")});
        Settings::setValue(SettingKeys::FontSize, QStringLiteral("24"));
        QVERIFY(m.open());
        m.search(QStringLiteral("الصمد"));
        const QTextDocument *view = m.find<QTextBrowser>("webPreview")->document();
        const auto sizesDrawn = [view] {
            QSet<qreal> sizes;
            forEachDrawnFragment(view, [&](const QTextFragment &fragment) { sizes.insert(fragment.charFormat().fontPointSize()); });
            return sizes;
        };
        QCOMPARE(sizesDrawn(), QSet<qreal>{24});

        // The options' help is readable whole.
        m.click("CoolHoverButton9");
        const auto *help = m.find<QLabel>("OptionsHelp");
        QVERIFY(help->height() >= help->heightForWidth(help->width()));
        QVERIFY(help->fontInfo().pointSizeF() >= 9);

        // The font dialog opens on the stored font; Cancel changes nothing.
        m.click("Commandfont");
        QCOMPARE(m.platform.fontPresets.last().pointSizeF(), 24.0);
        QCOMPARE(Settings::value(SettingKeys::FontSize, {}), QStringLiteral("24"));
        QVERIFY(!QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Velmora5"), QStringLiteral("Velmora5"))
                     .contains(QStringLiteral("Setting/FontBold")));

        // A chosen font redraws the verse and the collection in it.
        QFont chosen(QStringLiteral("Amiri"));
        chosen.setPointSizeF(30);
        m.platform.fonts.enqueue({chosen, true});
        m.click("Commandfont");
        QCOMPARE(sizesDrawn(), QSet<qreal>{30});
        auto *gathered = m.find("txtGather");
        gathered->ensurePolished();
        QCOMPARE(gathered->font().pointSizeF(), 30.0);

        // The picker stores six digits; the view draws the highlight in that colour.
        m.click("Command6");
        auto *picker = m.window.findChild<clrPicker *>();
        QVERIFY(picker->isModal());
        QTest::mouseClick(child<QWidget>(picker, "MiniPicker_32"), Qt::LeftButton);
        QTest::mouseClick(child<QWidget>(picker, "Command1"), Qt::LeftButton);
        QCOMPARE(Settings::value(SettingKeys::TheColor, {}), QStringLiteral("0000FF"));
        m.openHeader(0);
        QString drawn = textDrawnIn(view, QColor(0x00, 0x00, 0xFF));
        drawn.removeIf([](QChar ch) { return ch.category() == QChar::Mark_NonSpacing; });
        QCOMPARE(drawn, QStringLiteral("ٱلصمد"));

        // The about text starts at the right edge; how to add things is told in the
        // reader's words, with no command line or file path.
        m.click("CoolHoverButton14");
        const QTextLine firstLine = m.find<QPlainTextEdit>("Text6")->document()->firstBlock().layout()->lineAt(0);
        QVERIFY(firstLine.naturalTextRect().left() > firstLine.width() / 3);
        QVERIFY(firstLine.naturalTextRect().right() > firstLine.width() - 2);
        const QString installing = m.find<QPlainTextEdit>("Text9")->toPlainText();
        QVERIFY(installing.contains(QStringLiteral("إضافة تفسير من ملف")));
        QVERIFY(!installing.contains(QStringLiteral("--")) && !installing.contains(QStringLiteral("docs/")));
    }

};

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
