// Marking through the real tracker window on the real verse database and a scratch db.mdb.

#include "memorise/FrmSaveQuran.h"
#include "memorise/TrackerRecordingPage.h"
#include "memorise/TrackerSummaryPage.h"
#include "core/ProgramFolder.h"
#include "core/ProgramState.h"
#include "support/ScriptedPlatform.h"
#include "memorise/UserDatabase.h"

#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

// "حفظت السورة بالكامل" on sura 2: one delete and 286 inserts in one transaction, then
// the recording page's and the main page's figures read again, and the summary's.
static void BM_MarkWholeSura2(benchmark::State &state)
{
    QTemporaryDir folder;
    for (const QString &name : {QStringLiteral("quran.qu"), QStringLiteral("db.mdb")}) {
        QFile::copy(QStringLiteral(VELMORA_BUILD_DIR "/") + name, folder.filePath(name));
        QFile(folder.filePath(name)).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }
    ProgramFolder::setPath(folder.path());
    ScriptedPlatform platform;
    ProgramState programState;
    programState.CurrentUser = QStringLiteral("bench");
    UserDatabase users(folder.path());
    if (users.run({createUserStatement(programState.CurrentUser)}) != UserDatabase::Outcome::Done) {
        state.SkipWithError("no user table: is db.mdb built?");
        return;
    }
    FrmSaveQuran window(platform, programState, users);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.Form_Load();
    window.show();
    window.strip_Click(2);
    window.strip_Click(1);
    window.findChild<QComboBox *>(QStringLiteral("searchname"))->setCurrentIndex(1);
    window.findChild<TrackerRecordingPage *>()->searchname_Click();
    auto *summary = window.findChild<TrackerSummaryPage *>();
    auto *markWholeSura = window.findChild<QPushButton *>(QStringLiteral("Command6"));
    for (auto _ : state) {
        markWholeSura->click();
        summary->Percentages();
    }
    if (!platform.messages.isEmpty())
        state.SkipWithError("the marking failed");
}
BENCHMARK(BM_MarkWholeSura2)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
