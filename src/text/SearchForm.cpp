#include "text/SearchForm.h"

#include "text/TypedText.h"

#include <QChar>
#include <QHash>
#include <QList>
#include <QStringList>

// The Uthmani text carries full vowels, so hamza seats and silent letters can
// be worked out from the marks rather than from a lexicon. Only spellings that
// no rule covers are listed word by word, near the end of this file.

namespace {

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

// A bare hamza whose seat modern spelling decides from the vowels around it:
// the hamza letter, a hamza mark on a tatweel, or a hamza below a waw or yeh
// that only serves as its seat (امرئ, تلقاء, اللؤلؤ).
bool isBareHamza(const Unit &u)
{
    if (u.is(Hamza))
        return true;
    if (u.is(Tatweel) && u.has(HamzaAbove))
        return true;
    return (u.is(Yeh) || u.is(Waw)) && u.has(HamzaBelow);
}

class WordBuilder
{
public:
    explicit WordBuilder(QList<Unit> units) : m_units(std::move(units)) {}

    QString build()
    {
        for (int i = 0; i < m_units.size(); ++i) {
            if (m_skip.contains(i))
                continue;
            emitUnit(i);
        }
        return m_out;
    }

private:
    enum class Before { Nothing, LongAlef, YehSukun, WawSukun, Fatha, Damma, Kasra, Sukun };

    // Letters that are written in the search form. Silent alef and yeh at the
    // end of a word do not count: the hamza before them is still final.
    // The alef of the tanween (شيئا, جزءا) does not count either.
    bool isFinal(int i) const
    {
        const bool tanween = hasTanweenFath(m_units[i]);
        for (int j = i + 1; j < m_units.size(); ++j) {
            const Unit &u = m_units[j];
            if (u.letter.isNull())
                continue;
            if (u.silent() && (u.is(Alef) || u.is(Yeh)))
                continue;
            if ((u.is(SmallWaw) || u.is(SmallYeh)) && vowelOf(u) == Vowel::None)
                continue;
            if (tanween && u.is(Alef) && j == m_units.size() - 1)
                continue;
            return false;
        }
        return true;
    }

    int nextLetter(int i) const
    {
        for (int j = i + 1; j < m_units.size(); ++j) {
            if (!m_units[j].letter.isNull())
                return j;
        }
        return -1;
    }

    bool lastWrittenLetter(int i) const
    {
        for (int j = i + 1; j < m_units.size(); ++j) {
            const Unit &u = m_units[j];
            if (u.letter.isNull() || u.is(SmallWaw) || u.is(SmallYeh))
                continue;
            if (u.silent())
                continue;
            return false;
        }
        return true;
    }

    // Only one-letter prefixes (و ف ب ل ك س and the question أ) or the
    // vocative يا stand before the hamza: it then keeps the shape it has at the
    // start of a word (بآيات, أأنتم, ياآدم).
    bool onlyClitics(int i) const
    {
        int count = 0;
        for (int j = 0; j < i; ++j) {
            const Unit &u = m_units[j];
            const char16_t c = u.letter.unicode();
            const Vowel v = vowelOf(u);
            if (c == Yeh && v == Vowel::Fatha) {
                // the vocative يَٰ or يَـٰ
                if (u.has(DaggerAlef))
                    continue;
                if (j + 1 < i && m_units[j + 1].is(Tatweel) && m_units[j + 1].has(DaggerAlef)) {
                    ++j;
                    continue;
                }
            }
            const bool clitic = c == Waw || c == 0x0641 || c == 0x0628 || c == 0x0644
                || c == 0x0643 || c == Seen || c == AlefHamzaAbove;
            if (!clitic || (v != Vowel::Fatha && v != Vowel::Kasra) || ++count > 3)
                return false;
        }
        return true;
    }

    Before before(int i) const
    {
        int j = i - 1;
        while (j >= 0 && m_units[j].letter.isNull())
            --j;
        if (j < 0)
            return Before::Nothing;
        const Unit &p = m_units[j];
        if (p.has(DaggerAlef) || p.is(Alef))
            return Before::LongAlef;
        const Vowel v = vowelOf(p);
        if (p.is(Yeh) && (v == Vowel::None || v == Vowel::Sukun))
            return Before::YehSukun;
        if (p.is(Waw) && (v == Vowel::None || v == Vowel::Sukun))
            return Before::WawSukun;
        if (p.is(Tatweel) && p.has(SmallHighYeh))
            return Before::YehSukun;
        switch (v) {
        case Vowel::Fatha:
            return Before::Fatha;
        case Vowel::Damma:
            return Before::Damma;
        case Vowel::Kasra:
            return Before::Kasra;
        default:
            return Before::Sukun;
        }
    }

    static bool joinsLeft(QChar c)
    {
        // Letters after which modern spelling can put the hamza on a tooth.
        static const QString nonJoining = QStringLiteral("اأإآدذرزوؤءة");
        return !nonJoining.contains(c);
    }

    void emitHamza(int i)
    {
        const Unit &u = m_units[i];
        const Vowel own = vowelOf(u);
        const Before b = before(i);
        const int next = nextLetter(i);
        const bool alefNext = next >= 0 && !hasTanweenFath(u)
            && ((m_units[next].is(Alef) && !m_units[next].silent())
                || (m_units[next].is(Tatweel) && m_units[next].has(DaggerAlef)));
        const bool alefAfter = u.has(DaggerAlef) || alefNext;
        const bool final = b != Before::Nothing && isFinal(i);
        const bool initial = !final && (b == Before::Nothing || onlyClitics(i));

        if (alefAfter && (own == Vowel::Fatha || own == Vowel::None)) {
            // Hamza followed by a long a: آ, except where the hamza itself sits
            // on a tooth or on the line (سيئات, خطيئات; تساءل-type after alef).
            if (!u.has(DaggerAlef))
                m_skip.append(next);
            if (initial) {
                m_out += QChar(AlefMadda);
            } else if (b == Before::Kasra || b == Before::YehSukun) {
                m_out += QChar(YehHamza);
                m_out += QChar(Alef);
            } else if (b == Before::LongAlef) {
                m_out += QChar(Hamza);
                m_out += QChar(Alef);
            } else {
                m_out += QChar(AlefMadda);
            }
            return;
        }

        if (initial) {
            // With a kasra the hamza is only إ at the very start; after a prefix
            // it goes on a tooth, as the Uthmani text itself writes أئنكم, لئن.
            if (own != Vowel::Kasra)
                m_out += QChar(AlefHamzaAbove);
            else
                m_out += QChar(b == Before::Nothing ? AlefHamzaBelow : YehHamza);
            return;
        }

        if (final) {
            emitFinalHamza(i, b);
            return;
        }

        if (own == Vowel::Kasra || b == Before::Kasra) {
            m_out += QChar(YehHamza);
        } else if (b == Before::YehSukun) {
            // ييأس, استيأس keep the alef seat; هيئة, شيئا sit on a tooth.
            const bool seenNext = next >= 0 && m_units[next].is(Seen);
            m_out += QChar(own == Vowel::Fatha && seenNext ? AlefHamzaAbove : YehHamza);
        } else if (b == Before::WawSukun) {
            m_out += QChar(Hamza);
        } else if (own == Vowel::Damma || b == Before::Damma) {
            m_out += QChar(WawHamza);
        } else if (b == Before::LongAlef) {
            m_out += QChar(Hamza);
        } else if (own == Vowel::Fatha || b == Before::Fatha) {
            m_out += QChar(AlefHamzaAbove);
        } else {
            m_out += QChar(Hamza);
        }
    }

    void emitFinalHamza(int i, Before b)
    {
        const Unit &u = m_units[i];
        const int next = nextLetter(i);
        const bool tanweenAlef = hasTanweenFath(u) && next >= 0 && m_units[next].is(Alef)
            && !m_units[next].silent();
        switch (b) {
        case Before::Fatha:
            // خطأً, ملجأً: the tanween alef is not written after an alef seat.
            m_out += QChar(AlefHamzaAbove);
            if (tanweenAlef)
                m_skip.append(next);
            return;
        case Before::Damma:
            m_out += QChar(WawHamza);
            return;
        case Before::Kasra:
        case Before::YehSukun:
            if (tanweenAlef || b == Before::Kasra) {
                m_out += QChar(YehHamza);
                return;
            }
            m_out += QChar(Hamza);
            return;
        default:
            break;
        }
        // After a long vowel or a sukun the hamza stands on the line, but with
        // the tanween alef it moves onto a tooth when the letter before joins
        // (شيئا, خطئا) and stays on the line when it does not (جزءا, سوءا).
        if (tanweenAlef && !m_out.isEmpty() && joinsLeft(m_out.back()))
            m_out += QChar(YehHamza);
        else
            m_out += QChar(Hamza);
    }

    void emitUnit(int i)
    {
        const Unit &u = m_units[i];
        const char16_t c = u.letter.unicode();

        if (u.letter.isNull()) {
            // Marks with no letter of their own (after the thin space of 2:72):
            // a dagger alef with a hamza is the alef seat of that hamza.
            if (u.has(DaggerAlef) && u.has(HamzaAbove))
                m_out += QChar(AlefHamzaAbove);
            return;
        }

        if (isBareHamza(u) || (isHamzaLetter(u.letter) && isFinal(i))) {
            emitHamza(i);
            if (u.has(SmallHighYeh))
                m_out += QChar(Yeh);
            return;
        }

        switch (c) {
        case AlefWasla:
            m_out += QChar(Alef);
            return;
        case AlefHamzaAbove:
            // أٓ and أَٰ are a hamza followed by a long a: آ (الآخرة, أآلهتنا).
            if (u.has(Maddah) || u.has(DaggerAlef))
                m_out += QChar(AlefMadda);
            else
                m_out += QChar(AlefHamzaAbove);
            return;
        case Alef:
            emitAlef(i);
            return;
        case Tatweel:
            if (u.has(SmallHighYeh))
                m_out += QChar(Yeh);
            if (u.has(SmallHighNoon))
                m_out += QChar(Noon);
            if (u.has(DaggerAlef))
                m_out += QChar(DaggerAlef);
            return;
        case SmallWaw:
            // Pronoun lengthening (لهۥ) is not written; inside a word, or with a
            // vowel of its own, the small waw is a waw modern spelling writes
            // (يلوون, الغاوون).
            if (!isFinal(i) || vowelOf(u) != Vowel::None
                || (i + 1 < m_units.size() && m_units[i + 1].is(Alef)))
                m_out += QChar(Waw);
            return;
        case SmallYeh: {
            // بهۦ is not written; يحيۦ, إۦلاف and آتانۦَ are يحيي, إيلاف, آتاني.
            const bool afterYeh = i > 0 && m_units[i - 1].is(Yeh);
            if (!isFinal(i) || afterYeh || vowelOf(u) != Vowel::None)
                m_out += QChar(Yeh);
            return;
        }
        case Yeh:
            if (u.silent())
                return;
            break;
        case Sad:
            if (u.has(SmallHighSeen)) {
                m_out += QChar(Seen);
                return;
            }
            break;
        default:
            break;
        }

        if (u.has(DaggerAlef)) {
            emitWithDaggerAlef(i);
            return;
        }
        m_out += u.letter;
        if (u.has(SmallHighYeh))
            m_out += QChar(Yeh);
    }

    void emitAlef(int i)
    {
        const Unit &u = m_units[i];
        if (!u.silent()) {
            m_out += QChar(Alef);
            return;
        }
        // The silent alef after the waw of the plural is written (قالوا); other
        // silent alefs are not (لأذبحنه, ثمود, لشيء, يعفوَا), except in مائة.
        const QChar prev = m_out.isEmpty() ? QChar() : m_out.back();
        if (prev == QChar(Waw) && vowelOf(m_units[i - 1]) != Vowel::Fatha) {
            m_out += QChar(Alef);
            return;
        }
        if (m_out.endsWith(QStringLiteral("م")) && i + 1 < m_units.size()
            && m_units[i + 1].is(YehHamza)) {
            m_out += QChar(Alef);
        }
    }

    void emitWithDaggerAlef(int i)
    {
        const Unit &u = m_units[i];
        const Vowel v = vowelOf(u);
        if (u.has(HamzaAbove)) {
            m_out += u.letter;
            m_out += QChar(AlefHamzaAbove);
            return;
        }
        if (u.is(AlefMaksura)) {
            // على, موسى keep the ى at the end; inside a word it is an alef
            // (هداهم, التوراة).
            m_out += lastWrittenLetter(i) ? u.letter : QChar(Alef);
            return;
        }
        if ((u.is(Waw) || u.is(Yeh)) && v == Vowel::None) {
            // الصلوٰة: a waw that only carries the long a is written as alef.
            m_out += QChar(Alef);
            return;
        }
        m_out += u.letter;
        if (u.has(SmallHighYeh))
            m_out += QChar(Yeh);
        m_out += QChar(DaggerAlef);
    }

    QList<Unit> m_units;
    QList<int> m_skip;
    QString m_out;
};

const QString cliticLetters = QStringLiteral("وفبلكأ");

// Finds `stem` after at most three one-letter prefixes. Returns the length of
// the prefix, or -1.
int stemAfterClitics(const QString &word, const QString &stem, bool wholeWord)
{
    for (int p = 0; p <= 3 && p < word.size(); ++p) {
        if (p > 0 && !cliticLetters.contains(word.at(p - 1)))
            return -1;
        if (wholeWord ? word.mid(p) == stem : word.mid(p).startsWith(stem))
            return p;
    }
    return -1;
}

// Words in which modern spelling does not write the long a that the Uthmani
// text marks with a dagger alef. The dagger alef is still a U+0670 here.
QString dropUnwrittenAlefs(const QString &word)
{
    static const QStringList stems = {
        QStringLiteral("إلٰه"),     QStringLiteral("الرحمٰن"), QStringLiteral("رحمٰن"),
        QStringLiteral("للرحمٰن"),  QStringLiteral("هٰذ"),     QStringLiteral("هٰؤلاء"),
        QStringLiteral("هٰكذا"),    QStringLiteral("هٰأنتم"),  QStringLiteral("ذٰلك"),
        QStringLiteral("لٰكن"),     QStringLiteral("أولٰئك"),  QStringLiteral("اللهم"),
        QStringLiteral("طٰه"),
    };
    for (const QString &stem : stems) {
        const int p = stemAfterClitics(word, stem, false);
        if (p < 0)
            continue;
        const int dagger = word.indexOf(QChar(DaggerAlef), p);
        if (dagger >= 0 && dagger < p + stem.size())
            return word.left(dagger) + word.mid(dagger + 1);
    }
    return word;
}

// Single words whose Uthmani letters differ from modern spelling in a way no
// rule above covers. Matched after one-letter prefixes (وفبلكأ).
const QHash<QString, QString> &wordFixes()
{
    static const QHash<QString, QString> fixes = {
        // one lam where modern spelling writes two
        {QStringLiteral("اليل"), QStringLiteral("الليل")},
        {QStringLiteral("الاتي"), QStringLiteral("اللاتي")},
        {QStringLiteral("الائي"), QStringLiteral("اللائي")},
        {QStringLiteral("الذان"), QStringLiteral("اللذان")},
        {QStringLiteral("تخذت"), QStringLiteral("اتخذت")},
        // verbs ending in a hamza plus alef maksura
        {QStringLiteral("رآ"), QStringLiteral("رأى")},
        {QStringLiteral("تراءا"), QStringLiteral("تراءى")},
        {QStringLiteral("نآ"), QStringLiteral("نأى")},
        // the waw of the plural without its alef
        {QStringLiteral("سعو"), QStringLiteral("سعوا")},
        {QStringLiteral("عتو"), QStringLiteral("عتوا")},
        // a silent letter that modern spelling drops or a missing letter
        {QStringLiteral("ملإه"), QStringLiteral("ملئه")},
        {QStringLiteral("ملإهم"), QStringLiteral("ملئهم")},
        {QStringLiteral("سأوريكم"), QStringLiteral("سأريكم")},
        {QStringLiteral("داوود"), QStringLiteral("داود")},
        {QStringLiteral("ليسؤوا"), QStringLiteral("ليسوءوا")},
        {QStringLiteral("أيه"), QStringLiteral("أيها")},
        {QStringLiteral("مصيطر"), QStringLiteral("مسيطر")},
        {QStringLiteral("أئلاه"), QStringLiteral("أإله")},
        {QStringLiteral("لأيكة"), QStringLiteral("الأيكة")},
        {QStringLiteral("الأقصا"), QStringLiteral("الأقصى")},
        {QStringLiteral("آعجمي"), QStringLiteral("أأعجمي")},
        {QStringLiteral("بأييكم"), QStringLiteral("بأيكم")},
        // the plural in construct keeps no alef after its waw (أولو الألباب)
        {QStringLiteral("أولوا"), QStringLiteral("أولو")},
        {QStringLiteral("ملاقوا"), QStringLiteral("ملاقو")},
        {QStringLiteral("باسطوا"), QStringLiteral("باسطو")},
        {QStringLiteral("مهلكوا"), QStringLiteral("مهلكو")},
        {QStringLiteral("تاركوا"), QStringLiteral("تاركو")},
        {QStringLiteral("ذائقوا"), QStringLiteral("ذائقو")},
        {QStringLiteral("ناكسوا"), QStringLiteral("ناكسو")},
        {QStringLiteral("صالوا"), QStringLiteral("صالو")},
        {QStringLiteral("كاشفوا"), QStringLiteral("كاشفو")},
        {QStringLiteral("مرسلوا"), QStringLiteral("مرسلو")},
    };
    return fixes;
}

// Verbs whose last root letter is a waw: the Uthmani text adds a silent alef
// that modern spelling does not write (يدعو, يتلو). Every occurrence of these
// exact words in the text is such a singular; the plurals (تدعوا, تعفوا) are
// left out on purpose.
const QHash<QString, QString> &wholeWordFixes()
{
    static const QHash<QString, QString> fixes = {
        {QStringLiteral("يدعوا"), QStringLiteral("يدعو")},
        {QStringLiteral("أدعوا"), QStringLiteral("أدعو")},
        {QStringLiteral("وأدعوا"), QStringLiteral("وأدعو")},
        {QStringLiteral("أندعوا"), QStringLiteral("أندعو")},
        {QStringLiteral("ندعوا"), QStringLiteral("ندعو")},
        {QStringLiteral("يتلوا"), QStringLiteral("يتلو")},
        {QStringLiteral("تتلوا"), QStringLiteral("تتلو")},
        {QStringLiteral("نتلوا"), QStringLiteral("نتلو")},
        {QStringLiteral("سأتلوا"), QStringLiteral("سأتلو")},
        {QStringLiteral("يرجوا"), QStringLiteral("يرجو")},
        {QStringLiteral("ويرجوا"), QStringLiteral("ويرجو")},
        {QStringLiteral("ترجوا"), QStringLiteral("ترجو")},
        {QStringLiteral("أشكوا"), QStringLiteral("أشكو")},
        {QStringLiteral("يمحوا"), QStringLiteral("يمحو")},
        {QStringLiteral("يربوا"), QStringLiteral("يربو")},
        {QStringLiteral("تبلوا"), QStringLiteral("تبلو")},
        {QStringLiteral("ويعفوا"), QStringLiteral("ويعفو")},
    };
    return fixes;
}

// Nouns whose ta marbuta the Uthmani text writes as an open ت (رحمت الله).
// Only used when the letter before the final ت has a fatha, so that verbs such
// as أنعمت are left alone.
const QHash<QString, QString> &openTaFixes()
{
    static const QHash<QString, QString> fixes = {
        {QStringLiteral("نعمت"), QStringLiteral("نعمة")},
        {QStringLiteral("كلمت"), QStringLiteral("كلمة")},
        {QStringLiteral("امرأت"), QStringLiteral("امرأة")},
        {QStringLiteral("رحمت"), QStringLiteral("رحمة")},
        {QStringLiteral("غيابت"), QStringLiteral("غيابة")},
        {QStringLiteral("معصيت"), QStringLiteral("معصية")},
        {QStringLiteral("سنت"), QStringLiteral("سنة")},
        {QStringLiteral("لسنت"), QStringLiteral("لسنة")},
        {QStringLiteral("لعنت"), QStringLiteral("لعنة")},
        {QStringLiteral("قرت"), QStringLiteral("قرة")},
        {QStringLiteral("بقيت"), QStringLiteral("بقية")},
        {QStringLiteral("فطرت"), QStringLiteral("فطرة")},
        {QStringLiteral("شجرت"), QStringLiteral("شجرة")},
        {QStringLiteral("جنت"), QStringLiteral("جنة")},
        {QStringLiteral("ابنت"), QStringLiteral("ابنة")},
        {QStringLiteral("مرضات"), QStringLiteral("مرضاة")},
        {QStringLiteral("جمالت"), QStringLiteral("جمالة")},
    };
    return fixes;
}

QString applyWordFixes(const QString &word, const QHash<QString, QString> &fixes)
{
    // A word called with the joined vocative (ياداوود) is fixed as the word alone.
    if (word.startsWith(Vocative) && fixes.contains(word.mid(Vocative.size())))
        return Vocative + fixes.value(word.mid(Vocative.size()));
    for (int p = 0; p <= 3 && p < word.size(); ++p) {
        if (p > 0 && !cliticLetters.contains(word.at(p - 1)))
            break;
        const auto it = fixes.constFind(word.mid(p));
        if (it != fixes.constEnd())
            return word.left(p) + it.value();
    }
    return word;
}

bool endsInOpenTa(const QString &uthmaniWord)
{
    const QList<Unit> units = splitUnits(uthmaniWord);
    int last = units.size() - 1;
    while (last >= 0 && units[last].letter.isNull())
        --last;
    return last > 0 && units[last].is(Teh)
        && (vowelOf(units[last - 1]) == Vowel::Fatha || units[last - 1].is(Alef));
}

} // namespace

QString searchFormOfWord(const QString &uthmaniWord)
{
    QString form = WordBuilder(splitUnits(uthmaniWord)).build();
    form = dropUnwrittenAlefs(form);
    form.replace(QChar(DaggerAlef), QChar(Alef));

    // The plural waw after a hamza lost its alef in the Uthmani text (جاءو).
    if (form.endsWith(QStringLiteral("ؤو")))
        form += QChar(Alef);
    form = applyWordFixes(form, wordFixes());
    form = wholeWordFixes().value(form, form);
    // بَنُوٓاْ إسرائيل is the noun in construct; بَنَوۡاْ is the verb.
    if (form == QStringLiteral("بنوا") && uthmaniWord.contains(QStringLiteral("بَنُو")))
        form = QStringLiteral("بنو");
    if (endsInOpenTa(uthmaniWord))
        form = applyWordFixes(form, openTaFixes());
    // The dual ٱلَّذَيۡنِ and the plural ٱلَّذِينَ differ only in the vowel.
    if (form.endsWith(QStringLiteral("الذين")) && uthmaniWord.contains(QStringLiteral("ذَيۡ")))
        form.replace(form.size() - 5, 5, QStringLiteral("اللذين"));

    // Whatever mark is left carries no letter of modern spelling.
    QString clean;
    clean.reserve(form.size());
    for (const QChar c : form) {
        if (!isMark(c.unicode()) && c.unicode() != Tatweel)
            clean += c;
    }

    // A token made only of marks (a stand-alone ۞, ۩ or pause sign) keeps its
    // own text: the search form must have as many words as the display text,
    // and nobody types these signs, so they never produce a false hit.
    if (clean.isEmpty())
        return uthmaniWord;
    return clean;
}

QString searchFormOfVerse(const QString &uthmaniVerse)
{
    QString result(QLatin1Char(' '));
    QString word;
    auto flush = [&]() {
        if (word.isEmpty())
            return;
        result += searchFormOfWord(word);
        result += QLatin1Char(' ');
        word.clear();
    };
    for (const QChar c : uthmaniVerse) {
        if (c.isSpace() && c.unicode() != ThinSpace)
            flush();
        else
            word += c;
    }
    flush();
    return result;
}
