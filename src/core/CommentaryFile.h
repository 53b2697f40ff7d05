#pragma once

#include <QHash>
#include <QString>

// A per-verse text file in the common "sura|aya|text" form, one verse a line, as
// commentaries are published. Lines that are empty or start with "#" (the publisher's
// notes) are skipped; a text may itself hold "|". Doubled quotes ("") are an export
// artefact and become one.
struct CommentaryFile {
    enum class Problem {
        None,
        Unreadable,    // detail: the system's reason
        BadLine,       // line is not "sura|aya|text"
        NoSuchVerse,   // line names a verse that does not exist; detail: "sura:aya"
        RepeatedVerse, // line names a verse an earlier line gave; detail: "sura:aya"
        NoVerses,      // not one verse line
    };

    QHash<int, QString> texts; // by running verse number; empty unless problem is None
    Problem problem = Problem::None;
    int line = 0; // the offending line, counted from 1
    QString detail;
};

// Reads and checks the whole file: on any problem nothing is returned but the problem.
CommentaryFile readCommentaryFile(const QString &path);
