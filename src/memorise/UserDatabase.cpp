#include "UserDatabase.h"

#include "ConnectionString.h"
#include "EventLoopYield.h"

#include <algorithm>

const QString UnacceptableUserNameMessage = QStringLiteral(
    "لا يمكن قبول هذا الاسم. يجب أن يبدأ اسم المستخدم بحرف، وأن يتكون من حروف وأرقام والشرطة السفلية _ فقط، "
    "من غير مسافات أو علامات أخرى.");

QString userDbWriteConnectionString(const QString &programFolder)
{
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;") + QStringLiteral("Data Source=") + programFolder
        + QStringLiteral("\\db.mdb");
}

QString userListConnectionString(const QString &programFolder)
{
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Jet OLEDB:Database Password=tilam4830957; Data Source= ")
        + programFolder + QStringLiteral("\\db.mdb ;Persist Security Info=False");
}

QString userViewConnectionString(const QString &programFolder)
{
    return databaseConnectionString(programFolder, QStringLiteral("db.mdb"));
}

bool isAcceptableUserName(const QString &name)
{
    if (name.isEmpty() || !name.front().isLetter())
        return false;
    return std::all_of(name.begin(), name.end(),
                       [](QChar c) { return c.isLetter() || c.isDigit() || c == u'_'; });
}

QString createUserStatement(const QString &user)
{
    return QStringLiteral("create table ") + user + QStringLiteral(" (suranum number,ayaanum number);");
}

QString dropUserStatement(const QString &user)
{
    return QStringLiteral("DROP TABLE ") + user;
}

UserDatabase::UserDatabase(const QString &programFolder)
    : m_folder(programFolder)
{
}

bool UserDatabase::load_list(QStringList *users)
{
    users->clear();
    Connection list;
    if (!list.open(userListConnectionString(m_folder))) {
        m_error = list.errorString();
        return false;
    }
    *users = list.tables();
    list.close();
    return true;
}

UserDatabase::Outcome UserDatabase::run(const QStringList &statements)
{
    if (!UserDbConnection.open(userDbWriteConnectionString(m_folder))) {
        m_error = UserDbConnection.errorString();
        return Outcome::Unavailable;
    }
    Outcome outcome = Outcome::Done;
    if (!UserDbConnection.beginTransaction()) {
        m_error = QStringLiteral("تعذر بدء الكتابة في سجل الحفظ db.mdb");
        outcome = Outcome::Refused;
    } else {
        EventLoopYield yield;
        for (const QString &statement : statements) {
            if (!UserDbConnection.execute(statement)) {
                m_error = UserDbConnection.errorString();
                outcome = Outcome::Refused;
                break;
            }
            yield();
        }
        if (outcome == Outcome::Done && !UserDbConnection.commit()) {
            m_error = QStringLiteral("تعذر حفظ التغييرات في سجل الحفظ db.mdb");
            outcome = Outcome::Refused;
        }
        if (outcome != Outcome::Done)
            UserDbConnection.rollback();
    }
    UserDbConnection.close();
    return outcome;
}
