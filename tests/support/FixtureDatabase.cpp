#include "support/FixtureDatabase.h"

#include "core/SuraTables.h"
#include "data/VerseDatabase.h"
#include "data/VerseRows.h"
#include "text/SearchForm.h"
#include "text/TypedText.h"

#include <QDir>
#include <QFile>

void FixtureDatabase::write(const QString &path)
{
    QFile extract(QStringLiteral(VELMORA_FIXTURE_ROWS));
    if (!extract.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read %s", VELMORA_FIXTURE_ROWS);
    QList<VerseRow> rows;
    QString error;
    while (!extract.atEnd()) {
        const QString line = QString::fromUtf8(extract.readLine()).chopped(1);
        if (line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u'|'); // sura|aya|part|page|text|English
        VerseRow row;
        row.sura = fields.at(0).toInt();
        row.verse = fields.at(1).toInt();
        row.id = verseId(row.sura, row.verse).value_or(0);
        row.part = fields.at(2).toInt();
        row.page = fields.at(3).toInt();
        row.ayaa = fields.at(4);
        row.english = fields.at(5);
        row.ayaaindex = searchFormOfVerse(row.ayaa);
        row.ayaafolded = foldedSpelling(row.ayaaindex);
        error = searchColumnsFault(row);
        if (!error.isEmpty())
            qFatal("fixture row %s: %s", qPrintable(line.left(8)), qPrintable(error));
        rows.append(row);
    }
    QFile::remove(path);
    if (!writeVerseDatabase(path, rows, {}, QStringLiteral("fixture (quran-json 3.1.2, quran-meta 6.0.17)"), &error))
        qFatal("cannot write the fixture database: %s", qPrintable(error));
}

QString FixtureDatabase::path()
{
    static const QString file = [] {
        const QString written = QDir::temp().filePath(QStringLiteral("fixture-quran.qu"));
        write(written);
        return written;
    }();
    return file;
}
