#pragma once

#include <QAbstractItemModel>
#include <QColor>
#include <QObject>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include <functional>

// The control named `name` below `parent`; a test without it cannot go on.
template<typename T>
T *child(const QObject *parent, const char *name)
{
    T *found = parent->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no control named %s", name);
    return found;
}

// The entries of a list or chooser, in order.
inline QStringList entries(const QAbstractItemModel *model)
{
    QStringList all;
    for (int row = 0; row < model->rowCount(); ++row)
        all.append(model->index(row, 0).data().toString());
    return all;
}

// Forgets every stored setting of this test's own settings folder.
inline void clearSettings()
{
    QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Velmora5"), QStringLiteral("Velmora5")).clear();
}

// Calls `visit` for every run of characters the view draws in one format.
inline void forEachDrawnFragment(const QTextDocument *document, const std::function<void(const QTextFragment &)> &visit)
{
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().isValid())
                visit(it.fragment());
        }
    }
}

// The characters drawn in `color`, as the view will draw them (not its HTML).
inline QString textDrawnIn(const QTextDocument *document, const QColor &color)
{
    QString text;
    forEachDrawnFragment(document, [&](const QTextFragment &fragment) {
        const QTextCharFormat format = fragment.charFormat();
        if (format.hasProperty(QTextFormat::ForegroundBrush) && format.foreground().color() == color)
            text += fragment.text();
    });
    return text;
}

// Characters drawn with a colour of their own: the highlighted words.
inline QString highlightedText(const QTextDocument *document)
{
    QString text;
    forEachDrawnFragment(document, [&](const QTextFragment &fragment) {
        if (fragment.charFormat().hasProperty(QTextFormat::ForegroundBrush))
            text += fragment.text();
    });
    return text;
}
