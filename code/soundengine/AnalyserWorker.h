#pragma once

#include "code/soundengine/AnalyserSignal.h"
#include "code/soundengine/SpectrumAnalyzer.h"
#include "platform/BusyLock.h"
#include "platform/Thread.h"

#include <atomic>

// The thread that computes one analyser's curve whenever the audio thread hands over a frame. The
// analyser lock keeps configure and analyse apart; the audio thread takes it only to signal.
class CAnalyserWorker
{
public:
    explicit CAnalyserWorker(CSpectrumAnalyzer& analyser);
    ~CAnalyserWorker() { stop(); }
    CAnalyserWorker(const CAnalyserWorker&) = delete;
    CAnalyserWorker& operator=(const CAnalyserWorker&) = delete;

    bool start();
    // Wakes the thread with its quit flag set and joins it.
    void stop();
    // Audio thread, after feed returned true.
    void frameReady();

    velqa::platform::CBusyLock& lock() { return analyserLock; }
    int analysedFrames() const { return analysed.load(std::memory_order_relaxed); }

private:
    void run();

    CSpectrumAnalyzer& analyser;
    CAnalyserSignal wake;
    velqa::platform::CBusyLock analyserLock;
    velqa::platform::CThread thread;
    std::atomic<bool> quit{false};
    std::atomic<int> analysed{0};
};
