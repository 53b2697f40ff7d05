#pragma once

#include <QString>

// Shown in a commentary box when this copy of the program holds no text of the
// commentary the reader chose.
inline QString missingCommentaryText()
{
    return QStringLiteral("هذا التفسير غير مرفق بهذه النسخة من البرنامج.");
}
