#include "net/DownloadChecks.h"

#include <QImage>
#include <QImageReader>

bool pictureDecodes(const QString &path, const QByteArray &format)
{
    QImageReader reader(path, format);
    // The format is what the name claims: an HTML page or a PNG under a .gif name is not it.
    reader.setDecideFormatFromContent(false);
    return reader.canRead() && !reader.read().isNull();
}

FileCheck pictureCheck(const QByteArray &format)
{
    return [format](const QString &path) {
        return pictureDecodes(path, format) ? QString() : QStringLiteral("الملف الذي وصل ليس صورة صالحة");
    };
}

FileCheck dataFileCheck(DataFileKind kind)
{
    return [kind](const QString &path) { return dataFileProblem(path, kind, CheckDepth::Installing); };
}
