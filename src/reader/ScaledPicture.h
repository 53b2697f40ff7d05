#pragma once

#include <QPixmap>
#include <QWidget>

// A picture drawn as large as the widget allows, keeping its proportions, with smooth
// scaling so a page's small letters stay readable.
class ScaledPicture : public QWidget
{
    Q_OBJECT

public:
    explicit ScaledPicture(QWidget *parent = nullptr);

    // False when the file is not a picture; the previous picture then stays.
    bool load(const QString &file);
    void clear();
    bool isEmpty() const { return m_picture.isNull(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
};
