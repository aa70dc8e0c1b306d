#include "e2e/xdisplay.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdlib>

namespace zentova::testing {

namespace {

// The process that made a window, as its toolkit states it (_NET_WM_PID); -1 if unstated.
long windowPid(Display* display, Window window) {
    const Atom property = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = 0;
    int format = 0;
    unsigned long items = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(display, window, property, 0, 1, False, XA_CARDINAL, &type, &format,
                           &items, &after, &data) == Success &&
        data && items == 1 && format == 32)
        pid = *reinterpret_cast<long*>(data);  // 32-bit items come as longs
    if (data) XFree(data);
    return pid;
}

// Windows come and go while the tree is walked; a request about one that is gone fails,
// which by default ends the process. Here it only fails the request.
int ignoreError(Display*, XErrorEvent*) {
    return 0;
}

}  // namespace

XDisplay::XDisplay() : m_display(XOpenDisplay(nullptr)) {
    XSetErrorHandler(ignoreError);
}

XDisplay::~XDisplay() {
    if (m_display) XCloseDisplay(m_display);
}

int XDisplay::width() const {
    return DisplayWidth(m_display, DefaultScreen(m_display));
}

int XDisplay::height() const {
    return DisplayHeight(m_display, DefaultScreen(m_display));
}

bool XDisplay::pointerAt(int x, int y) const {
    Window root = 0;
    Window child = 0;
    int rootX = -1;
    int rootY = -1;
    int windowX = 0;
    int windowY = 0;
    unsigned int mask = 0;
    XQueryPointer(m_display, DefaultRootWindow(m_display), &root, &child, &rootX, &rootY, &windowX,
                  &windowY, &mask);
    return rootX == x && rootY == y;
}

unsigned long XDisplay::shownWindow(pid_t pid, const std::string& title) const {
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(m_display, DefaultRootWindow(m_display), &root, &parent, &children, &count))
        return 0;
    Window found = 0;
    for (unsigned int i = 0; i < count && found == 0; ++i) {
        XWindowAttributes attributes{};
        if (!XGetWindowAttributes(m_display, children[i], &attributes) ||
            attributes.map_state != IsViewable || windowPid(m_display, children[i]) != pid)
            continue;
        char* name = nullptr;
        if (XFetchName(m_display, children[i], &name) && name &&
            std::string(name).rfind(title, 0) == 0)
            found = children[i];
        if (name) XFree(name);
    }
    if (children) XFree(children);
    return found;
}

void XDisplay::requestClose(unsigned long window) const {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(m_display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(m_display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(m_display, window, False, NoEventMask, &event);
    XFlush(m_display);
}

std::string whyNoScreen(const XDisplay& display) {
    if (!std::getenv("DISPLAY") || !display.isOpen()) return "no display";
    if (xdotool({"getmouselocation"}).status != 0) return "no xdotool";
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    return {};
}

unsigned long chooseCalculate(const XDisplay& display, const Child& program) {
    using namespace std::chrono_literals;
    const int left = display.width() / 2 - 160;
    if (!waitFor(20s, [&] { return display.pointerAt(left + 30, 130); })) return 0;
    if (xdotool({"mousemove", std::to_string(left + 85), "255", "mousedown", "1", "sleep", "0.15",
                 "mouseup", "1"})
            .status != 0)
        return 0;
    unsigned long view = 0;
    waitFor(20s, [&] { return (view = display.shownWindow(program.pid(), "Simul")) != 0; });
    return view;
}

}  // namespace zentova::testing
