#include "text/SpellingFixes.h"

#include "text/TypedText.h"
#include "text/UthmaniLetters.h"

#include <QStringList>

namespace uthmani {

namespace {

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

} // namespace

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

} // namespace uthmani
