#include "data/Site.h"

#include "core/DataSource.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {

const QString ReleaseNotes = QStringLiteral(
    "قاعدة بيانات الآيات مبنية من المصادر العامة الموثقة: النص العثماني بالتشكيل، "
    "وصيغة البحث بالإملاء الحديث، والأجزاء والصفحات، والترجمة الإنجليزية، وفهرس المواضيع.");

bool copyThroughTemporary(const QString &from, const QString &to, QString *error)
{
    const QString partial = to + QStringLiteral(".partial");
    QFile::remove(partial);
    if (!QFile::copy(from, partial)) {
        *error = QStringLiteral("cannot copy %1 to %2").arg(from, partial);
        return false;
    }
    QFile::remove(to);
    if (!QFile::rename(partial, to)) {
        *error = QStringLiteral("cannot rename %1 to %2").arg(partial, to);
        return false;
    }
    return true;
}

bool writeVersionAnswer(const QString &file, const QString &version, QString *error)
{
    QSaveFile answer(file);
    // No line break at the end: the answer is compared as it stands.
    if (!answer.open(QIODevice::WriteOnly) || answer.write((version + u'^' + ReleaseNotes).toUtf8()) < 0 || !answer.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(file, answer.errorString());
        return false;
    }
    return true;
}

} // namespace

bool writeSite(const QString &programFolder, const QString &siteFolder, QString *error)
{
    const QDir program(programFolder);
    const QDir update(QDir(siteFolder).filePath(QStringLiteral("communication/update")));
    if (!update.mkpath(QStringLiteral("."))) {
        *error = QStringLiteral("cannot create %1").arg(update.path());
        return false;
    }

    DataSource database;
    if (!database.openFile(programFolder + QStringLiteral("/quran.qu"))
        || !database.runQuery(QStringLiteral("SELECT * FROM DBversion")) || database.atEnd()) {
        *error = QStringLiteral("cannot read the version of %1: %2").arg(program.filePath(QStringLiteral("quran.qu")), database.errorString());
        return false;
    }
    const QString version = database.text(QStringLiteral("DBversion"));
    database.close();

    if (!copyThroughTemporary(program.filePath(QStringLiteral("quran.qu")), update.filePath(QStringLiteral("newdb.qu")), error))
        return false;
    const QStringList translations = program.entryList({QStringLiteral("*.qut")}, QDir::Files, QDir::Name);
    for (const QString &name : translations) {
        if (!copyThroughTemporary(program.filePath(name), update.filePath(name), error))
            return false;
    }
    // Last, so the answer never announces a version whose files are not there yet.
    return writeVersionAnswer(update.filePath(QStringLiteral("update5.0.php")), version, error);
}
