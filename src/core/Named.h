#pragma once

#include <QObject>
#include <QStringList>

// A new control with its object name: the name the program gives the control is how
// the window's code, its tests and its style sheet find it.
template<typename T>
T *named(T *control, const char *name)
{
    control->setObjectName(QLatin1String(name));
    return control;
}

// "1" … "count", the items of the number choosers (parts, suras, verses).
inline QStringList numberItems(int count)
{
    QStringList items;
    items.reserve(count);
    for (int n = 1; n <= count; ++n)
        items.append(QString::number(n));
    return items;
}
