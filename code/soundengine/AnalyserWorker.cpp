#include "code/soundengine/AnalyserWorker.h"

CAnalyserWorker::CAnalyserWorker(CSpectrumAnalyzer& analyser) : analyser(analyser) {}

bool CAnalyserWorker::start()
{
    quit = false;
    awake = false;
    return thread.start([this] { run(); }, velqa::platform::CThread::Priority::timeCritical);
}

void CAnalyserWorker::stop()
{
    if (!thread.isRunning()) return;
    quit = true;
    wake.broadcast();
    thread.join();
}

void CAnalyserWorker::frameReady()
{
    pending.store(true);
    if (awake.load()) return;
    // A worker that holds its lock is analysing and not waiting, so the signal would be dropped
    // anyway; only trying the lock keeps the audio thread from waiting for a whole analysis.
    // Otherwise the lock is held only to signal.
    if (!analyserLock.tryEnter()) return;
    wake.signal();
    analyserLock.leave();
}

void CAnalyserWorker::run()
{
    velqa::platform::CThread::enableFlushToZero();
    for (;;)
    {
        // frameReady stores pending and then loads awake; this side stores awake and then loads
        // pending. In the single order of seq_cst operations one of the two loads sees the
        // other's store: either the worker finds the frame here, or the audio thread finds it
        // asleep and signals, and the waiter is registered before awake is cleared so that signal
        // is not dropped. The one remaining gap is a signal skipped because configure held the
        // lock; that frame is then picked up with the next hop's signal.
        wake.registerWaiter();
        awake.store(false);
        if (pending.load() || quit.load())
            wake.cancelWait();
        else
            wake.wait();
        if (quit) break;
        awake.store(true);
        if (!poll()) break;
    }
    awake.store(false);
}

bool CAnalyserWorker::poll()
{
    using Clock = std::chrono::steady_clock;
    auto lastFrame = Clock::now();
    for (;;)
    {
        // Offline, several frames may have come since the last look; one of them is enough for the
        // display.
        if (pending.exchange(false))
        {
            velqa::platform::CBusyLockGuard guard(analyserLock);
            if (quit) return false;
            analyser.analyse();
            analysed.fetch_add(1, std::memory_order_relaxed);
            lastFrame = Clock::now();
        }
        else if (Clock::now() - lastFrame >= kIdleTime)
            return true;
        // A timed wait rather than a sleep, so that stop's broadcast ends it at once.
        wake.registerWaiter();
        wake.waitFor(kPollInterval);
        if (quit) return false;
    }
}
