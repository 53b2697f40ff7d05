#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Writes `content` as the file `path` and gives the path back.
QString writeFile(const QString &path, const QByteArray &content);
// The whole content of a file; empty when it cannot be read.
QByteArray readFile(const QString &path);

// A scratch program folder for one test: the program reads and writes only here.
class TestProgramFolder
{
public:
    // Copies the named files of the built program folder into the scratch folder and
    // makes it the program folder.
    explicit TestProgramFolder(const QStringList &builtFiles = {QStringLiteral("quran.qu")});

    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }
    // Copies a built file into the folder under another name (a pending update, say).
    void copyBuilt(const QString &builtName, const QString &asName) const;
    void write(const QString &name, const QByteArray &content) const;
    // Writes the fixture database of a few suras as quran.qu (FixtureDatabase).
    void writeFixture() const;
    // Overwrites the header of one 4 KB page of a database, as a bad sector would.
    void damagePage(const QString &name, int page) const;

private:
    QTemporaryDir m_dir;
};
