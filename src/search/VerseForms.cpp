#include "VerseForms.h"

#include "DataSource.h"

void VerseForms::read(DataSource &verses)
{
    m_verses.clear();
    m_versesOfWord.clear();
    for (verses.moveFirst(); !verses.atEnd(); verses.moveNext()) {
        const int id = verses.text(QStringLiteral("ID")).toInt();
        const QString text = verses.text(QStringLiteral("AyaaIndex"));
        m_verses.append({id, text});
        for (const QString &word : text.split(u' ', Qt::SkipEmptyParts)) {
            QList<int> &ids = m_versesOfWord[word];
            if (ids.isEmpty() || ids.last() != id)
                ids.append(id);
        }
    }
}

QList<int> VerseForms::versesWith(const QString &form, bool wholeWord) const
{
    if (wholeWord)
        return m_versesOfWord.value(form);
    QList<int> ids;
    for (const auto &[id, text] : m_verses) {
        if (text.contains(form))
            ids.append(id);
    }
    return ids;
}
