#pragma once

#include <QHash>
#include <QString>

// The spellings no rule covers, listed word by word, and the steps that apply them to
// a word already in modern letters.
namespace uthmani {

// Words in which modern spelling does not write the long a that the Uthmani
// text marks with a dagger alef. The dagger alef is still a U+0670 here.
QString dropUnwrittenAlefs(const QString &word);

// Single words whose Uthmani letters differ from modern spelling in a way no
// rule covers. Matched after one-letter prefixes (وفبلكأ).
const QHash<QString, QString> &wordFixes();
// Singular verbs whose last root letter is a waw, matched as whole words.
const QHash<QString, QString> &wholeWordFixes();
// Nouns whose ta marbuta the Uthmani text writes as an open ت (رحمت الله).
const QHash<QString, QString> &openTaFixes();

QString applyWordFixes(const QString &word, const QHash<QString, QString> &fixes);
// The Uthmani word ends in an open ت after a fatha or an alef.
bool endsInOpenTa(const QString &uthmaniWord);

} // namespace uthmani
