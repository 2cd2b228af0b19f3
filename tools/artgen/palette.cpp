#include "palette.h"

#include "display/canvas.h"
#include "show/calendar.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>
#include <string>
#include <tuple>

namespace artgen {

static_assert(kMarkerIndex == quibac::kMarkerColour && kBackgroundIndex == quibac::kArtBackground);

const std::vector<IndexedColour>& SystemColours() {
    static const std::vector<IndexedColour> colours = {
        {0, {0, 0, 0}},         {1, {128, 0, 0}},     {2, {0, 128, 0}},       {3, {128, 128, 0}},
        {4, {0, 0, 128}},       {5, {128, 0, 128}},   {6, {0, 128, 128}},     {7, {192, 192, 192}},
        {8, {192, 220, 192}},   {9, {166, 202, 240}}, {246, {255, 251, 240}}, {247, {160, 160, 164}},
        {248, {128, 128, 128}}, {249, {255, 0, 0}},   {250, {0, 255, 0}},     {251, {255, 255, 0}},
        {252, {0, 0, 255}},     {253, {255, 0, 255}}, {254, {0, 255, 255}},   {255, {255, 255, 255}},
    };
    return colours;
}

const std::vector<IndexedColour>& LetteringColours() {
    // Deep, saturated colours: each reads as large lettering on white and over
    // a picture, and no two days' colours are easily confused.
    static const std::vector<IndexedColour> colours = [] {
        std::vector<IndexedColour> c = {
            {kMarkerIndex, {204, 22, 44}},  // holly-berry red
            {11, {18, 128, 62}},            // evergreen
            {12, {196, 134, 0}},            // old gold
            {13, {28, 78, 196}},            // royal blue
            {126, {118, 44, 168}},          // plum purple
            {127, {206, 26, 128}},          // raspberry
            {164, {0, 124, 140}},           // frosty teal
            {187, {92, 130, 10}},           // mistletoe green
            {188, {22, 40, 112}},           // midnight navy
            {189, {138, 70, 22}},           // gingerbread brown
        };
        // Every colour the door table names must have its lettering colour.
        const quibac::DoorTableType table = quibac::InitialDoorTable();
        for (int day = 1; day <= quibac::kDoorDays; ++day) {
            const uint8_t index = table[size_t(day)].DoorColour;
            if (index == 0 || index == quibac::kOpenDoorColour) continue;
            const bool known =
                std::any_of(c.begin(), c.end(), [index](const IndexedColour& e) { return e.index == index; });
            if (!known) throw std::logic_error("no lettering colour for door colour " + std::to_string(index));
        }
        return c;
    }();
    return colours;
}

Palette FixedPalette() {
    Palette p;
    for (const IndexedColour& e : SystemColours()) {
        p.colours[e.index] = e.colour;
        p.fixed[e.index] = true;
        p.matchable[e.index] = true;
    }
    for (const IndexedColour& e : LetteringColours()) {
        p.colours[e.index] = e.colour;
        p.fixed[e.index] = true;
        p.matchable[e.index] = true;
    }
    p.colours[kBackgroundIndex] = Rgb{255, 255, 255};
    p.fixed[kBackgroundIndex] = true;
    p.matchable[kBackgroundIndex] = true;
    p.matchable[kMarkerIndex] = false;
    p.matchable[kWhiteIndex] = false;
    return p;
}

namespace {

// Histogram cells of 6 bits per channel; each keeps exact sums so that the
// colours it stands for are known to the unit.
constexpr int kCellBits = 6;
constexpr int kCells = 1 << (3 * kCellBits);
// A cell this close to a fixed colour is served by it and takes no free entry.
constexpr int32_t kFixedAbsorb = 3 * 9 + 4 * 9 + 2 * 9;
constexpr int kRefineRounds = 12;

struct Cell {
    uint64_t n = 0, r = 0, g = 0, b = 0;
};

struct Point {
    int32_t r, g, b;  // mean colour of the cell
    uint64_t n;
    uint64_t sr, sg, sb;
};

int32_t Channel(const Point& p, int axis) { return axis == 0 ? p.r : axis == 1 ? p.g : p.b; }
constexpr int32_t kAxisWeight[3] = {3, 4, 2};

struct Box {
    size_t begin, end;  // range of points
    double error = 0;   // weighted squared error around the mean
    int axis = 0;       // the axis of largest weighted spread
};

void Measure(Box& box, const std::vector<Point>& pts) {
    double n = 0, s[3] = {0, 0, 0}, q[3] = {0, 0, 0};
    for (size_t i = box.begin; i < box.end; ++i) {
        const double w = double(pts[i].n);
        n += w;
        for (int a = 0; a < 3; ++a) {
            const double v = Channel(pts[i], a);
            s[a] += w * v;
            q[a] += w * v * v;
        }
    }
    box.error = 0;
    double best = -1;
    for (int a = 0; a < 3; ++a) {
        const double var = n > 0 ? kAxisWeight[a] * (q[a] - s[a] * s[a] / n) : 0;
        box.error += var;
        if (var > best) {
            best = var;
            box.axis = a;
        }
    }
    if (box.end - box.begin < 2) box.error = 0;
}

std::vector<Point> Histogram(const std::vector<PaletteSource>& sources) {
    std::vector<Cell> cells(kCells);
    for (const PaletteSource& src : sources) {
        for (const Rgb& c : src.image->pixels) {
            Cell& cell = cells[(size_t(c.r >> (8 - kCellBits)) << (2 * kCellBits)) |
                               (size_t(c.g >> (8 - kCellBits)) << kCellBits) | size_t(c.b >> (8 - kCellBits))];
            cell.n += src.weight;
            cell.r += uint64_t(c.r) * src.weight;
            cell.g += uint64_t(c.g) * src.weight;
            cell.b += uint64_t(c.b) * src.weight;
        }
    }
    std::vector<Point> pts;
    for (const Cell& c : cells) {
        if (c.n == 0) continue;
        pts.push_back(Point{int32_t((c.r + c.n / 2) / c.n), int32_t((c.g + c.n / 2) / c.n),
                            int32_t((c.b + c.n / 2) / c.n), c.n, c.r, c.g, c.b});
    }
    return pts;
}

// Splits the colours that the fixed entries do not serve into as many boxes
// as there are free entries; their means seed the refinement.
std::vector<Rgb> MedianCut(std::vector<Point> pts, const Palette& fixed, size_t wanted) {
    std::erase_if(pts, [&](const Point& p) {
        for (int i = 0; i < kPaletteSize; ++i) {
            if (!fixed.matchable[size_t(i)]) continue;
            const Rgb f = fixed.colours[size_t(i)];
            if (ColourDistance(p.r, p.g, p.b, f.r, f.g, f.b) <= kFixedAbsorb) return true;
        }
        return false;
    });
    std::vector<Box> boxes;
    if (!pts.empty()) {
        boxes.push_back(Box{0, pts.size()});
        Measure(boxes.back(), pts);
    }
    while (boxes.size() < wanted) {
        auto worst =
            std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) { return a.error < b.error; });
        if (worst == boxes.end() || worst->error <= 0) break;
        Box box = *worst;
        const int axis = box.axis;
        // Cell means are unique, so ordering by (axis, r, g, b) is total and
        // the split does not depend on the sort's handling of ties.
        std::sort(pts.begin() + long(box.begin), pts.begin() + long(box.end), [axis](const Point& a, const Point& b) {
            const int32_t ka = Channel(a, axis), kb = Channel(b, axis);
            if (ka != kb) return ka < kb;
            return std::tie(a.r, a.g, a.b) < std::tie(b.r, b.g, b.b);
        });
        uint64_t total = 0;
        for (size_t i = box.begin; i < box.end; ++i) total += pts[i].n;
        uint64_t seen = 0;
        size_t cut = box.begin + 1;
        for (size_t i = box.begin; i + 1 < box.end; ++i) {
            seen += pts[i].n;
            cut = i + 1;
            if (seen * 2 >= total) break;
        }
        Box low{box.begin, cut}, high{cut, box.end};
        Measure(low, pts);
        Measure(high, pts);
        *worst = low;
        boxes.push_back(high);
    }
    std::vector<Rgb> means;
    for (const Box& box : boxes) {
        uint64_t n = 0, r = 0, g = 0, b = 0;
        for (size_t i = box.begin; i < box.end; ++i) {
            n += pts[i].n;
            r += pts[i].sr;
            g += pts[i].sg;
            b += pts[i].sb;
        }
        means.push_back(Rgb{uint8_t((r + n / 2) / n), uint8_t((g + n / 2) / n), uint8_t((b + n / 2) / n)});
    }
    return means;
}

}  // namespace

Palette BuildPalette(const std::vector<PaletteSource>& sources) {
    Palette palette = FixedPalette();
    std::vector<size_t> freeEntries;
    for (size_t i = 0; i < size_t(kPaletteSize); ++i)
        if (!palette.fixed[i]) freeEntries.push_back(i);

    const std::vector<Point> pts = Histogram(sources);
    std::vector<Rgb> seeds = MedianCut(pts, palette, freeEntries.size());
    // Fewer distinct colours than entries: the rest become a grey ramp, which
    // is harmless and keeps the table fully defined.
    for (size_t k = seeds.size(); k < freeEntries.size(); ++k) {
        const uint8_t v = uint8_t(255 * (k - seeds.size() + 1) / (freeEntries.size() - seeds.size() + 1));
        seeds.push_back(Rgb{v, v, v});
    }
    std::sort(seeds.begin(), seeds.end(), [](const Rgb& a, const Rgb& b) {
        // Dark to light, so that the table reads sensibly in a viewer.
        const int la = 3 * a.r + 6 * a.g + a.b, lb = 3 * b.r + 6 * b.g + b.b;
        if (la != lb) return la < lb;
        return std::tie(a.r, a.g, a.b) < std::tie(b.r, b.g, b.b);
    });
    for (size_t k = 0; k < freeEntries.size(); ++k) {
        palette.colours[freeEntries[k]] = seeds[k];
        palette.matchable[freeEntries[k]] = true;
    }

    // k-means: the free entries move to the mean of the colours nearest them;
    // the fixed ones stay where convention puts them.
    for (int round = 0; round < kRefineRounds; ++round) {
        std::vector<Cell> sums(kPaletteSize);
        for (const Point& p : pts) {
            int best = 0;
            int32_t bestDistance = INT32_MAX;
            for (int i = 0; i < kPaletteSize; ++i) {
                if (!palette.matchable[size_t(i)]) continue;
                const Rgb c = palette.colours[size_t(i)];
                const int32_t d = ColourDistance(p.r, p.g, p.b, c.r, c.g, c.b);
                if (d < bestDistance) {
                    bestDistance = d;
                    best = i;
                }
            }
            Cell& s = sums[size_t(best)];
            s.n += p.n;
            s.r += p.sr;
            s.g += p.sg;
            s.b += p.sb;
        }
        bool moved = false;
        for (size_t i : freeEntries) {
            const Cell& s = sums[i];
            if (s.n == 0) continue;
            const Rgb mean{uint8_t((s.r + s.n / 2) / s.n), uint8_t((s.g + s.n / 2) / s.n),
                           uint8_t((s.b + s.n / 2) / s.n)};
            if (!(mean == palette.colours[i])) moved = true;
            palette.colours[i] = mean;
        }
        if (!moved) break;
    }
    return palette;
}

}  // namespace artgen
