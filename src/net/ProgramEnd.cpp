#include "net/ProgramEnd.h"

#include <QApplication>

void closeProgram()
{
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}
