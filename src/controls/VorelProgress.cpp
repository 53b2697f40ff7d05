#include "controls/VorelProgress.h"

#include "core/Twips.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {

const QColor FillColor(47, 107, 79);

} // namespace

QString progressPercentageText(int value, int max)
{
    // nearbyint rounds in the default mode, which sends a half to the even neighbour.
    const double share = max == 0 ? 0.0 : double(value) / max * 100.0;
    return QString::number(qint64(std::nearbyint(share))) + u'%';
}

int progressFillWidth(int value, int min, int max, int width)
{
    if (max == min)
        return 0;
    return int(double(value) * width / (max - min));
}

VorelProgress::VorelProgress(QWidget *parent)
    : QFrame(parent)
{
    // Never smaller than 500 x 180 twips: a smaller size snaps back.
    setMinimumSize(twips(500), twips(180));
    applyFrame();
}

void VorelProgress::setValue(int value)
{
    if (value < m_min || value > m_max)
        return;
    m_value = value;
    update();
}

void VorelProgress::setMaximum(int max)
{
    if (max <= m_min)
        return;
    m_max = max;
    update();
}

void VorelProgress::setMinimum(int min)
{
    if (min < 0 || min >= m_max)
        return;
    m_min = min;
    update();
}

void VorelProgress::setPercentage(bool shown)
{
    m_percentage = shown;
    update();
}

void VorelProgress::setForeColor(const QColor &color)
{
    m_foreColor = color;
    update();
}

void VorelProgress::setBorderStyle(int style)
{
    m_borderStyle = style;
    applyFrame();
}

void VorelProgress::setAppearance(int appearance)
{
    m_appearance = appearance;
    applyFrame();
}

void VorelProgress::applyFrame()
{
    setFrameShape(m_borderStyle == 0 ? QFrame::NoFrame : QFrame::Panel);
    setFrameShadow(m_appearance == 1 ? QFrame::Sunken : QFrame::Plain);
}

QString VorelProgress::percentageText() const
{
    return progressPercentageText(m_value, m_max);
}

int VorelProgress::fillWidth() const
{
    return progressFillWidth(m_value, m_min, m_max, contentsRect().width());
}

void VorelProgress::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    const QRect area = contentsRect();
    QPainter painter(this);
    painter.fillRect(area, Qt::white);
    const QRect fill(area.left(), area.top(), fillWidth(), area.height());
    painter.fillRect(fill, FillColor);
    if (m_percentage) {
        const QString text = percentageText();
        // The figure reads left to right whatever the window's direction.
        painter.setLayoutDirection(Qt::LeftToRight);
        painter.setPen(m_foreColor);
        painter.drawText(area, Qt::AlignCenter, text);
        painter.setClipRect(fill);
        painter.setPen(Qt::white);
        painter.drawText(area, Qt::AlignCenter, text);
    }
}

void VorelProgress::mousePressEvent(QMouseEvent *event)
{
    Q_EMIT MouseDown(event->buttons() | event->button(), event->modifiers(), event->position());
}

void VorelProgress::mouseMoveEvent(QMouseEvent *event)
{
    Q_EMIT MouseMove(event->buttons(), event->modifiers(), event->position());
}

void VorelProgress::mouseReleaseEvent(QMouseEvent *event)
{
    Q_EMIT MouseUp(event->button(), event->modifiers(), event->position());
    Q_EMIT Click();
}

void VorelProgress::mouseDoubleClickEvent(QMouseEvent *event)
{
    Q_EMIT DblClick();
    Q_EMIT MouseDown(event->buttons() | event->button(), event->modifiers(), event->position());
}
