#include "data/SourceText.h"

#include "core/SuraTables.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

QList<SourceVerse> readSourceVerses(const QString &jsonFile, const QString &field, QString *error)
{
    QFile file(jsonFile);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(jsonFile, file.errorString());
        return {};
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (!document.isArray()) {
        *error = QStringLiteral("%1 is not a JSON array of suras: %2").arg(jsonFile, parseError.errorString());
        return {};
    }
    const QJsonArray suras = document.array();
    if (suras.size() != SuraCount) {
        *error = QStringLiteral("%1 holds %2 suras, expected %3").arg(jsonFile).arg(suras.size()).arg(SuraCount);
        return {};
    }

    QList<SourceVerse> verses;
    verses.reserve(VerseTotal);
    for (int s = 0; s < SuraCount; ++s) {
        const QJsonObject sura = suras.at(s).toObject();
        const int suraNumber = sura.value(QStringLiteral("id")).toInt();
        const QJsonArray suraVerses = sura.value(QStringLiteral("verses")).toArray();
        if (suraNumber != s + 1 || suraVerses.size() != SuraVerseCounts[s]) {
            *error = QStringLiteral("%1: sura %2 has number %3 and %4 verses, expected %5")
                         .arg(jsonFile).arg(s + 1).arg(suraNumber).arg(suraVerses.size()).arg(SuraVerseCounts[s]);
            return {};
        }
        for (int v = 0; v < suraVerses.size(); ++v) {
            const QJsonObject verse = suraVerses.at(v).toObject();
            const QString text = verse.value(field).toString().trimmed();
            if (verse.value(QStringLiteral("id")).toInt() != v + 1 || text.isEmpty()) {
                *error = QStringLiteral("%1: verse %2:%3 is missing or out of order").arg(jsonFile).arg(s + 1).arg(v + 1);
                return {};
            }
            verses.append({s + 1, v + 1, text});
        }
    }
    return verses;
}
