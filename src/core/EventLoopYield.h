#pragma once

#include <QElapsedTimer>

// Long loops call this after every item so the window stays alive. Handing control to
// the event loop costs a repaint each time, so it only happens when a frame's worth of
// time has passed since the last one: the window keeps repainting and answering at
// about 30 frames a second, and a loop over thousands of rows is not slowed by
// thousands of repaints.
class EventLoopYield
{
public:
    EventLoopYield();
    void operator()();

    // Tests set 0 so that every call yields, to act in the middle of a loop.
    static void setFrameMilliseconds(qint64 milliseconds);

private:
    QElapsedTimer m_sinceLast;
};
