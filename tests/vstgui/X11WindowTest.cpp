// Runs under a virtual X server (xvfb-run): the toolkit's window embedded in a parent window,
// driven by a run loop the way a Linux host drives it, with keys synthesised through XTest.
// Drawing, clicks, drags and zoom in a real window are the editor window tests' part.
#include "ToolkitTestSupport.h"

#include "vstgui/lib/controls/ctextedit.h"
#include "vstgui/lib/platform/x11frame.h"

#include "platform/Clock.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>
#include <xcb/xtest.h>

#include <algorithm>
#include <cstdlib>

using namespace VSTGUI;
using namespace toolkit_test;

namespace
{

class TestRunLoop : public X11::IRunLoop
{
public:
    bool registerEventHandler(int fd, X11::IEventHandler* handler) override
    {
        handlers.push_back({fd, handler});
        return true;
    }
    bool unregisterEventHandler(X11::IEventHandler* handler) override
    {
        auto before = handlers.size();
        std::erase_if(handlers, [handler](const auto& h) { return h.handler == handler; });
        return handlers.size() != before;
    }
    bool registerTimer(uint64_t interval, X11::ITimerHandler* handler) override
    {
        timers.push_back({interval, handler, velqa::platform::millisecondClock() + interval});
        return true;
    }
    bool unregisterTimer(X11::ITimerHandler* handler) override
    {
        auto before = timers.size();
        std::erase_if(timers, [handler](const auto& t) { return t.handler == handler; });
        return timers.size() != before;
    }

    void runFor(uint64_t milliseconds)
    {
        uint64_t end = velqa::platform::millisecondClock() + milliseconds;
        for (uint64_t now = velqa::platform::millisecondClock(); now < end;
             now = velqa::platform::millisecondClock())
        {
            std::vector<pollfd> fds;
            for (auto& h : handlers) fds.push_back({h.fd, POLLIN, 0});
            poll(fds.data(), fds.size(), 10);
            for (std::size_t i = 0; i < fds.size() && i < handlers.size(); ++i)
                if (fds[i].revents & POLLIN) handlers[i].handler->onEvent();
            for (std::size_t i = 0; i < timers.size(); ++i)
            {
                if (now < timers[i].next) continue;
                timers[i].next = now + timers[i].interval;
                timers[i].handler->onTimer();
            }
        }
    }

    struct Handler
    {
        int fd;
        X11::IEventHandler* handler;
    };
    struct Timer
    {
        uint64_t interval;
        X11::ITimerHandler* handler;
        uint64_t next;
    };
    std::vector<Handler> handlers;
    std::vector<Timer> timers;
};

struct Display
{
    Display()
    {
        connection = xcb_connect(nullptr, nullptr);
        screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
        parent = xcb_generate_id(connection);
        uint32_t values[] = {screen->white_pixel};
        xcb_create_window(connection, XCB_COPY_FROM_PARENT, parent, screen->root, 0, 0, 400, 300, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, XCB_CW_BACK_PIXEL,
                          values);
        xcb_map_window(connection, parent);
        xcb_flush(connection);
        keySymbols = xcb_key_symbols_alloc(connection);
    }
    ~Display()
    {
        xcb_key_symbols_free(keySymbols);
        xcb_destroy_window(connection, parent);
        xcb_disconnect(connection);
    }

    // The parent sits at the root's origin, and the child at the parent's.
    void fake(uint8_t type, uint8_t detail, int16_t x = 0, int16_t y = 0)
    {
        xcb_test_fake_input(connection, type, detail, XCB_CURRENT_TIME,
                            type == XCB_MOTION_NOTIFY ? screen->root : XCB_NONE, x, y, 0);
        xcb_flush(connection);
    }
    uint8_t keycode(xcb_keysym_t keysym)
    {
        xcb_keycode_t* codes = xcb_key_symbols_get_keycode(keySymbols, keysym);
        uint8_t code = codes ? codes[0] : 0;
        std::free(codes);
        return code;
    }

    xcb_connection_t* connection;
    xcb_screen_t* screen;
    xcb_window_t parent;
    xcb_key_symbols_t* keySymbols;
};

void* windowHandle(xcb_window_t window)
{
    return reinterpret_cast<void*>(static_cast<uintptr_t>(window));
}

} // namespace

TEST(X11Window, KeysReachAFocusedTextEntry)
{
    Display display;
    TestRunLoop loop;
    X11::FrameConfig config{&loop, 1.0};
    RecordingListener listener;
    auto* frame = new CFrame(CRect(0, 0, 200, 40));
    auto* edit = new CTextEdit(CRect(10, 10, 190, 30), &listener, 5, "old");
    frame->addView(edit);
    ASSERT_TRUE(
        frame->open(windowHandle(display.parent), PlatformType::kX11EmbedWindowID, &config));
    loop.runFor(200);

    display.fake(XCB_MOTION_NOTIFY, 0, 50, 20);
    display.fake(XCB_BUTTON_PRESS, 1);
    display.fake(XCB_BUTTON_RELEASE, 1);
    loop.runFor(200);
    ASSERT_TRUE(edit->isEditing());
    auto type = [&](xcb_keysym_t keysym, bool shift = false)
    {
        uint8_t shiftKey = display.keycode(0xffe1);
        if (shift) display.fake(XCB_KEY_PRESS, shiftKey);
        display.fake(XCB_KEY_PRESS, display.keycode(keysym));
        display.fake(XCB_KEY_RELEASE, display.keycode(keysym));
        if (shift) display.fake(XCB_KEY_RELEASE, shiftKey);
        loop.runFor(50);
    };
    type('a');
    type('b', true);
    EXPECT_EQ(edit->getEditText(), "aB");
    type(0xff08); // BackSpace
    type('c');
    type(0xff0d); // Return
    EXPECT_FALSE(edit->isEditing());
    EXPECT_EQ(edit->getText(), "ac");
    EXPECT_EQ(listener.calls, (std::vector<std::string>{"begin 5", "changed 5", "end 5"}));
    frame->close();
    EXPECT_TRUE(loop.handlers.empty());
    EXPECT_TRUE(loop.timers.empty());
}

TEST(X11Window, RefusesAnUnknownParent)
{
    auto* frame = new CFrame(CRect(0, 0, 50, 50));
    EXPECT_FALSE(frame->open(windowHandle(0x7ffffff0), PlatformType::kX11EmbedWindowID));
    EXPECT_FALSE(frame->open(nullptr, PlatformType::kX11EmbedWindowID));
    EXPECT_FALSE(frame->isOpen());
    frame->forget();
}
