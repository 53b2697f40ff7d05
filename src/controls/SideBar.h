#pragma once

#include <QFrame>
#include <QList>
#include <QStringList>

class QPushButton;

// The side bar `picStrip`: a stack of headers `strip(i)`, each with its panel
// `PicFrame(i)`. Opening a header moves the headers below it to the bottom edge and
// the header itself, with those above it, to the top, so its panel fills the space
// between. Exactly one panel is visible at a time.
class SideBar : public QFrame
{
    Q_OBJECT

public:
    SideBar(const QStringList &captions, const QSize &innerSize, int headerHeight, QWidget *parent = nullptr);

    int count() const { return int(m_strips.size()); }
    QPushButton *strip(int index) const { return m_strips.at(index); }
    QWidget *PicFrame(int index) const { return m_panels.at(index); }
    QString SidebarPosition(int index) const { return m_positions.at(index); }
    int CurrentStrip() const { return m_current; }

    // Every header at the top, every panel sized below its header and hidden, then the
    // last panel shown and made current.
    void layOut();
    // Brings header `index` and its panel forward, then gives the side bar the focus.
    // Choosing the open header only gives the focus.
    void openHeader(int index);

Q_SIGNALS:
    // A header was clicked; the window decides what opening it means.
    void stripClicked(int index);

private:
    int innerHeight() const { return contentsRect().height(); }

    QList<QPushButton *> m_strips;
    QList<QWidget *> m_panels;
    QStringList m_positions;
    int m_current = 0;
    int m_headerHeight;
};
