#pragma once

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>

class DataSource;

// The verses of one search scope as the root search needs them: read once per search,
// so that every form of a root is found among them in memory instead of by one scan of
// the whole text per form.
class VerseForms
{
public:
    // Takes every record of `verses`, a query of the columns ID and AyaaIndex in reading order.
    void read(DataSource &verses);

    // The running numbers of the verses that hold `form`, in reading order, each once:
    // as a whole word, or anywhere (as LIKE '%form%' finds it).
    QList<int> versesWith(const QString &form, bool wholeWord) const;

private:
    QList<QPair<int, QString>> m_verses;       // running number, search form
    QHash<QString, QList<int>> m_versesOfWord; // every whole word of the scope
};
