#include "net/UpdateFiles.h"

#include <QStringList>

namespace {

const QString UpdateFolder = QStringLiteral("communication/update/");

} // namespace

UpdateFile updateFile(int downloadItem, const QString &serverAddress)
{
    const QString name = downloadItem == 1 ? QStringLiteral("newdb.qu") : QString::number(downloadItem) + QStringLiteral(".qut");
    return {serverAddress + UpdateFolder + name, name};
}

QString updateCheckUrl(const QString &serverAddress)
{
    return serverAddress + UpdateFolder + QStringLiteral("update5.0.php");
}

bool parseUpdateAnswer(const QString &body, UpdateAnswer *answer)
{
    const QStringList fields = body.split(u'^');
    if (fields.size() < 2)
        return false;
    // Further fields are left for later versions of the answer.
    *answer = {fields.at(0), fields.at(1)};
    return true;
}
