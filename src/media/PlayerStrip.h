#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QSlider;
class RecitationPlayer;

// The bar that shows and controls the recitation playing: the reciter, the verse
// sounding ("البقرة : 255"), pause and resume, stop, and the position in the part.
// It lies along the bottom edge of the window it is given and shows only while a
// recitation plays; the window grows by the bar's height meanwhile and shrinks back
// after. Every window with listening commands has one, all on the one shared player.
class PlayerStrip : public QWidget
{
    Q_OBJECT

public:
    PlayerStrip(RecitationPlayer &player, QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refresh();
    void showPosition(qint64 position, qint64 duration);
    void setDocked(bool docked);
    void placeAtBottom();

    RecitationPlayer &m_player;
    QWidget *m_window = nullptr;
    bool m_docked = false;
    QLabel *reciterName = nullptr;
    QLabel *versePlaying = nullptr;
    QSlider *position = nullptr;
    QPushButton *cmdPause = nullptr;
    QPushButton *cmdStop = nullptr;
};
