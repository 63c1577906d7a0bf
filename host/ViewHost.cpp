#include "host/ViewHost.h"

#include "host/HostObject.h"

#include <poll.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>

using namespace Steinberg;

namespace velqa::host
{
namespace
{

uint64_t nowMilliseconds()
{
    using namespace std::chrono;
    return static_cast<uint64_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

xcb_atom_t internAtom(xcb_connection_t* connection, const char* name)
{
    auto cookie = xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    if (!reply) return XCB_ATOM_NONE;
    xcb_atom_t atom = reply->atom;
    std::free(reply);
    return atom;
}

} // namespace

struct ViewHost::Connection
{
    xcb_connection_t* xcb = nullptr;
    xcb_screen_t* screen = nullptr;
    ~Connection()
    {
        if (xcb) xcb_disconnect(xcb);
    }
};

std::unique_ptr<ViewHost> ViewHost::create(const char* title)
{
    auto connection = std::make_unique<Connection>();
    int screenNumber = 0;
    connection->xcb = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection->xcb)) return nullptr;
    auto roots = xcb_setup_roots_iterator(xcb_get_setup(connection->xcb));
    for (int i = 0; i < screenNumber && roots.rem; ++i) xcb_screen_next(&roots);
    if (!roots.rem) return nullptr;
    connection->screen = roots.data;

    std::unique_ptr<ViewHost> host(new ViewHost(std::move(connection)));
    xcb_connection_t* xcb = host->connection_->xcb;
    xcb_screen_t* screen = host->connection_->screen;
    host->window_ = xcb_generate_id(xcb);
    host->size_ = ViewRect(0, 0, 200, 200);
    uint32_t values[] = {screen->black_pixel, XCB_EVENT_MASK_STRUCTURE_NOTIFY};
    xcb_create_window(xcb, XCB_COPY_FROM_PARENT, host->window_, screen->root, 0, 0, 200, 200, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual,
                      XCB_CW_BACK_PIXEL | XCB_CW_EVENT_MASK, values);
    const char* name = title ? title : "Velqa";
    xcb_change_property(xcb, XCB_PROP_MODE_REPLACE, host->window_, XCB_ATOM_WM_NAME,
                        XCB_ATOM_STRING, 8, static_cast<uint32_t>(std::strlen(name)), name);
    // The window manager's close button arrives as a message instead of killing the client.
    xcb_atom_t protocols = internAtom(xcb, "WM_PROTOCOLS");
    host->deleteAtom_ = internAtom(xcb, "WM_DELETE_WINDOW");
    if (protocols != XCB_ATOM_NONE && host->deleteAtom_ != XCB_ATOM_NONE)
        xcb_change_property(xcb, XCB_PROP_MODE_REPLACE, host->window_, protocols, XCB_ATOM_ATOM, 32,
                            1, &host->deleteAtom_);
    xcb_flush(xcb);
    return host;
}

ViewHost::ViewHost(std::unique_ptr<Connection> connection) : connection_(std::move(connection)) {}

ViewHost::~ViewHost()
{
    detach();
    if (window_) xcb_destroy_window(connection_->xcb, window_);
    xcb_flush(connection_->xcb);
}

void ViewHost::resizeWindow(const ViewRect& size)
{
    size_ = ViewRect(0, 0, std::max(1, size.getWidth()), std::max(1, size.getHeight()));
    uint32_t values[] = {static_cast<uint32_t>(size_.right), static_cast<uint32_t>(size_.bottom)};
    xcb_configure_window(connection_->xcb, window_,
                         XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT, values);
    xcb_flush(connection_->xcb);
}

tresult ViewHost::attach(IPlugView* view)
{
    if (!view || view_) return kResultFalse;
    if (view->isPlatformTypeSupported(kPlatformTypeX11EmbedWindowID) != kResultTrue)
        return kResultFalse;
    view->setFrame(this);
    ViewRect size;
    if (view->getSize(&size) == kResultTrue) resizeWindow(size);
    xcb_map_window(connection_->xcb, window_);
    xcb_flush(connection_->xcb);
    const tresult result = view->attached(reinterpret_cast<void*>(static_cast<uintptr_t>(window_)),
                                          kPlatformTypeX11EmbedWindowID);
    if (result != kResultOk)
    {
        view->setFrame(nullptr);
        return result;
    }
    view_ = view;
    return kResultOk;
}

tresult ViewHost::detach()
{
    if (!view_) return kResultFalse;
    IPlugView* view = view_;
    view_ = nullptr;
    const tresult result = view->removed();
    view->setFrame(nullptr);
    return result;
}

tresult PLUGIN_API ViewHost::resizeView(IPlugView* view, ViewRect* newSize)
{
    if (!view || !newSize) return kInvalidArgument;
    ++resizeRequests_;
    ViewRect wanted = *newSize;
    view->checkSizeConstraint(&wanted);
    resizeWindow(wanted);
    return view->onSize(&wanted);
}

tresult PLUGIN_API ViewHost::registerEventHandler(Linux::IEventHandler* handler,
                                                  Linux::FileDescriptor fd)
{
    if (!handler || fd < 0) return kInvalidArgument;
    handler->addRef();
    handlers_.push_back({handler, fd});
    return kResultOk;
}

tresult PLUGIN_API ViewHost::unregisterEventHandler(Linux::IEventHandler* handler)
{
    auto found = std::find_if(handlers_.begin(), handlers_.end(),
                              [handler](const Handler& h) { return h.handler == handler; });
    if (found == handlers_.end()) return kInvalidArgument;
    handlers_.erase(found);
    handler->release();
    return kResultOk;
}

tresult PLUGIN_API ViewHost::registerTimer(Linux::ITimerHandler* handler,
                                           Linux::TimerInterval milliseconds)
{
    if (!handler || milliseconds == 0) return kInvalidArgument;
    handler->addRef();
    timers_.push_back({handler, milliseconds, nowMilliseconds() + milliseconds});
    return kResultOk;
}

tresult PLUGIN_API ViewHost::unregisterTimer(Linux::ITimerHandler* handler)
{
    auto found = std::find_if(timers_.begin(), timers_.end(),
                              [handler](const Timer& t) { return t.handler == handler; });
    if (found == timers_.end()) return kInvalidArgument;
    timers_.erase(found);
    handler->release();
    return kResultOk;
}

tresult PLUGIN_API ViewHost::queryInterface(const TUID iid, void** obj)
{
    if (!obj) return kInvalidArgument;
    if (isInterfaceId<FUnknown>(iid) || isInterfaceId<IPlugFrame>(iid))
        *obj = static_cast<IPlugFrame*>(this);
    else if (isInterfaceId<Linux::IRunLoop>(iid))
        *obj = static_cast<Linux::IRunLoop*>(this);
    else
    {
        *obj = nullptr;
        return kNoInterface;
    }
    addRef();
    return kResultOk;
}

void ViewHost::handleOwnEvents()
{
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection_->xcb))
    {
        if ((event->response_type & 0x7f) == XCB_CLIENT_MESSAGE)
        {
            auto* message = reinterpret_cast<xcb_client_message_event_t*>(event);
            if (message->data.data32[0] == deleteAtom_) closed_ = true;
        }
        std::free(event);
    }
}

void ViewHost::dispatchOnce(int timeoutMilliseconds)
{
    std::vector<pollfd> fds;
    fds.push_back({xcb_get_file_descriptor(connection_->xcb), POLLIN, 0});
    for (const Handler& h : handlers_) fds.push_back({h.fd, POLLIN, 0});
    uint64_t now = nowMilliseconds();
    for (const Timer& t : timers_)
        timeoutMilliseconds =
            std::min<int>(timeoutMilliseconds, t.due > now ? static_cast<int>(t.due - now) : 0);
    poll(fds.data(), fds.size(), std::max(0, timeoutMilliseconds));
    handleOwnEvents();
    // Handlers may unregister themselves (or others) while called: look each one up again.
    for (std::size_t i = 1; i < fds.size(); ++i)
    {
        if (!(fds[i].revents & POLLIN)) continue;
        Linux::IEventHandler* handler = nullptr;
        for (const Handler& h : handlers_)
            if (h.fd == fds[i].fd) handler = h.handler;
        if (handler) handler->onFDIsSet(fds[i].fd);
    }
    now = nowMilliseconds();
    std::vector<Linux::ITimerHandler*> due;
    for (Timer& t : timers_)
    {
        if (now < t.due) continue;
        t.due = now + t.interval;
        due.push_back(t.handler);
    }
    for (Linux::ITimerHandler* handler : due)
    {
        bool stillRegistered =
            std::any_of(timers_.begin(), timers_.end(),
                        [handler](const Timer& t) { return t.handler == handler; });
        if (stillRegistered) handler->onTimer();
    }
}

bool ViewHost::run(uint64_t milliseconds)
{
    const uint64_t end = nowMilliseconds() + milliseconds;
    do
    {
        if (xcb_connection_has_error(connection_->xcb)) return false;
        dispatchOnce(100);
        if (closed_) return false;
    } while (milliseconds == 0 || nowMilliseconds() < end);
    return true;
}

} // namespace velqa::host
