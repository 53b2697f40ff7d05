#include "EventLoopYield.h"

#include <QCoreApplication>

namespace {

constexpr qint64 FrameMilliseconds = 33;

} // namespace

EventLoopYield::EventLoopYield()
{
    m_sinceLast.start();
}

void EventLoopYield::operator()()
{
    if (m_sinceLast.elapsed() < FrameMilliseconds)
        return;
    QCoreApplication::processEvents();
    m_sinceLast.restart();
}
