#pragma once

#include <QString>

// The kinds of read-only data file the program opens, each with the tables and
// columns the program reads from it.
enum class DataFileKind {
    Verses,      // quran.qu, and newdb.qu before it replaces it
    Roots,       // Jthr.qu
    Translation, // the *.qut files
};

enum class CheckDepth {
    // On every opening: the schema and SQLite's quick check (a few milliseconds).
    Opening,
    // Before a file replaces another or is put into place: also one row per verse,
    // ID 1 to 6236, and the full integrity check.
    Installing,
};

// Empty when the file is sound; otherwise what is wrong with it, in Arabic.
QString dataFileProblem(const QString &path, DataFileKind kind, CheckDepth depth);
