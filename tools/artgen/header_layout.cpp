#include "header_layout.h"

#include "dates_header.h"
#include "draw.h"
#include "fonts.h"
#include "layout.h"

#include <algorithm>
#include <memory>

namespace artgen {

namespace {

// Type sizes and the line each sits on; the reference language's sizes were
// measured against its widest day ("25th", "24 days") so that each half keeps
// to its 400 columns; other languages shrink their words where they must.
constexpr double kNumberSize = 128;  // the big numbers
constexpr double kNumberBaseline = 112;
constexpr double kSuffixSize = 44;  // text raised beside the number
constexpr double kMonthSize = 56;
constexpr double kMonthBaseline = 106;
// Where a month with nothing raised above it sits: level with the middle of
// the number beside it.
constexpr double kLoneMonthBaseline = 86;
constexpr double kWordsSize = 40;  // "days to"
constexpr double kWordsBaseline = 52;
constexpr double kChristmasSize = 56;
constexpr double kMerrySize = 60;  // the 25th's greeting on two lines
constexpr double kMerryBaseline = 52;
constexpr double kGreetingSize = 76;
constexpr double kGreetingBaseline = 118;

constexpr double kLeftMargin = 14;
constexpr double kRightEnd = 2 * kHeaderHalf - 8;
constexpr double kGap = 8;
constexpr double kDigitSpacing = 2;  // between digits in their slots
constexpr double kTailGap = 1;       // between the units and what follows them
constexpr int kMostDigits = 2;
// The least scale of the right half's words before its count shrinks too.
constexpr double kLeastWordScale = 0.65;
// The ink of the words keeps this far from the middle, so that their rims,
// outline and shadow stay clear of it.
constexpr double kMiddleClearance = 14;
constexpr double kLeftLimit = kHeaderHalf - kMiddleClearance;
constexpr double kRightStart = kHeaderHalf + kMiddleClearance;
// The greeting's two sparkles, after its first line.
constexpr double kSparkleOffsets[2][4] = {{53, 26, 13, 3.5}, {83, 46, 8, 2.2}};

double InkRight(const TextBox& box) { return box.x + box.width; }

class Scratch {
public:
    Scratch()
        : surface_(cairo_image_surface_create(CAIRO_FORMAT_A8, kCanvasWidth, kHeaderRows)),
          cr_(cairo_create(surface_)) {}
    ~Scratch() {
        cairo_destroy(cr_);
        cairo_surface_destroy(surface_);
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
    cairo_t* cr() const { return cr_; }

private:
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

void AddText(cairo_t* cr, Font font, double size, const std::string& text, double x, double baseline) {
    if (text.empty()) return;
    UseFont(cr, font, size);
    cairo_move_to(cr, x, baseline);
    cairo_text_path(cr, text.c_str());
}

cairo_path_t* TakePath(cairo_t* cr) {
    cairo_path_t* path = cairo_copy_path(cr);
    cairo_new_path(cr);
    return path;
}

// ---- numbers in fixed digit slots ------------------------------------------------

// Digits, each centred in a slot as wide as the widest digit, so that a digit
// that stays from one day to the next stays in place; whatever follows the
// digits (the German "7.") follows the units digit's ink.
struct DigitSlots {
    double size = kNumberSize;
    double width = 0;
};

size_t DigitCount(const std::string& number) {
    size_t n = 0;
    while (n < number.size() && number[n] >= '0' && number[n] <= '9') ++n;
    return n;
}

DigitSlots MeasureSlots(cairo_t* cr, Font font, double size) {
    DigitSlots slots;
    slots.size = size;
    for (char d = '0'; d <= '9'; ++d)
        slots.width = std::max(slots.width, MeasureText(cr, font, size, std::string(1, d)).width);
    slots.width += kDigitSpacing * size / kNumberSize;
    return slots;
}

struct InkSpan {
    double left, right;
};

// Lays the number out with the units' slot ending at unitsRight, adding its
// outline to the path when draw is set; returns where its ink begins and ends.
InkSpan SlottedNumber(cairo_t* cr, Font font, const DigitSlots& slots, const std::string& number, double unitsRight,
                      bool draw) {
    const size_t digits = DigitCount(number);
    InkSpan ink{unitsRight, unitsRight - slots.width};
    for (size_t i = 0; i < digits; ++i) {
        const std::string digit = number.substr(i, 1);
        const double centre = unitsRight - (double(digits - i) - 0.5) * slots.width;
        const TextBox box = MeasureText(cr, font, slots.size, digit);
        ink.left = std::min(ink.left, centre - box.width / 2);
        ink.right = centre + box.width / 2;
        if (draw) AddText(cr, font, slots.size, digit, centre - box.x - box.width / 2, kNumberBaseline);
    }
    const std::string tail = number.substr(digits);
    if (tail.empty()) return ink;
    const TextBox box = MeasureText(cr, font, slots.size, tail);
    const double x = ink.right + kTailGap - box.x;
    if (draw) AddText(cr, font, slots.size, tail, x, kNumberBaseline);
    ink.right = x + InkRight(box);
    return ink;
}

// ---- the reference language's layout ----------------------------------------------

// Left half: the big day number, its suffix raised beside it, and the month
// under the suffix.
void ReferenceDate(cairo_t* cr, const HeaderWords& w, HeaderPaths& paths) {
    const TextBox box = MeasureText(cr, Font::Script, kNumberSize, w.number);
    const double x = kLeftMargin - box.x;
    AddText(cr, Font::Script, kNumberSize, w.number, x, kNumberBaseline);
    paths.dateNumbers = TakePath(cr);
    const double after = x + box.x + box.width + kGap;
    const TextBox suffix = MeasureText(cr, Font::Script, kSuffixSize, w.raised);
    AddText(cr, Font::Script, kSuffixSize, w.raised, after - suffix.x, kNumberBaseline + box.y - suffix.y);
    AddText(cr, Font::Script, kMonthSize, w.month, after, kMonthBaseline);
    paths.dateWords = TakePath(cr);
}

// Right half: the count and "days to Christmas" beside it, or the greeting.
void ReferenceCount(cairo_t* cr, const HeaderWords& w, HeaderPaths& paths) {
    if (w.greeting) {
        // The greeting stands on its own: the saver keeps it after the 25th
        // without the date beside it.
        const double centre = kHeaderHalf + kHeaderHalf / 2.0;
        CentredTextPath(cr, Font::Script, kMerrySize, w.upper, centre - 78, kMerryBaseline);
        StarPath(cr, centre + 40, 26, 13, 3.5, 4, 0);
        StarPath(cr, centre + 70, 46, 8, 2.2, 4, 0);
        paths.countWords = TakePath(cr);
        CentredTextPath(cr, Font::Script, kGreetingSize, w.lower, centre + 6, kGreetingBaseline);
        paths.countNumbers = TakePath(cr);
        return;
    }
    // Set against the right edge, so that a gap parts it from the date.
    const TextBox box = MeasureText(cr, Font::Script, kNumberSize, w.count);
    const TextBox christmas = MeasureText(cr, Font::Script, kChristmasSize, w.lower);
    const TextBox daysBox = MeasureText(cr, Font::Script, kWordsSize, w.upper);
    const double wordsWidth = std::max(InkRight(christmas), InkRight(daysBox));
    const double after = kRightEnd - wordsWidth;
    const double x = after - kGap - box.width - box.x;
    AddText(cr, Font::Script, kNumberSize, w.count, x, kNumberBaseline);
    paths.countNumbers = TakePath(cr);
    AddText(cr, Font::Script, kWordsSize, w.upper, after, kWordsBaseline);
    AddText(cr, Font::Script, kChristmasSize, w.lower, after, kMonthBaseline);
    paths.countWords = TakePath(cr);
}

// ---- the steady layout of the other languages -------------------------------------

// Columns and sizes that hold for all 25 days of a language.
struct SteadyLayout {
    Font font = Font::Script;
    // Left half: the digits, their units' right edge, the words' column and
    // the words' scale.
    DigitSlots dateSlots;
    double dateUnitsRight = 0, dateWordsX = 0, dateScale = 1, monthBaseline = kMonthBaseline;
    // Right half: the digits (smaller where the words need the room), their
    // units' right edge, the words' column and scale.
    DigitSlots countSlots;
    double countUnitsRight = 0, countWordsX = 0, countScale = 1;
    // The 25th: the greeting's scale.
    double greetingScale = 1;
};

SteadyLayout MeasureSteadyLayout(const Language& language) {
    Scratch scratch;
    cairo_t* cr = scratch.cr();
    SteadyLayout l;
    l.font = language.script;
    std::vector<HeaderWords> days;
    double dateWords = 0, upperLower = 0, leads = 0, greeting = 0;
    bool anyRaised = false;
    for (int day = 1; day <= kHeaderDays; ++day) {
        const HeaderWords w = WordsOfDay(language, day);
        days.push_back(w);
        anyRaised = anyRaised || !w.raised.empty();
        dateWords = std::max({dateWords, InkRight(MeasureText(cr, l.font, kSuffixSize, w.raised)),
                              InkRight(MeasureText(cr, l.font, kMonthSize, w.month))});
        if (w.greeting) {
            greeting = std::max(MeasureText(cr, l.font, kMerrySize, w.upper).width,
                                MeasureText(cr, l.font, kGreetingSize, w.lower).width);
            continue;
        }
        upperLower = std::max({upperLower, InkRight(MeasureText(cr, l.font, kWordsSize, w.upper)),
                               InkRight(MeasureText(cr, l.font, kChristmasSize, w.lower))});
        if (!w.lead.empty()) leads = std::max(leads, InkRight(MeasureText(cr, l.font, kWordsSize, w.lead)) + kGap);
    }
    l.dateSlots = MeasureSlots(cr, l.font, kNumberSize);
    l.dateUnitsRight = kLeftMargin + kMostDigits * l.dateSlots.width;
    double numbersRight = l.dateUnitsRight;
    for (const HeaderWords& w : days)
        numbersRight =
            std::max(numbersRight, SlottedNumber(cr, l.font, l.dateSlots, w.number, l.dateUnitsRight, false).right);
    l.dateWordsX = numbersRight + kGap;
    l.dateScale = std::min(1.0, (kLeftLimit - l.dateWordsX) / dateWords);
    l.monthBaseline = anyRaised ? kMonthBaseline : kLoneMonthBaseline;

    // The words shrink first, down to a limit; past it the count shrinks
    // with them.
    const double room = kRightEnd - kRightStart - kGap;
    const double digits = kMostDigits * l.dateSlots.width;
    l.countScale = std::min(1.0, (room - digits) / (upperLower + leads));
    double numberScale = 1;
    if (l.countScale < kLeastWordScale) {
        l.countScale = kLeastWordScale;
        numberScale = (room - kLeastWordScale * (upperLower + leads)) / digits;
    }
    l.countSlots = MeasureSlots(cr, l.font, kNumberSize * numberScale);
    l.countWordsX = kRightEnd - upperLower * l.countScale;
    l.countUnitsRight = l.countWordsX - kGap;
    l.greetingScale = std::min(1.0, (kRightEnd - kRightStart) / greeting);
    return l;
}

void SteadyDate(cairo_t* cr, const SteadyLayout& l, const HeaderWords& w, HeaderPaths& paths) {
    SlottedNumber(cr, l.font, l.dateSlots, w.number, l.dateUnitsRight, true);
    paths.dateNumbers = TakePath(cr);
    if (!w.raised.empty()) {
        const TextBox top = MeasureText(cr, l.font, kNumberSize, "0");
        const TextBox raised = MeasureText(cr, l.font, kSuffixSize * l.dateScale, w.raised);
        AddText(cr, l.font, kSuffixSize * l.dateScale, w.raised, l.dateWordsX - raised.x,
                kNumberBaseline + top.y - raised.y);
    }
    AddText(cr, l.font, kMonthSize * l.dateScale, w.month, l.dateWordsX, l.monthBaseline);
    paths.dateWords = TakePath(cr);
}

void SteadyGreeting(cairo_t* cr, const SteadyLayout& l, const HeaderWords& w, HeaderPaths& paths) {
    const double upperSize = kMerrySize * l.greetingScale, lowerSize = kGreetingSize * l.greetingScale;
    const TextBox upper = MeasureText(cr, l.font, upperSize, w.upper);
    const TextBox lower = MeasureText(cr, l.font, lowerSize, w.lower);
    // Both lines start at one edge, the block centred in the half as the
    // reference's greeting is.
    const double centre = kHeaderHalf + kHeaderHalf / 2.0 + 6;
    const double left = std::max(kRightStart, centre - std::max(upper.width, lower.width) / 2);
    AddText(cr, l.font, upperSize, w.upper, left - upper.x, kMerryBaseline);
    const double upperRight = left + upper.width;
    for (const auto& s : kSparkleOffsets)
        if (upperRight + s[0] + s[2] <= kRightEnd) StarPath(cr, upperRight + s[0], s[1], s[2], s[3], 4, 0);
    paths.countWords = TakePath(cr);
    AddText(cr, l.font, lowerSize, w.lower, left - lower.x, kGreetingBaseline);
    paths.countNumbers = TakePath(cr);
}

void SteadyCount(cairo_t* cr, const SteadyLayout& l, const HeaderWords& w, HeaderPaths& paths) {
    if (w.greeting) {
        SteadyGreeting(cr, l, w, paths);
        return;
    }
    const InkSpan count = SlottedNumber(cr, l.font, l.countSlots, w.count, l.countUnitsRight, true);
    paths.countNumbers = TakePath(cr);
    const double wordsSize = kWordsSize * l.countScale;
    // The lead word keeps close to the count.
    if (!w.lead.empty()) {
        const TextBox lead = MeasureText(cr, l.font, wordsSize, w.lead);
        AddText(cr, l.font, wordsSize, w.lead, count.left - kGap - InkRight(lead), kWordsBaseline);
    }
    AddText(cr, l.font, wordsSize, w.upper, l.countWordsX, kWordsBaseline);
    AddText(cr, l.font, kChristmasSize * l.countScale, w.lower, l.countWordsX, kMonthBaseline);
    paths.countWords = TakePath(cr);
}

}  // namespace

HeaderPaths::~HeaderPaths() {
    for (cairo_path_t* p : {dateNumbers, dateWords, countNumbers, countWords})
        if (p != nullptr) cairo_path_destroy(p);
}

void LayOutHeader(const Language& language, int day, HeaderPaths& paths) {
    const HeaderWords words = WordsOfDay(language, day);
    for (const std::string* text :
         {&words.number, &words.raised, &words.month, &words.lead, &words.count, &words.upper, &words.lower})
        RequireGlyphs(language.script, *text);
    Scratch scratch;
    if (language.IsReference()) {
        ReferenceDate(scratch.cr(), words, paths);
        ReferenceCount(scratch.cr(), words, paths);
        return;
    }
    const SteadyLayout layout = MeasureSteadyLayout(language);
    SteadyDate(scratch.cr(), layout, words, paths);
    SteadyCount(scratch.cr(), layout, words, paths);
}

}  // namespace artgen
