#pragma once

#include <functional>
#include <thread>

namespace velqa::platform
{

// A joinable worker thread. The time-critical priority is best effort: without real-time
// privileges the thread keeps the normal priority.
class CThread
{
public:
    enum class Priority
    {
        normal,
        timeCritical
    };

    CThread() = default;
    ~CThread();
    CThread(const CThread&) = delete;
    CThread& operator=(const CThread&) = delete;

    bool start(std::function<void()> body, Priority priority = Priority::normal);
    void join();
    bool isRunning() const { return worker.joinable(); }

    // Switches denormal flushing on for the calling thread (SSE flush-to-zero and
    // denormals-are-zero).
    static void enableFlushToZero();

private:
    std::thread worker;
};

} // namespace velqa::platform
