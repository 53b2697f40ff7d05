#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class Platform;

// "إضافة تفسير من ملف": the reader picks a text file and says which commentary it holds;
// a stored text of that commentary is only replaced after the reader agrees.
struct AddedCommentary {
    QString column; // the filled column of quran.qu
    QString report; // what to tell the reader once the new text is on show
};

// `names`: the reader's names of the commentaries, in the order of CommentaryImport::Columns;
// `current`: the column on show, offered first. Nothing when the reader stops or the
// import fails (the reader has been told why).
std::optional<AddedCommentary> addCommentaryFromFile(Platform &platform, const QStringList &names, const QString &current);
