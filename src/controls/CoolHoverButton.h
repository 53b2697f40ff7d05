#pragma once

#include <QColor>
#include <QWidget>

class QLabel;
class QKeyEvent;
class QMouseEvent;

// A flat button with a main caption and an optional second line that lights up while
// the pointer is over it and changes colour while pressed. Enabled is the widget's own
// enabled state: it gates Click, DblClick, MouseDown, MouseUp and the highlight, while
// MouseMove is raised either way. A disabled button with a second caption serves as a
// description panel, so its captions stay as readable as when enabled.
class CoolHoverButton : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(QString CaptionSec READ captionSec WRITE setCaptionSec)

public:
    explicit CoolHoverButton(QWidget *parent = nullptr);

    QString caption() const;
    void setCaption(const QString &caption);
    // The second caption; the line is hidden while it is empty.
    QString captionSec() const;
    void setCaptionSec(const QString &caption);


Q_SIGNALS:
    void Click();
    void DblClick();
    // Positions are in the button's own coordinates, wherever the pointer is on it.
    void MouseDown(Qt::MouseButtons Button, Qt::KeyboardModifiers Shift, const QPointF &position);
    void MouseMove(Qt::MouseButtons Button, Qt::KeyboardModifiers Shift, const QPointF &position);
    void MouseUp(Qt::MouseButtons Button, Qt::KeyboardModifiers Shift, const QPointF &position);

protected:
    // The colours in which the two kinds of button differ.
    struct Scheme {
        QColor background;
        QColor pressedFill;
    };
    CoolHoverButton(const Scheme &scheme, QWidget *parent);

    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    struct Highlight {
        bool shown = false;
        QColor fill;
        QColor border;
    };

    void mouseDown(const QMouseEvent &event);
    void mouseUp(const QMouseEvent &event);
    void mouseMove(const QMouseEvent &event);
    void doubleClick(const QMouseEvent &event);
    void showHighlight(bool shown);
    void setHighlightColors(const QColor &fill, const QColor &border);
    void layOut();

    const Scheme m_scheme;
    QLabel *Go;
    QLabel *GO2;
    Highlight GoHover;
    // Qt ends a double click with a release; it must not count as a second click.
    bool m_releaseEndsDoubleClick = false;
};

// The same button on a light grey ground.
class CoolHoverButtonGray : public CoolHoverButton
{
    Q_OBJECT

public:
    explicit CoolHoverButtonGray(QWidget *parent = nullptr);
};
