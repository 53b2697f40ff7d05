#pragma once

#include <QAbstractButton>
#include <QPixmap>

// A button that is only its picture: no frame, no bevel, no focus. It reacts to the
// left mouse button like any button (pressed, clicked) and not at all while disabled.
class PictureButton : public QAbstractButton
{
public:
    explicit PictureButton(QWidget *parent = nullptr);

    void setPicture(const QPixmap &picture);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
};
