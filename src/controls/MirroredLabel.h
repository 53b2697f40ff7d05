#pragma once

#include <QLabel>

#include <functional>

// A hidden field bound to a record, as the windows' code reads and writes it, that copies
// its text into the visible control showing it: a label or a hover button (or none).
class MirroredLabel : public QLabel
{
    Q_OBJECT

public:
    MirroredLabel(const char *name, const QString &text, QWidget *mirror, QWidget *parent);

    // The field's text, shown by its mirror as well.
    void setInfo(const QString &text);

private:
    std::function<void(const QString &)> m_mirror;
};
