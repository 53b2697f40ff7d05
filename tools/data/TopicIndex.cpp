#include "data/TopicIndex.h"

#include "core/SuraTables.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QTextStream>

namespace {

// The sura names compared without diacritics and tatweel, so "ص" matches "صـ" and
// "المزمل" matches "المزّمِّل".
QString plainName(const QString &name)
{
    QString plain;
    for (const QChar ch : name) {
        const char16_t code = ch.unicode();
        if ((code >= 0x064B && code <= 0x0652) || code == 0x0640)
            continue;
        plain.append(ch);
    }
    return plain.trimmed();
}

// A topic that has been opened by a heading and not yet closed.
struct OpenTopic {
    int level = 0;
    int row = 0; // index into TopicIndex::topics
    int line = 0;
    bool hasChildren = false;
    bool hasReferences = false;
};

class FileReader
{
public:
    FileReader(const QString &path, TopicIndex &index)
        : m_path(path)
        , m_index(index)
    {
    }

    bool read(QString *error);

private:
    bool heading(int level, const QString &name);
    bool reference(const QString &text);
    bool closeTopicsFrom(int level);
    bool fail(const QString &message);
    bool failAt(int line, const QString &message);

    QString m_path;
    TopicIndex &m_index;
    QList<OpenTopic> m_open; // the chain from the file's top-level topic down
    int m_line = 0;
    QString *m_error = nullptr;
};

bool FileReader::read(QString *error)
{
    m_error = error;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return fail(QStringLiteral("cannot read the file: %1").arg(file.errorString()));
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);

    static const QRegularExpression headingPattern(QStringLiteral("^(#+)\\s*(.*)$"));
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        ++m_line;
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        const QRegularExpressionMatch match = headingPattern.match(line);
        const bool ok = match.hasMatch() ? heading(int(match.capturedLength(1)), match.captured(2).trimmed())
                                         : reference(line);
        if (!ok)
            return false;
    }
    return closeTopicsFrom(1);
}

bool FileReader::heading(int level, const QString &name)
{
    if (name.isEmpty())
        return fail(QStringLiteral("a heading without a topic name"));
    if (!closeTopicsFrom(level))
        return false;
    if (level > 1 && (m_open.isEmpty() || m_open.last().level != level - 1))
        return fail(QStringLiteral("topic \"%1\" at level %2 has no parent topic at level %3")
                        .arg(name).arg(level).arg(level - 1));

    int mother = 0;
    if (!m_open.isEmpty()) {
        OpenTopic &parent = m_open.last();
        if (parent.hasReferences)
            return fail(QStringLiteral("topic \"%1\" has verse references and cannot have sub-topics")
                            .arg(m_index.topics.at(parent.row).name));
        parent.hasChildren = true;
        mother = m_index.topics.at(parent.row).topicNo;
    }
    const int number = int(m_index.topics.size()) + 1;
    m_index.topics.append(TopicRow{number, number, name, mother});
    m_open.append(OpenTopic{level, int(m_index.topics.size()) - 1, m_line});
    return true;
}

bool FileReader::reference(const QString &text)
{
    // "البقرة 2: 255, 1-5" or "2: 255, 1-5".
    static const QRegularExpression referencePattern(QStringLiteral("^(?:(\\D*\\S)\\s+)?(\\d+)\\s*:\\s*(.*)$"));
    const QRegularExpressionMatch match = referencePattern.match(text);
    if (!match.hasMatch())
        return fail(QStringLiteral("expected a heading (\"# topic\") or a reference (\"sura: verses\")"));
    if (m_open.isEmpty())
        return fail(QStringLiteral("a verse reference before any topic"));
    // The last heading is always a topic without sub-topics yet: a sub-topic
    // would itself be the last heading.
    OpenTopic &topic = m_open.last();

    const int sura = match.captured(2).toInt();
    if (sura < 1 || sura > SuraCount)
        return fail(QStringLiteral("sura %1 does not exist").arg(match.captured(2)));
    const QString name = match.captured(1);
    if (!name.isEmpty() && plainName(name) != plainName(SuraNames.at(sura - 1)))
        return fail(QStringLiteral("sura %1 is %2, not %3").arg(sura).arg(SuraNames.at(sura - 1), name));

    const QStringList items = match.captured(3).split(u',');
    if (items.size() > MaxItemsPerReference)
        return fail(QStringLiteral("%1 items on one line; at most %2 are read")
                        .arg(items.size()).arg(MaxItemsPerReference));
    const int verseCount = SuraVerseCounts.at(sura - 1);
    static const QRegularExpression itemPattern(QStringLiteral("^(\\d+)(?:\\s*-\\s*(\\d+))?$"));
    QStringList written;
    for (const QString &rawItem : items) {
        const QString item = rawItem.trimmed();
        const QRegularExpressionMatch itemMatch = itemPattern.match(item);
        if (!itemMatch.hasMatch())
            return fail(QStringLiteral("\"%1\" is not a verse number or a range such as 7-9").arg(item));
        const int first = itemMatch.captured(1).toInt();
        const int last = itemMatch.hasCaptured(2) ? itemMatch.captured(2).toInt() : first;
        for (const int verse : {first, last}) {
            if (verse < 1 || verse > verseCount)
                return fail(QStringLiteral("verse %1:%2 does not exist (sura %1 has %3 verses)")
                                .arg(sura).arg(verse).arg(verseCount));
        }
        if (last < first)
            return fail(QStringLiteral("the range %1-%2 runs backwards").arg(first).arg(last));
        written.append(itemMatch.hasCaptured(2) ? QStringLiteral("%1-%2").arg(first).arg(last)
                                                : QString::number(first));
    }

    topic.hasReferences = true;
    const int id = int(m_index.verses.size()) + 1;
    m_index.verses.append(TopicVerseRow{id, m_index.topics.at(topic.row).topicNo, sura, written.join(u',')});
    return true;
}

// Closes the open topics at `level` and deeper; a topic closed with neither
// sub-topics nor references is a mistake in the index.
bool FileReader::closeTopicsFrom(int level)
{
    while (!m_open.isEmpty() && m_open.last().level >= level) {
        const OpenTopic topic = m_open.takeLast();
        if (!topic.hasChildren && !topic.hasReferences)
            return failAt(topic.line, QStringLiteral("topic \"%1\" has neither sub-topics nor verse references")
                                          .arg(m_index.topics.at(topic.row).name));
    }
    return true;
}

bool FileReader::fail(const QString &message)
{
    return failAt(m_line, message);
}

bool FileReader::failAt(int line, const QString &message)
{
    *m_error = line > 0 ? QStringLiteral("%1:%2: %3").arg(m_path).arg(line).arg(message)
                        : QStringLiteral("%1: %2").arg(m_path, message);
    return false;
}

} // namespace

std::optional<TopicIndex> readTopicIndex(const QString &folder, QString *error)
{
    const QDir dir(folder);
    const QStringList files = dir.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
    if (files.isEmpty()) {
        *error = QStringLiteral("%1 holds no topic files (*.txt)").arg(folder);
        return std::nullopt;
    }
    TopicIndex index;
    for (const QString &name : files) {
        if (!FileReader(dir.filePath(name), index).read(error))
            return std::nullopt;
    }
    return index;
}
