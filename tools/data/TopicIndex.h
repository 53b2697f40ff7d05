#pragma once

#include <QList>
#include <QString>

#include <optional>

// One row of topics_name: a topic of the tree. Topics are numbered in reading order
// (file by file, top to bottom), so ID and Topic_No are the same running number.
struct TopicRow {
    int id = 0;
    int topicNo = 0;
    QString name;
    int motherTopic = 0; // the parent's topicNo; 0 for a top-level topic
};

// One row of topic_Ayat: the verses of a leaf topic within one sura.
struct TopicVerseRow {
    int id = 0;
    int topicNo = 0;
    int sura = 0;
    QString ayatNo; // items joined by ",": "3,5-6,9"
};

struct TopicIndex {
    QList<TopicRow> topics;
    QList<TopicVerseRow> verses;
};

// The most items one reference line may hold: the topic frame reads no more.
inline constexpr int MaxItemsPerReference = 10;

// Reads the hand-written topic index: every "*.txt" file of `folder`, in file-name
// order (the format is described in data/topics/README.md). Refuses the whole index,
// naming the file and line in *error, when a line cannot be read, a reference names a
// verse that does not exist or a sura by a wrong name, a range runs backwards, a line
// lists more than MaxItemsPerReference items, a topic has both sub-topics and
// references or neither, or a heading has no parent one level above it.
std::optional<TopicIndex> readTopicIndex(const QString &folder, QString *error);
