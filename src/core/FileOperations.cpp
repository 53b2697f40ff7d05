#include "core/FileOperations.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <optional>
#include <unistd.h>

namespace {

QString temporaryNameFor(const QString &target)
{
    return target + QStringLiteral(".part");
}

QString fileName(const QString &path)
{
    return QFileInfo(path).fileName();
}

// Writes every chunk `read` hands out (an empty one ends, none at all is a read
// failure) to a temporary file, makes it durable and renames it over the target.
template<typename Reader>
bool writeThroughTemporary(const QString &target, QString *error, FileOperations &files, Reader read)
{
    const QString temporary = temporaryNameFor(target);
    const auto fail = [&](const QString &reason) {
        files.remove(temporary);
        *error = reason;
        return false;
    };
    {
        std::unique_ptr<QIODevice> out = files.create(temporary);
        if (!out)
            return fail(QStringLiteral("تعذر إنشاء ملف في مجلد %1 (قد يكون المجلد للقراءة فقط)")
                            .arg(QFileInfo(target).absolutePath()));
        bool written = true;
        while (written) {
            const std::optional<QByteArray> chunk = read();
            if (!chunk)
                return fail(QStringLiteral("تعذرت قراءة الملف المراد نسخه إلى %1").arg(fileName(target)));
            if (chunk->isEmpty())
                break;
            written = out->write(*chunk) == chunk->size();
        }
        if (auto *file = qobject_cast<QFileDevice *>(out.get()); written && file)
            written = file->flush() && ::fsync(file->handle()) == 0;
        out->close();
        if (!written)
            return fail(QStringLiteral("تعذرت كتابة الملف %1 (قد يكون القرص ممتلئا)").arg(fileName(target)));
    }
    if (!files.replace(temporary, target))
        return fail(QStringLiteral("تعذر وضع الملف %1 في مكانه").arg(fileName(target)));
    return true;
}

} // namespace

bool FileOperations::replace(const QString &from, const QString &to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

bool FileOperations::remove(const QString &path)
{
    return QFile::remove(path);
}

std::unique_ptr<QIODevice> FileOperations::create(const QString &path)
{
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate))
        return nullptr;
    return file;
}

FileOperations &FileOperations::real()
{
    static FileOperations files;
    return files;
}

bool copyReplacing(const QString &source, const QString &target, QString *error, FileOperations &files)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("تعذرت قراءة الملف %1").arg(fileName(source));
        return false;
    }
    return writeThroughTemporary(target, error, files, [&]() -> std::optional<QByteArray> {
        QByteArray chunk = in.read(1 << 16);
        if (in.error() != QFileDevice::NoError)
            return std::nullopt;
        return chunk;
    });
}
