#pragma once

#include "core/DataSource.h"
#include "memorise/TrackerParts.h"

#include <QWidget>

class QListWidget;
class TrackerRecords;

// The tracker's summary page: the memorised and the remaining verses of a chosen sura,
// with its figures.
class TrackerSummaryPage : public QWidget
{
    Q_OBJECT

public:
    TrackerSummaryPage(TrackerRecords &records, QWidget *parent);

    // Shown from the side bar: the first sura.
    void start();
    void suraayaalist2_Click();
    void Percentages();

    // The count labels of this page, which the main page fills as well.
    const tracker::SavedFigures &figures() const { return m_figures; }

private:
    TrackerRecords &m_records;
    DataSource Adodc1s; // the user's records

    QListWidget *suraayaalist2 = nullptr;
    QListWidget *savedlist = nullptr;
    QListWidget *notsavedlist = nullptr;
    tracker::SavedFigures m_figures;
};
