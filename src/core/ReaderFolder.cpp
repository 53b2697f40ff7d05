#include "core/ReaderFolder.h"

#include "core/DataSource.h"
#include "core/Platform.h"
#include "core/ProgramFolder.h"
#include "core/SingleInstance.h"
#include "core/SqliteFile.h"

#include <QDir>
#include <QFileInfo>
#include <QList>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>

#include <algorithm>

namespace {

const QString VerseDatabase = QStringLiteral("quran.qu");
const QString PendingUpdate = QStringLiteral("newdb.qu");
const QString UserDatabase = QStringLiteral("db.mdb");

QList<int> versionNumbers(const QString &version)
{
    static const QRegularExpression number(QStringLiteral("\\d+"));
    QList<int> numbers;
    for (const QRegularExpressionMatch &match : number.globalMatch(version))
        numbers.append(match.captured().toInt());
    return numbers;
}

QString seedingFailed(const QString &readerFolder, const QString &file, const QString &reason)
{
    return QStringLiteral("تعذر تجهيز مجلد بيانات البرنامج الخاص بك:\n%1\n"
                          "لم يمكن إنشاء الملف %2 فيه (%3).\n"
                          "قد يكون القرص ممتلئا أو المجلد غير قابل للكتابة. لم يتغير شيء في المجلد؛ "
                          "أفرغ بعض المساحة ثم شغّل البرنامج مرة أخرى.")
        .arg(QDir::toNativeSeparators(readerFolder), file, reason);
}

} // namespace

namespace ReaderFolder {

QString programFolderFor(const QString &executableFolder)
{
    if (QFileInfo::exists(QDir(executableFolder).filePath(VerseDatabase)))
        return QDir::cleanPath(executableFolder);
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/velmora");
}

QString installedDataFor(const QString &executableFolder)
{
    return QDir::cleanPath(executableFolder + QStringLiteral("/../share/velmora"));
}

QString dataFolderFor(const QString &executableFolder)
{
    const QString folder = programFolderFor(executableFolder);
    return QFileInfo::exists(QDir(folder).filePath(VerseDatabase)) ? folder : installedDataFor(executableFolder);
}

QString databaseVersion(const QString &folder)
{
    DataSource database;
    if (!database.openFile(folder + u'/' + VerseDatabase)
        || !database.runQuery(QStringLiteral("SELECT * FROM DBversion")))
        return {};
    return database.text(QStringLiteral("DBversion"));
}

bool isNewerVersion(const QString &candidate, const QString &current)
{
    const QList<int> a = versionNumbers(candidate);
    const QList<int> b = versionNumbers(current);
    return std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end());
}

Seeding seed(const QString &installedFolder, const QString &readerFolder, FileOperations &files)
{
    Seeding seeding;
    const QDir installed(installedFolder);
    const QDir reader(readerFolder);
    if (!QFileInfo::exists(installed.filePath(VerseDatabase))) {
        seeding.canStart = false;
        seeding.problem = QStringLiteral("لم يعثر على بيانات البرنامج المثبتة في المجلد:\n%1\nأعد تثبيت البرنامج.")
                              .arg(QDir::toNativeSeparators(installedFolder));
        return seeding;
    }
    const bool hadVerses = QFileInfo::exists(reader.filePath(VerseDatabase));
    const bool folderExisted = reader.exists();
    if (!QDir().mkpath(readerFolder)) {
        seeding.canStart = false;
        seeding.problem = seedingFailed(readerFolder, QString(), QStringLiteral("تعذر إنشاء المجلد"));
        return seeding;
    }

    QStringList created;
    const auto fail = [&](const QString &file, const QString &reason) {
        for (const QString &path : std::as_const(created))
            files.remove(path);
        if (!folderExisted)
            QDir().rmdir(readerFolder);
        seeding.canStart = false;
        seeding.problem = seedingFailed(readerFolder, file, reason);
        return seeding;
    };
    for (const QString &name : installed.entryList(QDir::Files, QDir::Name)) {
        const QString target = reader.filePath(name);
        if (QFileInfo::exists(target))
            continue;
        QString reason;
        if (!copyReplacing(installed.filePath(name), target, &reason, files))
            return fail(name, reason);
        created.append(target);
    }
    if (!QFileInfo::exists(reader.filePath(UserDatabase))) {
        QString reason;
        if (!createEmptyDatabase(reader.filePath(UserDatabase), &reason))
            return fail(UserDatabase, reason);
    }

    // A package upgrade brought a newer verse database: it waits as a pending update,
    // unless the reader already has one waiting.
    if (hadVerses && !QFileInfo::exists(reader.filePath(PendingUpdate))
        && isNewerVersion(databaseVersion(installedFolder), databaseVersion(readerFolder))) {
        QString reason;
        if (!copyReplacing(installed.filePath(VerseDatabase), reader.filePath(PendingUpdate), &reason, files))
            seeding.problem = QStringLiteral("تعذر نسخ قاعدة بيانات الآيات الأحدث المثبتة إلى مجلدك (%1)، "
                                             "وسيستمر البرنامج في استخدام نسختك الحالية.")
                                  .arg(reason);
    }
    return seeding;
}

bool setUp(Platform &platform, const QString &executableFolder)
{
    const QString folder = programFolderFor(executableFolder);
    if (folder != QDir::cleanPath(executableFolder)) {
        // A second copy (a double click on the menu entry) would seed the same files at
        // once: it is refused before it touches any, as the main window refuses it.
        SingleInstance instance;
        if (!instance.tryLock()) {
            platform.message(SingleInstance::refusal());
            return false;
        }
        const Seeding seeding = seed(installedDataFor(executableFolder), folder, platform.files());
        if (!seeding.problem.isEmpty())
            platform.message(seeding.problem, seeding.canStart ? QStringLiteral("تنبيه") : QStringLiteral("خطأ"),
                             Platform::Buttons::Ok, seeding.canStart ? Platform::Icon::Warning : Platform::Icon::Critical);
        if (!seeding.canStart)
            return false;
    }
    ProgramFolder::setPath(folder);
    return true;
}

} // namespace ReaderFolder
