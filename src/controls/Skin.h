#pragma once

class QWidget;

// Gives a window the program's look: the style sheet in the file "skn" of the program
// folder. Without that file the window keeps the desktop's default look.
void applySkin(QWidget *window);
