#pragma once

#include "core/FileOperations.h"

#include <QString>
#include <QStringList>

// Commentaries the reader brings as files: a checked file fills one commentary
// column of the verse database, and later updates keep what the reader added.
namespace CommentaryImport {

// The columns a file can fill, in the order of the commentary buttons.
extern const QStringList Columns; // "taf2", "taf"

// The number of verses of quran.qu whose `column` holds a text, as "filled".
QString filledVersesQuery(const QString &column);

struct Result {
    bool imported = false;
    int verses = 0;
    QString problem; // for the reader, in Arabic
};

// Checks the whole file first (a bad line is named and nothing is written), then fills
// `column` of the program folder's quran.qu with its texts (verses the file lacks are
// left empty). The column is filled in a copy that takes the place of quran.qu by the
// same checked installation as an update.
Result importFile(const QString &programFolder, const QString &column, const QString &file,
                  FileOperations &files = FileOperations::real());

// Before an update replaces the verse database by `newDatabase`: each commentary column
// the new file leaves empty takes the texts of the current one, so the reader's own
// commentaries survive updates.
bool carryCommentaries(const QString &currentDatabase, const QString &newDatabase, QString *error);

} // namespace CommentaryImport
