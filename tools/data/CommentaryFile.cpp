#include "CommentaryFile.h"

#include "SuraTables.h"

#include <QFile>
#include <QTextStream>

QHash<int, QString> readCommentaryFile(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return {};
    }
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);

    QHash<int, QString> texts;
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
        if (fields.size() < 3 || !suraOk || !verseOk) {
            *error = QStringLiteral("%1:%2: expected \"sura|aya|text\"").arg(path).arg(lineNumber);
            return {};
        }
        const std::optional<int> id = verseId(sura, verse);
        if (!id) {
            *error = QStringLiteral("%1:%2: verse %3:%4 does not exist").arg(path).arg(lineNumber).arg(sura).arg(verse);
            return {};
        }
        QString text = fields.mid(2).join(u'|').trimmed();
        text.replace(QStringLiteral("\"\""), QStringLiteral("\""));
        texts.insert(*id, text);
    }
    if (texts.isEmpty())
        *error = QStringLiteral("%1 holds no verse lines").arg(path);
    return texts;
}
