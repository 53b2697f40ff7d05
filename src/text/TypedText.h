#pragma once

#include <QString>

// The vocative particle, which the text writes joined to the word it calls
// (ياموسى, ياأيها); modern spelling writes it as a word of its own.
inline const QString Vocative = QStringLiteral("يا");

// What a reader typed or pasted, put into the search form the verse index is
// written in, so that the query compares like with like:
// - direction and zero-width marks (common around pasted text) go;
// - a word copied from the verse view (Uthmani letters and marks) gets the
//   search form the index has for it; any other word loses its diacritics and
//   tatweel;
// - a vocative "يا" standing before a word is joined to it, as the index
//   writes it.
// Blanks between words are kept as typed; blanks at either end go.
QString searchFormOfTypedText(const QString &typed);

// The spelling variants a forgiving search does not tell apart, each folded to
// one letter: alef with or without hamza or madda (أ إ آ ٱ → ا), ى → ي, ة → ه,
// and the hamza seats (ؤ ئ → ء). Letter for letter, so a position in the folded
// text is the same position in the text it came from.
QString foldedSpelling(const QString &text);
