#include "x11_windows.h"

#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <atomic>
#include <memory>

namespace quibac::linux_sdl {

namespace {

std::atomic<int> g_xErrors{0};

int CountingHandler(Display*, XErrorEvent*) {
    ++g_xErrors;
    return 0;
}

struct DisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};
using OwnDisplay = std::unique_ptr<Display, DisplayCloser>;

}  // namespace

void CountXErrors() { XSetErrorHandler(CountingHandler); }
int XErrorsSeen() { return g_xErrors.load(); }

std::optional<unsigned long> VirtualRootWindow() {
    OwnDisplay display(XOpenDisplay(nullptr));
    if (!display) return std::nullopt;
    const Window root = DefaultRootWindow(display.get());
    const Atom vroot = XInternAtom(display.get(), "__SWM_VROOT", False);
    Window rootReturn = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    Window found = root;
    if (XQueryTree(display.get(), root, &rootReturn, &parent, &children, &count) != 0) {
        for (unsigned int i = 0; i < count && found == root; ++i) {
            Atom type = 0;
            int format = 0;
            unsigned long items = 0, after = 0;
            unsigned char* data = nullptr;
            if (XGetWindowProperty(display.get(), children[i], vroot, 0, 1, False, XA_WINDOW, &type, &format, &items,
                                   &after, &data) == Success &&
                data != nullptr && type == XA_WINDOW && format == 32 && items == 1)
                found = *reinterpret_cast<Window*>(data);
            if (data != nullptr) XFree(data);
        }
        if (children != nullptr) XFree(children);
    }
    return found;
}

std::optional<WindowSize> ForeignWindowSize(unsigned long window) {
    OwnDisplay display(XOpenDisplay(nullptr));
    if (!display) return std::nullopt;
    // Errors of this private connection go to a handler that only counts them.
    XErrorHandler previous = XSetErrorHandler(CountingHandler);
    const int errorsBefore = g_xErrors.load();
    XWindowAttributes attributes{};
    const Status status = XGetWindowAttributes(display.get(), Window(window), &attributes);
    XSync(display.get(), False);
    XSetErrorHandler(previous);
    if (status == 0 || g_xErrors.load() != errorsBefore) return std::nullopt;
    return WindowSize{attributes.width, attributes.height};
}

bool HearWindowChanges(void* display, unsigned long window) {
    auto* x = static_cast<Display*>(display);
    XWindowAttributes attributes{};
    if (x == nullptr || XGetWindowAttributes(x, Window(window), &attributes) == 0) return false;
    XSelectInput(x, Window(window), attributes.your_event_mask | StructureNotifyMask | ExposureMask);
    XFlush(x);
    return true;
}

}  // namespace quibac::linux_sdl

namespace quibac::linux_sdl {

bool WindowDestroyed(const void* systemMessage) {
    const auto* message = static_cast<const SDL_SysWMmsg*>(systemMessage);
    return message != nullptr && message->subsystem == SDL_SYSWM_X11 && message->msg.x11.event.type == DestroyNotify;
}

}  // namespace quibac::linux_sdl
