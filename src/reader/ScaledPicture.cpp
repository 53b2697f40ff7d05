#include "reader/ScaledPicture.h"

#include <QPainter>

ScaledPicture::ScaledPicture(QWidget *parent)
    : QWidget(parent)
{
    setMinimumSize(200, 286);
}

bool ScaledPicture::load(const QString &file)
{
    QPixmap picture;
    if (!picture.load(file))
        return false;
    m_picture = picture;
    update();
    return true;
}

void ScaledPicture::clear()
{
    m_picture = QPixmap();
    update();
}

void ScaledPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (m_picture.isNull())
        return;
    const QPixmap scaled = m_picture.scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    painter.drawPixmap((width() - scaled.width()) / 2, (height() - scaled.height()) / 2, scaled);
}
