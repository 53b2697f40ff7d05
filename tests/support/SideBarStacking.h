#pragma once

#include "controls/SideBar.h"

#include <QString>

// Where each header of a side bar stands, as one letter per header: 't' at the top,
// 'b' at the bottom ("tbbbbbbb" for the first header open).
inline QString stacking(const SideBar &bar)
{
    QString positions;
    for (int i = 0; i < bar.count(); ++i)
        positions += bar.SidebarPosition(i) == QLatin1String("top") ? u't' : u'b';
    return positions;
}
