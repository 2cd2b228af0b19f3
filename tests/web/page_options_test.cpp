// What the page's address asks of the show, read as quibac-render reads its
// options, and the problems the page shows for what it ignores.
#include "page_options.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace quibac::web {
namespace {

struct AddressCase {
    const char* name;
    std::vector<std::string> arguments;
    std::optional<show_start::CalendarDate> date;
    std::optional<uint32_t> seed;
    std::vector<std::string> problems;  // each found in the problem of its place
};

class PageOptionsTest : public ::testing::TestWithParam<AddressCase> {};

TEST_P(PageOptionsTest, KeepsGoodValuesAndNamesEachIgnoredOne) {
    const AddressCase& c = GetParam();
    const PageOptions options = ReadPageOptions(c.arguments);
    ASSERT_EQ(options.date.has_value(), c.date.has_value());
    if (c.date) {
        EXPECT_EQ(options.date->year, c.date->year);
        EXPECT_EQ(options.date->month, c.date->month);
        EXPECT_EQ(options.date->day, c.date->day);
    }
    EXPECT_EQ(options.seed, c.seed);
    ASSERT_EQ(options.problems.size(), c.problems.size());
    for (size_t i = 0; i < c.problems.size(); ++i)
        EXPECT_NE(options.problems[i].find(c.problems[i]), std::string::npos) << options.problems[i];
}

const std::string kLongSeed(1000, '9');

INSTANTIATE_TEST_SUITE_P(
    Addresses, PageOptionsTest,
    ::testing::Values(
        AddressCase{"Nothing", {}, std::nullopt, std::nullopt, {}},
        AddressCase{"DateAndSeed", {"date", "2026-12-07", "seed", "7"}, show_start::CalendarDate{2026, 12, 7}, 7u, {}},
        AddressCase{"LargestSeed", {"seed", "4294967295"}, std::nullopt, 4294967295u, {}},
        AddressCase{"LeapDay", {"date", "2028-02-29"}, show_start::CalendarDate{2028, 2, 29}, std::nullopt, {}},
        AddressCase{"ImpossibleDate",
                    {"date", "2026-02-30", "seed", "7"},
                    std::nullopt,
                    7u,
                    {"date '2026-02-30' is not a date"}},
        AddressCase{"SeedPastTheCounter", {"seed", "4294967296"}, std::nullopt, std::nullopt, {"seed '4294967296'"}},
        AddressCase{"NegativeSeed", {"seed", "-1"}, std::nullopt, std::nullopt, {"seed '-1' is not a whole number"}},
        AddressCase{
            "BothBad", {"date", "7 Dec", "seed", "x"}, std::nullopt, std::nullopt, {"date '7 Dec'", "seed 'x'"}},
        AddressCase{"EmptyValue", {"date", ""}, std::nullopt, std::nullopt, {"date ''"}},
        // An address can be any length; the line that quotes it cannot.
        AddressCase{"HugeValueQuotedShort",
                    {"seed", kLongSeed},
                    std::nullopt,
                    std::nullopt,
                    {"seed '" + kLongSeed.substr(0, kQuotedValueLimit) + "...'"}},
        AddressCase{"ControlCharactersLeftOut",
                    {"date", std::string("20\n26\x1b-12\x7f-07")},
                    std::nullopt,
                    std::nullopt,
                    {"date '2026-12-07'"}},
        AddressCase{"UnknownName", {"colour", "red"}, std::nullopt, std::nullopt, {"'colour' is not a setting"}},
        AddressCase{"NameWithoutValue", {"seed", "3", "date"}, std::nullopt, 3u, {"'date' has no value"}}),
    [](const ::testing::TestParamInfo<AddressCase>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace quibac::web
