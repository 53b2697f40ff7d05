#pragma once

#include "core/CheckedInstall.h"
#include "core/DataFileCheck.h"

#include <QByteArray>
#include <QString>

// The largest body the program accepts from its servers, by kind of file: far above
// what the servers hold, far below what would fill the disk or freeze the window.
namespace DownloadLimit {
inline constexpr qint64 UpdateAnswer = 16LL << 10;  // "version^notes", a few hundred bytes
inline constexpr qint64 VerseDatabase = 64LL << 20; // newdb.qu; today 3.4 MB
inline constexpr qint64 Translation = 16LL << 20;   // a .qut file; today at most 1.2 MB
inline constexpr qint64 PagePicture = 8LL << 20;    // a page of the printed copy
inline constexpr qint64 VersePicture = 2LL << 20;   // one verse in its traditional script
} // namespace DownloadLimit

// True when the file decodes as a picture in `format` ("jpg", "gif").
bool pictureDecodes(const QString &path, const QByteArray &format);

// Checks for Downloader::setAcceptance: a picture in `format`; a data file fit to be
// put in place.
FileCheck pictureCheck(const QByteArray &format);
FileCheck dataFileCheck(DataFileKind kind);
