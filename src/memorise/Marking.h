#pragma once

#include <QString>
#include <QStringList>

// The statements that mark verses as memorised or not. Each command deletes the verses
// it covers and, when marking, inserts one row per verse, so a verse never has two rows.
// Numbers are written as plain decimal integers; the user's name is the table name.

QString deleteVerseStatement(const QString &user, int id);
QString deleteSuraStatement(const QString &user, int sura);
// "between" covers the range whichever bound comes first (the dialect step orders them).
QString deleteRangeStatement(const QString &user, int sura, int a, int b);
QString insertStatement(const QString &user, int sura, int id);

// One command's work: the delete, then the inserts of firstId ... lastId in order
// (none when unmarking).
struct MarkingPlan {
    QString deleteStatement;
    int sura = 0;
    int firstId = 0;
    int lastId = -1;

    QStringList statements(const QString &user) const;
};

// The five ranges of the verse list's menu, around the current verse.
enum class MarkRange { ThisVerse, FromSuraStart, ToSuraEnd, WholeSura, ToVerse };

// The current verse of the main page, read once when a command starts.
struct CurrentVerse {
    int sura = 0;     // S
    int id = 0;       // cur, the running number of the verse
    int position = 0; // k, its position in the verse list (verse number - 1)
    int listed = 0;   // n, the number of verses listed
};

// A menu command. `targetVerse` is the last verse chosen for ToVerse (at least k + 1).
MarkingPlan menuMarking(const QString &user, MarkRange range, const CurrentVerse &verse, bool mark, int targetVerse = 0);

// The recording page: the whole sura S (its verses follow `suraOffset`), or the verses
// from ... to of it, whose running numbers end at toId.
MarkingPlan suraMarking(const QString &user, int sura, int suraOffset, bool mark);
MarkingPlan rangeMarking(const QString &user, int sura, int from, int to, int toId, int fromVerseId, bool mark);

// The verses of the suras before `sura`: the running number of its verse 0.
int suraOffset(int sura);
