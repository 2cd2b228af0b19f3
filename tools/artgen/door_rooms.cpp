#include "door_rooms.h"

namespace artgen::parts {

namespace {

constexpr double kWindowFrameWidth = 12;

void WindowPanePath(cairo_t* cr, const WindowShape& w) { RoundedRectPath(cr, w.x, w.y, w.width, w.height, w.corner); }

}  // namespace

void Wallpaper(cairo_t* cr, Rgb base, Rgb stripe, double height, double pitch, double stripeWidth) {
    cairo_rectangle(cr, 0, 0, 800, height);
    SetColour(cr, base);
    cairo_fill(cr);
    for (double x = 20; x < 800; x += pitch) {
        cairo_rectangle(cr, x, 0, stripeWidth, height);
        SetColour(cr, stripe);
        cairo_fill(cr);
    }
}

void Floor(cairo_t* cr, double y, Rgb top, Rgb bottom) {
    cairo_rectangle(cr, 0, y, 800, 600 - y);
    LinearSource(cr, 0, y, 0, 600, {{0, top}, {1, bottom}});
    cairo_fill(cr);
}

void FrontEdge(cairo_t* cr, double y) {
    cairo_move_to(cr, 0, y);
    cairo_line_to(cr, 800, y);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
}

void TableTop(cairo_t* cr, double y, Rgb top, Rgb bottom) {
    Floor(cr, y, top, bottom);
    FrontEdge(cr, y);
}

void Window(cairo_t* cr, const WindowShape& w, const std::function<void(cairo_t*)>& view) {
    WindowPanePath(cr, w);
    LinearSource(cr, 0, w.y, 0, w.y + w.height, {{0, w.skyTop}, {1, w.skyBottom}});
    FillSourceThenStroke(cr, w.frame, kWindowFrameWidth);
    cairo_save(cr);
    WindowPanePath(cr, w);
    cairo_clip(cr);
    view(cr);
    cairo_restore(cr);
    const double middleX = w.x + w.width / 2, middleY = w.y + w.height / 2;
    cairo_move_to(cr, middleX, w.y);
    cairo_line_to(cr, middleX, w.y + w.height);
    cairo_move_to(cr, w.x, middleY);
    cairo_line_to(cr, w.x + w.width, middleY);
    SetColour(cr, w.frame);
    cairo_set_line_width(cr, w.barWidth);
    cairo_stroke(cr);
}

}  // namespace artgen::parts
