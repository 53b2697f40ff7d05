#pragma once

#include "core/DataSource.h"

#include <QStringList>
#include <QWidget>

class QLabel;
class QListWidget;
class ResultList;
struct ProgramState;

// The topic index frame: a tree of topics browsed one level at a time, whose leaf
// topics list verse references; a reference's verses go into the main result list.
class FrmSubBook : public QWidget
{
    Q_OBJECT

public:
    // Adodc1 is the main window's search-result data source: a reference's verses
    // are queried on it, as every search does, and handed to `results`.
    FrmSubBook(ProgramState &state, ResultList &results, DataSource &Adodc1, QWidget *parent = nullptr);

    // Side-bar header 4: the first time, connects AdodcSubBook1 to the verse database
    // and loads the top level; later openings keep the level the reader left.
    void openTopics();

    // Shows the top level and empties the reference list.
    void mainsearch_Click();

Q_SIGNALS:
    // A reference's verses are in the result list: the window opens header 0.
    void showResults();

private:
    void loadTopLevel();
    void fillTopics();
    void mainlist_DblClick(int row);
    void suraayaalistsubbook_DblClick(int row);

    ProgramState &m_state;
    ResultList &m_results;
    DataSource &Adodc1;
    DataSource AdodcSubBook1; // the topic tables of the verse database

    QListWidget *mainsearch = nullptr;
    QListWidget *mainlist = nullptr;
    QStringList secondlist; // Topic_No of each row of mainlist
    QListWidget *suraayaalistsubbook = nullptr;
    QStringList soralistsub; // Sura_No of each reference row
    QStringList ayaalistsub; // Ayat_No of each reference row
    QLabel *m_note = nullptr;
};
