#pragma once

#include <QString>

// A downloaded verse database waits as newdb.qu until the next start, when it takes
// the place of quran.qu. It is checked first: an unusable file never replaces a
// working database.
struct PendingUpdate {
    enum class Result {
        None,      // no newdb.qu
        Installed, // newdb.qu is now quran.qu
        Rejected,  // newdb.qu was unusable and has been set aside as setAsideFile
        Failed,    // the files could not be moved; both stay as they were for the next start
    };
    Result result = Result::None;
    QString setAsideFile;
    QString reason;
};

PendingUpdate installPendingDatabase(const QString &programFolder);
