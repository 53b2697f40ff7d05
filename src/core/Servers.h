#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

// Deployment addresses kept in servers.ini (group "Servers") in the program folder.
// A missing file or key falls back to the local site that scripts/run serves, so every
// network feature works on one machine out of the box. Base addresses end in "/".
struct Servers {
    QString updateServer;
    QString pageImageServer;
    QString scriptImageServer;
    QString wholeSuraPlayBase;
    QString wholeSuraSaveBase;
    QString partialRecitationBase;
    QUrl connectivityProbe;
    // Empty: recitation addresses go to the desktop's default handler.
    QString playerCommand;
    // Display names of the reciters whose recordings the audio servers hold:
    // always 14 for whole suras and 2 for verse ranges.
    QStringList wholeSuraReciters;
    QStringList partialReciters;

    static Servers load(const QString &iniFile);
    // servers.ini of the program folder.
    static Servers load();

    static QString localSite();
};
