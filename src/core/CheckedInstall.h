#pragma once

#include "core/FileOperations.h"

#include <QString>

#include <functional>

// Empty when the file at the path is fit to be installed; otherwise why not, in Arabic.
using FileCheck = std::function<QString(const QString &path)>;

struct Installation {
    enum class Result {
        Installed, // the candidate is now the target; the old target waits as backupOf(target)
        Rejected,  // the candidate failed its check and lies aside as setAsideFile
        Failed,    // a step could not be done; the target is as it was
    };
    Result result = Result::Failed;
    QString reason;       // Rejected, Failed: why, in Arabic
    QString setAsideFile; // Rejected: where the candidate now lies
};

// Puts `candidate` in the place of `target` once `check` passes. The old target is
// copied to backupOf(target) first and stays there until keepInstalled() or
// restoreBackup() settles it, so a new file that turns out unusable when the program
// opens it can be rolled back. A rejected candidate is renamed
// "<candidate>.rejected-<time>"; only the latest such file is kept.
Installation installChecked(const QString &candidate, const QString &target, const FileCheck &check,
                            FileOperations &files = FileOperations::real());

QString backupOf(const QString &target);
// The installed file works: the backup goes.
bool keepInstalled(const QString &target, FileOperations &files = FileOperations::real());
// The installed file does not work: the backup takes its place again.
bool restoreBackup(const QString &target, FileOperations &files = FileOperations::real());

// Decides an installation of the program folder's quran.qu once the program has tried
// to open it: kept when it opened, otherwise the backup is put back. True when the
// backup was put back.
bool settleVerseDatabase(const QString &programFolder, bool opened, FileOperations &files = FileOperations::real());
