#pragma once

#include "code/soundengine/AnalyserSignal.h"
#include "code/soundengine/SpectrumAnalyzer.h"
#include "platform/BusyLock.h"
#include "platform/Thread.h"

#include <atomic>
#include <chrono>

// The thread that computes one analyser's curve whenever the audio thread hands over a frame. The
// analyser lock keeps configure and analyse apart; the audio thread takes it only to signal.
//
// Waking a blocked thread costs the audio thread a system call per frame, and offline renders hand
// over frames far faster than once per hop. So while frames keep coming the worker stays awake and
// looks for one every poll interval, and frameReady is then a flag store and a flag load. Once no
// frame has come for the idle time it blocks again, so idle instances cost nothing.
class CAnalyserWorker
{
public:
    // Well under one hop (about 42 ms at 48 kHz), so the display lags by at most one poll.
    static constexpr std::chrono::milliseconds kPollInterval{10};
    static constexpr std::chrono::milliseconds kIdleTime{250};

    explicit CAnalyserWorker(CSpectrumAnalyzer& analyser);
    ~CAnalyserWorker() { stop(); }
    CAnalyserWorker(const CAnalyserWorker&) = delete;
    CAnalyserWorker& operator=(const CAnalyserWorker&) = delete;

    bool start();
    // Wakes the thread with its quit flag set and joins it; also cuts a poll interval short.
    void stop();
    // Audio thread, after feed returned true.
    void frameReady();

    velqa::platform::CBusyLock& lock() { return analyserLock; }
    int analysedFrames() const { return analysed.load(std::memory_order_relaxed); }
    // True while the worker polls rather than blocks.
    bool isPolling() const { return awake.load(); }

private:
    void run();
    // Analyses frames as they come; false when asked to quit, true once frames stopped coming.
    bool poll();

    CSpectrumAnalyzer& analyser;
    CAnalyserSignal wake;
    velqa::platform::CBusyLock analyserLock;
    velqa::platform::CThread thread;
    std::atomic<bool> quit{false};
    std::atomic<int> analysed{0};
    // Both seq_cst: each side stores its own flag, then loads the other's (see run).
    std::atomic<bool> pending{false};
    std::atomic<bool> awake{false};
};
