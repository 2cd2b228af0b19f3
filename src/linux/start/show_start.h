// The words that pin a show down: the local date it runs on and the
// millisecond count it seeds its random numbers with. The renderer and the
// program read them alike, so `--date D --seed S` shows the same show in both.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace quibac::show_start {

constexpr int kMinYear = 1900;
constexpr int kMaxYear = 9999;
constexpr uint64_t kMaxSeed = UINT32_MAX;
// A pinned date starts at its noon: far from midnight, so hours of show stay
// on the date asked for.
constexpr int kNoon = 12;

struct CalendarDate {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;    // 1..31
};

bool IsRealDate(const CalendarDate& date);

// Whole decimal digits only: no sign, no spaces, no fraction, at most max.
bool ReadWholeNumber(const std::string& text, uint64_t max, uint64_t& value);
bool ReadInRange(const std::string& text, int min, int max, int& out);

// YYYY-MM-DD exactly, a real date from kMinYear to kMaxYear.
std::optional<CalendarDate> ReadDate(const std::string& text);
std::optional<uint32_t> ReadSeed(const std::string& text);

// One line each on what a good value looks like, after the option's name.
std::string DateProblem(const std::string& option, const std::string& text);
std::string SeedProblem(const std::string& option, const std::string& text);

}  // namespace quibac::show_start
