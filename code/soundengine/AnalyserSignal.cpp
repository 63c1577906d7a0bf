#include "code/soundengine/AnalyserSignal.h"

void CAnalyserSignal::registerWaiter()
{
    std::lock_guard<std::mutex> guard(section);
    ++waiters;
}

bool CAnalyserSignal::wait()
{
    std::unique_lock<std::mutex> lock(section);
    wake.wait(lock, [this] { return signalled || broadcasted; });
    const bool byBroadcast = !signalled;
    signalled = false;
    --waiters;
    if (byBroadcast && waiters == 0) broadcasted = false;
    return byBroadcast;
}

void CAnalyserSignal::signal()
{
    {
        std::lock_guard<std::mutex> guard(section);
        if (waiters <= 0) return;
        signalled = true;
    }
    wake.notify_one();
}

void CAnalyserSignal::broadcast()
{
    {
        std::lock_guard<std::mutex> guard(section);
        broadcasted = true;
    }
    wake.notify_all();
}
