#pragma once

#include <QSize>
#include <QString>

class CoolHoverButton;
class QWidget;
class SideBar;

// The main window's side bar: its eight headers, each panel opening with a note on what
// the header offers; the panel's commands follow the note.
SideBar *createMainSideBar(QSize size, QWidget *parent);

// A command of a side-bar panel (not yet in the panel's layout).
CoolHoverButton *panelCommand(const char *name, const QString &caption, QWidget *panel);
