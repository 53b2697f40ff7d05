#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class Messages;
struct SearchCommand;

// One verse found, as the command line prints it.
struct FoundVerse {
    int sura = 0;
    int aya = 0;
    int page = 0;
    int part = 0;
    QString text;
};

// The outcome of one command-line search.
struct VerseSearchOutcome {
    enum class Status { Found, NothingFound, Failed };
    Status status = Status::Failed;
    QList<FoundVerse> verses; // each verse once, in reading order
    QStringList notes;        // what the search did or why it failed, for standard error
};

// Runs the text search, or the root search, of `command` on the data files of `folder`.
VerseSearchOutcome runVerseSearch(const SearchCommand &command, const QString &folder, const Messages &say);

// The verses as standard output shows them: "sura:aya" lines (with the text after a tab
// when `withText`), or one JSON array.
QString formatVerses(const QList<FoundVerse> &verses, bool withText, bool json);
