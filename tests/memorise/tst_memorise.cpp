// The memorisation record on the fixture verse database and a scratch db.mdb: the users
// window, and one user's tracker window (marking from the verse menu and the recording
// page, the rows each command leaves in db.mdb, and the figures that follow).

#include "core/Connection.h"
#include "controls/CoolHoverButton.h"
#include "core/DataSource.h"
#include "core/EventLoopYield.h"
#include "memorise/FrmEnterPage.h"
#include "memorise/FrmSaveQuran.h"
#include "memorise/TrackerRecordingPage.h"
#include "memorise/FrmSaveTiny.h"
#include "memorise/Marking.h"
#include "core/ProgramFolder.h"
#include "core/ProgramState.h"
#include "support/ScriptedPlatform.h"
#include "support/SideBarStacking.h"
#include "core/SuraTables.h"
#include "support/TestHelpers.h"
#include "support/TestProgramFolder.h"
#include "memorise/UserDatabase.h"
#include "controls/VorelProgress.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <memory>
#include <tuple>

namespace {

using Rows = QList<QPair<int, int>>; // (suranum, ayaanum), by ayaanum

const QString User = QStringLiteral("hafiz");

// A fresh program folder with the fixture verses and a new, empty db.mdb, unless told otherwise.
struct MemoriseFolder {
    TestProgramFolder folder{QStringList{}};
    ScriptedPlatform platform;
    ProgramState state;

    MemoriseFolder(bool withVerses, bool withUserFile)
    {
        clearSettings();
        if (withVerses)
            folder.writeFixture();
        if (withUserFile)
            folder.write(QStringLiteral("db.mdb"), {}); // an empty file is an empty database
    }
};

// One user's tracker.
struct Tracker : MemoriseFolder {
    UserDatabase users{ProgramFolder::path()};
    std::unique_ptr<FrmSaveQuran> window;

    explicit Tracker(const QStringList &before = {}, bool withVerses = true)
        : MemoriseFolder(withVerses, true)
    {
        users.run(QStringList{createUserStatement(User)} + before);
        state.CurrentUser = User;
        window = std::make_unique<FrmSaveQuran>(platform, state, users);
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->Form_Load();
        window->show();
    }

    template<typename T>
    T *find(const char *name) const { return child<T>(window.get(), name); }

    Rows rows() const
    {
        DataSource records;
        records.openFile(userDatabaseFile(ProgramFolder::path()));
        records.runQuery(QStringLiteral("SELECT *  FROM ") + User + QStringLiteral(" order by ayaanum"));
        Rows all;
        for (; !records.atEnd(); records.moveNext())
            all.append({records.text(QStringLiteral("suranum")).toInt(), records.text(QStringLiteral("ayaanum")).toInt()});
        return all;
    }

    // What the named labels, captions and bars show, in the order named.
    QStringList shown(std::initializer_list<const char *> names) const
    {
        QStringList all;
        for (const char *name : names) {
            auto *control = find<QWidget>(name);
            if (auto *label = dynamic_cast<QLabel *>(control))
                all.append(label->text());
            else if (auto *button = dynamic_cast<CoolHoverButtonGray *>(control))
                all.append(button->caption());
            else
                all.append(QString::number(child<VorelProgress>(window.get(), name)->value()));
        }
        return all;
    }

    // Main page: sura s, verse v, as a click on each list.
    void showVerse(int sura, int verse) const
    {
        find<QListWidget>("suraayaalist")->setCurrentRow(sura - 1);
        find<QListWidget>("suraayaanum")->setCurrentRow(verse - 1);
    }

    void menu(const char *command) const { find<QAction>(command)->trigger(); }

    // The open dialog (a closed one waits for the event loop to delete it).
    FrmSaveTiny *targetDialog() const
    {
        for (FrmSaveTiny *dialog : window->findChildren<FrmSaveTiny *>()) {
            if (dialog->isVisible())
                return dialog;
        }
        qFatal("no target dialog open");
    }

    // Recording page: sura, from-verse and to-verse chosen as the reader does.
    void chooseRange(int sura, int from, int to) const
    {
        window->strip_Click(1);
        auto *page = window->findChild<TrackerRecordingPage *>();
        child<QComboBox>(page, "searchname")->setCurrentIndex(sura - 1);
        page->searchname_Click();
        child<QComboBox>(page, "Combo1")->setCurrentIndex(from - 1);
        page->Combo1_Click();
        child<QComboBox>(page, "Combo2")->setCurrentIndex(to - from);
        page->Combo2_Click();
    }

    void press(const char *button) const { child<QPushButton>(find<QWidget>("FrmSvDetailed"), button)->click(); }
    QStringList items(const char *list) const { return entries(find<QListWidget>(list)->model()); }
};

Rows suraRows(int sura, int firstVerse, int lastVerse)
{
    Rows all;
    for (int verse = firstVerse; verse <= lastVerse; ++verse)
        all.append({sura, *verseId(sura, verse)});
    return all;
}

QStringList inserts(const Rows &rows)
{
    QStringList statements;
    for (const auto &[sura, id] : rows)
        statements.append(insertStatement(User, sura, id));
    return statements;
}

// The users window, loaded.
struct Users : MemoriseFolder {
    FrmEnterPage window{platform, state};

    explicit Users(bool withUserFile = true)
        : MemoriseFolder(true, withUserFile)
    {
        window.Form_Load();
        window.show();
    }

    void press(const char *button) { child<QPushButton>(&window, button)->click(); }
    QListWidget *list() const { return child<QListWidget>(&window, "List1"); }

    // Answers the name question with `answer` and presses "new user".
    void create(const std::optional<QString> &answer)
    {
        platform.inputs.enqueue(answer);
        press("Command2");
    }

    // The user tables of db.mdb, sorted.
    static QStringList tables()
    {
        QStringList users;
        UserDatabase(ProgramFolder::path()).load_list(&users);
        users.sort();
        return users;
    }
};

} // namespace

class TestMemorise : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The main page as a reader walks it: the first verse, the side bar's headers, another
    // sura, the arrow keys, the verse menu and its copy, recitation and help.
    void mainPage()
    {
        Tracker tracker;
        FrmSaveQuran &window = *tracker.window;
        QCOMPARE(window.windowTitle(), QStringLiteral("تحفيظ القرآن الكريم - hafiz"));
        QVERIFY(tracker.platform.keyboardLayouts.contains(QStringLiteral("00000401")));
        // The side bar shows the open header's page alone (the main window's test counts them).
        const auto *bar = window.findChild<SideBar *>();
        QCOMPARE(stacking(*bar), QStringLiteral("tbb"));

        // Verse 1 of sura 1, and a new user: nothing memorised.
        QCOMPARE(tracker.shown({"ayaanolab", "SkinLabel5", "SkinLabel3", "SkinLabel6", "CoolHoverButtonGray13", "CoolHoverButtonGray14",
                                "CoolHoverButtonGray17", "SkinLabel1", "SkinLabel2", "pb", "pb2"}),
                 (QStringList{"1", "1", "7", "مكية", "1", "1", "غير محفوظة", "0", "0", "0", "0"}));

        // Header 1 brings 0 and 1 to the top.
        window.strip_Click(1);
        QCOMPARE(stacking(*bar), QStringLiteral("ttb"));
        QVERIFY(tracker.find<QWidget>("FrmSvDetailed")->isVisible());
        window.strip_Click(0);

        tracker.showVerse(110, 1);
        QCOMPARE(tracker.items("suraayaanum"), (QStringList{"1", "2", "3"}));
        QCOMPARE(tracker.shown({"SkinLabel3", "SkinLabel6"}), (QStringList{"3", "مدنية"}));

        QVERIFY(QTest::qWaitForWindowActive(tracker.window.get()));
        const auto walk = [](QListWidget *list) {
            list->setFocus();
            const int first = list->currentRow();
            QTest::keyClick(list, Qt::Key_Down);
            QCOMPARE(list->currentRow(), first + 1);
            QCOMPARE(QApplication::focusWidget(), list);
        };
        tracker.showVerse(112, 1);
        walk(tracker.find<QListWidget>("suraayaalist"));
        window.strip_Click(2);
        walk(tracker.find<QListWidget>("suraayaalist2"));
        window.strip_Click(0);

        tracker.showVerse(1, 2);
        tracker.menu("copy");
        QCOMPARE(tracker.platform.clipboard, tracker.find<QTextEdit>("Text1")->toPlainText());
        QVERIFY(tracker.platform.clipboard.endsWith(QStringLiteral(" [") + SuraNames.at(0) + QStringLiteral(" : 2]")));

        auto *verses = tracker.find<QListWidget>("suraayaanum");
        auto *menu = tracker.find<QMenu>("show1");
        // Below the last entry: no menu, no other verse.
        QTest::mouseClick(verses->viewport(), Qt::RightButton, {}, QPoint(10, verses->viewport()->height() - 3));
        QVERIFY(!menu->isVisible());
        QCOMPARE(verses->currentRow(), 1);

        QTest::mouseClick(verses->viewport(), Qt::RightButton, {}, verses->visualItemRect(verses->item(3)).center());
        QCOMPARE(tracker.shown({"ayaanolab"}), QStringList{"4"});
        QVERIFY(verses->currentRow() == 3 && menu->isVisible());
        menu->close();

        QSignalSpy recite(tracker.window.get(), &FrmSaveQuran::verseRangeRecitationRequested);
        tracker.showVerse(1, 7);
        tracker.menu("read2");
        QCOMPARE(recite.first(), (QVariantList{1, 7, 7, 1}));

        // The help window's own test shows what topic 15 opens on.
        tracker.find<QPushButton>("Command1")->click();
        QCOMPARE(tracker.state.HelpTopic, 15);
    }

    // Each menu command on a verse of sura 1, the rows it leaves and what the main page shows
    // then: the verse's state, the sura's count and its bar (cut, not rounded).
    void markingFromTheMenu()
    {
        struct Step {
            int verse;
            const char *command;
            Rows rows;
            QStringList shown;
        };
        const QString yes = QStringLiteral("محفوظة"), no = QStringLiteral("غير محفوظة");
        Tracker tracker;
        for (const Step &step : {Step{3, "thisverse", {{1, 3}}, {yes, "1", "14"}},
                                 Step{3, "thisverse", {{1, 3}}, {yes, "1", "14"}}, // the same verse twice is one row
                                 Step{1, "from2verse", {{1, 1}, {1, 3}}, {yes, "2", "28"}},
                                 Step{6, "verse2end", {{1, 1}, {1, 3}, {1, 6}, {1, 7}}, {yes, "4", "57"}},
                                 Step{4, "all", suraRows(1, 1, 7), {yes, "7", "100"}},
                                 // The larger bound first still removes the whole range: 1 to 5 here.
                                 Step{5, "from2verseno", suraRows(1, 6, 7), {no, "2", "28"}},
                                 Step{7, "verse2endno", {{1, 6}}, {no, "1", "14"}},
                                 Step{5, "allno", {}, {no, "0", "0"}},
                                 // Unmarking what is not recorded removes nothing and still refreshes.
                                 Step{5, "thisverseno", {}, {no, "0", "0"}}}) {
            tracker.showVerse(1, step.verse);
            tracker.menu(step.command);
            QCOMPARE(tracker.rows(), step.rows);
            QCOMPARE(tracker.shown({"CoolHoverButtonGray17", "SkinLabel1", "pb"}), step.shown);
        }

        auto *menu = tracker.find<QMenu>("show1");
        tracker.showVerse(67, 3);
        // The dialog offers the sura's verses from the current one; closing it without OK
        // changes nothing. The current verse as the target marks or unmarks it alone.
        for (const auto &[command, target, rows] : {std::tuple{"toverse", "", Rows{}}, std::tuple{"toverse", "5", suraRows(67, 3, 5)},
                                                    std::tuple{"toverseno", "3", suraRows(67, 4, 5)}}) {
            tracker.menu(command);
            QVERIFY(!menu->isEnabled());
            auto *verses = child<QComboBox>(tracker.targetDialog(), "Combo1");
            QVERIFY(verses->count() == 28 && verses->currentText() == QStringLiteral("3"));
            verses->setCurrentText(QString::fromLatin1(target));
            if (*target)
                child<QPushButton>(tracker.targetDialog(), "Command1")->click();
            else
                tracker.targetDialog()->reject();
            QCOMPARE(tracker.rows(), rows);
            QVERIFY(menu->isEnabled());
        }
    }

    void recordingPage()
    {
        Tracker tracker;
        auto *page = tracker.find<QWidget>("FrmSvDetailed");
        // From-verse 5 of a sura of 7: to-verses 5 to 7, and verse 5 previewed alone.
        tracker.chooseRange(1, 5, 5);
        QCOMPARE(entries(child<QComboBox>(page, "Combo2")->model()), (QStringList{"5", "6", "7"}));
        const QString preview = child<QTextEdit>(page, "endtext")->toPlainText();
        QVERIFY(preview.endsWith(QStringLiteral(" (5) ")) && preview.count(u'(') == 1);
        QVERIFY(!child<QWidget>(page, "ProgressBar")->isVisible() && child<QComboBox>(page, "Combo1")->isEnabled());

        // Each button on a chosen range, the rows it leaves and the chosen sura's count,
        // the total and the sura's bar.
        struct Step {
            int sura, from, to;
            const char *button;
            Rows rows;
            QStringList shown;
        };
        for (const Step &step : {Step{1, 5, 5, "Command3", {{1, 5}}, {"1", "1", "14"}}, // from = to: one row
                                 Step{67, 1, 30, "Command3", Rows{{1, 5}} + suraRows(67, 1, 30), {"30", "31", "100"}},
                                 Step{67, 1, 30, "Command2", {{1, 5}}, {"0", "1", "0"}},
                                 // 1 to N: the same rows as the whole sura.
                                 Step{67, 1, 30, "Command6", Rows{{1, 5}} + suraRows(67, 1, 30), {"30", "31", "100"}},
                                 // The selected verses removed, the larger bound given first: 67:2 to 67:4.
                                 Step{67, 2, 4, "Command4", Rows{{1, 5}} + suraRows(67, 1, 1) + suraRows(67, 5, 30), {"27", "28", "90"}}}) {
            tracker.chooseRange(step.sura, step.from, step.to);
            tracker.press(step.button);
            QCOMPARE(tracker.rows(), step.rows);
            QCOMPARE(tracker.shown({"SkinLabel7", "SkinLabel4", "pbsd"}), step.shown);
        }

        // While a command's statements run (and the window stays alive), nothing can start
        // a second one: not the choosers, not the buttons, not the verse menu.
        tracker.chooseRange(67, 1, 30);
        bool triedMeanwhile = false;
        QTimer::singleShot(0, tracker.window.get(), [&] {
            triedMeanwhile = true;
            auto *suras = child<QComboBox>(page, "searchname");
            QVERIFY(!suras->isEnabled() && !child<QPushButton>(page, "Command2")->isEnabled());
            QTest::keyClick(suras, Qt::Key_Down);
            QTest::mouseClick(child<QPushButton>(page, "Command2"), Qt::LeftButton);
            tracker.menu("allno");
        });
        EventLoopYield::setFrameMilliseconds(0); // every statement hands the event loop its turn
        tracker.press("Command6");
        EventLoopYield::setFrameMilliseconds(33);

        QVERIFY(triedMeanwhile);
        QCOMPARE(tracker.rows(), (Rows{{1, 5}} + suraRows(67, 1, 30)));
        QVERIFY(tracker.platform.messages.isEmpty() && child<QComboBox>(page, "searchname")->isEnabled());
    }

    void summary()
    {
        Tracker tracker(inserts(Rows{{1, 2}, {1, 5}} + suraRows(114, 1, 6)));
        tracker.window->strip_Click(2);
        QCOMPARE(tracker.items("savedlist"), (QStringList{"2", "5"}));
        QCOMPARE(tracker.items("notsavedlist"), (QStringList{"1", "3", "4", "6", "7"}));
        QCOMPARE(tracker.shown({"SkinLabel1", "pbs"}), (QStringList{"2", "28"}));

        // A sura wholly memorised: nothing left, the bar full.
        tracker.find<QListWidget>("suraayaalist2")->setCurrentRow(113);
        QCOMPARE(tracker.items("savedlist"), (QStringList{"1", "2", "3", "4", "5", "6"}));
        QVERIFY(tracker.items("notsavedlist").isEmpty() && tracker.find<QListWidget>("suraayaalist2")->isEnabled());
        QCOMPARE(tracker.shown({"pbs", "SkinLabel2"}), (QStringList{"100", "8"}));
    }

    void wholeTextButOneVerse()
    {
        Rows all;
        for (int id = 1; id < VerseTotal; ++id)
            all.append({verseOfId(id)->sura, id});
        Tracker tracker(inserts(all));
        QCOMPARE(tracker.shown({"SkinLabel2", "pb2", "pb"}), (QStringList{"6235", "99", "100"}));
    }

    void failedMarkingKeepsTheRecord()
    {
        Tracker tracker(inserts({{67, 5242}, {67, 5245}}));
        // The file refuses the third insert, as a full disk would.
        Connection file;
        QVERIFY(file.openFile(userDatabaseFile(ProgramFolder::path())));
        QVERIFY(file.execute(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON hafiz WHEN NEW.ayaanum = 5244 "
                                            "BEGIN SELECT RAISE(ABORT, 'disk full'); END")));
        file.close();

        tracker.chooseRange(67, 1, 5);
        tracker.press("Command3");
        QCOMPARE(tracker.rows(), (Rows{{67, 5242}, {67, 5245}}));
        QVERIFY(tracker.platform.messages.size() == 1 && tracker.platform.messages.first().title == QStringLiteral("خطأ"));
        QVERIFY(!tracker.users.UserDbConnection.isOpen() && child<QPushButton>(tracker.find<QWidget>("FrmSvDetailed"), "Command3")->isEnabled());
        // Nothing stays open: the next command works.
        tracker.press("Command2");
        QVERIFY(tracker.rows().isEmpty());
    }

    // What cannot be read is blank, never the last verse's figures, and the message
    // names the file that failed.
    void readFailuresBlankWhatWasNotRead()
    {
        {
            Tracker tracker(inserts({{1, 1}}));
            QCOMPARE(tracker.shown({"CoolHoverButtonGray17"}), QStringList{"محفوظة"});
            writeFile(userDatabaseFile(ProgramFolder::path()), QByteArray(8192, 'x'));

            tracker.showVerse(1, 2);
            QCOMPARE(tracker.platform.messages.size(), 1);
            QVERIFY(tracker.platform.messages.first().text.contains(QStringLiteral("db.mdb")));
            tracker.showVerse(1, 1);
            QCOMPARE(tracker.platform.messages.size(), 1); // told once
            QCOMPARE(tracker.shown({"CoolHoverButtonGray17", "SkinLabel1", "pb"}), (QStringList{"", "", "0"}));
        }
        // Without the verse database, it is the one named.
        Tracker tracker({}, false);
        QCOMPARE(tracker.platform.messages.size(), 1);
        QVERIFY(tracker.platform.messages.first().text.contains(QStringLiteral("quran.qu")));
    }

    // Empty, not starting with a letter, other than letters, digits and "_" (a vowel mark
    // is none), a reserved word, SQLite's own prefix. Names accepted are tried through the
    // window below.
    void refusedUserNames()
    {
        for (const QString &name : {QString(), QStringLiteral("2ali"), QStringLiteral("ali omar"), QStringLiteral("عَلي"),
                                    QStringLiteral("Select"), QStringLiteral("sqlite_stat")})
            QVERIFY2(!isAcceptableUserName(name), qPrintable(name));
    }

    // From an empty record to two users, through every refusal, a deletion and the
    // tracker of the one left.
    void usersComeAndGo()
    {
        Users users;
        QCOMPARE(users.window.windowTitle(), QStringLiteral("تحفيظ القرآن الكريم"));
        // No user yet: open and delete do nothing. Cancel and an empty answer create nothing.
        users.press("Command1");
        users.press("Command3");
        users.create(std::nullopt);
        users.create(QString());
        QVERIFY(Users::tables().isEmpty() && !users.window.findChild<FrmSaveQuran *>() && users.platform.messages.isEmpty());
        QCOMPARE(users.platform.inputPrompts.first(), QStringLiteral("اكتب اسم المستخدم باللغة الإنجليزية"));
        QCOMPARE(users.platform.keyboardLayouts.last(), QStringLiteral("00000409"));

        users.create(QStringLiteral("omar"));
        users.create(QStringLiteral("عائشة_2"));
        const QStringList both{QStringLiteral("omar"), QStringLiteral("عائشة_2")};
        QCOMPARE(Users::tables(), both);
        QVERIFY(users.list()->count() == 2 && users.list()->currentRow() == 0 && users.platform.messages.isEmpty());

        // Refused before anything is written, each with its message: the same name again, one
        // differing only in letter case (the same table to the file), and a name that would
        // change the statement. The list is not reloaded: the selection stays.
        users.list()->setCurrentRow(1);
        const QString caseOnly = QStringLiteral("يوجد مستخدم باسم omar لا يختلف عن هذا الاسم إلا في حالة الأحرف، "
                                                "والبرنامج لا يفرق بينهما. يرجى إدخال اسم آخر للمستخدم");
        const QString duplicate = QStringLiteral("إن هذا المستخدم موجود مسبقا , يرجى إدخال اسم جديد للمستخدم");
        for (const auto &[name, told] : {std::pair{users.list()->item(1)->text(), duplicate}, {QStringLiteral("OMAR"), caseOnly},
                                         {QStringLiteral("a; DROP TABLE b"), UnacceptableUserNameMessage}}) {
            users.platform.messages.clear();
            users.create(name);
            QCOMPARE(users.platform.messages.size(), 1);
            QCOMPARE(users.platform.messages.first().text, told);
            QCOMPARE(users.list()->currentRow(), 1);
        }

        // No to the first question, then Yes and No: nothing dropped, first entry selected.
        QListWidget *list = users.list();
        for (const QList<Platform::Answer> &answers : {QList{Platform::Answer::No}, QList{Platform::Answer::Yes, Platform::Answer::No}}) {
            list->setCurrentRow(1);
            users.platform.messages.clear();
            users.platform.answers.append(answers);
            users.press("Command3");
            QCOMPARE(users.platform.messages.size(), answers.size());
            QCOMPARE(Users::tables(), both);
            QCOMPARE(list->currentRow(), 0);
        }
        QCOMPARE(users.platform.messages.first().text, QStringLiteral("هل أنت متأكد من رغبتك بمسح هذا المستخدم و كل ما يتعلق به ؟"));
        QCOMPARE(users.platform.messages.last().text, QStringLiteral("لتأكيد المسح إضغط نعم , أو للرجوع عن المسح إضغط لا"));
        for (const auto &message : users.platform.messages)
            QVERIFY(message.title == QStringLiteral("مسح") && message.buttons == Platform::Buttons::YesNo);
        list->setCurrentRow(1);
        users.platform.answers.append({Platform::Answer::Yes, Platform::Answer::Yes});
        users.press("Command3");
        QCOMPARE(Users::tables(), QStringList{QStringLiteral("omar")});
        QVERIFY(list->count() == 1 && list->currentRow() == 0);

        QSignalSpy open(&users.window, &FrmEnterPage::trackerOpenChanged);
        users.press("Command1");
        QCOMPARE(users.state.CurrentUser, QStringLiteral("omar"));
        auto *tracker = users.window.findChild<FrmSaveQuran *>();
        QVERIFY(tracker && tracker->isVisible() && !users.window.isVisible());
        tracker->close();
        QCOMPARE(static_cast<const QList<QVariantList> &>(open), (QList<QVariantList>{{true}, {false}}));

        // A file that refuses the new table is reported, never silently ignored.
        writeFile(ProgramFolder::file(QStringLiteral("db.mdb")), QByteArray(8192, 'x'));
        users.platform.messages.clear();
        users.create(QStringLiteral("zaid"));
        QCOMPARE(users.platform.messages.size(), 1);
        QCOMPARE(users.platform.messages.last().title, QStringLiteral("خطأ"));
    }

    void missingDatabase()
    {
        Users users(false);
        QCOMPARE(users.platform.messages.size(), 1);
        QCOMPARE(users.platform.messages.first().title, QStringLiteral("خطأ"));
        QVERIFY(users.platform.messages.first().text.contains(QStringLiteral("db.mdb")));
        QCOMPARE(users.list()->count(), 0);

        // Still usable, and the file is never made by the program.
        users.create(QStringLiteral("omar"));
        QCOMPARE(users.platform.messages.size(), 2);
        QVERIFY(!QFile::exists(users.folder.file(QStringLiteral("db.mdb"))) && users.window.isVisible());
    }
};

QTEST_MAIN(TestMemorise)
#include "tst_memorise.moc"
