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
    return leave() == Wake::broadcast;
}

CAnalyserSignal::Wake CAnalyserSignal::waitFor(std::chrono::milliseconds timeout)
{
    std::unique_lock<std::mutex> lock(section);
    if (!wake.wait_for(lock, timeout, [this] { return signalled || broadcasted; }))
    {
        --waiters;
        return Wake::timedOut;
    }
    return leave();
}

void CAnalyserSignal::cancelWait()
{
    std::lock_guard<std::mutex> guard(section);
    signalled = false;
    --waiters;
}

// Called with section held, after a wake-up.
CAnalyserSignal::Wake CAnalyserSignal::leave()
{
    const bool byBroadcast = !signalled;
    signalled = false;
    --waiters;
    if (byBroadcast && waiters == 0) broadcasted = false;
    return byBroadcast ? Wake::broadcast : Wake::signalled;
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
