#include "platform/Thread.h"

#include <pthread.h>
#include <sched.h>
#include <system_error>
#include <xmmintrin.h>

namespace velqa::platform
{

CThread::~CThread()
{
    join();
}

bool CThread::start(std::function<void()> body, Priority priority)
{
    if (worker.joinable() || !body) return false;
    try
    {
        worker = std::thread(std::move(body));
    }
    catch (const std::system_error&)
    {
        return false;
    }
    if (priority == Priority::timeCritical)
    {
        sched_param param{};
        param.sched_priority = sched_get_priority_max(SCHED_FIFO);
        // Refused without CAP_SYS_NICE or an rtprio limit; the thread then runs as it is.
        pthread_setschedparam(worker.native_handle(), SCHED_FIFO, &param);
    }
    return true;
}

void CThread::join()
{
    if (worker.joinable()) worker.join();
}

void CThread::enableFlushToZero()
{
    constexpr unsigned flushToZero = 0x8000;
    constexpr unsigned denormalsAreZero = 0x0040;
    _mm_setcsr(_mm_getcsr() | flushToZero | denormalsAreZero);
}

} // namespace velqa::platform
