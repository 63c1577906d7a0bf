#include "VST3Adapter/UiThreadRelay.h"

#include "base/source/fobject.h"
#include "pluginterfaces/gui/iplugview.h"

using namespace Steinberg;

namespace velqa
{

class CUiThreadRelay::Timer : public FObject, public Linux::ITimerHandler
{
public:
    explicit Timer(CUiThreadRelay& relay) : relay(relay) {}
    void PLUGIN_API onTimer() override { relay.flush(); }

    OBJ_METHODS(Timer, FObject)
    FUNKNOWN_METHODS(Linux::ITimerHandler, FObject)

private:
    CUiThreadRelay& relay;
};

CUiThreadRelay::~CUiThreadRelay()
{
    unbind();
}

void CUiThreadRelay::bind(FUnknown* hostContext, std::function<void()> callback)
{
    unbind();
    action = std::move(callback);
    uiThread = std::this_thread::get_id();
    Linux::IRunLoop* loop = nullptr;
    if (!hostContext ||
        hostContext->queryInterface(Linux::IRunLoop::iid, reinterpret_cast<void**>(&loop)) !=
            kResultOk ||
        !loop)
        return;
    timer = new Timer(*this);
    if (loop->registerTimer(timer, kTimerMilliseconds) != kResultOk)
    {
        timer->release();
        timer = nullptr;
        loop->release();
        return;
    }
    runLoop = loop;
}

void CUiThreadRelay::unbind()
{
    if (timer)
    {
        static_cast<Linux::IRunLoop*>(runLoop)->unregisterTimer(timer);
        timer->release();
        timer = nullptr;
    }
    if (runLoop) runLoop->release();
    runLoop = nullptr;
    action = nullptr;
}

void CUiThreadRelay::request()
{
    if (std::this_thread::get_id() == uiThread && action)
    {
        owed.store(false, std::memory_order_relaxed);
        action();
        return;
    }
    owed.store(true, std::memory_order_release);
}

void CUiThreadRelay::flush()
{
    if (std::this_thread::get_id() != uiThread) return;
    if (owed.exchange(false, std::memory_order_acq_rel) && action) action();
}

} // namespace velqa
