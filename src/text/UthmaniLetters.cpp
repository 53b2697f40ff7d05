#include "text/UthmaniLetters.h"

namespace uthmani {

bool isMark(char16_t c)
{
    if (c >= 0x064B && c <= 0x065F)
        return true;
    if (c == DaggerAlef)
        return true;
    // U+06E5/U+06E6 (small waw, small yeh) stand on the line and behave as
    // letters; ۞ and ۩ are not part of any word.
    return c >= 0x06D6 && c <= 0x06ED && c != SmallWaw && c != SmallYeh && c != RubElHizb
        && c != Sajda;
}

bool isHamzaLetter(QChar c)
{
    const char16_t u = c.unicode();
    return u == Hamza || u == AlefHamzaAbove || u == AlefHamzaBelow || u == WawHamza
        || u == YehHamza;
}

Vowel vowelOf(const Unit &u)
{
    for (const QChar m : u.marks) {
        switch (m.unicode()) {
        case Fatha:
        case Fathatan:
        case OpenFathatan:
            return Vowel::Fatha;
        case Damma:
        case Dammatan:
        case OpenDammatan:
            return Vowel::Damma;
        case Kasra:
        case Kasratan:
        case OpenKasratan:
            return Vowel::Kasra;
        case Sukun:
            return Vowel::Sukun;
        default:
            break;
        }
    }
    return Vowel::None;
}

bool hasTanweenFath(const Unit &u)
{
    // A fatha with a small high meem is the tanween before a ب (سوءًا).
    return u.has(Fathatan) || u.has(OpenFathatan) || (u.has(Fatha) && u.has(SmallHighMeem));
}

QList<Unit> splitUnits(const QString &word)
{
    QList<Unit> units;
    for (const QChar c : word) {
        const char16_t u = c.unicode();
        if (u == RubElHizb || u == Sajda || u == ThinSpace)
            continue;
        if (isMark(u)) {
            if (units.isEmpty())
                units.append(Unit{QChar(), QString()});
            units.last().marks.append(c);
        } else {
            units.append(Unit{c, QString()});
        }
    }
    return units;
}

bool isBareHamza(const Unit &u)
{
    if (u.is(Hamza))
        return true;
    if (u.is(Tatweel) && u.has(HamzaAbove))
        return true;
    return (u.is(Yeh) || u.is(Waw)) && u.has(HamzaBelow);
}

} // namespace uthmani
