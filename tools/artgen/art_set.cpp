#include "art_set.h"

#include "dates_header.h"
#include "door_animation.h"
#include "layout.h"
#include "palette.h"
#include "pictures.h"
#include "preview.h"
#include "quantize.h"
#include "resource_files.h"
#include "resource_script.h"

#include "show/calendar.h"

#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>

namespace artgen {

namespace {

// A bitmap of the reference language, or one that every language shares.
struct BitmapPiece {
    std::string resource;  // resource name in the script
    std::string file;
    RgbImage picture;
    Dither dither;
    uint32_t weight;  // histogram weight per pixel in the palette's making
    IndexedImage indexed;
};

// Header speed fields, in milliseconds per frame: the dates move on a day
// at a time, the doors at the show's pace. The saver reads neither.
constexpr uint32_t kDatesSpeed = 1014;
constexpr uint32_t kAdventSpeed = 71;
// Histogram weight of each door picture in the palette's making.
constexpr uint32_t kDoorWeight = 1;

// The colours Windows shows in 16-colour mode, in their usual order.
std::vector<Rgb> SixteenColours() {
    return {{0, 0, 0},     {128, 0, 0},     {0, 128, 0},     {128, 128, 0},  {0, 0, 128}, {128, 0, 128},
            {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0},    {0, 255, 0}, {255, 255, 0},
            {0, 0, 255},   {255, 0, 255},   {0, 255, 255},   {255, 255, 255}};
}

// The pictures with words in them, drawn again for every language.
using WordedRenderer = RgbImage (*)(const Language&);
const std::vector<std::pair<std::string, WordedRenderer>>& WordedPictures() {
    static const std::vector<std::pair<std::string, WordedRenderer>> pictures = {
        {"QUOTES", RenderQuotes}, {"ADVERT", RenderAdvert}, {"QUIBLOGO", RenderLogo}};
    return pictures;
}

bool IsWorded(const std::string& resource) {
    for (const auto& p : WordedPictures())
        if (p.first == resource) return true;
    return false;
}

const BitmapPiece& PieceOf(const std::vector<BitmapPiece>& pieces, const std::string& resource) {
    for (const BitmapPiece& p : pieces)
        if (p.resource == resource) return p;
    throw std::logic_error("no bitmap called " + resource);
}

constexpr char kDatesFile[] = "datesflic.flc";

// The header rows of a dates frame.
IndexedImage HeaderBand(IndexedImage frame) {
    frame.height = kHeaderRows;
    frame.pixels.resize(size_t(frame.width) * kHeaderRows);
    return frame;
}

IconImage MakeIconImage(const IconArt& art, const std::vector<Rgb>& table, ColourMatcher& matcher, int bits) {
    IconImage icon;
    icon.bitsPerPixel = bits;
    icon.table = table;
    // Edges are either in or out: the mask has no partial coverage.
    constexpr uint8_t kOpaqueFrom = 110;
    icon.transparent.resize(art.alpha.size());
    for (size_t i = 0; i < art.alpha.size(); ++i) icon.transparent[i] = art.alpha[i] < kOpaqueFrom ? 1 : 0;
    icon.pixels = Quantize(art.colours, matcher, Dither::None);
    return icon;
}

}  // namespace

void GenerateResourceSet(const Destination& where) {
    const Language& reference = ReferenceLanguage();
    std::vector<BitmapPiece> pieces;
    pieces.push_back({"WALKANIM", "walkanim.bmp", RenderWalkStrip(), Dither::ErrorDiffusion, 1, {}});
    pieces.push_back({"WINKANIM", "winkanim.bmp", RenderWinkStrip(), Dither::ErrorDiffusion, 1, {}});
    pieces.push_back({"QUOTES", "quotes.bmp", RenderQuotes(reference), Dither::ErrorDiffusion, 2, {}});
    pieces.push_back({"ADVERT", "advert.bmp", RenderAdvert(reference), Dither::ErrorDiffusion, 2, {}});
    pieces.push_back({"QUIBLOGO", "quiblogo.bmp", RenderLogo(reference), Dither::ErrorDiffusion, 4, {}});
    const IconArt icon16 = RenderIcon(true);
    const IconArt icon256 = RenderIcon(false);
    const std::vector<std::unique_ptr<DoorPainter>> doors = MakeDoorPainters();
    std::vector<RgbImage> doorPictures;
    for (const auto& door : doors) doorPictures.push_back(door->Frame(0));

    // Every picture that shares the table takes part in choosing it. The
    // door animation's later frames move what its first frames show, so
    // those first frames speak for it. The dates header is lettering in the
    // fixed colours and adds nothing, and the other languages' pictures are
    // the reference's with other words in the same colours.
    std::vector<PaletteSource> sources;
    for (const BitmapPiece& p : pieces) sources.push_back({&p.picture, p.weight});
    sources.push_back({&icon256.colours, 8});
    for (const RgbImage& picture : doorPictures) sources.push_back({&picture, kDoorWeight});
    const Palette palette = BuildPalette(sources);
    ColourMatcher matcher(palette);

    std::filesystem::create_directories(where.resources);
    const std::filesystem::path out(where.resources);
    std::vector<ScriptEntry> shared;
    LanguageEntries referenceEntries{&reference, {}};
    for (BitmapPiece& p : pieces) {
        p.indexed = Quantize(p.picture, matcher, p.dither);
        WriteFile((out / p.file).string(), EncodeBitmap(p.indexed, palette.colours));
        (IsWorded(p.resource) ? referenceEntries.entries : shared).push_back({p.resource + " BITMAP", p.file});
    }

    Palette sixteen;
    const std::vector<Rgb> vga = SixteenColours();
    for (size_t i = 0; i < vga.size(); ++i) {
        sixteen.colours[i] = vga[i];
        sixteen.matchable[i] = true;
    }
    ColourMatcher vgaMatcher(sixteen);
    const std::vector<IconImage> icons = {
        MakeIconImage(icon16, vga, vgaMatcher, 4),
        MakeIconImage(icon256, std::vector<Rgb>(palette.colours.begin(), palette.colours.end()), matcher, 8),
    };
    WriteFile((out / "quibac.ico").string(), EncodeIcon(icons));
    shared.push_back({"1 ICON", "quibac.ico"});

    const std::vector<IndexedImage> dates = RenderDatesFrames(reference, palette);
    WriteFile((out / kDatesFile).string(), EncodeAnimation(dates, palette.colours, kDatesSpeed));
    referenceEntries.entries.push_back({"DATESFLIC FLIC", kDatesFile});
    const std::vector<IndexedImage> advent = RenderAdventFrames(doors, matcher);
    WriteFile((out / "adventflic.flc").string(), EncodeAnimation(advent, palette.colours, kAdventSpeed));
    shared.push_back({"ADVENTFLIC FLIC", "adventflic.flc"});

    std::vector<LanguageEntries> scriptLanguages = {referenceEntries};
    std::vector<LanguagePreview> languagePreviews;
    languagePreviews.push_back(LanguagePreview{&reference,
                                               HeaderBand(dates.at(kPreviewHeaderDays[0] - 1)),
                                               HeaderBand(dates.at(kPreviewHeaderDays[1] - 1)),
                                               {}});
    for (const Language& language : Languages()) {
        if (language.IsReference()) continue;
        std::filesystem::create_directories(out / language.code);
        LanguageEntries entries{&language, {}};
        LanguagePreview preview{&language, {}, {}, {}};
        for (const auto& [resource, render] : WordedPictures()) {
            // Stored as what it changes of the reference's picture, which the
            // loader lays down first.
            const BitmapPiece& ground = PieceOf(pieces, resource);
            // The mapping over the ground repeats the ground's own diffusion.
            if (ground.dither != Dither::ErrorDiffusion) throw std::logic_error(resource + " is not error-diffused");
            const std::string file = language.code + "/" + ground.file;
            IndexedImage indexed = QuantizeOver(render(language), ground.picture, matcher);
            WriteFile((out / file).string(), EncodeBitmapOver(indexed, ground.indexed, palette.colours));
            entries.entries.push_back({resource + " BITMAP", file});
            preview.pictures[resource] = std::move(indexed);
        }
        const std::vector<IndexedImage> frames = RenderDatesFrames(language, palette);
        // The saver reads only the header's rows, and only up to the day.
        std::vector<IndexedImage> bands;
        for (const IndexedImage& frame : frames) bands.push_back(HeaderBand(frame));
        const std::string datesFile = language.code + "/" + kDatesFile;
        WriteFile((out / datesFile).string(), EncodeCompactAnimation(bands, palette.colours, kDatesSpeed));
        entries.entries.push_back({"DATESFLIC FLIC", datesFile});
        preview.header7 = HeaderBand(frames.at(kPreviewHeaderDays[0] - 1));
        preview.header25 = HeaderBand(frames.at(kPreviewHeaderDays[1] - 1));
        scriptLanguages.push_back(std::move(entries));
        languagePreviews.push_back(std::move(preview));
    }
    WriteText((out / "art.rc").string(), ResourceScript(shared, scriptLanguages, ReadText(ARTGEN_DIALOG_TEMPLATE)));

    if (!where.previews.empty()) {
        std::filesystem::create_directories(where.previews);
        PreviewSet set;
        set.palette = palette.colours;
        for (const BitmapPiece& p : pieces) set.pictures[p.resource] = p.indexed;
        set.icons = icons;
        const quibac::DoorTableType table = quibac::InitialDoorTable();
        for (int day = 1; day <= kHeaderDays; ++day) {
            set.doors.push_back(advent.at(table[size_t(day)].StartFrame));
            set.headers.push_back(HeaderBand(dates.at(size_t(day - 1))));
        }
        WritePreviews(set, where.previews);
        WriteLanguagePreviews(set.palette, languagePreviews, where.previews);
    }
    if (!where.frames.empty()) {
        std::filesystem::create_directories(where.frames);
        const quibac::DoorTableType table = quibac::InitialDoorTable();
        const std::vector<uint8_t> colours = SettledDoorColours();
        int day = 1;
        for (size_t f = 0; f < advent.size(); ++f) {
            while (day < kHeaderDays && int(f) >= table[size_t(day + 1)].StartFrame) ++day;
            const IndexedImage shown =
                WithHeader(advent[f], HeaderBand(dates.at(size_t(day - 1))), colours[size_t(day)]);
            RgbImage rgb(shown.width, shown.height);
            for (size_t i = 0; i < shown.pixels.size(); ++i) rgb.pixels[i] = palette.colours[shown.pixels[i]];
            cairo_surface_t* s = ToCairo(rgb);
            char name[64];
            std::snprintf(name, sizeof name, "frame%02zu-day%02d.png", f, day);
            WritePng(s, (std::filesystem::path(where.frames) / name).string());
            cairo_surface_destroy(s);
        }
    }
}

void WriteDraft(const std::string& name, const std::string& path) {
    // NAME@CODE draws a picture with words in that language.
    const size_t at = name.find('@');
    const Language& language = at == std::string::npos ? ReferenceLanguage() : LanguageWithCode(name.substr(at + 1));
    const std::string picture = name.substr(0, at);
    const std::map<std::string, std::function<RgbImage()>> renderers = {
        {"walk", RenderWalkStrip},
        {"wink", RenderWinkStrip},
        {"quotes", [&] { return RenderQuotes(language); }},
        {"advert", [&] { return RenderAdvert(language); }},
        {"logo", [&] { return RenderLogo(language); }},
        {"icon", [] { return RenderIcon(false).colours; }},
        {"icon16", [] { return RenderIcon(true).colours; }},
    };
    RgbImage image;
    const auto it = renderers.find(picture);
    if (it != renderers.end()) {
        image = it->second();
    } else {
        // doorD or doorD.F: frame F (default 0) of day D's door; headerD: the
        // same door with its header over it, the marker in red.
        int day = 0, frame = 0;
        const bool header = picture.rfind("header", 0) == 0;
        if (picture.rfind("door", 0) != 0 && !header) throw std::runtime_error("no picture called " + name);
        const std::string rest = picture.substr(header ? 6 : 4);
        try {
            size_t used = 0;
            day = std::stoi(rest, &used);
            if (used < rest.size() && rest[used] == '.') frame = std::stoi(rest.substr(used + 1));
        } catch (const std::exception&) {
            throw std::runtime_error("no picture called " + name);
        }
        if (day < 1 || day > kHeaderDays) throw std::runtime_error("no door " + std::to_string(day));
        const quibac::DoorTableType table = quibac::InitialDoorTable();
        DoorPainter painter(DoorArts().at(size_t(day - 1)), table[size_t(day)].FrameCount);
        if (frame < 0 || frame >= painter.frameCount()) throw std::runtime_error("no such frame");
        image = painter.Frame(frame);
        if (header) {
            const Palette fixed = FixedPalette();
            const IndexedImage band = RenderHeader(language, day, fixed);
            for (int y = 0; y < band.height; ++y)
                for (int x = 0; x < band.width; ++x) {
                    const uint8_t p = band.at(x, y);
                    if (p != kBackgroundIndex) image.at(x, y) = fixed.colours[p];
                }
        }
    }
    cairo_surface_t* s = ToCairo(image);
    WritePng(s, path);
    cairo_surface_destroy(s);
}

}  // namespace artgen
