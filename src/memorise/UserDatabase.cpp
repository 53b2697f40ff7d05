#include "memorise/UserDatabase.h"

#include "core/EventLoopYield.h"

#include <QScopedValueRollback>

#include <algorithm>

const QString UnacceptableUserNameMessage = QStringLiteral(
    "لا يمكن قبول هذا الاسم. يجب أن يبدأ اسم المستخدم بحرف، وأن يتكون من حروف وأرقام والشرطة السفلية _ فقط، "
    "من غير مسافات أو علامات أخرى، وألا يكون كلمة من كلمات لغة قاعدة البيانات مثل select أو table.");

QString userDatabaseFile(const QString &programFolder)
{
    return programFolder + QStringLiteral("/db.mdb");
}

namespace {

// The words of SQLite's own language: a table of that name would break the statements.
const QStringList ReservedWords = QStringLiteral(
    "ABORT ACTION ADD AFTER ALL ALTER ALWAYS ANALYZE AND AS ASC ATTACH AUTOINCREMENT BEFORE BEGIN BETWEEN BY "
    "CASCADE CASE CAST CHECK COLLATE COLUMN COMMIT CONFLICT CONSTRAINT CREATE CROSS CURRENT CURRENT_DATE "
    "CURRENT_TIME CURRENT_TIMESTAMP DATABASE DEFAULT DEFERRABLE DEFERRED DELETE DESC DETACH DISTINCT DO DROP EACH "
    "ELSE END ESCAPE EXCEPT EXCLUDE EXCLUSIVE EXISTS EXPLAIN FAIL FILTER FIRST FOLLOWING FOR FOREIGN FROM FULL "
    "GENERATED GLOB GROUP GROUPS HAVING IF IGNORE IMMEDIATE IN INDEX INDEXED INITIALLY INNER INSERT INSTEAD "
    "INTERSECT INTO IS ISNULL JOIN KEY LAST LEFT LIKE LIMIT MATCH MATERIALIZED NATURAL NO NOT NOTHING NOTNULL NULL "
    "NULLS OF OFFSET ON OR ORDER OTHERS OUTER OVER PARTITION PLAN PRAGMA PRECEDING PRIMARY QUERY RAISE RANGE "
    "RECURSIVE REFERENCES REGEXP REINDEX RELEASE RENAME REPLACE RESTRICT RETURNING RIGHT ROLLBACK ROW ROWS "
    "SAVEPOINT SELECT SET TABLE TEMP TEMPORARY THEN TIES TO TRANSACTION TRIGGER UNBOUNDED UNION UNIQUE UPDATE "
    "USING VACUUM VALUES VIEW VIRTUAL WHEN WHERE WINDOW WITH WITHOUT").split(u' ');

} // namespace

bool isAcceptableUserName(const QString &name)
{
    if (name.isEmpty() || !name.front().isLetter())
        return false;
    if (ReservedWords.contains(name, Qt::CaseInsensitive) || name.startsWith(QStringLiteral("sqlite_"), Qt::CaseInsensitive))
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
    if (!list.openFile(userDatabaseFile(m_folder))) {
        m_error = list.errorString();
        return false;
    }
    *users = list.tables();
    list.close();
    return true;
}

UserDatabase::Outcome UserDatabase::run(const QStringList &statements)
{
    // The statements yield to the event loop; a second command meanwhile would reopen
    // the connection under the first and roll it back.
    if (m_running) {
        m_error = QStringLiteral("ما زالت عملية تسجيل سابقة جارية، يرجى الانتظار حتى تنتهي");
        return Outcome::Refused;
    }
    const QScopedValueRollback running(m_running, true);
    if (!UserDbConnection.openFile(userDatabaseFile(m_folder))) {
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
