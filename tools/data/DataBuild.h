#pragma once

#include <QString>

#include <functional>

struct DataBuildOptions {
    QString sourcesFolder; // holds quran-json/package and quran-meta/package
    QString outFolder;     // the program folder to write into
    QString taf2File;      // optional "sura|aya|text" commentaries
    QString tafFile;
    QString skinFile;      // installed as skn (always replaced: it is the program's look)
    QString serversFile;   // installed as servers.ini only when none exists
    QString rootsFile;     // optional exact "word<TAB>root" table instead of the root analyser
    QString topicsFolder;  // the topic index (data/topics); none: empty topic tables
    QString siteFolder;    // the local site's update files go here; none: no site
};

// Builds quran.qu (with the topic index), Jthr.qu, the translation files, an empty
// db.mdb when none exists, skn, servers.ini and the local site's update files. `progress` hears one line per finished step. Returns false with the
// reason in *error; files already in place are then left as they were.
bool buildProgramData(const DataBuildOptions &options, const std::function<void(const QString &)> &progress,
                      QString *error);
