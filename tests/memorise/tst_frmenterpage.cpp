// The users window against a scratch copy of the built, empty db.mdb and the fixture verses.

#include "core/DataSource.h"
#include "memorise/FrmEnterPage.h"
#include "memorise/FrmSaveQuran.h"
#include "memorise/Marking.h"
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

const QString Duplicate = QStringLiteral("إن هذا المستخدم موجود مسبقا , يرجى إدخال اسم جديد للمستخدم");

// The users window on a fresh program folder, loaded.
struct Users {
    explicit Users(const QStringList &builtFiles = {QStringLiteral("db.mdb")})
        : folder(builtFiles)
    {
        folder.writeFixture();
        window.Form_Load();
        window.show();
    }
    TestProgramFolder folder;
    ScriptedPlatform platform;
    ProgramState state;
    FrmEnterPage window{platform, state};

    // Answers the name question with `answer` and presses "new user".
    void create(const std::optional<QString> &answer)
    {
        platform.inputs.enqueue(answer);
        child<QPushButton>(&window, "Command2")->click();
    }
};

QStringList listed(FrmEnterPage &window)
{
    QStringList users;
    auto *list = child<QListWidget>(&window, "List1");
    for (int i = 0; i < list->count(); ++i)
        users.append(list->item(i)->text());
    return users;
}

QStringList tablesOfFile()
{
    QStringList users;
    UserDatabase(ProgramFolder::path()).load_list(&users);
    users.sort();
    return users;
}

int selectedRow(FrmEnterPage &window)
{
    return child<QListWidget>(&window, "List1")->currentRow();
}

} // namespace

class TestFrmEnterPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { clearSettings(); }

    void emptyDatabase()
    {
        Users users;
        auto &[folder, platform, state, window] = users;
        QCOMPARE(window.windowTitle(), QStringLiteral("تحفيظ القرآن الكريم"));
        QVERIFY(listed(window).isEmpty());
        child<QPushButton>(&window, "Command1")->click();
        QVERIFY(!window.findChild<FrmSaveQuran *>());
        child<QPushButton>(&window, "Command3")->click();
        QVERIFY(platform.messages.isEmpty());
        QVERIFY(window.isVisible());
    }

    void createUsers()
    {
        Users users;
        auto &[folder, platform, state, window] = users;
        // Cancel and an empty answer create nothing.
        users.create(std::nullopt);
        users.create(QString());
        QVERIFY(tablesOfFile().isEmpty());
        QCOMPARE(platform.inputPrompts.first(), QStringLiteral("اكتب اسم المستخدم باللغة الإنجليزية"));
        QCOMPARE(platform.keyboardLayouts.last(), QStringLiteral("00000409"));

        users.create(QStringLiteral("omar"));
        users.create(QStringLiteral("عائشة_2"));
        QCOMPARE(tablesOfFile(), (QStringList{QStringLiteral("omar"), QStringLiteral("عائشة_2")}));
        QCOMPARE(listed(window).size(), 2);
        QCOMPARE(selectedRow(window), 0);
        QVERIFY(platform.messages.isEmpty());

        // The same name again: told so, and the list is not reloaded (the selection stays).
        child<QListWidget>(&window, "List1")->setCurrentRow(1);
        users.create(listed(window).at(1));
        QCOMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.messages.first().text, Duplicate);
        QCOMPARE(platform.messages.first().buttons, Platform::Buttons::Ok);
        QCOMPARE(selectedRow(window), 1);

        // Differing only in letter case: the same table to the file, and the reader is told.
        users.create(QStringLiteral("OMAR"));
        QCOMPARE(platform.messages.size(), 2);
        QVERIFY(platform.messages.last().text.contains(QStringLiteral("حالة الأحرف")));
        QCOMPARE(tablesOfFile(), (QStringList{QStringLiteral("omar"), QStringLiteral("عائشة_2")}));

        // A file that refuses the new table is reported, never silently ignored.
        writeFile(ProgramFolder::file(QStringLiteral("db.mdb")), QByteArray(8192, 'x'));
        users.create(QStringLiteral("zaid"));
        QCOMPARE(platform.messages.size(), 3);
        QCOMPARE(platform.messages.last().title, QStringLiteral("خطأ"));
    }

    void unsafeNamesAreRefused()
    {
        Users users;
        auto &[folder, platform, state, window] = users;
        users.create(QStringLiteral("b"));
        UserDatabase(ProgramFolder::path()).run({insertStatement(QStringLiteral("b"), 1, 1)});

        for (const QString &name : {QStringLiteral("a; DROP TABLE b"), QStringLiteral("x (suranum number);--")}) {
            const qsizetype before = platform.messages.size();
            users.create(name);
            QCOMPARE(platform.messages.size(), before + 1);
            QCOMPARE(platform.messages.last().text, UnacceptableUserNameMessage);
        }
        QCOMPARE(tablesOfFile(), QStringList{QStringLiteral("b")});
        QCOMPARE(listed(window), QStringList{QStringLiteral("b")});
        DataSource records;
        QVERIFY(records.openFile(userDatabaseFile(ProgramFolder::path())));
        QVERIFY(records.runQuery(QStringLiteral("SELECT *  FROM b")));
        QCOMPARE(records.recordCount(), 1);
    }

    void deleteUser()
    {
        Users users;
        auto &[folder, platform, state, window] = users;
        users.create(QStringLiteral("amal"));
        users.create(QStringLiteral("zaid"));
        auto *list = child<QListWidget>(&window, "List1");
        const QString second = list->item(1)->text();

        // No to the first question, then Yes and No: nothing dropped, first entry selected.
        for (const QList<Platform::Answer> &answers : {QList{Platform::Answer::No}, QList{Platform::Answer::Yes, Platform::Answer::No}}) {
            list->setCurrentRow(1);
            platform.messages.clear();
            platform.answers.append(answers);
            child<QPushButton>(&window, "Command3")->click();
            QCOMPARE(platform.messages.size(), answers.size());
            QCOMPARE(tablesOfFile().size(), 2);
            QCOMPARE(list->currentRow(), 0);
        }
        QCOMPARE(platform.messages.first().text, QStringLiteral("هل أنت متأكد من رغبتك بمسح هذا المستخدم و كل ما يتعلق به ؟"));
        QCOMPARE(platform.messages.last().text, QStringLiteral("لتأكيد المسح إضغط نعم , أو للرجوع عن المسح إضغط لا"));
        for (const auto &message : platform.messages) {
            QCOMPARE(message.title, QStringLiteral("مسح"));
            QCOMPARE(message.buttons, Platform::Buttons::YesNo);
        }

        list->setCurrentRow(1);
        platform.answers.append({Platform::Answer::Yes, Platform::Answer::Yes});
        child<QPushButton>(&window, "Command3")->click();
        QCOMPARE(tablesOfFile().size(), 1);
        QVERIFY(!tablesOfFile().contains(second));
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->currentRow(), 0);
    }

    void missingDatabase()
    {
        Users users(QStringList{});
        auto &[folder, platform, state, window] = users;
        QCOMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.messages.first().title, QStringLiteral("خطأ"));
        QVERIFY(platform.messages.first().text.contains(QStringLiteral("db.mdb")));
        QVERIFY(listed(window).isEmpty());

        // Still usable, and the file is never made by the program.
        users.create(QStringLiteral("omar"));
        QCOMPARE(platform.messages.size(), 2);
        QVERIFY(!QFile::exists(folder.file(QStringLiteral("db.mdb"))));
        QVERIFY(window.isVisible());
    }

    void openTracker()
    {
        Users users;
        auto &[folder, platform, state, window] = users;
        users.create(QStringLiteral("hind"));
        QSignalSpy open(&window, &FrmEnterPage::trackerOpenChanged);

        child<QPushButton>(&window, "Command1")->click();
        QCOMPARE(state.CurrentUser, QStringLiteral("hind"));
        auto *tracker = window.findChild<FrmSaveQuran *>();
        QVERIFY(tracker && tracker->isVisible());
        QVERIFY(!window.isVisible());
        QCOMPARE(open.size(), 1);
        QCOMPARE(open.first().first().toBool(), true);

        tracker->close();
        QCOMPARE(open.size(), 2);
        QCOMPARE(open.last().first().toBool(), false);
    }
};

QTEST_MAIN(TestFrmEnterPage)
#include "tst_frmenterpage.moc"
