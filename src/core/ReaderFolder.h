#pragma once

#include "core/FileOperations.h"

#include <QString>

class Platform;

// An installed program keeps its data read-only under <prefix>/share/velmora; each
// reader works in a folder of their own that is seeded from it.
namespace ReaderFolder {

// The program folder of a program started from `executableFolder`: that folder when
// it holds quran.qu (the build folder, a portable copy), otherwise the reader's own
// folder, $XDG_DATA_HOME/velmora (~/.local/share/velmora by default).
QString programFolderFor(const QString &executableFolder);

// The installed data of a program started from `executableFolder`: <prefix>/share/velmora.
QString installedDataFor(const QString &executableFolder);

// Where a program that only reads the data (velmora-search) finds it: the program
// folder when it holds quran.qu, otherwise the installed data (the reader has not
// started the program yet).
QString dataFolderFor(const QString &executableFolder);

struct Seeding {
    bool canStart = true;
    QString problem; // for the reader, in Arabic; empty when all went well
};

// Copies into `readerFolder` each installed file it lacks (never one it has: records,
// downloaded translations and installed updates stay), and creates the empty
// memorisation record db.mdb. A seeding that fails halfway removes what it copied, so
// the program never starts on half its data. An installed quran.qu newer than the
// reader's (by DBversion) is put beside it as the pending update newdb.qu, which the
// start-up installs with the same checks as a downloaded one.
Seeding seed(const QString &installedFolder, const QString &readerFolder,
             FileOperations &files = FileOperations::real());

// Chooses the program folder of a program started from `executableFolder`, seeds it
// when it is the reader's own, and makes it ProgramFolder::path(). What went wrong is
// told to the reader; false when the program cannot start.
bool setUp(Platform &platform, const QString &executableFolder);

// The DBversion of the quran.qu in `folder`; empty when it cannot be read.
QString databaseVersion(const QString &folder);

// True when version text `candidate` is newer than `current`: their numbers are
// compared in order ("1.0 (quran-json 3.1.2, …)"). An unreadable current version is older.
bool isNewerVersion(const QString &candidate, const QString &current);

} // namespace ReaderFolder
