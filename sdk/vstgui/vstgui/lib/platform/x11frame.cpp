#include "vstgui/lib/platform/x11frame.h"
#include "vstgui/lib/cbuttonstate.h"
#include "vstgui/lib/cframe.h"
#include "vstgui/lib/platform/x11keys.h"

#include <cairo-xcb.h>
#include <cairo.h>
#include <xcb/xcb.h>
#include <xcb/xcb_icccm.h>
#include <xcb/xcb_keysyms.h>

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace VSTGUI::X11
{
namespace
{

constexpr uint32_t kDoubleClickMilliseconds = 400;
constexpr int kDoubleClickSlop = 4;

xcb_visualtype_t* findVisual(xcb_screen_t* screen, xcb_visualid_t id)
{
    for (auto depths = xcb_screen_allowed_depths_iterator(screen); depths.rem;
         xcb_depth_next(&depths))
        for (auto visuals = xcb_depth_visuals_iterator(depths.data); visuals.rem;
             xcb_visualtype_next(&visuals))
            if (visuals.data->visual_id == id) return visuals.data;
    return nullptr;
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

int32 buttonBit(xcb_button_t button)
{
    switch (button)
    {
    case 1:
        return kLButton;
    case 2:
        return kMButton;
    case 3:
        return kRButton;
    case 8:
        return kButton4;
    case 9:
        return kButton5;
    default:
        return 0;
    }
}

} // namespace

struct X11Frame::Impl
{
    CFrame* frame = nullptr;
    FrameConfig config;
    xcb_connection_t* connection = nullptr;
    xcb_window_t window = 0;
    xcb_visualtype_t* visual = nullptr;
    xcb_key_symbols_t* keySymbols = nullptr;
    cairo_surface_t* windowSurface = nullptr;
    cairo_surface_t* backBuffer = nullptr;
    int width = 0;
    int height = 0;
    bool registered = false;
    bool hasFocus = false;
    xcb_timestamp_t lastPressTime = 0;
    xcb_button_t lastPressButton = 0;
    CPoint lastPressPoint;

    ~Impl()
    {
        if (backBuffer) cairo_surface_destroy(backBuffer);
        if (windowSurface)
        {
            // cairo keeps per-connection state keyed by the connection's address; a later
            // connection at the same address must not find it.
            cairo_device_t* device =
                cairo_device_reference(cairo_surface_get_device(windowSurface));
            cairo_surface_destroy(windowSurface);
            cairo_device_finish(device);
            cairo_device_destroy(device);
        }
        if (keySymbols) xcb_key_symbols_free(keySymbols);
        if (connection)
        {
            if (window) xcb_destroy_window(connection, window);
            xcb_flush(connection);
            xcb_disconnect(connection);
        }
    }

    bool makeSurfaces(int newWidth, int newHeight)
    {
        if (newWidth <= 0 || newHeight <= 0) return false;
        cairo_surface_t* buffer =
            cairo_image_surface_create(CAIRO_FORMAT_ARGB32, newWidth, newHeight);
        if (cairo_surface_status(buffer) != CAIRO_STATUS_SUCCESS)
        {
            cairo_surface_destroy(buffer);
            return false;
        }
        if (backBuffer) cairo_surface_destroy(backBuffer);
        backBuffer = buffer;
        if (windowSurface)
            cairo_xcb_surface_set_size(windowSurface, newWidth, newHeight);
        else
            windowSurface =
                cairo_xcb_surface_create(connection, window, visual, newWidth, newHeight);
        width = newWidth;
        height = newHeight;
        return true;
    }

    // Renders into the back buffer, then copies to the window so nothing flickers.
    void draw(const CRect& deviceRect) { draw(std::vector<CRect>{deviceRect}); }
    void draw(const std::vector<CRect>& deviceRects)
    {
        if (!backBuffer) return;
        std::vector<CRect> rects;
        for (CRect rect : deviceRects)
            if (!rect.bound(CRect(0, 0, width, height)).isEmpty()) rects.push_back(rect);
        if (rects.empty()) return;
        frame->platformDrawRects(backBuffer, rects);
        cairo_surface_flush(backBuffer);
        for (const CRect& rect : rects) upload(rect);
        cairo_surface_flush(windowSurface);
        xcb_flush(connection);
    }
    // Only the rectangle travels to the X server: with the whole buffer as the source, every
    // small redraw would send the whole window's pixels.
    void upload(CRect rect)
    {
        rect.makeIntegral();
        cairo_surface_t* part = cairo_surface_create_for_rectangle(
            backBuffer, rect.left, rect.top, rect.getWidth(), rect.getHeight());
        cairo_t* cr = cairo_create(windowSurface);
        cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
        cairo_set_source_surface(cr, part, rect.left, rect.top);
        cairo_rectangle(cr, rect.left, rect.top, rect.getWidth(), rect.getHeight());
        cairo_fill(cr);
        cairo_destroy(cr);
        cairo_surface_destroy(part);
    }

    void handle(xcb_generic_event_t* event);
};

X11Frame::X11Frame(std::unique_ptr<Impl> impl) : impl(std::move(impl)) {}

X11Frame::~X11Frame()
{
    if (impl->registered && impl->config.runLoop)
    {
        impl->config.runLoop->unregisterEventHandler(this);
        impl->config.runLoop->unregisterTimer(this);
    }
}

std::unique_ptr<X11Frame> X11Frame::create(CFrame* frame, uint32_t parentWindow,
                                           const FrameConfig& config)
{
    if (!frame || parentWindow == 0) return nullptr;
    auto impl = std::make_unique<Impl>();
    impl->frame = frame;
    impl->config = config;
    if (!(impl->config.contentScale > 0)) impl->config.contentScale = 1.0;
    int screenNumber = 0;
    impl->connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(impl->connection)) return nullptr;

    auto roots = xcb_setup_roots_iterator(xcb_get_setup(impl->connection));
    for (int i = 0; i < screenNumber && roots.rem; ++i) xcb_screen_next(&roots);
    if (!roots.rem) return nullptr;
    xcb_screen_t* screen = roots.data;
    impl->visual = findVisual(screen, screen->root_visual);
    if (!impl->visual) return nullptr;

    // The parent must exist: an unknown id would only fail later, asynchronously.
    xcb_get_geometry_reply_t* parentGeometry = xcb_get_geometry_reply(
        impl->connection, xcb_get_geometry(impl->connection, parentWindow), nullptr);
    if (!parentGeometry) return nullptr;
    std::free(parentGeometry);

    CRect device = frame->getDeviceSize();
    device.scale(impl->config.contentScale).makeIntegral();
    int width = std::max(1, static_cast<int>(device.getWidth()));
    int height = std::max(1, static_cast<int>(device.getHeight()));
    impl->window = xcb_generate_id(impl->connection);
    uint32_t events = XCB_EVENT_MASK_EXPOSURE | XCB_EVENT_MASK_BUTTON_PRESS |
                      XCB_EVENT_MASK_BUTTON_RELEASE | XCB_EVENT_MASK_POINTER_MOTION |
                      XCB_EVENT_MASK_ENTER_WINDOW | XCB_EVENT_MASK_LEAVE_WINDOW |
                      XCB_EVENT_MASK_KEY_PRESS | XCB_EVENT_MASK_KEY_RELEASE |
                      XCB_EVENT_MASK_FOCUS_CHANGE | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    uint32_t values[] = {screen->black_pixel, events};
    xcb_create_window(impl->connection, XCB_COPY_FROM_PARENT, impl->window, parentWindow, 0, 0,
                      static_cast<uint16_t>(width), static_cast<uint16_t>(height), 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual,
                      XCB_CW_BACK_PIXEL | XCB_CW_EVENT_MASK, values);
    // XEmbed information (protocol version 0, mapped) for hosts that embed that way.
    xcb_atom_t xembedInfo = internAtom(impl->connection, "_XEMBED_INFO");
    if (xembedInfo != XCB_ATOM_NONE)
    {
        uint32_t info[] = {0, 1};
        xcb_change_property(impl->connection, XCB_PROP_MODE_REPLACE, impl->window, xembedInfo,
                            xembedInfo, 32, 2, info);
    }
    xcb_icccm_set_wm_name(impl->connection, impl->window, XCB_ATOM_STRING, 8, 5, "Velqa");
    impl->keySymbols = xcb_key_symbols_alloc(impl->connection);
    if (!impl->makeSurfaces(width, height)) return nullptr;
    xcb_map_window(impl->connection, impl->window);
    xcb_flush(impl->connection);

    std::unique_ptr<X11Frame> result(new X11Frame(std::move(impl)));
    if (IRunLoop* loop = result->impl->config.runLoop)
    {
        bool events = loop->registerEventHandler(result->getFileDescriptor(), result.get());
        bool timer = loop->registerTimer(kIdleIntervalMilliseconds, result.get());
        result->impl->registered = events || timer;
    }
    return result;
}

void X11Frame::invalidRect(const CRect& deviceRect)
{
    impl->draw(deviceRect);
}

void X11Frame::invalidRects(const std::vector<CRect>& deviceRects)
{
    impl->draw(deviceRects);
}

bool X11Frame::setSize(const CRect& deviceSize)
{
    int width = static_cast<int>(deviceSize.getWidth());
    int height = static_cast<int>(deviceSize.getHeight());
    if (width <= 0 || height <= 0 || width > 32767 || height > 32767) return false;
    uint32_t values[] = {static_cast<uint32_t>(width), static_cast<uint32_t>(height)};
    xcb_configure_window(impl->connection, impl->window,
                         XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT, values);
    if (!impl->makeSurfaces(width, height)) return false;
    impl->draw(CRect(0, 0, width, height));
    return true;
}

double X11Frame::getContentScale() const
{
    return impl->config.contentScale;
}

bool X11Frame::setContentScale(double scale)
{
    impl->config.contentScale = scale;
    return true;
}

int X11Frame::getFileDescriptor() const
{
    return xcb_get_file_descriptor(impl->connection);
}

uint32_t X11Frame::getWindowId() const
{
    return impl->window;
}

bool X11Frame::processEvents()
{
    if (xcb_connection_has_error(impl->connection)) return false;
    while (xcb_generic_event_t* event = xcb_poll_for_event(impl->connection))
    {
        impl->handle(event);
        std::free(event);
    }
    xcb_flush(impl->connection);
    return true;
}

void X11Frame::onEvent()
{
    processEvents();
}

void X11Frame::onTimer()
{
    processEvents();
    impl->frame->idle();
}

void X11Frame::Impl::handle(xcb_generic_event_t* event)
{
    switch (event->response_type & 0x7f)
    {
    case XCB_EXPOSE:
    {
        auto* expose = reinterpret_cast<xcb_expose_event_t*>(event);
        draw(CRect(expose->x, expose->y, expose->x + expose->width, expose->y + expose->height));
        break;
    }
    case XCB_CONFIGURE_NOTIFY:
    {
        auto* configure = reinterpret_cast<xcb_configure_notify_event_t*>(event);
        if (configure->window == window &&
            (configure->width != width || configure->height != height))
        {
            makeSurfaces(configure->width, configure->height);
            draw(CRect(0, 0, width, height));
        }
        break;
    }
    case XCB_BUTTON_PRESS:
    {
        auto* press = reinterpret_cast<xcb_button_press_event_t*>(event);
        if (!hasFocus && config.takeFocusOnClick)
            xcb_set_input_focus(connection, XCB_INPUT_FOCUS_PARENT, window, press->time);
        CPoint where(press->event_x, press->event_y);
        int32 modifiers = buttonStateFromX(press->state) & kModifierMask;
        if (press->detail >= 4 && press->detail <= 7)
        {
            float distance = (press->detail == 4 || press->detail == 6) ? 1.f : -1.f;
            frame->platformOnMouseWheel(where, distance, CButtonState(modifiers));
            break;
        }
        int32 bit = buttonBit(press->detail);
        if (!bit) break;
        int32 state = bit | modifiers;
        if (press->detail == lastPressButton &&
            press->time - lastPressTime <= kDoubleClickMilliseconds &&
            std::abs(where.x - lastPressPoint.x) <= kDoubleClickSlop &&
            std::abs(where.y - lastPressPoint.y) <= kDoubleClickSlop)
        {
            state |= kDoubleClick;
            lastPressButton = 0; // a third click starts over
        }
        else
        {
            lastPressButton = press->detail;
            lastPressTime = press->time;
            lastPressPoint = where;
        }
        frame->platformOnMouseDown(where, CButtonState(state));
        break;
    }
    case XCB_BUTTON_RELEASE:
    {
        auto* release = reinterpret_cast<xcb_button_release_event_t*>(event);
        int32 bit = buttonBit(release->detail);
        if (!bit) break;
        int32 modifiers = buttonStateFromX(release->state) & kModifierMask;
        frame->platformOnMouseUp(CPoint(release->event_x, release->event_y),
                                 CButtonState(bit | modifiers));
        break;
    }
    case XCB_MOTION_NOTIFY:
    {
        auto* motion = reinterpret_cast<xcb_motion_notify_event_t*>(event);
        frame->platformOnMouseMoved(CPoint(motion->event_x, motion->event_y),
                                    CButtonState(buttonStateFromX(motion->state)));
        break;
    }
    case XCB_ENTER_NOTIFY:
    {
        auto* enter = reinterpret_cast<xcb_enter_notify_event_t*>(event);
        frame->platformOnMouseMoved(CPoint(enter->event_x, enter->event_y),
                                    CButtonState(buttonStateFromX(enter->state)));
        break;
    }
    case XCB_LEAVE_NOTIFY:
        frame->platformOnMouseExited();
        break;
    case XCB_KEY_PRESS:
    case XCB_KEY_RELEASE:
    {
        auto* keyEvent = reinterpret_cast<xcb_key_press_event_t*>(event);
        int column = (keyEvent->state & XCB_MOD_MASK_SHIFT) ? 1 : 0;
        xcb_keysym_t keysym = xcb_key_symbols_get_keysym(keySymbols, keyEvent->detail, column);
        if (keysym == 0) keysym = xcb_key_symbols_get_keysym(keySymbols, keyEvent->detail, 0);
        KeyCode key;
        if (!keysymToKeyCode(keysym, keyEvent->state, key)) break;
        if ((event->response_type & 0x7f) == XCB_KEY_PRESS)
            frame->platformOnKeyDown(key);
        else
            frame->platformOnKeyUp(key);
        break;
    }
    case XCB_FOCUS_IN:
    case XCB_FOCUS_OUT:
    {
        // Focus that only follows the pointer, or a grab's passing change, is not a real
        // change of the keyboard focus: a text entry must not lose its typing to it.
        auto* focus = reinterpret_cast<xcb_focus_in_event_t*>(event);
        if (focus->detail == XCB_NOTIFY_DETAIL_POINTER || focus->mode == XCB_NOTIFY_MODE_GRAB ||
            focus->mode == XCB_NOTIFY_MODE_UNGRAB)
            break;
        hasFocus = (event->response_type & 0x7f) == XCB_FOCUS_IN;
        frame->platformOnActivate(hasFocus);
        break;
    }
    case XCB_MAPPING_NOTIFY:
        xcb_refresh_keyboard_mapping(keySymbols,
                                     reinterpret_cast<xcb_mapping_notify_event_t*>(event));
        break;
    default:
        break;
    }
}

std::unique_ptr<IPlatformFrame> createX11Frame(CFrame* frame, void* parent,
                                               const FrameConfig* config)
{
    FrameConfig settings = config ? *config : FrameConfig{};
    auto parentId = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(parent));
    return X11Frame::create(frame, parentId, settings);
}

} // namespace VSTGUI::X11
