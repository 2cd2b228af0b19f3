#include "dates_header.h"

#include "draw.h"
#include "fonts.h"
#include "layout.h"

#include <algorithm>
#include <array>
#include <cairo.h>
#include <stdexcept>

namespace artgen {

namespace {

// Type sizes and the line each sits on; every size was measured against the
// widest day ("25th", "24 days") so that each half keeps to its 400 columns.
constexpr double kNumberSize = 128;  // the big numbers
constexpr double kNumberBaseline = 112;
constexpr double kSuffixSize = 44;  // ordinal suffix, raised beside the number
constexpr double kMonthSize = 56;
constexpr double kMonthBaseline = 106;
constexpr double kWordsSize = 40;  // "days to"
constexpr double kWordsBaseline = 52;
constexpr double kChristmasSize = 56;
constexpr double kMerrySize = 60;  // the 25th's "Merry Christmas!" on two lines
constexpr double kMerryBaseline = 52;
constexpr double kGreetingSize = 76;
constexpr double kGreetingBaseline = 118;

constexpr double kLeftMargin = 14;
constexpr double kRightEnd = 2 * kHeaderHalf - 8;
constexpr double kGap = 8;

// Widths of the lettering's rims, in pixels from the glyph's edge.
constexpr double kNumberEdge = 4.5;  // white rim round the coloured numbers
constexpr double kOutline = 2.5;     // dark line outside everything
constexpr double kShadowX = 2.5, kShadowY = 3.5;

constexpr Rgb kOutlineColour = Hex(0x3B2314);
// Coverage from which a pixel belongs to a shape: halfway, so that the hard
// edge follows the true outline.
constexpr uint8_t kInside = 128;

// Shapes of one header, each added to its own coverage mask.
struct Lettering {
    cairo_path_t* numbers = nullptr;  // in the marker colour
    cairo_path_t* words = nullptr;    // in white
};

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

void AddText(cairo_t* cr, Font font, double size, const std::string& text, double x, double baseline) {
    UseFont(cr, font, size);
    cairo_move_to(cr, x, baseline);
    cairo_text_path(cr, text.c_str());
}

// Left half: the big day number, its suffix raised beside it, and the month
// under the suffix.
void DateLettering(cairo_t* cr, int day, cairo_path_t*& numbers, cairo_path_t*& words) {
    const std::string number = std::to_string(day);
    const TextBox box = MeasureText(cr, Font::Script, kNumberSize, number);
    const double x = kLeftMargin - box.x;
    AddText(cr, Font::Script, kNumberSize, number, x, kNumberBaseline);
    numbers = cairo_copy_path(cr);
    cairo_new_path(cr);
    const double after = x + box.x + box.width + kGap;
    const TextBox suffix = MeasureText(cr, Font::Script, kSuffixSize, OrdinalSuffix(day));
    AddText(cr, Font::Script, kSuffixSize, OrdinalSuffix(day), after - suffix.x, kNumberBaseline + box.y - suffix.y);
    AddText(cr, Font::Script, kMonthSize, "December", after, kMonthBaseline);
    words = cairo_copy_path(cr);
    cairo_new_path(cr);
}

// Right half: the count and "days to Christmas" beside it, or the greeting.
void CountLettering(cairo_t* cr, int day, cairo_path_t*& numbers, cairo_path_t*& words) {
    const int left = kHeaderDays - day;
    if (left == 0) {
        // The greeting stands on its own: the saver keeps it after the 25th
        // without the date beside it.
        const double centre = kHeaderHalf + kHeaderHalf / 2.0;
        CentredTextPath(cr, Font::Script, kMerrySize, "Merry", centre - 78, kMerryBaseline);
        // Two sparkles beside it.
        StarPath(cr, centre + 40, 26, 13, 3.5, 4, 0);
        StarPath(cr, centre + 70, 46, 8, 2.2, 4, 0);
        words = cairo_copy_path(cr);
        cairo_new_path(cr);
        CentredTextPath(cr, Font::Script, kGreetingSize, "Christmas!", centre + 6, kGreetingBaseline);
        numbers = cairo_copy_path(cr);
        cairo_new_path(cr);
        return;
    }
    // Set against the right edge, so that a gap parts it from the date.
    const std::string number = std::to_string(left);
    const std::string days = left == 1 ? "day to" : "days to";
    const TextBox box = MeasureText(cr, Font::Script, kNumberSize, number);
    const TextBox christmas = MeasureText(cr, Font::Script, kChristmasSize, "Christmas");
    const TextBox daysBox = MeasureText(cr, Font::Script, kWordsSize, days);
    const double wordsWidth = std::max(christmas.x + christmas.width, daysBox.x + daysBox.width);
    const double after = kRightEnd - wordsWidth;
    const double x = after - kGap - box.width - box.x;
    AddText(cr, Font::Script, kNumberSize, number, x, kNumberBaseline);
    numbers = cairo_copy_path(cr);
    cairo_new_path(cr);
    AddText(cr, Font::Script, kWordsSize, days, after, kWordsBaseline);
    AddText(cr, Font::Script, kChristmasSize, "Christmas", after, kMonthBaseline);
    words = cairo_copy_path(cr);
    cairo_new_path(cr);
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

std::string OrdinalSuffix(int day) {
    if (day % 100 >= 11 && day % 100 <= 13) return "th";
    switch (day % 10) {
    case 1: return "st";
    case 2: return "nd";
    case 3: return "rd";
    default: return "th";
    }
}

std::string DaysLeftText(int day) {
    const int left = kHeaderDays - day;
    if (left <= 0) return "Merry Christmas!";
    return std::to_string(left) + (left == 1 ? " day" : " days") + " to Christmas";
}

IndexedImage RenderHeader(int day, const Palette& palette) {
    if (day < 1 || day > kHeaderDays) throw std::invalid_argument("the header covers the 1st to the 25th");
    cairo_surface_t* scratch = cairo_image_surface_create(CAIRO_FORMAT_A8, kCanvasWidth, kHeaderRows);
    cairo_t* cr = cairo_create(scratch);
    cairo_path_t *dateNumbers = nullptr, *dateWords = nullptr, *countNumbers = nullptr, *countWords = nullptr;
    DateLettering(cr, day, dateNumbers, dateWords);
    CountLettering(cr, day, countNumbers, countWords);
    cairo_destroy(cr);
    cairo_surface_destroy(scratch);

    const std::vector<cairo_path_t*> numbers = {dateNumbers, countNumbers};
    const std::vector<cairo_path_t*> words = {dateWords, countWords};
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
    for (cairo_path_t* p : numbers) cairo_path_destroy(p);
    for (cairo_path_t* p : words) cairo_path_destroy(p);

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

std::vector<IndexedImage> RenderDatesFrames(const Palette& palette) {
    std::vector<IndexedImage> frames;
    for (int day = 1; day <= kHeaderDays; ++day) {
        const IndexedImage header = RenderHeader(day, palette);
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
