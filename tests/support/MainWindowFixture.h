#pragma once

#include "core/ProgramState.h"
#include "mainwindow/FrmMain.h"
#include "support/ScriptedPlatform.h"
#include "support/TestHelpers.h"
#include "support/TestProgramFolder.h"

#include <QComboBox>
#include <QStringList>

class ResultsFrame;
class SideBar;

// The main window as the program starts it, on a scratch program folder holding the
// named built files, with no stored settings. open() runs the start-up and shows the
// window, active and ready to search.
class MainWindowFixture
{
public:
    explicit MainWindowFixture(const QStringList &builtFiles = {QStringLiteral("quran.qu")});

    bool open();

    template<typename T = QWidget>
    T *find(const char *name) const
    {
        return child<T>(&window, name);
    }
    ResultsFrame *results() const;
    SideBar *sideBar() const;

    // Types `text` into the search box and presses the search button.
    void search(const QString &text);
    // A left click on the named control.
    void click(const char *name);
    void openHeader(int index);
    QString label(const char *name) const;
    // The result list's rows as shown.
    QStringList rows() const;

    TestProgramFolder folder;
    ScriptedPlatform platform;
    ProgramState state;
    FrmMain window;
};

// Chooses a row of a combo box as the reader does.
inline void choose(QComboBox *box, int index)
{
    box->setCurrentIndex(index);
    Q_EMIT box->activated(index);
}
