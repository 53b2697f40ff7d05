#pragma once

#include "core/Connection.h"

#include <QString>
#include <QStringList>

// The memorisation records: db.mdb in the program folder, one table per user with the
// columns suranum (sura number) and ayaanum (running verse number), one row per
// memorised verse. The file is never created here: the installation provides it.

// db.mdb in the program folder, opened from its path.
QString userDatabaseFile(const QString &programFolder);

// A user's name is a table name used unquoted in every statement, so only names of
// letters (any script), digits and "_" that start with a letter are accepted.
bool isAcceptableUserName(const QString &name);
extern const QString UnacceptableUserNameMessage;

QString createUserStatement(const QString &user);
QString dropUserStatement(const QString &user);

// Every write reaches db.mdb through UserDbConnection, opened for one command and
// closed again whatever happened.
class UserDatabase
{
public:
    enum class Outcome {
        Done,
        Unavailable, // db.mdb missing or not a database: errorString() says which
        Refused,     // the file opened but a statement failed; nothing was changed
    };

    explicit UserDatabase(const QString &programFolder);

    // The users: the ordinary tables of db.mdb in the order the file lists them.
    // False when the file cannot be opened.
    bool load_list(QStringList *users);

    // Runs the statements as one transaction: all of them or none. The event loop gets
    // its turn between statements.
    Outcome run(const QStringList &statements);

    QString errorString() const { return m_error; }
    QString programFolder() const { return m_folder; }

    Connection UserDbConnection;

private:
    QString m_folder;
    QString m_error;
    bool m_running = false;
};
