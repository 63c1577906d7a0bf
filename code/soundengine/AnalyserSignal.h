#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

// Wakes a worker thread: an auto-reset signal plus a manual-reset broadcast. A signal with no
// worker waiting is dropped: the worker is then busy with an older frame and picks up the newest
// one at its next wake-up anyway. broadcast wakes every waiter and stays set until the last one has
// left. The state lives in this object rather than in the platform events' shared hub, so the
// audio thread's signal only ever contends with its own worker.
class CAnalyserSignal
{
public:
    enum class Wake
    {
        signalled,
        broadcast,
        timedOut
    };

    void registerWaiter();
    // Blocks until signal or broadcast; true when woken by broadcast.
    bool wait();
    // As wait, but gives up after timeout; a registered waiter leaves in every case.
    Wake waitFor(std::chrono::milliseconds timeout);
    // Withdraws a registration without waiting; a signal already sent to it is consumed so it
    // cannot cut a later wait short.
    void cancelWait();
    void signal();
    void broadcast();

private:
    Wake leave();

    std::mutex section;
    std::condition_variable wake;
    bool signalled = false;   // auto-reset
    bool broadcasted = false; // manual-reset
    int waiters = 0;
};
