#include "search/VerseForms.h"

#include "core/DataSource.h"

#include <QStringView>

namespace {

void addOnce(QList<int> &ids, int id)
{
    if (ids.isEmpty() || ids.last() != id)
        ids.append(id);
}

} // namespace

VerseForms::VerseForms(const QStringList &forms, bool wholeWord, DataSource &verses)
{
    for (const QString &form : forms)
        m_versesOf.insert(form, {});
    // The verse's words are looked up as views into its text, without a copy of each;
    // the lists stay in place once every form is in.
    QHash<QStringView, QList<int> *> listOf;
    for (auto form = m_versesOf.begin(); form != m_versesOf.end(); ++form)
        listOf.insert(form.key(), &form.value());

    for (verses.moveFirst(); !verses.atEnd(); verses.moveNext()) {
        const int id = verses.text(QStringLiteral("ID")).toInt();
        const QString text = verses.text(QStringLiteral("AyaaIndex"));
        if (wholeWord) {
            for (const QStringView word : QStringView(text).split(u' ', Qt::SkipEmptyParts)) {
                if (QList<int> *ids = listOf.value(word))
                    addOnce(*ids, id);
            }
        } else {
            for (auto form = listOf.cbegin(); form != listOf.cend(); ++form) {
                if (text.contains(form.key()))
                    addOnce(*form.value(), id);
            }
        }
    }
}
