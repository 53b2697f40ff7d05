#include "core/EventLoopYield.h"

#include <QCoreApplication>

namespace {

qint64 frameMilliseconds = 33;

} // namespace

EventLoopYield::EventLoopYield()
{
    m_sinceLast.start();
}

void EventLoopYield::operator()()
{
    if (m_sinceLast.elapsed() < frameMilliseconds)
        return;
    QCoreApplication::processEvents();
    m_sinceLast.restart();
}

void EventLoopYield::setFrameMilliseconds(qint64 milliseconds)
{
    frameMilliseconds = milliseconds;
}
