#pragma once

#include <QString>
#include <QStringList>

// A read-write connection to the user database for statements without a result.
// The file must exist; it is never created here.
class Connection
{
public:
    Connection();
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    // Opens the file at `path` from the path itself.
    bool openFile(const QString &path);
    void close();
    bool isOpen() const;

    // Runs one statement (after the same dialect step as every query of the program).
    bool execute(const QString &sql);

    // Groups statements so that a failure part-way leaves the previous state intact.
    bool beginTransaction();
    bool commit();
    bool rollback();

    // The ordinary tables of the file, never SQLite's own.
    QStringList tables() const;

    QString errorString() const { return m_error; }

private:
    QString m_connectionName;
    QString m_error;
};
