#pragma once

#include <QChar>
#include <QList>
#include <QString>

// The letters and marks of the Uthmani text, as the search form reads them. The text
// carries full vowels, so hamza seats and silent letters can be worked out from the
// marks rather than from a lexicon.
namespace uthmani {

enum : char16_t {
    Hamza = 0x0621,
    AlefMadda = 0x0622,
    AlefHamzaAbove = 0x0623,
    WawHamza = 0x0624,
    AlefHamzaBelow = 0x0625,
    YehHamza = 0x0626,
    Alef = 0x0627,
    Teh = 0x062A,
    Seen = 0x0633,
    Sad = 0x0635,
    Tatweel = 0x0640,
    Noon = 0x0646,
    Waw = 0x0648,
    AlefMaksura = 0x0649,
    Yeh = 0x064A,
    Fathatan = 0x064B,
    Dammatan = 0x064C,
    Kasratan = 0x064D,
    Fatha = 0x064E,
    Damma = 0x064F,
    Kasra = 0x0650,
    // In this text the round sukun-shaped sign marks a letter that is written
    // but not pronounced (قالواْ, أُوْلئك); the ordinary sukun is U+06E1.
    SilentSign = 0x0652,
    Maddah = 0x0653,
    HamzaAbove = 0x0654,
    HamzaBelow = 0x0655,
    OpenKasratan = 0x0656,
    OpenFathatan = 0x0657,
    OpenDammatan = 0x065E,
    DaggerAlef = 0x0670,
    AlefWasla = 0x0671,
    SmallHighSeen = 0x06DC,
    SmallHighMeem = 0x06E2,
    RubElHizb = 0x06DE,
    Sukun = 0x06E1,
    SmallWaw = 0x06E5,
    SmallYeh = 0x06E6,
    SmallHighYeh = 0x06E7,
    SmallHighNoon = 0x06E8,
    Sajda = 0x06E9,
    ThinSpace = 0x2009,
};

enum class Vowel { None, Fatha, Damma, Kasra, Sukun };

// A base letter and the marks written on it.
struct Unit {
    QChar letter;
    QString marks;
    bool has(char16_t mark) const { return marks.contains(QChar(mark)); }
    bool is(char16_t c) const { return letter.unicode() == c; }
    bool silent() const { return has(SilentSign); }
};

bool isMark(char16_t c);
bool isHamzaLetter(QChar c);
Vowel vowelOf(const Unit &u);
bool hasTanweenFath(const Unit &u);
QList<Unit> splitUnits(const QString &word);
// A bare hamza whose seat modern spelling decides from the vowels around it:
// the hamza letter, a hamza mark on a tatweel, or a hamza below a waw or yeh
// that only serves as its seat (امرئ, تلقاء, اللؤلؤ).
bool isBareHamza(const Unit &u);

} // namespace uthmani
