// Commentaries the reader brings: "إضافة تفسير من ملف" from the commentary box, on a
// copy of the real verse database.

#include "controls/CoolHoverButton.h"
#include "core/DataSource.h"
#include "support/MainWindowFixture.h"

#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTextEdit>

namespace {

const QString Command = QStringLiteral("إضافة تفسير من ملف");

// The stored commentaries of a verse: (taf2, taf).
QPair<QString, QString> stored(const QString &folder, int id)
{
    DataSource verses;
    verses.openFile(folder + QStringLiteral("/quran.qu"));
    verses.runQuery(QStringLiteral("SELECT taf2, taf FROM Ayat WHERE ID = %1").arg(id));
    return {verses.text(QStringLiteral("taf2")), verses.text(QStringLiteral("taf"))};
}

constexpr int AyatAlKursi = 262; // 2:255
constexpr int AliImran2 = 295;   // 3:2

} // namespace

class TestCommentary : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void importFromFile()
    {
        auto program = std::make_unique<MainWindowFixture>(QStringList{QStringLiteral("quran.qu"), QStringLiteral("skn")});
        const TestProgramFolder &folder = program->folder;
        const QString verses = folder.file(QStringLiteral("quran.qu"));
        QByteArray withAdditions;
        {
            QVERIFY(program->open());
            auto *text2 = program->find<QTextEdit>("Text2");
            auto *placeholder = program->find<QLabel>("tafPlaceholder");
            auto *command = program->find<CoolHoverButton>("cmdImportTaf");
            program->search(QStringLiteral("القيوم"));

            // A missing commentary says so and links to the command, which stands by the buttons.
            program->click("CoolHoverButton2");
            QVERIFY(placeholder->isVisible());
            QVERIFY(placeholder->text().contains(QStringLiteral("href")) && placeholder->text().contains(Command));
            QVERIFY(!placeholder->text().contains(QStringLiteral("docs")));
            QVERIFY(command->isVisible());
            QCOMPARE(command->caption(), Command);

            // One bad line: nothing is imported and the reader is told which line.
            const QByteArray before = readFile(verses);
            program->platform.fileNames.enqueue(writeFile(folder.file(QStringLiteral("bad.txt")), "2|255|a\n2|256|b\n2|x|c\n"));
            program->platform.choices.enqueue(1);
            Q_EMIT placeholder->linkActivated(QStringLiteral("import"));
            QCOMPARE(program->platform.messages.last().title, QStringLiteral("خطأ"));
            QVERIFY2(program->platform.messages.last().text.contains(QStringLiteral("السطر 3")),
                     qPrintable(program->platform.messages.last().text));
            QCOMPARE(readFile(verses), before);

            // A good file fills the chosen commentary, shown at once.
            const QString good = writeFile(folder.file(QStringLiteral("good.txt")),
                                       "# from the publisher\n2|255|تفسير آية الكرسي\n3|2|تفسير الآية الثانية\n");
            program->platform.fileNames.enqueue(good);
            program->platform.choices.enqueue(1);
            program->click("cmdImportTaf");
            QVERIFY(program->platform.messages.last().text.endsWith(QStringLiteral("نص 2 آية.")));
            QCOMPARE(text2->toPlainText(), QStringLiteral("تفسير آية الكرسي"));
            QVERIFY(!placeholder->isVisible());
            program->find<QListWidget>("suraayaalist")->setCurrentRow(1);
            QCOMPARE(text2->toPlainText(), QStringLiteral("تفسير الآية الثانية"));
            QCOMPARE(stored(folder.path(), AyatAlKursi), qMakePair(QString(), QStringLiteral("تفسير آية الكرسي")));

            // Filling a commentary that has text asks first; Cancel changes nothing.
            program->platform.fileNames.enqueue(good);
            program->platform.choices.enqueue(1);
            program->click("cmdImportTaf");
            QCOMPARE(program->platform.messages.last().title, QStringLiteral("تنبيه"));
            withAdditions = readFile(verses);
        }
        program.reset();

        // An update installed at the next start keeps what the reader added.
        MainWindowFixture next;
        next.folder.write(QStringLiteral("quran.qu"), withAdditions);
        next.folder.copyBuilt(QStringLiteral("quran.qu"), QStringLiteral("newdb.qu"));
        QVERIFY(next.window.Form_Load());
        QVERIFY(!QFileInfo::exists(next.folder.file(QStringLiteral("newdb.qu"))));
        QCOMPARE(stored(next.folder.path(), AliImran2), qMakePair(QString(), QStringLiteral("تفسير الآية الثانية")));
    }
};

QTEST_MAIN(TestCommentary)
#include "tst_commentary.moc"
