#include "text/SearchForm.h"

#include "text/ModernLetters.h"
#include "text/SpellingFixes.h"
#include "text/UthmaniLetters.h"

// Modern letters first (worked out from the marks), then the spellings no rule covers.

using namespace uthmani;

QString searchFormOfWord(const QString &uthmaniWord)
{
    QString form = modernLetters(splitUnits(uthmaniWord));
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
