#include "DataBuild.h"

#include "CommentaryFile.h"
#include "SourceText.h"
#include "VerseDatabase.h"
#include "VersePlaces.h"
#include "VerseRows.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// Raised whenever the importer changes what it writes, so installed copies see an update.
constexpr auto ImporterDataVersion = "1";

// Translation files the text package can fill: catalogue number -> language file.
const QList<QPair<int, QString>> Translations = {
    {2, QStringLiteral("quran_zh.json")},  // Chinese
    {4, QStringLiteral("quran_fr.json")},  // French
    {6, QStringLiteral("quran_id.json")},  // Indonesian
    {14, QStringLiteral("quran_es.json")}, // Spanish
    {17, QStringLiteral("quran_tr.json")}, // Turkish
};

QString packageVersion(const QString &packageFolder, QString *error)
{
    QFile file(packageFolder + QStringLiteral("/package.json"));
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1").arg(file.fileName());
        return {};
    }
    return QJsonDocument::fromJson(file.readAll()).object().value(QStringLiteral("version")).toString();
}

bool readCommentary(const QString &path, QHash<int, QString> *texts, QString *error)
{
    if (path.isEmpty())
        return true;
    *texts = readCommentaryFile(path, error);
    return error->isEmpty();
}

// Copies a file through a temporary name; an existing copy stays unless `replace`.
bool install(const QString &from, const QString &to, bool replace, QString *error)
{
    if (from.isEmpty() || (!replace && QFile::exists(to)))
        return true;
    const QString partial = to + QStringLiteral(".partial");
    QFile::remove(partial);
    if (!QFile::copy(from, partial)) {
        *error = QStringLiteral("cannot copy %1 to %2").arg(from, to);
        return false;
    }
    QFile::remove(to);
    return QFile::rename(partial, to);
}

} // namespace

bool buildProgramData(const DataBuildOptions &options, const std::function<void(const QString &)> &progress,
                      QString *error)
{
    const QString textPackage = QDir(options.sourcesFolder).filePath(QStringLiteral("quran-json/package"));
    const QString metaPackage = QDir(options.sourcesFolder).filePath(QStringLiteral("quran-meta/package"));
    const QDir out(options.outFolder);
    if (!out.mkpath(QStringLiteral("."))) {
        *error = QStringLiteral("cannot create %1").arg(out.path());
        return false;
    }

    const QList<SourceVerse> text = readSourceVerses(textPackage + QStringLiteral("/dist/quran.json"), QStringLiteral("text"), error);
    if (text.isEmpty())
        return false;
    const QList<SourceVerse> english = readSourceVerses(textPackage + QStringLiteral("/dist/quran_en.json"), QStringLiteral("translation"), error);
    if (english.isEmpty())
        return false;
    const VersePlaces places = VersePlaces::fromHafsLists(metaPackage + QStringLiteral("/src/lists/HafsLists.ts"), error);
    if (!places.isValid())
        return false;
    QHash<int, QString> taf2;
    QHash<int, QString> taf;
    if (!readCommentary(options.taf2File, &taf2, error) || !readCommentary(options.tafFile, &taf, error))
        return false;

    const QList<VerseRow> rows = buildVerseRows(text, english, places, taf2, taf, error);
    if (rows.isEmpty())
        return false;
    const QString textVersion = packageVersion(textPackage, error);
    const QString metaVersion = packageVersion(metaPackage, error);
    if (textVersion.isEmpty() || metaVersion.isEmpty())
        return false;
    const QString version = QStringLiteral("%1.0 (quran-json %2, quran-meta %3)")
                                .arg(QLatin1String(ImporterDataVersion), textVersion, metaVersion);
    if (!writeVerseDatabase(out.filePath(QStringLiteral("quran.qu")), rows, version, error))
        return false;
    progress(QStringLiteral("quran.qu: %1 verses (%2 with the first commentary, %3 with the second), version \"%4\"")
                 .arg(rows.size()).arg(taf2.size()).arg(taf.size()).arg(version));

    for (const auto &[number, languageFile] : Translations) {
        const QList<SourceVerse> translation = readSourceVerses(textPackage + QStringLiteral("/dist/") + languageFile,
                                                                QStringLiteral("translation"), error);
        if (translation.isEmpty())
            return false;
        QStringList texts;
        for (const SourceVerse &verse : translation)
            texts.append(verse.text);
        const QString name = QStringLiteral("2%1.qut").arg(number);
        if (!writeTranslationFile(out.filePath(name), texts, error))
            return false;
        progress(name);
    }

    return createUserDatabaseIfMissing(out.filePath(QStringLiteral("db.mdb")), error)
        && install(options.skinFile, out.filePath(QStringLiteral("skn")), true, error)
        && install(options.serversFile, out.filePath(QStringLiteral("servers.ini")), false, error);
}
