#include "text/TypedText.h"

#include "text/SearchForm.h"

#include <QStringList>

namespace {

bool isInvisible(char16_t c)
{
    return c == 0x061C                       // Arabic letter mark
        || (c >= 0x200B && c <= 0x200F)      // zero-width space, joiners, LRM, RLM
        || (c >= 0x202A && c <= 0x202E)      // embeddings and overrides
        || (c >= 0x2060 && c <= 0x2064)      // word joiner and invisible operators
        || (c >= 0x2066 && c <= 0x2069)      // isolates
        || c == 0xFEFF || c == 0x00AD;       // byte order mark, soft hyphen
}

// Signs that modern spelling never writes: their presence marks a word copied
// from the Uthmani display text.
bool isUthmaniSign(char16_t c)
{
    return (c >= 0x0653 && c <= 0x065F) || c == 0x0670 || c == 0x0671 || (c >= 0x06D6 && c <= 0x06ED);
}

bool isDiacritic(char16_t c)
{
    return (c >= 0x064B && c <= 0x065F) || c == 0x0670 || c == 0x0640 || c == 0x2009;
}

QString searchFormOfTypedWord(const QString &word)
{
    for (const QChar c : word) {
        if (isUthmaniSign(c.unicode()))
            return searchFormOfWord(word);
    }
    QString plain;
    plain.reserve(word.size());
    for (const QChar c : word) {
        if (!isDiacritic(c.unicode()))
            plain += c;
    }
    return plain;
}

} // namespace

QString searchFormOfTypedText(const QString &typed)
{
    QString text;
    text.reserve(typed.size());
    for (const QChar c : typed) {
        if (isInvisible(c.unicode()))
            continue;
        // The thin space stays inside its word, as the index reads it (2:72).
        text += c.isSpace() && c.unicode() != 0x2009 ? QChar(u' ') : c;
    }

    QStringList words = text.split(u' ');
    while (!words.isEmpty() && words.first().isEmpty())
        words.removeFirst();
    while (!words.isEmpty() && words.last().isEmpty())
        words.removeLast();
    for (QString &word : words)
        word = searchFormOfTypedWord(word);
    for (qsizetype i = 0; i + 1 < words.size(); ++i) {
        if (words.at(i) == Vocative && !words.at(i + 1).isEmpty()) {
            words[i + 1].prepend(Vocative);
            words.removeAt(i);
        }
    }
    return words.join(u' ');
}

QString foldedSpelling(const QString &text)
{
    QString folded = text;
    for (QChar &c : folded) {
        switch (c.unicode()) {
        case u'أ':
        case u'إ':
        case u'آ':
        case u'ٱ':
            c = u'ا';
            break;
        case u'ى':
            c = u'ي';
            break;
        case u'ة':
            c = u'ه';
            break;
        case u'ؤ':
        case u'ئ':
            c = u'ء';
            break;
        default:
            break;
        }
    }
    return folded;
}
