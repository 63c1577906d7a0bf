#include "platform/BusyLock.h"
#include "platform/Event.h"
#include "platform/Thread.h"

#include <atomic>
#include <gtest/gtest.h>

using namespace velqa::platform;

TEST(BusyLock, KeepsTwoThreadsOutOfTheGuardedCode)
{
    CBusyLock lock;
    int inside = 0;
    int maxInside = 0;
    long counter = 0;
    auto work = [&]
    {
        for (int i = 0; i < 20000; ++i)
        {
            CBusyLockGuard guard(lock);
            maxInside = std::max(maxInside, ++inside);
            ++counter;
            --inside;
        }
    };
    CThread other;
    ASSERT_TRUE(other.start(work));
    work();
    other.join();
    EXPECT_EQ(maxInside, 1);
    EXPECT_EQ(counter, 40000);
    EXPECT_FALSE(lock.isBusy());
}

TEST(Event, WaitForEitherReportsWhichAndTimesOut)
{
    CEvent signal(false), broadcast(true);
    EXPECT_EQ(CEvent::waitForEither(signal, broadcast, 10), CEvent::kTimedOut);

    CThread setter;
    ASSERT_TRUE(setter.start([&] { broadcast.set(); }));
    EXPECT_EQ(CEvent::waitForEither(signal, broadcast), 1);
    setter.join();

    signal.set();
    EXPECT_EQ(CEvent::waitForEither(signal, broadcast, 0), 0) << "the first wins when both are set";
    EXPECT_EQ(CEvent::waitForEither(signal, broadcast, 0), 1);
}

TEST(Thread, TimeCriticalRequestStillRunsWithoutPrivileges)
{
    std::atomic<bool> ran{false};
    CThread worker;
    ASSERT_TRUE(worker.start([&] { ran = true; }, CThread::Priority::timeCritical));
    EXPECT_FALSE(worker.start([] {})) << "one body per thread object";
    worker.join();
    EXPECT_TRUE(ran);
    EXPECT_FALSE(worker.isRunning());
}
