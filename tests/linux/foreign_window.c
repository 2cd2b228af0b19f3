/* A window that belongs to someone else, as XScreenSaver's own is to a hack:
 * made at the size given, mapped, its id printed in hexadecimal on standard
 * output, and kept until the program is killed. It draws nothing itself. */
#include <X11/Xlib.h>

#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc != 3) {
        fprintf(stderr, "usage: foreign_window WIDTH HEIGHT\n");
        return 1;
    }
    const int width = atoi(argv[1]), height = atoi(argv[2]);
    if (width <= 0 || height <= 0) return 1;
    Display* display = XOpenDisplay(NULL);
    if (display == NULL) return 1;
    XSetWindowAttributes attributes = {0};
    attributes.background_pixmap = None;
    attributes.override_redirect = True;
    Window window = XCreateWindow(display, DefaultRootWindow(display), 0, 0, (unsigned)width, (unsigned)height, 0,
                                  CopyFromParent, InputOutput, CopyFromParent, CWBackPixmap | CWOverrideRedirect,
                                  &attributes);
    XMapRaised(display, window);
    XSync(display, False);
    printf("0x%lx\n", (unsigned long)window);
    fflush(stdout);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
    }
}
