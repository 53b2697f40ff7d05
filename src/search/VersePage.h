#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

// What a verse page is made of.
struct VersePageInput {
    QString displayText; // the verse as shown (with or without diacritics)
    QString indexText;   // its search form, " w1 w2 ... wn ", word for word the same
    QString searchWord;  // the text to highlight; empty for none
    QString reference;   // "البقرة : 255"
    QString notice;      // one line above the verse saying how it was found; empty for none
    QString fontName;
    double fontSize = 16;
    bool bold = false;
    bool italic = false;
    QString color;       // the highlight colour, as the reader chose it ("#FF0000")
    bool wholeWord = true;
    bool separateWords = false;
};

// The HTML page of one verse: the searched words are found in the search form and
// the same words of the display text are wrapped in the highlight colour. A whole word
// is also found where the search form joins the vocative to it (ياموسى for موسى).
QString versePage(const VersePageInput &input);

// The page of a search that found nothing: says so, and offers `suggestions` as links
// (suggestionLink) that search for the text clicked.
QString nothingFoundPage(const QString &fontName, double fontSize, const QString &typed, const QStringList &suggestions);

// The link of one suggestion, and back from a clicked link to its text (empty for any
// other link).
QUrl suggestionLink(const QString &text);
QString suggestionOfLink(const QUrl &link);
