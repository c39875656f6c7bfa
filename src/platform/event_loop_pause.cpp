#include "platform/event_loop_pause.h"

#include <QEventLoop>
#include <QTimer>

void EventLoopPause::wait(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}
