#include "support/FailingFileOperations.h"

#include <QFile>
#include <QFileInfo>

namespace {

// A file on a disk with `room` bytes left.
class FillingFile : public QFile
{
public:
    FillingFile(const QString &path, qint64 &room)
        : QFile(path)
        , m_room(room)
    {
    }

protected:
    qint64 writeData(const char *data, qint64 length) override
    {
        if (m_room >= 0 && length > m_room) {
            m_room = 0;
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        if (m_room >= 0)
            m_room -= length;
        return QFile::writeData(data, length);
    }

private:
    qint64 &m_room;
};

} // namespace

bool FailingFileOperations::replace(const QString &from, const QString &to)
{
    renames.append({from, to, QFileInfo::exists(to)});
    const QString name = QFileInfo(to).fileName();
    for (const QString &refused : refusedRenameTargets) {
        if (refused.isEmpty())
            continue;
        if (refused.endsWith(u'*') ? name.startsWith(refused.chopped(1)) : name == refused)
            return false;
    }
    return FileOperations::replace(from, to);
}

std::unique_ptr<QIODevice> FailingFileOperations::create(const QString &path)
{
    auto file = std::make_unique<FillingFile>(path, bytesUntilFull);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate))
        return nullptr;
    return file;
}
