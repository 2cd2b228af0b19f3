#include "page_options.h"

namespace quibac::web {

namespace {

constexpr char kDate[] = "date";
constexpr char kSeed[] = "seed";

// The value as a problem quotes it: cut short, and with what cannot be shown
// in a line of text left out.
std::string Quotable(const std::string& value) {
    std::string shown;
    for (char c : value) {
        if (shown.size() == kQuotedValueLimit) return shown + "...";
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) shown.push_back(c);
    }
    return shown;
}

}  // namespace

PageOptions ReadPageOptions(const std::vector<std::string>& arguments) {
    PageOptions options;
    for (size_t i = 0; i < arguments.size(); i += 2) {
        const std::string& name = arguments[i];
        if (i + 1 == arguments.size()) {
            options.problems.push_back("'" + Quotable(name) + "' has no value");
            break;
        }
        const std::string& value = arguments[i + 1];
        if (name == kDate) {
            options.date = show_start::ReadDate(value);
            if (!options.date) options.problems.push_back(show_start::DateProblem(kDate, Quotable(value)));
        } else if (name == kSeed) {
            options.seed = show_start::ReadSeed(value);
            if (!options.seed) options.problems.push_back(show_start::SeedProblem(kSeed, Quotable(value)));
        } else {
            options.problems.push_back("'" + Quotable(name) + "' is not a setting of the show");
        }
    }
    return options;
}

}  // namespace quibac::web
