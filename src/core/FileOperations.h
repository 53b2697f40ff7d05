#pragma once

#include <QString>

#include <memory>

class QIODevice;

// The file-system steps that replacing a file is made of. Everything that puts a file
// in the place of another goes through one of these, so a test can make any step
// fail: a rename refused, a disk that fills up part way through a copy.
class FileOperations
{
public:
    virtual ~FileOperations() = default;

    // Renames `from` over `to` in one step: `to` is never missing meanwhile.
    virtual bool replace(const QString &from, const QString &to);
    virtual bool remove(const QString &path);
    // A new empty file open for writing; an existing one is cut to nothing.
    virtual std::unique_ptr<QIODevice> create(const QString &path);

    // The real file system.
    static FileOperations &real();
};

// Puts a copy of `source` in the place of `target`: the bytes go to
// a temporary file beside the target, which is renamed over it only once complete, so
// the target holds either its old content or the whole new one. On failure the reason,
// in Arabic, is in *error and nothing is left behind.
bool copyReplacing(const QString &source, const QString &target, QString *error,
                   FileOperations &files = FileOperations::real());
