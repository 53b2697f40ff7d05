#include "study/AddCommentary.h"

#include "core/CommentaryImport.h"
#include "core/DataSource.h"
#include "core/MissingCommentary.h"
#include "core/Platform.h"
#include "core/ProgramFolder.h"

#include <QApplication>

std::optional<AddedCommentary> addCommentaryFromFile(Platform &platform, const QStringList &names, const QString &current)
{
    const QString command = importCommentaryCommand();
    const QString file = platform.openFileName(command, QStringLiteral("ملفات نصية (*.txt);;كل الملفات (*)"));
    if (file.isEmpty())
        return std::nullopt;
    const std::optional<int> choice = platform.chooseItem(QStringLiteral("أي التفسيرين في هذا الملف؟"), command, names,
                                                          std::max<int>(0, int(CommentaryImport::Columns.indexOf(current))));
    if (!choice || *choice < 0 || *choice >= CommentaryImport::Columns.size())
        return std::nullopt;
    const QString column = CommentaryImport::Columns.at(*choice);
    const QString name = names.value(*choice);

    DataSource verses;
    if (verses.openFile(ProgramFolder::file(QStringLiteral("quran.qu")))
        && verses.runQuery(CommentaryImport::filledVersesQuery(column)) && verses.text(QStringLiteral("filled")).toInt() > 0
        && platform.message(QStringLiteral("يوجد في البرنامج نص لـ«%1»، وسيحل محله ما في الملف. هل تريد المتابعة؟").arg(name),
                            QStringLiteral("تنبيه"), Platform::Buttons::OkCancel, Platform::Icon::Warning)
               != Platform::Answer::Ok)
        return std::nullopt;
    verses.close();

    QApplication::setOverrideCursor(Qt::WaitCursor);
    const CommentaryImport::Result result = CommentaryImport::importFile(ProgramFolder::path(), column, file, platform.files());
    QApplication::restoreOverrideCursor();
    if (!result.imported) {
        platform.message(result.problem, QStringLiteral("خطأ"), Platform::Buttons::Ok, Platform::Icon::Critical);
        return std::nullopt;
    }
    return AddedCommentary{column, QStringLiteral("تمت إضافة «%1» من الملف: نص %2 آية.").arg(name).arg(result.verses)};
}
