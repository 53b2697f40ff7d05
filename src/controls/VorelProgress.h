#pragma once

#include <QColor>
#include <QFrame>

class QMouseEvent;

// A horizontal progress bar drawn by hand: a white strip, a filled part from the left
// edge whose length follows Value, and the percentage written in the middle. The part
// of the text the fill covers is drawn again in white, so it stays readable.
class VorelProgress : public QFrame
{
    Q_OBJECT
    Q_PROPERTY(int Value READ value WRITE setValue)
    Q_PROPERTY(int Max READ maximum WRITE setMaximum)
    Q_PROPERTY(int Min READ minimum WRITE setMinimum)
    Q_PROPERTY(bool Percentage READ percentage WRITE setPercentage)
    Q_PROPERTY(QColor ForeColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(int BorderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(int Appearance READ appearance WRITE setAppearance)

public:
    explicit VorelProgress(QWidget *parent = nullptr);

    // Each write is refused silently when it would break Min <= Value <= Max, Min < Max
    // or 0 <= Min.
    int value() const { return m_value; }
    void setValue(int value);
    int maximum() const { return m_max; }
    void setMaximum(int max);
    int minimum() const { return m_min; }
    void setMinimum(int min);

    bool percentage() const { return m_percentage; }
    void setPercentage(bool shown);
    QColor foreColor() const { return m_foreColor; }
    void setForeColor(const QColor &color);
    // 0 no border, 1 a single border; Appearance 0 flat, 1 sunken.
    int borderStyle() const { return m_borderStyle; }
    void setBorderStyle(int style);
    int appearance() const { return m_appearance; }
    void setAppearance(int appearance);

    // What the bar shows: the text in the middle and the length of the fill in pixels.
    QString percentageText() const;
    int fillWidth() const;

    void Refresh() { update(); }

Q_SIGNALS:
    void Click();
    void DblClick();
    void MouseDown(Qt::MouseButtons Button, Qt::KeyboardModifiers Shift, const QPointF &position);
    void MouseMove(Qt::MouseButtons Button, Qt::KeyboardModifiers Shift, const QPointF &position);
    void MouseUp(Qt::MouseButtons Button, Qt::KeyboardModifiers Shift, const QPointF &position);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void applyFrame();

    int m_value = 0;
    int m_max = 100;
    int m_min = 0;
    bool m_percentage = true;
    QColor m_foreColor = QColor(140, 140, 164);
    int m_borderStyle = 0;
    int m_appearance = 1;
};

// The percentage Value / Max x 100 rounded to the nearest whole number, a half to the
// even neighbour, followed by "%".
QString progressPercentageText(int value, int max);
// The length of the fill: Value pixels per (Max - Min) of the width.
int progressFillWidth(int value, int min, int max, int width);
