#include "memorise/TrackerSummaryPage.h"

#include "controls/MirroredLabel.h"
#include "controls/VorelProgress.h"
#include "core/EventLoopYield.h"
#include "core/Named.h"
#include "core/SuraTables.h"
#include "memorise/MemoriseStatistics.h"
#include "memorise/TrackerQuery.h"
#include "memorise/TrackerRecords.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

using namespace tracker;

TrackerSummaryPage::TrackerSummaryPage(TrackerRecords &records, QWidget *parent)
    : QWidget(parent)
    , m_records(records)
{
    setObjectName(QStringLiteral("FrmDetails"));
    suraayaalist2 = named(new QListWidget(this), "suraayaalist2");
    suraayaalist2->addItems(SuraNames);
    savedlist = named(new QListWidget(this), "savedlist");
    notsavedlist = named(new QListWidget(this), "notsavedlist");
    connect(suraayaalist2, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            suraayaalist2_Click();
    });

    auto *SkinLabel1 = named(new QLabel(this), "SkinLabel1");
    auto *SkinLabel2 = named(new QLabel(this), "SkinLabel2");
    m_figures.suraCount = new MirroredLabel("savedfromverse", QString(), SkinLabel1, this);
    m_figures.quranCount = new MirroredLabel("savedfromquran", QString(), SkinLabel2, this);
    m_figures.suraBar = bar("pbs", this);
    m_figures.quranBar = bar("pb2s", this);

    auto *lists = new QGridLayout;
    const QList<QPair<QString, QListWidget *>> columns = {{QStringLiteral("السورة"), suraayaalist2},
                                                          {QStringLiteral("الآيات المحفوظة"), savedlist},
                                                          {QStringLiteral("الآيات الغير محفوظة"), notsavedlist}};
    for (int i = 0; i < columns.size(); ++i) {
        lists->addWidget(caption(columns.at(i).first, this), 0, i);
        lists->addWidget(columns.at(i).second, 1, i);
    }
    auto *figures = new QGridLayout;
    figures->addWidget(figure(QStringLiteral("الآيات المحفوظة من هذه السورة"), SkinLabel1, this), 0, 0);
    figures->addWidget(figure(QStringLiteral("النسبة"), m_figures.suraBar, this), 0, 1);
    figures->addWidget(figure(QStringLiteral("الآيات المحفوظة من القرآن"), SkinLabel2, this), 1, 0);
    figures->addWidget(figure(QStringLiteral("النسبة"), m_figures.quranBar, this), 1, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(lists, 1);
    layout->addLayout(figures);
}

void TrackerSummaryPage::start()
{
    setRowQuietly(suraayaalist2, 0);
    suraayaalist2_Click();
}

void TrackerSummaryPage::Percentages()
{
    m_figures.refresh(m_records, Adodc1s, suraayaalist2->currentRow() + 1);
}

void TrackerSummaryPage::suraayaalist2_Click()
{
    const int S = suraayaalist2->currentRow() + 1;
    const BusyList busy(suraayaalist2);
    savedlist->clear();
    notsavedlist->clear();
    if (!m_records.read(Adodc1s, userSuraInOrderQuery(m_records.user(), S)))
        return;
    QStringList saved;
    EventLoopYield yield;
    for (; !Adodc1s.atEnd(); Adodc1s.moveNext()) {
        saved.append(QString::number(verseNumberInSura(Adodc1s.text(QStringLiteral("ayaanum")).toInt(), S)));
        yield();
    }
    savedlist->addItems(saved);
    Percentages();
    notsavedlist->addItems(notSavedVerses(saved, SuraVerseCounts.at(S - 1)));
}
