#pragma once

#include <QString>

// The command that adds a commentary from a text file, one line per verse.
inline QString importCommentaryCommand()
{
    return QStringLiteral("إضافة تفسير من ملف");
}

// Shown where this copy of the program holds no text of the commentary the reader chose.
// `command`: the import command as the reader reaches it from there.
inline QString missingCommentaryText(const QString &command)
{
    return QStringLiteral("هذا التفسير غير موجود في هذه النسخة من البرنامج. إن كان لديك ملف نصي له، فيه سطر لكل آية، "
                          "فأضفه من %1.")
        .arg(command);
}
