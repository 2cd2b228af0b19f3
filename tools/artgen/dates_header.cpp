#include "dates_header.h"

#include "draw.h"
#include "header_layout.h"
#include "layout.h"

#include <algorithm>
#include <array>
#include <cairo.h>
#include <stdexcept>

namespace artgen {

namespace {

// Widths of the lettering's rims, in pixels from the glyph's edge.
constexpr double kNumberEdge = 4.5;  // white rim round the coloured numbers
constexpr double kOutline = 2.5;     // dark line outside everything
constexpr double kShadowX = 2.5, kShadowY = 3.5;

constexpr Rgb kOutlineColour = Hex(0x3B2314);
// Coverage from which a pixel belongs to a shape: halfway, so that the hard
// edge follows the true outline.
constexpr uint8_t kInside = 128;

// Nearest palette entry that the lettering may use: anything but the
// transparent background and the marker.
uint8_t NearestLetteringEntry(const Palette& palette, Rgb c) {
    int best = 0;
    int32_t bestDistance = INT32_MAX;
    for (int i = 0; i < kPaletteSize; ++i) {
        if (i == kBackgroundIndex || i == kMarkerIndex) continue;
        if (!palette.matchable[size_t(i)] && i != kWhiteIndex) continue;
        const Rgb e = palette.colours[size_t(i)];
        const int32_t d = ColourDistance(c.r, c.g, c.b, e.r, e.g, e.b);
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return uint8_t(best);
}

// Coverage of a set of paths, filled and optionally widened by a stroke, at
// an offset.
std::vector<uint8_t> Coverage(const std::vector<std::pair<cairo_path_t*, double>>& shapes, double dx = 0,
                              double dy = 0) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_A8, kCanvasWidth, kHeaderRows);
    cairo_t* cr = cairo_create(s);
    cairo_translate(cr, dx, dy);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (const auto& [path, widen] : shapes) {
        cairo_new_path(cr);
        cairo_append_path(cr, path);
        cairo_fill_preserve(cr);
        if (widen > 0) {
            cairo_set_line_width(cr, 2 * widen);
            cairo_stroke(cr);
        }
        cairo_new_path(cr);
    }
    cairo_destroy(cr);
    cairo_surface_flush(s);
    std::vector<uint8_t> out(size_t(kCanvasWidth) * kHeaderRows);
    const unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < kHeaderRows; ++y)
        std::copy_n(data + size_t(y) * size_t(stride), kCanvasWidth, out.begin() + long(y) * kCanvasWidth);
    cairo_surface_destroy(s);
    return out;
}

}  // namespace

IndexedImage RenderHeader(const Language& language, int day, const Palette& palette) {
    if (day < 1 || day > kHeaderDays) throw std::invalid_argument("the header covers the 1st to the 25th");
    HeaderPaths paths;
    LayOutHeader(language, day, paths);

    const std::vector<cairo_path_t*> numbers = {paths.dateNumbers, paths.countNumbers};
    const std::vector<cairo_path_t*> words = {paths.dateWords, paths.countWords};
    std::vector<std::pair<cairo_path_t*, double>> numberFill, wordFill, white, dark;
    for (cairo_path_t* p : numbers) {
        numberFill.push_back({p, 0});
        white.push_back({p, kNumberEdge});
        dark.push_back({p, kNumberEdge + kOutline});
    }
    for (cairo_path_t* p : words) {
        wordFill.push_back({p, 0});
        white.push_back({p, 0});
        dark.push_back({p, kOutline});
    }
    const std::vector<uint8_t> marker = Coverage(numberFill);
    const std::vector<uint8_t> edge = Coverage(white);
    const std::vector<uint8_t> outline = Coverage(dark);
    const std::vector<uint8_t> shadow = Coverage(dark, kShadowX, kShadowY);

    const uint8_t darkIndex = NearestLetteringEntry(palette, kOutlineColour);
    const uint8_t midIndex = NearestLetteringEntry(palette, Mix(kOutlineColour, Rgb{255, 255, 255}, 0.5));
    IndexedImage out;
    out.width = kCanvasWidth;
    out.height = kHeaderRows;
    out.pixels.assign(size_t(out.width) * size_t(out.height), kBackgroundIndex);
    for (size_t i = 0; i < out.pixels.size(); ++i) {
        if (marker[i] >= kInside) {
            out.pixels[i] = kMarkerIndex;
        } else if (outline[i] >= kInside) {
            // Inside the dark outline the white rim blends into it through one
            // grey step; only the outer edge, over the picture, stays hard.
            out.pixels[i] = edge[i] >= 192 ? kWhiteIndex : edge[i] >= 64 ? midIndex : darkIndex;
        } else if (shadow[i] >= kInside) {
            out.pixels[i] = darkIndex;
        }
    }
    return out;
}

std::vector<IndexedImage> RenderDatesFrames(const Language& language, const Palette& palette) {
    std::vector<IndexedImage> frames;
    for (int day = 1; day <= kHeaderDays; ++day) {
        const IndexedImage header = RenderHeader(language, day, palette);
        IndexedImage frame;
        frame.width = kCanvasWidth;
        frame.height = kCanvasHeight;
        frame.pixels.assign(size_t(frame.width) * size_t(frame.height), kBackgroundIndex);
        std::copy(header.pixels.begin(), header.pixels.end(), frame.pixels.begin());
        frames.push_back(std::move(frame));
    }
    return frames;
}

}  // namespace artgen
