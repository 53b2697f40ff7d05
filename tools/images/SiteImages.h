#pragma once

#include "images/PageContent.h"
#include "core/PictureNames.h"

#include <QList>
#include <QMap>
#include <QString>

#include <functional>

// The verses of the built verse database, by page.
struct VerseLibrary {
    QMap<int, QList<PageVerse>> pages; // page number -> its verses in reading order
    QMap<int, int> partOfPage;         // page number -> part of its first verse
    QString basmala;

    static VerseLibrary load(const QString &verseDatabase, QString *error);
    QList<PageVerse> allVerses() const;
};

struct SiteImageOptions {
    QString siteFolder;    // pictures go to hpages/NNN.jpg and quran/image/S_VVV.gif below it
    int jobs = 2;
    QList<int> pages;      // only these pages; empty for all
    QList<int> verseIds;   // only these verses; empty for all
};

// Draws the chosen pictures in parallel. Each file is written under a temporary name and
// renamed into place, so the site never serves half a picture.
bool renderSiteImages(const VerseLibrary &library, const SiteImageOptions &options,
                      const std::function<void(int done, int total)> &progress, QString *error);
