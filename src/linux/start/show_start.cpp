#include "show_start.h"

namespace quibac::show_start {

namespace {

constexpr int kDaysInMonth[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr int kFebruary = 2;

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

}  // namespace

bool IsRealDate(const CalendarDate& date) {
    if (date.month < 1 || date.month > 12 || date.day < 1) return false;
    const int days = kDaysInMonth[date.month - 1] + (date.month == kFebruary && IsLeapYear(date.year) ? 1 : 0);
    return date.day <= days;
}

bool ReadWholeNumber(const std::string& text, uint64_t max, uint64_t& value) {
    if (text.empty()) return false;
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + uint64_t(c - '0');
        if (value > max) return false;
    }
    return true;
}

bool ReadInRange(const std::string& text, int min, int max, int& out) {
    uint64_t value = 0;
    if (!ReadWholeNumber(text, uint64_t(max), value) || value < uint64_t(min)) return false;
    out = int(value);
    return true;
}

std::optional<CalendarDate> ReadDate(const std::string& text) {
    CalendarDate date;
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    const bool read = ReadInRange(text.substr(0, 4), kMinYear, kMaxYear, date.year) &&
                      ReadInRange(text.substr(5, 2), 1, 12, date.month) &&
                      ReadInRange(text.substr(8, 2), 1, 31, date.day) && IsRealDate(date);
    return read ? std::optional(date) : std::nullopt;
}

std::optional<uint32_t> ReadSeed(const std::string& text) {
    uint64_t seed = 0;
    if (!ReadWholeNumber(text, kMaxSeed, seed)) return std::nullopt;
    return uint32_t(seed);
}

std::string DateProblem(const std::string& option, const std::string& text) {
    return option + " '" + text + "' is not a date from " + std::to_string(kMinYear) + "-01-01 to " +
           std::to_string(kMaxYear) + "-12-31 written YYYY-MM-DD";
}

std::string SeedProblem(const std::string& option, const std::string& text) {
    return option + " '" + text + "' is not a whole number from 0 to " + std::to_string(kMaxSeed);
}

}  // namespace quibac::show_start
