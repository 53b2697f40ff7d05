#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

// Deployment addresses kept in servers.ini (group "Servers") in the program folder.
// A missing file or key falls back to the local site that scripts/run serves, so every
// network feature works on one machine out of the box. Base addresses end in "/".
// The local site holds no recitations: a recitation base that is not set stays empty.
struct Servers {
    // One of the reciters the audio servers hold: groups "WholeSura" (14) and
    // "VerseRange" (2), keys ReciterName/<n> and VerseAudio/<n>, n counted from 1.
    struct Reciter {
        QString name;
        // Address of one verse, "{sura:3}" and "{aya:3}" standing for the zero-padded
        // numbers ("{sura}", "{aya}" unpadded). Empty: the reciter has no per-verse files.
        QString verseAudio;
    };

    QString updateServer;
    QString pageImageServer;
    QString scriptImageServer;
    // Recitation bases: empty when servers.ini sets none.
    QString wholeSuraPlayBase;
    QString wholeSuraSaveBase;
    QString partialRecitationBase;
    QUrl connectivityProbe;
    // Empty: recitation addresses go to the desktop's default handler.
    QString playerCommand;
    // Always 14 for whole suras and 2 for verse ranges; an unnamed one is numbered.
    QList<Reciter> wholeSuraReciters;
    QList<Reciter> partialReciters;

    static QStringList names(const QList<Reciter> &reciters);

    static Servers load(const QString &iniFile);
    // servers.ini of the program folder.
    static Servers load();

    static QString localSite();
};
