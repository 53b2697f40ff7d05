#include "core/CommentaryFile.h"

#include "core/SuraTables.h"

#include <QFile>
#include <QStringList>
#include <QTextStream>

CommentaryFile readCommentaryFile(const QString &path)
{
    CommentaryFile result;
    const auto fail = [&result](CommentaryFile::Problem problem, int line, const QString &detail = {}) {
        result.texts.clear();
        result.problem = problem;
        result.line = line;
        result.detail = detail;
        return result;
    };

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return fail(CommentaryFile::Problem::Unreadable, 0, file.errorString());
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);

    int lineNumber = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        ++lineNumber;
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u'|');
        bool suraOk = false;
        bool verseOk = false;
        const int sura = fields.value(0).trimmed().toInt(&suraOk);
        const int verse = fields.value(1).trimmed().toInt(&verseOk);
        if (fields.size() < 3 || !suraOk || !verseOk)
            return fail(CommentaryFile::Problem::BadLine, lineNumber);
        const QString reference = QStringLiteral("%1:%2").arg(sura).arg(verse);
        const std::optional<int> id = verseId(sura, verse);
        if (!id)
            return fail(CommentaryFile::Problem::NoSuchVerse, lineNumber, reference);
        if (result.texts.contains(*id))
            return fail(CommentaryFile::Problem::RepeatedVerse, lineNumber, reference);
        QString text = fields.mid(2).join(u'|').trimmed();
        text.replace(QStringLiteral("\"\""), QStringLiteral("\""));
        result.texts.insert(*id, text);
    }
    if (result.texts.isEmpty())
        return fail(CommentaryFile::Problem::NoVerses, 0);
    return result;
}
