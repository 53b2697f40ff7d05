#include "cli/VerseSearch.h"

#include "core/DataFileCheck.h"
#include "core/DataSource.h"
#include "cli/Messages.h"
#include "search/RootFormSearch.h"
#include "search/RootSearchQuery.h"
#include "cli/SearchCommand.h"
#include "search/TextSearch.h"
#include "text/TypedText.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>

namespace {

using Status = VerseSearchOutcome::Status;

// Every record of `source`, keyed by verse number so that each verse counts once and
// they come out in reading order.
void collect(DataSource &source, QMap<int, FoundVerse> &verses)
{
    for (source.moveFirst(); !source.atEnd(); source.moveNext()) {
        FoundVerse verse;
        verse.sura = source.text(QStringLiteral("soraano")).toInt();
        verse.aya = source.text(QStringLiteral("ayaano")).toInt();
        verse.page = source.text(QStringLiteral("pageno")).toInt();
        verse.part = source.text(QStringLiteral("chapterNO")).toInt();
        verse.text = source.text(QStringLiteral("ayaa"));
        verses.insert(source.text(QStringLiteral("ID")).toInt(), verse);
    }
}

VerseSearchOutcome failure(const QString &note)
{
    VerseSearchOutcome outcome;
    outcome.notes.append(note);
    return outcome;
}

// Opens a data file after the program's own checks of it; false when it is missing or
// damaged, with the Arabic reason in `problem`.
bool openDataFile(DataSource &source, const QString &folder, const QString &file, DataFileKind kind, QString *problem)
{
    const bool opened = source.openFile(QDir(folder).filePath(file), kind);
    *problem = opened ? QString() : source.errorString();
    return opened;
}

VerseSearchOutcome missingOrDamaged(const Messages &say, const QString &file, const QString &folder, const QString &problem)
{
    return failure(say(QStringLiteral("الملف %1 مفقود أو تالف في المجلد %2: %3").arg(file, folder, problem),
                       QStringLiteral("%1 is missing or damaged in %2").arg(file, folder)));
}

QString queryFailed(const Messages &say, const QString &reason)
{
    return say(QStringLiteral("تعذر البحث في ملف البيانات: %1"), QStringLiteral("the search failed on the data file: %1"))
        .arg(reason);
}

VerseSearchOutcome textSearch(const SearchCommand &command, DataSource &verses, const Messages &say,
                              QMap<int, FoundVerse> &found)
{
    VerseSearchOutcome outcome;
    TextSearch search(verses);
    const TextSearchResult result = search.run(command.words, command.scope, command.choices, !command.strict);
    if (!result.ok)
        return failure(queryFailed(say, result.error));
    collect(verses, found);
    if (result.forgiving) {
        outcome.notes.append(say(forgivingSearchNotice(command.words, result.foundSpelling),
                                 QStringLiteral("nothing found for \"%1\" as typed; these are the results for \"%2\"")
                                     .arg(command.words, result.foundSpelling)));
    }
    if (found.isEmpty()) {
        const QStringList suggestions = search.suggestions(result.searchForm);
        if (!suggestions.isEmpty())
            outcome.notes.append(say(QStringLiteral("هل تقصد: "), QStringLiteral("did you mean: ")) + suggestions.join(QStringLiteral(" ، ")));
    }
    outcome.status = Status::Found;
    return outcome;
}

VerseSearchOutcome rootSearch(const SearchCommand &command, const QString &folder, DataSource &verses,
                              const Messages &say, QMap<int, FoundVerse> &found)
{
    const QString word = searchFormOfTypedText(command.words);
    if (word.contains(u' ') || hasLikeWildcard(word))
        return failure(say(QStringLiteral("البحث على مستوى الجذر يكون عن كلمة واحدة فقط، بلا % ولا _"),
                           QStringLiteral("the root search takes one word, without % or _")));
    const QString rootFile = QStringLiteral("Jthr.qu");
    DataSource roots;
    DataSource forms;
    QString problem;
    if (!openDataFile(roots, folder, rootFile, DataFileKind::Roots, &problem))
        return missingOrDamaged(say, rootFile, folder, problem);
    if (!forms.openFile(QDir(folder).filePath(rootFile)))
        return missingOrDamaged(say, rootFile, folder, forms.errorString());
    RootFormSearch search{roots, forms, verses};
    QString error;
    if (!search.run(word, command.scope, command.choices, [](const QString &) {},
                    [&](const QString &) { collect(verses, found); }, &error))
        return failure(queryFailed(say, error));
    VerseSearchOutcome outcome;
    outcome.status = Status::Found;
    return outcome;
}

} // namespace

VerseSearchOutcome runVerseSearch(const SearchCommand &command, const QString &folder, const Messages &say)
{
    const QString verseFile = QStringLiteral("quran.qu");
    DataSource verses;
    QString problem;
    if (!openDataFile(verses, folder, verseFile, DataFileKind::Verses, &problem))
        return missingOrDamaged(say, verseFile, folder, problem);

    QMap<int, FoundVerse> found;
    VerseSearchOutcome outcome = command.choices.byRoot ? rootSearch(command, folder, verses, say, found)
                                                        : textSearch(command, verses, say, found);
    if (outcome.status == Status::Failed)
        return outcome;
    outcome.verses = found.values();
    if (found.isEmpty()) {
        outcome.status = Status::NothingFound;
        outcome.notes.prepend(say(QStringLiteral("لم يعثر على \"%1\""), QStringLiteral("nothing found for \"%1\"")).arg(command.words));
    }
    return outcome;
}

QString formatVerses(const QList<FoundVerse> &verses, bool withText, bool json)
{
    if (json) {
        QJsonArray array;
        for (const FoundVerse &verse : verses) {
            array.append(QJsonObject{{QStringLiteral("sura"), verse.sura},
                                     {QStringLiteral("aya"), verse.aya},
                                     {QStringLiteral("page"), verse.page},
                                     {QStringLiteral("part"), verse.part},
                                     {QStringLiteral("text"), verse.text}});
        }
        return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact)) + u'\n';
    }
    QString lines;
    for (const FoundVerse &verse : verses) {
        lines += QString::number(verse.sura) + u':' + QString::number(verse.aya);
        if (withText)
            lines += u'\t' + verse.text;
        lines += u'\n';
    }
    return lines;
}
