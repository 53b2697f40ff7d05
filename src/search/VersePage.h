#pragma once

#include <QString>

// What a verse page is made of.
struct VersePageInput {
    QString displayText; // the verse as shown (with or without diacritics)
    QString indexText;   // its search form, " w1 w2 ... wn ", word for word the same
    QString searchWord;  // the text to highlight; empty for none
    QString reference;   // "البقرة : 255"
    QString fontName;
    double fontSize = 16;
    bool bold = false;
    bool italic = false;
    QString color;       // the highlight colour, as the reader chose it ("#FF0000")
    bool wholeWord = true;
    bool separateWords = false;
};

// The HTML page of one verse: the searched words are found in the search form and
// the same words of the display text are wrapped in the highlight colour.
QString versePage(const VersePageInput &input);
