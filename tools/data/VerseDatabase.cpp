#include "data/VerseDatabase.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <cstdio>
#include <functional>

namespace {

// Creates `path` through a fresh file beside it: `fill` runs inside one transaction
// on the new database; the file replaces `path` only when everything succeeded.
bool buildDatabaseFile(const QString &path, const std::function<bool(QSqlDatabase &, QString *)> &fill,
                       QString *error)
{
    const QString temporary = path + QStringLiteral(".partial");
    QFile::remove(temporary);
    const QString connection = QStringLiteral("build:") + path;
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(temporary);
        if (!db.open()) {
            *error = QStringLiteral("cannot create %1: %2").arg(temporary, db.lastError().text());
        } else {
            db.transaction();
            ok = fill(db, error) && db.commit();
            if (!ok && error->isEmpty())
                *error = db.lastError().text();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    if (ok && std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path).constData()) != 0) {
        *error = QStringLiteral("cannot move %1 into place").arg(temporary);
        ok = false;
    }
    if (!ok)
        QFile::remove(temporary);
    return ok;
}

bool exec(QSqlQuery &query, const QString &sql, QString *error)
{
    if (query.exec(sql))
        return true;
    *error = QStringLiteral("%1: %2").arg(sql, query.lastError().text());
    return false;
}

bool execPrepared(QSqlQuery &query, QString *error)
{
    if (query.exec())
        return true;
    *error = query.lastError().text();
    return false;
}

} // namespace

bool writeVerseDatabase(const QString &path, const QList<VerseRow> &rows, const TopicIndex &topics,
                        const QString &version, QString *error)
{
    return buildDatabaseFile(path, [&](QSqlDatabase &db, QString *err) {
        QSqlQuery query(db);
        const bool created =
            exec(query, QStringLiteral("CREATE TABLE Ayat (ID INTEGER PRIMARY KEY, soraano INTEGER, ayaano INTEGER, "
                                       "chapterNO INTEGER, pageno INTEGER, ayaa TEXT, ayaaindex TEXT, "
                                       "taf2 TEXT, taf TEXT, english TEXT, ayaafolded TEXT)"), err)
            && exec(query, QStringLiteral("CREATE TABLE DBversion (DBversion TEXT)"), err)
            && exec(query, QStringLiteral("CREATE TABLE topics_name (ID INTEGER PRIMARY KEY, Topic_No INTEGER, "
                                          "Topic_Name TEXT, Mother_Topic INTEGER)"), err)
            && exec(query, QStringLiteral("CREATE TABLE topic_Ayat (ID INTEGER PRIMARY KEY, Topic_No INTEGER, "
                                          "Sura_No INTEGER, Ayat_No TEXT)"), err);
        if (!created)
            return false;

        query.prepare(QStringLiteral("INSERT INTO DBversion (DBversion) VALUES (?)"));
        query.addBindValue(version);
        if (!execPrepared(query, err))
            return false;

        query.prepare(QStringLiteral("INSERT INTO Ayat VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        for (const VerseRow &row : rows) {
            for (const QVariant &value : {QVariant(row.id), QVariant(row.sura), QVariant(row.verse),
                                          QVariant(row.part), QVariant(row.page), QVariant(row.ayaa),
                                          QVariant(row.ayaaindex), QVariant(row.taf2), QVariant(row.taf),
                                          QVariant(row.english), QVariant(row.ayaafolded)})
                query.addBindValue(value);
            if (!execPrepared(query, err))
                return false;
        }

        query.prepare(QStringLiteral("INSERT INTO topics_name VALUES (?, ?, ?, ?)"));
        for (const TopicRow &topic : topics.topics) {
            for (const QVariant &value : {QVariant(topic.id), QVariant(topic.topicNo), QVariant(topic.name),
                                          QVariant(topic.motherTopic)})
                query.addBindValue(value);
            if (!execPrepared(query, err))
                return false;
        }
        query.prepare(QStringLiteral("INSERT INTO topic_Ayat VALUES (?, ?, ?, ?)"));
        for (const TopicVerseRow &verses : topics.verses) {
            for (const QVariant &value : {QVariant(verses.id), QVariant(verses.topicNo), QVariant(verses.sura),
                                          QVariant(verses.ayatNo)})
                query.addBindValue(value);
            if (!execPrepared(query, err))
                return false;
        }
        return true;
    }, error);
}

bool writeTranslationFile(const QString &path, const QStringList &texts, QString *error)
{
    return buildDatabaseFile(path, [&](QSqlDatabase &db, QString *err) {
        QSqlQuery query(db);
        if (!exec(query, QStringLiteral("CREATE TABLE Taf (ID INTEGER PRIMARY KEY, Taf TEXT)"), err))
            return false;
        query.prepare(QStringLiteral("INSERT INTO Taf (ID, Taf) VALUES (?, ?)"));
        for (qsizetype i = 0; i < texts.size(); ++i) {
            query.addBindValue(int(i + 1));
            query.addBindValue(texts.at(i));
            if (!execPrepared(query, err))
                return false;
        }
        return true;
    }, error);
}

bool writeRootDatabase(const QString &path, const QList<QPair<QString, QString>> &wordRoots, QString *error)
{
    return buildDatabaseFile(path, [&](QSqlDatabase &db, QString *err) {
        QSqlQuery query(db);
        if (!exec(query, QStringLiteral("CREATE TABLE Words (ID INTEGER PRIMARY KEY, Word TEXT, JathrID TEXT)"), err)
            || !exec(query, QStringLiteral("CREATE INDEX WordsByRoot ON Words (JathrID)"), err)
            || !exec(query, QStringLiteral("CREATE INDEX WordsByWord ON Words (Word)"), err))
            return false;
        query.prepare(QStringLiteral("INSERT INTO Words (Word, JathrID) VALUES (?, ?)"));
        for (const auto &[word, root] : wordRoots) {
            query.addBindValue(word);
            query.addBindValue(root);
            if (!execPrepared(query, err))
                return false;
        }
        return true;
    }, error);
}

