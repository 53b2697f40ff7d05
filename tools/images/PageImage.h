#pragma once

#include "images/PageContent.h"

#include <QImage>
#include <QList>
#include <QString>

// Page and verse pictures of the printed copy, drawn from the verse text with a Quran font.

struct PagePicture {
    int page = 0;
    int part = 0;
    QList<PageBlock> blocks;
    QString basmala; // the basmala's text as the first verse of the first sura gives it
};

inline constexpr int PageWidth = 560;
inline constexpr int PageHeight = 800;

// The page with its verses justified right to left in the largest font size that lets
// them fill the page without running over it.
QImage renderPage(const PagePicture &picture);
// The font size renderPage chose, in pixels (for tests and tuning).
double pageFontSize(const PagePicture &picture);

// One verse with its end mark, sized to the text.
QImage renderVerse(const PageVerse &verse);

// Writes a picture as a 16-grey GIF file.
bool writeGif(const QImage &image, const QString &path, QString *error);
