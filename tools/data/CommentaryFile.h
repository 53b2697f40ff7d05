#pragma once

#include <QHash>
#include <QString>

// Reads a per-verse text file in the common "sura|aya|text" form, one verse a line.
// Lines that are empty or start with "#" (the publisher's notes) are skipped; a text
// may itself hold "|". Doubled quotes ("") are an export artefact and become one.
// Returns the texts by running verse number; on a malformed line or a verse that does
// not exist returns nothing and names the file and line in *error.
QHash<int, QString> readCommentaryFile(const QString &path, QString *error);
