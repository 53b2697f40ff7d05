// The users window against a scratch, empty db.mdb and the fixture verses, and the rule
// for the names that may become a user's table.

#include "memorise/FrmEnterPage.h"
#include "memorise/FrmSaveQuran.h"
#include "core/ProgramFolder.h"
#include "core/ProgramState.h"
#include "support/ScriptedPlatform.h"
#include "support/TestHelpers.h"
#include "support/TestProgramFolder.h"
#include "memorise/UserDatabase.h"

#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

// The users window on a fresh program folder, loaded.
struct Users {
    explicit Users(bool withUserFile = true)
    {
        clearSettings();
        folder.writeFixture();
        if (withUserFile)
            folder.write(QStringLiteral("db.mdb"), {}); // an empty file is an empty database
        window.Form_Load();
        window.show();
    }
    TestProgramFolder folder{QStringList{}};
    ScriptedPlatform platform;
    ProgramState state;
    FrmEnterPage window{platform, state};

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

class TestFrmEnterPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Names accepted are tried through the window below.
    void refusedUserNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << "";
        QTest::newRow("starts with a digit") << "2ali";
        QTest::newRow("starts with an underscore") << "_ali";
        QTest::newRow("blank") << "ali omar";
        QTest::newRow("quote") << "ali'";
        QTest::newRow("bracket") << "ali]";
        QTest::newRow("hyphen") << "ali-omar";
        QTest::newRow("arabic vowel mark") << "عَلي";
        QTest::newRow("reserved word") << "Select";
        QTest::newRow("sqlite's own prefix") << "sqlite_stat";
    }

    void refusedUserNames()
    {
        QFETCH(QString, name);
        QVERIFY(!isAcceptableUserName(name));
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
            QCOMPARE(users.platform.messages.first().buttons, Platform::Buttons::Ok);
            QCOMPARE(users.list()->currentRow(), 1);
        }
        QCOMPARE(Users::tables(), both);

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

QTEST_MAIN(TestFrmEnterPage)
#include "tst_frmenterpage.moc"
