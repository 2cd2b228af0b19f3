// What the page's address asks of the show: the words of `?date=&seed=`,
// read as quibac-render reads its options, and what was wrong with any of
// them. The page's own Stretch is the page's business, not read here.
#pragma once

#include "show_start.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quibac::web {

// The longest piece of a bad value a problem quotes: an address can be any
// length, the message on the page cannot.
constexpr size_t kQuotedValueLimit = 40;

struct PageOptions {
    std::optional<show_start::CalendarDate> date;
    std::optional<uint32_t> seed;
    // One line for each value that was ignored, for the page to show.
    std::vector<std::string> problems;
};

// arguments: name and value pairs, as the page passes them ("date", "seed");
// a name without a value, or one that is not known, is a problem too.
PageOptions ReadPageOptions(const std::vector<std::string>& arguments);

}  // namespace quibac::web
