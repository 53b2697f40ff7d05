#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class DataSource;

// Where the forms of a root stand in the verses of one search scope, found in one read
// of the scope instead of one scan of the whole text per form.
class VerseForms
{
public:
    // Reads every record of `verses`, a query of the columns ID and AyaaIndex in reading
    // order, and notes the verses of each of `forms`: as a whole word, or anywhere (as
    // LIKE '%form%' finds it).
    VerseForms(const QStringList &forms, bool wholeWord, DataSource &verses);

    // The running numbers of the verses that hold `form`, in reading order, each once.
    QList<int> versesWith(const QString &form) const { return m_versesOf.value(form); }

private:
    QHash<QString, QList<int>> m_versesOf;
};
