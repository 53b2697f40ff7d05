#include "text/ModernLetters.h"

namespace uthmani {

namespace {

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

} // namespace

QString modernLetters(const QList<Unit> &units)
{
    return WordBuilder(units).build();
}

} // namespace uthmani
