#pragma once

#include "text/UthmaniLetters.h"

namespace uthmani {

// The letters of one word in modern spelling, worked out from the Uthmani letters and
// their marks: hamza seats, silent letters, the long vowels the marks stand for. Marks
// that carry no letter stay in place for the caller to drop.
QString modernLetters(const QList<Unit> &units);

} // namespace uthmani
