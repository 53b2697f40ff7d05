#include "support/TestProgramFolder.h"

#include "core/ProgramFolder.h"
#include "support/FixtureDatabase.h"

#include <QFile>

TestProgramFolder::TestProgramFolder(const QStringList &builtFiles)
{
    for (const QString &name : builtFiles)
        copyBuilt(name, name);
    ProgramFolder::setPath(m_dir.path());
}

void TestProgramFolder::copyBuilt(const QString &builtName, const QString &asName) const
{
    QFile::remove(file(asName)); // copy() never overwrites
    QFile::copy(QStringLiteral(VELMORA_BUILD_DIR "/") + builtName, file(asName));
    QFile(file(asName)).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
}

void TestProgramFolder::damagePage(const QString &name, int page) const
{
    QFile database(file(name));
    database.open(QIODevice::ReadWrite);
    database.seek(qint64(page) * 4096);
    database.write(QByteArray(8, '\xff'));
}

QString writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void TestProgramFolder::write(const QString &name, const QByteArray &content) const
{
    writeFile(file(name), content);
}

void TestProgramFolder::writeFixture() const
{
    FixtureDatabase::write(file(QStringLiteral("quran.qu")));
}
