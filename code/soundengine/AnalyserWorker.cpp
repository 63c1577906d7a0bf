#include "code/soundengine/AnalyserWorker.h"

CAnalyserWorker::CAnalyserWorker(CSpectrumAnalyzer& analyser) : analyser(analyser) {}

bool CAnalyserWorker::start()
{
    quit = false;
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
    // A worker that holds its lock is analysing and not waiting, so the signal would be dropped
    // anyway; skipping it keeps the audio thread from waiting for a whole analysis. Otherwise the
    // lock is held only to signal.
    if (analyserLock.isBusy()) return;
    velqa::platform::CBusyLockGuard guard(analyserLock);
    wake.signal();
}

void CAnalyserWorker::run()
{
    velqa::platform::CThread::enableFlushToZero();
    for (;;)
    {
        wake.registerWaiter();
        wake.wait();
        velqa::platform::CBusyLockGuard guard(analyserLock);
        if (quit) break;
        analyser.analyse();
        analysed.fetch_add(1, std::memory_order_relaxed);
    }
}
