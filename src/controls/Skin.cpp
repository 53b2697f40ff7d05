#include "controls/Skin.h"

#include "core/ProgramFolder.h"

#include <QFile>
#include <QWidget>

void applySkin(QWidget *window)
{
    QFile skin(ProgramFolder::file(QStringLiteral("skn")));
    if (skin.open(QIODevice::ReadOnly | QIODevice::Text))
        window->setStyleSheet(QString::fromUtf8(skin.readAll()));
}
