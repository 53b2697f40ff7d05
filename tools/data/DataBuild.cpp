#include "data/DataBuild.h"

#include "core/CommentaryFile.h"
#include "data/RootAnalyser.h"
#include "data/Site.h"
#include "data/SourceText.h"
#include "core/SqliteFile.h"
#include "data/TopicIndex.h"
#include "data/VerseDatabase.h"
#include "data/VersePlaces.h"
#include "data/VerseRows.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTextStream>

#include <algorithm>

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
    const CommentaryFile file = readCommentaryFile(path);
    const QString where = QStringLiteral("%1:%2: ").arg(path).arg(file.line);
    switch (file.problem) {
    case CommentaryFile::Problem::None:
        *texts = file.texts;
        return true;
    case CommentaryFile::Problem::Unreadable:
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.detail);
        break;
    case CommentaryFile::Problem::BadLine:
        *error = where + QStringLiteral("expected \"sura|aya|text\"");
        break;
    case CommentaryFile::Problem::NoSuchVerse:
        *error = where + QStringLiteral("verse %1 does not exist").arg(file.detail);
        break;
    case CommentaryFile::Problem::RepeatedVerse:
        *error = where + QStringLiteral("verse %1 is given twice").arg(file.detail);
        break;
    case CommentaryFile::Problem::NoVerses:
        *error = QStringLiteral("%1 holds no verse lines").arg(path);
        break;
    }
    return false;
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

// The distinct words of the search form, in the order they first occur.
QStringList distinctWords(const QList<VerseRow> &rows)
{
    QStringList words;
    QSet<QString> seen;
    for (const VerseRow &row : rows) {
        for (const QString &word : row.ayaaindex.split(u' ', Qt::SkipEmptyParts)) {
            if (!seen.contains(word)) {
                seen.insert(word);
                words.append(word);
            }
        }
    }
    return words;
}

// A reader's exact root table: "word<TAB>root" lines, '#' lines and empty lines ignored.
// A word may be listed with several roots (a written form shared by two words).
QHash<QString, QStringList> readRootsFile(const QString &path, QString *error)
{
    QHash<QString, QStringList> roots;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = QStringLiteral("cannot read %1").arg(path);
        return {};
    }
    QTextStream in(&file);
    for (int line = 1; !in.atEnd(); ++line) {
        const QString text = in.readLine();
        if (text.trimmed().isEmpty() || text.startsWith(u'#'))
            continue;
        const QStringList fields = text.split(u'\t');
        if (fields.size() != 2 || fields.at(0).trimmed().isEmpty() || fields.at(1).trimmed().isEmpty()) {
            *error = QStringLiteral("%1:%2: expected \"word<TAB>root\"").arg(path).arg(line);
            return {};
        }
        QStringList &wordRoots = roots[fields.at(0).trimmed()];
        if (!wordRoots.contains(fields.at(1).trimmed()))
            wordRoots.append(fields.at(1).trimmed());
    }
    if (roots.isEmpty())
        *error = QStringLiteral("%1 lists no word").arg(path);
    return roots;
}

// The rows of Words: every word of the text with its root(s), grouped by root, the
// forms of a root in the order they first occur in the text. Without a roots file the
// root analyser decides; with one, a word the file does not list keeps a root of its own.
QList<QPair<QString, QString>> wordRoots(const QStringList &words, const QString &rootsFile, QString *summary,
                                         QString *error)
{
    QList<QPair<QString, QString>> pairs;
    if (rootsFile.isEmpty()) {
        const RootAnalysis analysis = analyseRoots(words);
        for (const QString &word : words)
            pairs.append({word, analysis.rootOf.value(word)});
        *summary = QStringLiteral("%1 share a root, %2 keep their own").arg(analysis.sharedWords).arg(analysis.ownWords);
    } else {
        const QHash<QString, QStringList> listed = readRootsFile(rootsFile, error);
        if (listed.isEmpty())
            return {};
        int missing = 0;
        for (const QString &word : words) {
            const QStringList roots = listed.value(word, {RootAnalysis::ownRoot(word)});
            missing += listed.contains(word) ? 0 : 1;
            for (const QString &root : roots)
                pairs.append({word, root});
        }
        *summary = QStringLiteral("roots from %1, %2 words not listed there keep their own").arg(rootsFile).arg(missing);
    }
    // Stable: within one root the words keep their order of first occurrence.
    std::stable_sort(pairs.begin(), pairs.end(), [](const auto &a, const auto &b) { return a.second < b.second; });
    return pairs;
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
    TopicIndex topics;
    if (!options.topicsFolder.isEmpty()) {
        const std::optional<TopicIndex> index = readTopicIndex(options.topicsFolder, error);
        if (!index)
            return false;
        topics = *index;
    }
    const QString textVersion = packageVersion(textPackage, error);
    const QString metaVersion = packageVersion(metaPackage, error);
    if (textVersion.isEmpty() || metaVersion.isEmpty())
        return false;
    const QString version = QStringLiteral("%1.0 (quran-json %2, quran-meta %3)")
                                .arg(QLatin1String(ImporterDataVersion), textVersion, metaVersion);
    if (!writeVerseDatabase(out.filePath(QStringLiteral("quran.qu")), rows, topics, version, error))
        return false;
    progress(QStringLiteral("quran.qu: %1 verses (%2 with the first commentary, %3 with the second), %4 topics, version \"%5\"")
                 .arg(rows.size()).arg(taf2.size()).arg(taf.size()).arg(topics.topics.size()).arg(version));

    const QStringList words = distinctWords(rows);
    QString rootSummary;
    const QList<QPair<QString, QString>> roots = wordRoots(words, options.rootsFile, &rootSummary, error);
    if (roots.isEmpty() || !writeRootDatabase(out.filePath(QStringLiteral("Jthr.qu")), roots, error))
        return false;
    progress(QStringLiteral("Jthr.qu: %1 word forms (%2)").arg(words.size()).arg(rootSummary));

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

    if (!options.siteFolder.isEmpty()) {
        if (!writeSite(options.outFolder, options.siteFolder, error))
            return false;
        progress(QStringLiteral("site: update files in %1").arg(options.siteFolder));
    }

    return createEmptyDatabase(out.filePath(QStringLiteral("db.mdb")), error)
        && install(options.skinFile, out.filePath(QStringLiteral("skn")), true, error)
        && install(options.serversFile, out.filePath(QStringLiteral("servers.ini")), false, error);
}
