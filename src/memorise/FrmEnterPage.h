#pragma once

#include "memorise/UserDatabase.h"

#include <QWidget>

class FrmSaveQuran;
class Platform;
class QLabel;
class QListWidget;
class QPushButton;
struct ProgramState;

// The memorisation users: choose one to open the tracker for, create one, delete one.
// Opened without blocking by the main window; one window serves the whole run.
class FrmEnterPage : public QWidget
{
    Q_OBJECT

public:
    FrmEnterPage(Platform &platform, ProgramState &state, QWidget *parent = nullptr);

    // Window load: centred, skinned, the list filled with its first user selected.
    void Form_Load();
    void load_list();

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

Q_SIGNALS:
    // True when the tracker window opens, false when it closes again: the main window
    // keeps its memorisation header disabled in between.
    void trackerOpenChanged(bool open);
    // The tracker window just made, before it shows: for wiring its requests.
    void trackerOpened(FrmSaveQuran *tracker);

private:
    void selectFirstUser();
    void reportUnavailable();

    Platform &m_platform;
    ProgramState &m_state;
    UserDatabase m_users;

    QListWidget *List1 = nullptr;
    QLabel *Label1 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
};
