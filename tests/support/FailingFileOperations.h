#pragma once

#include "core/FileOperations.h"

#include <QStringList>

// File operations that fail on request, the way a failing device would: a rename onto
// a chosen file is refused, or the disk fills up after a given number of bytes. Every
// rename is recorded with whether its target existed at that moment.
class FailingFileOperations : public FileOperations
{
public:
    QStringList refusedRenameTargets; // file names (not paths) whose rename fails; "x*" for every name from x
    qint64 bytesUntilFull = -1;       // -1: the disk never fills

    struct Rename {
        QString from;
        QString to;
        bool targetExisted;
    };
    QList<Rename> renames;

    bool replace(const QString &from, const QString &to) override;
    std::unique_ptr<QIODevice> create(const QString &path) override;
};
