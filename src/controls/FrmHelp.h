#pragma once

#include <QDialog>

class QPushButton;
class QTextBrowser;
struct ProgramState;

// The help window: one of three pages, chosen by the caller through HelpTopic
// (1 the search, 30 the lookup and gathering services, 15 the memorisation tracker).
class FrmHelp : public QDialog
{
    Q_OBJECT

public:
    explicit FrmHelp(const ProgramState &state, QWidget *parent = nullptr);

    // Shows the page of HelpTopic and hides the two others; any other topic leaves the
    // pages as laid out (the search page). Then the skin and the centring.
    void Form_Load();

private:
    const ProgramState &m_state;
    QTextBrowser *Frame1 = nullptr;
    QTextBrowser *Frame2 = nullptr;
    QTextBrowser *Frame3 = nullptr;
    QPushButton *Command1 = nullptr;
};

// Sets HelpTopic and opens the help window over `parent`, window-modal and without
// blocking; the window deletes itself when closed.
FrmHelp *showHelp(ProgramState &state, int topic, QWidget *parent);
