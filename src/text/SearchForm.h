#pragma once

#include <QString>

// The search form of a verse is the text readers type: modern Arabic spelling
// without diacritics, one blank between words. It must have exactly as many
// words as the Uthmani display text, because the highlighter maps the hits
// back word by word.

// Modern spelling of one Uthmani word. A token that consists only of marks
// (a stand-alone pause, sajda or hizb sign) comes back unchanged, so that the
// word count of the verse is kept.
QString searchFormOfWord(const QString &uthmaniWord);

// " w1 w2 ... wn ": every word mapped, one blank before the first word, one
// after the last and one between words. Words are separated by whitespace;
// a thin space (U+2009) is not a separator, the source uses it once inside a
// word to stack marks (2:72).
QString searchFormOfVerse(const QString &uthmaniVerse);
