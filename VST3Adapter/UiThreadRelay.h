#pragma once

#include "pluginterfaces/base/funknown.h"

#include <atomic>
#include <functional>
#include <thread>

namespace velqa
{

// Carries a request that VST 3 wants on the host's user-interface thread (restartComponent) off
// whatever thread raised it. Raised on the UI thread, the request runs at once; raised elsewhere
// (the audio thread applying an oversampling change), it is only noted, and the next UI-thread
// moment pays it: a timer on the host's run loop when the host offers one, otherwise the next
// call the host makes on its UI thread (or an open view's idle tick).
class CUiThreadRelay
{
public:
    static constexpr Steinberg::uint64 kTimerMilliseconds = 50;

    CUiThreadRelay() = default;
    ~CUiThreadRelay();
    CUiThreadRelay(const CUiThreadRelay&) = delete;
    CUiThreadRelay& operator=(const CUiThreadRelay&) = delete;

    // On the UI thread (initialize): that thread is the UI thread from now on.
    void bind(Steinberg::FUnknown* hostContext, std::function<void()> action);
    void unbind();
    // Any thread; never waits.
    void request();
    // UI thread: runs a request raised elsewhere, if one is owed.
    void flush();

private:
    class Timer;

    std::function<void()> action;
    std::thread::id uiThread;
    std::atomic<bool> owed{false};
    Steinberg::FUnknown* runLoop = nullptr; // Linux::IRunLoop, held while the timer lives
    Timer* timer = nullptr;
};

} // namespace velqa
