#include "memorise/TrackerParts.h"

#include "controls/MirroredLabel.h"
#include "controls/VorelProgress.h"
#include "core/Named.h"
#include "core/SuraTables.h"
#include "memorise/MemoriseStatistics.h"
#include "memorise/TrackerRecords.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextEdit>

namespace tracker {

QLabel *caption(const QString &text, QWidget *parent)
{
    return new QLabel(text, parent);
}

QWidget *figure(const QString &text, QWidget *value, QWidget *parent)
{
    auto *row = new QWidget(parent);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(caption(text + QStringLiteral(":"), row));
    layout->addWidget(value, 1);
    return row;
}

QTextEdit *readOnlyText(const char *name, QWidget *parent)
{
    auto *text = named(new QTextEdit(parent), name);
    text->setReadOnly(true);
    return text;
}

QPushButton *button(const char *name, const QString &text, QWidget *parent)
{
    return named(new QPushButton(text, parent), name);
}

VorelProgress *bar(const char *name, QWidget *parent)
{
    auto *progress = named(new VorelProgress(parent), name);
    progress->setFixedHeight(18);
    return progress;
}

void setRowQuietly(QListWidget *list, int row)
{
    const QSignalBlocker block(list);
    list->setCurrentRow(row);
}

void setIndexQuietly(QComboBox *box, int index)
{
    const QSignalBlocker block(box);
    box->setCurrentIndex(index);
}

BusyList::BusyList(QListWidget *list)
    : m_list(list)
    , m_hadFocus(list->hasFocus())
{
    list->setEnabled(false);
}

BusyList::~BusyList()
{
    m_list->setEnabled(true);
    if (m_hadFocus)
        m_list->setFocus();
}

void SavedFigures::refresh(TrackerRecords &records, DataSource &source, int sura) const
{
    qsizetype suraSaved = 0;
    qsizetype quranSaved = 0;
    if (sura < 1 || !records.countSaved(source, sura, &suraSaved, &quranSaved)) {
        blank();
        return;
    }
    suraCount->setInfo(QString::number(suraSaved));
    suraBar->setValue(sharePercent(suraSaved, SuraVerseCounts.at(sura - 1)));
    quranCount->setInfo(QString::number(quranSaved));
    quranBar->setValue(sharePercent(quranSaved, VerseTotal));
}

void SavedFigures::blank() const
{
    suraCount->setInfo(QString());
    quranCount->setInfo(QString());
    suraBar->setValue(0);
    quranBar->setValue(0);
}

} // namespace tracker
