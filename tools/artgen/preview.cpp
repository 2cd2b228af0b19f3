#include "preview.h"

#include "draw.h"
#include "fonts.h"
#include "layout.h"

#include <cairo.h>

#include "show/calendar.h"
#include "show/random.h"

#include <filesystem>
#include <stdexcept>

namespace artgen {

namespace {

constexpr Rgb kSheet = Hex(0xE9ECF1);  // behind the pictures, so white edges show
constexpr Rgb kLabel = Hex(0x4A5060);
constexpr int kGap = 12;

RgbImage Expand(const IndexedImage& image, const std::vector<Rgb>& table) {
    RgbImage out(image.width, image.height);
    for (size_t i = 0; i < image.pixels.size(); ++i) out.pixels[i] = table[image.pixels[i]];
    return out;
}

RgbImage Expand(const IndexedImage& image, const PaletteTable& table) {
    return Expand(image, std::vector<Rgb>(table.begin(), table.end()));
}

const IndexedImage& Picture(const std::map<std::string, IndexedImage>& pictures, const std::string& name) {
    const auto it = pictures.find(name);
    if (it == pictures.end()) throw std::logic_error("no preview source " + name);
    return it->second;
}

// Draws part of a picture scaled into a rectangle of the sheet.
void Place(cairo_t* cr, const RgbImage& image, double sx, double sy, double sw, double sh, double x, double y,
           double scale) {
    cairo_surface_t* src = ToCairo(image);
    cairo_save(cr);
    cairo_rectangle(cr, x, y, sw * scale, sh * scale);
    cairo_clip(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, scale, scale);
    cairo_set_source_surface(cr, src, -sx, -sy);
    cairo_pattern_set_filter(cairo_get_source(cr), scale >= 1 ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(src);
}

void Label(cairo_t* cr, const std::string& text, double x, double y) {
    UseFont(cr, Font::Sans, 13);
    SetColour(cr, kLabel);
    cairo_move_to(cr, x, y);
    cairo_show_text(cr, text.c_str());
}

void Save(Surface& s, const std::filesystem::path& path) { WritePng(s.surface(), path.string()); }

// Frames of a strip side by side, each scaled, with its number.
void FrameRow(cairo_t* cr, const RgbImage& strip, int frames, int frameWidth, double scale, double x, double y) {
    for (int f = 0; f < frames; ++f) {
        const double fx = x + f * (frameWidth * scale + kGap);
        Place(cr, strip, f * frameWidth, 0, frameWidth, strip.height, fx, y, scale);
        Label(cr, std::to_string(f), fx + 2, y + strip.height * scale + 15);
    }
}

}  // namespace

IndexedImage WithHeader(const IndexedImage& picture, const IndexedImage& header, uint8_t doorColour) {
    IndexedImage out = picture;
    for (int y = 0; y < header.height && y < out.height; ++y) {
        for (int x = 0; x < header.width && x < out.width; ++x) {
            const uint8_t p = header.at(x, y);
            if (p == kBackgroundIndex) continue;
            out.pixels[size_t(y) * size_t(out.width) + size_t(x)] = p == kMarkerIndex ? doorColour : p;
        }
    }
    return out;
}

std::vector<uint8_t> SettledDoorColours() {
    // The saver draws the open days' colours from its random sequence,
    // seeded with the clock; a fixed seed stands in for one such start.
    constexpr uint32_t kSeed = 1225;
    const quibac::DoorTableType table = quibac::InitialDoorTable();
    quibac::RandomGenerator random;
    quibac::SeedRandom(random, kSeed);
    std::vector<uint8_t> colours(size_t(quibac::kDoorDays) + 1, 0);
    for (int d = 1; d <= quibac::kDoorDays; ++d) colours[size_t(d)] = table[size_t(d)].DoorColour;
    for (int d = 1; d <= quibac::kDoorDays; ++d) {
        while (colours[size_t(d)] == quibac::kOpenDoorColour) {
            const int e = quibac::RandomMod(quibac::RandomValue(random), quibac::kDoorDays) + 1;
            colours[size_t(d)] = colours[size_t(e)];
        }
    }
    return colours;
}

namespace {

// A header over the sheet's colour, the marker in the colour of its day.
RgbImage HeaderOnSheet(const IndexedImage& header, uint8_t colour, const PaletteTable& palette, Rgb sheet) {
    RgbImage rgb = Expand(WithHeader(header, header, colour), palette);
    for (size_t k = 0; k < rgb.pixels.size(); ++k)
        if (header.pixels[k] == kBackgroundIndex) rgb.pixels[k] = sheet;
    return rgb;
}

}  // namespace

void WriteLanguagePreviews(const PaletteTable& palette, const std::vector<LanguagePreview>& languages,
                           const std::string& dir) {
    const std::filesystem::path out(dir);
    const std::vector<uint8_t> doorColours = SettledDoorColours();
    constexpr Rgb kHeaderSheet = Hex(0x8C9AB0);
    {
        constexpr double kScale = 0.5;
        const double cellW = kAdvertWidth * kScale, cellH = 128 * kScale;
        Surface s(int(kGap + 2 * (cellW + kGap)), int(kGap + 16 + double(languages.size()) * (cellH + 24)),
                  kHeaderSheet);
        Label(s.cr(), "DATESFLIC of every language: the 7th and the 25th", kGap, kGap + 4);
        for (size_t i = 0; i < languages.size(); ++i) {
            const LanguagePreview& l = languages[i];
            const double y = kGap + 16 + double(i) * (cellH + 24);
            const IndexedImage* headers[2] = {&l.header7, &l.header25};
            for (int k = 0; k < 2; ++k) {
                const int day = kPreviewHeaderDays[k];
                const double x = kGap + k * (cellW + kGap);
                Place(s.cr(), HeaderOnSheet(*headers[k], doorColours[size_t(day)], palette, kHeaderSheet), 0, 0,
                      kAdvertWidth, 128, x, y + 4, kScale);
            }
            Label(s.cr(), l.language->name + " (" + l.language->code + ")", kGap + 2, y + cellH + 18);
        }
        Save(s, out / "languages.png");
    }
    for (const LanguagePreview& l : languages) {
        if (l.pictures.empty()) continue;
        constexpr double kAdvertScale = 0.5;
        const int width = kGap * 3 + kQuoteWidth + kLogoWidth;
        const int height = kGap * 3 + 16 + kLogoHeight + int(kAdvertHeight * kAdvertScale) + 12;
        Surface s(width, height, kSheet);
        Label(s.cr(), l.language->name + ": QUOTES, QUIBLOGO and ADVERT", kGap, kGap + 4);
        Place(s.cr(), Expand(Picture(l.pictures, "QUOTES"), palette), 0, 0, kQuoteWidth, kQuoteCount * kQuoteHeight,
              kGap, kGap + 12, 1);
        const double lx = kGap * 2 + kQuoteWidth;
        Place(s.cr(), Expand(Picture(l.pictures, "QUIBLOGO"), palette), 0, 0, kLogoWidth, kLogoHeight, lx, kGap + 12,
              1);
        Place(s.cr(), Expand(Picture(l.pictures, "ADVERT"), palette), 0, 0, kAdvertWidth, kAdvertHeight, lx,
              kGap * 2 + 12 + kLogoHeight, kAdvertScale);
        Save(s, out / ("words-" + l.language->code + ".png"));
    }
}

void WritePreviews(const PreviewSet& set, const std::string& dir) {
    const std::filesystem::path out(dir);
    const RgbImage walk = Expand(Picture(set.pictures, "WALKANIM"), set.palette);
    const RgbImage wink = Expand(Picture(set.pictures, "WINKANIM"), set.palette);
    const RgbImage quotes = Expand(Picture(set.pictures, "QUOTES"), set.palette);
    const RgbImage advert = Expand(Picture(set.pictures, "ADVERT"), set.palette);
    const RgbImage logo = Expand(Picture(set.pictures, "QUIBLOGO"), set.palette);

    // Sprite frames: the walk at half size, then the wink.
    {
        constexpr double kWalkScale = 0.5, kWinkScale = 0.42;
        const int width = int(kGap + kWalkFrames * (kWalkFrameWidth * kWalkScale + kGap));
        const int height = int(kGap * 3 + kWalkHeight * kWalkScale + 24 + 22 + kWinkHeight * kWinkScale + 24);
        Surface s(width, height, kSheet);
        Label(s.cr(), "WALKANIM: frames 0-7, one frame per 120 ms", kGap, kGap + 4);
        FrameRow(s.cr(), walk, kWalkFrames, kWalkFrameWidth, kWalkScale, kGap, kGap + 12);
        const double wy = kGap * 2 + 12 + kWalkHeight * kWalkScale + 24;
        Label(s.cr(), "WINKANIM: frame 0 at rest, 1-6 one wink", kGap, wy + 4);
        FrameRow(s.cr(), wink, kWinkFrames, kWinkFrameWidth, kWinkScale, kGap, wy + 12);
        Save(s, out / "sprites.png");
    }
    // Captions, logo and icons at their own size.
    {
        const int width = kGap * 3 + kQuoteWidth + kLogoWidth;
        const int height = kGap * 2 + 16 + kQuoteCount * (kQuoteHeight + 6);
        Surface s(width, height, kSheet);
        Label(s.cr(), "QUOTES", kGap, kGap + 4);
        for (int q = 0; q < kQuoteCount; ++q)
            Place(s.cr(), quotes, 0, q * kQuoteHeight, kQuoteWidth, kQuoteHeight, kGap,
                  kGap + 12 + q * (kQuoteHeight + 6), 1);
        const double lx = kGap * 2 + kQuoteWidth;
        Label(s.cr(), "QUIBLOGO", lx, kGap + 4);
        Place(s.cr(), logo, 0, 0, kLogoWidth, kLogoHeight, lx, kGap + 12, 1);
        const double iy = kGap * 3 + 12 + kLogoHeight;
        Label(s.cr(), "Icon: 16 and 256 colours, actual size and 4x", lx, iy + 4);
        for (size_t i = 0; i < set.icons.size(); ++i) {
            const IconImage& icon = set.icons[i];
            RgbImage rgb = Expand(icon.pixels, icon.table);
            for (size_t k = 0; k < rgb.pixels.size(); ++k)
                if (icon.transparent[k]) rgb.pixels[k] = kSheet;
            const double x = lx + double(i) * (kIconSize * 5 + kGap * 3);
            Place(s.cr(), rgb, 0, 0, kIconSize, kIconSize, x, iy + 14, 1);
            Place(s.cr(), rgb, 0, 0, kIconSize, kIconSize, x + kIconSize + kGap, iy + 14, 4);
        }
        Save(s, out / "captions-logo-icon.png");
    }
    // The advert as shown full-screen.
    {
        Surface s(kAdvertWidth, kAdvertHeight);
        Place(s.cr(), advert, 0, 0, kAdvertWidth, kAdvertHeight, 0, 0, 1);
        Save(s, out / "advert.png");
    }
    // The shared colour table, 16 entries a row.
    {
        constexpr int kCell = 20;
        Surface s(16 * kCell, 16 * kCell, kSheet);
        for (int i = 0; i < kPaletteSize; ++i) {
            cairo_rectangle(s.cr(), (i % 16) * kCell + 1, (i / 16) * kCell + 1, kCell - 2, kCell - 2);
            SetColour(s.cr(), set.palette[size_t(i)]);
            cairo_fill(s.cr());
        }
        Save(s, out / "palette.png");
    }
    if (set.doors.empty()) return;
    const std::vector<uint8_t> doorColours = SettledDoorColours();
    // The 25 door pictures as the saver shows them, header and all.
    {
        constexpr double kScale = 0.3;
        constexpr int kColumns = 5;
        const double cellW = kAdvertWidth * kScale, cellH = kAdvertHeight * kScale;
        const int rows = int((set.doors.size() + kColumns - 1) / kColumns);
        Surface s(int(kGap + kColumns * (cellW + kGap)), int(kGap + 16 + rows * (cellH + 24)), kSheet);
        Label(s.cr(), "ADVENTFLIC: each door's first frame with its header, as the saver shows it", kGap, kGap + 4);
        for (size_t i = 0; i < set.doors.size(); ++i) {
            const int day = int(i) + 1;
            const IndexedImage shown = WithHeader(set.doors[i], set.headers.at(i), doorColours[size_t(day)]);
            const double x = kGap + double(i % kColumns) * (cellW + kGap);
            const double y = kGap + 16 + double(i / kColumns) * (cellH + 24);
            Place(s.cr(), Expand(shown, set.palette), 0, 0, kAdvertWidth, kAdvertHeight, x, y, kScale);
            Label(s.cr(), "Day " + std::to_string(day), x + 2, y + cellH + 15);
        }
        Save(s, out / "doors.png");
    }
    // The 25 headers at half size over a plain sheet.
    {
        constexpr double kScale = 0.5;
        constexpr int kColumns = 2;
        const double cellW = kAdvertWidth * kScale, cellH = 128 * kScale;
        const int rows = int((set.headers.size() + kColumns - 1) / kColumns);
        Surface s(int(kGap + kColumns * (cellW + kGap)), int(kGap + 16 + rows * (cellH + 22)), Hex(0x8C9AB0));
        Label(s.cr(), "DATESFLIC: the header of the 1st to the 25th, marker colour in each day's colour", kGap,
              kGap + 4);
        for (size_t i = 0; i < set.headers.size(); ++i) {
            const int day = int(i) + 1;
            const RgbImage rgb = HeaderOnSheet(set.headers[i], doorColours[size_t(day)], set.palette, Hex(0x8C9AB0));
            const double x = kGap + double(i % kColumns) * (cellW + kGap);
            const double y = kGap + 16 + double(i / kColumns) * (cellH + 22);
            Place(s.cr(), rgb, 0, 0, kAdvertWidth, 128, x, y, kScale);
            Label(s.cr(), "Day " + std::to_string(day), x + 2, y + cellH + 14);
        }
        Save(s, out / "headers.png");
    }
}

}  // namespace artgen
