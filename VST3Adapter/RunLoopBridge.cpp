#include "VST3Adapter/RunLoopBridge.h"

#include <algorithm>

using namespace Steinberg;

namespace velqa
{

class CRunLoopBridge::FdHandler : public FObject, public Linux::IEventHandler
{
public:
    explicit FdHandler(VSTGUI::X11::IEventHandler* target) : target(target) {}
    void PLUGIN_API onFDIsSet(Linux::FileDescriptor) override
    {
        if (target) target->onEvent();
    }
    VSTGUI::X11::IEventHandler* target;

    OBJ_METHODS(FdHandler, FObject)
    FUNKNOWN_METHODS(Linux::IEventHandler, FObject)
};

class CRunLoopBridge::TimerHandler : public FObject, public Linux::ITimerHandler
{
public:
    explicit TimerHandler(std::function<void()> callback) : callback(std::move(callback)) {}
    void PLUGIN_API onTimer() override
    {
        if (callback) callback();
    }
    std::function<void()> callback;

    OBJ_METHODS(TimerHandler, FObject)
    FUNKNOWN_METHODS(Linux::ITimerHandler, FObject)
};

CRunLoopBridge::~CRunLoopBridge()
{
    releaseAll();
}

void CRunLoopBridge::setHostLoop(Linux::IRunLoop* loop)
{
    if (loop == hostLoop) return;
    releaseAll();
    if (hostLoop) hostLoop->release();
    hostLoop = loop;
    if (hostLoop) hostLoop->addRef();
}

void CRunLoopBridge::releaseAll()
{
    stopTimer();
    for (FdHandler* handler : fdHandlers)
    {
        if (hostLoop) hostLoop->unregisterEventHandler(handler);
        handler->target = nullptr;
        handler->release();
    }
    fdHandlers.clear();
}

bool CRunLoopBridge::registerEventHandler(int fd, VSTGUI::X11::IEventHandler* target)
{
    if (!hostLoop || !target) return false;
    auto* handler = new FdHandler(target);
    if (hostLoop->registerEventHandler(handler, fd) != kResultOk)
    {
        handler->release();
        return false;
    }
    fdHandlers.push_back(handler);
    return true;
}

bool CRunLoopBridge::unregisterEventHandler(VSTGUI::X11::IEventHandler* target)
{
    auto found = std::find_if(fdHandlers.begin(), fdHandlers.end(),
                              [target](const FdHandler* h) { return h->target == target; });
    if (found == fdHandlers.end()) return false;
    FdHandler* handler = *found;
    fdHandlers.erase(found);
    if (hostLoop) hostLoop->unregisterEventHandler(handler);
    handler->target = nullptr;
    handler->release();
    return true;
}

bool CRunLoopBridge::startTimer(uint64_t intervalMilliseconds, std::function<void()> callback)
{
    stopTimer();
    if (!hostLoop) return false;
    timer = new TimerHandler(std::move(callback));
    if (hostLoop->registerTimer(timer, intervalMilliseconds) != kResultOk)
    {
        timer->release();
        timer = nullptr;
        return false;
    }
    return true;
}

void CRunLoopBridge::stopTimer()
{
    if (!timer) return;
    if (hostLoop) hostLoop->unregisterTimer(timer);
    timer->callback = nullptr;
    timer->release();
    timer = nullptr;
}

} // namespace velqa
