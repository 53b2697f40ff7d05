#pragma once

#include <QString>

// A verse database of the built file's shape holding a few whole suras, made from rows of
// the real sources kept in fixture-verses.txt. Its search columns come from the same
// functions and the file from the same writer as the data build, so the unit tests of
// the core, the search and the memorisation record need neither the data build nor the
// network; the built database stays for the figures of the whole text.
namespace FixtureDatabase {

// Suras 1, 67, 110, 112, 113 and 114 (parts 1, 29 and 30), whole.

// Writes the database as `path`, replacing any file there.
void write(const QString &path);
// The database written once for this test program, in its temporary folder: to read only.
QString path();

} // namespace FixtureDatabase
