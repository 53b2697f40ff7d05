#pragma once

class DataSource;
class Platform;

// The data sources the main window reads from start-up on.
struct StartupDatabases {
    DataSource &results; // search results, from quran.qu
    DataSource &verse;   // the verse on show, from quran.qu
    DataSource &forms;   // word forms, from Jthr.qu
    DataSource &roots;   // roots, from Jthr.qu
};

// A database downloaded last time takes the place of quran.qu first (the previous one
// comes back when the new one does not open); then the verse and root databases open.
// The reader is told what happened. False when the verse database cannot be opened:
// the program cannot run without it.
bool openStartupDatabases(Platform &platform, const StartupDatabases &databases);
