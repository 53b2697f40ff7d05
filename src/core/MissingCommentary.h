#pragma once

#include <QString>

// Shown in the tracker's commentary box when this copy of the program holds no text of
// the commentary the reader chose; adding one is done from the search results.
inline QString missingCommentaryText()
{
    return QStringLiteral("هذا التفسير غير موجود في هذه النسخة من البرنامج. إن كان لديك ملف نصي له، "
                          "فأضفه من \"إضافة تفسير من ملف\" في صفحة نتائج البحث.");
}
