// The README shows every language's strings as a table, for a person to
// review; it must say what tools/artgen/strings.txt says.
#ifdef QUIBAC_ARTGEN

#include "languages.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace artgen {
namespace {

// A table row's cells, without the outer bars; "\|" stands for a bar.
std::vector<std::string> Cells(const std::string& row) {
    std::vector<std::string> cells(1);
    for (size_t i = 1; i + 1 < row.size(); ++i) {
        if (row[i] == '\\' && row[i + 1] == '|') {
            cells.back() += '|';
            ++i;
        } else if (row[i] == '|') {
            cells.emplace_back();
        } else {
            cells.back() += row[i];
        }
    }
    for (std::string& c : cells) {
        const size_t first = c.find_first_not_of(' '), last = c.find_last_not_of(' ');
        c = first == std::string::npos ? "" : c.substr(first, last - first + 1);
    }
    return cells;
}

// The rows of the README's table of strings (the table after the comment
// that names strings.txt), by key ("`name`" without the quotes).
std::map<std::string, std::vector<std::string>> ReadmeTable() {
    std::ifstream in(std::string(QUIBAC_SOURCE_DIR) + "/README.md");
    std::map<std::string, std::vector<std::string>> rows;
    std::string line;
    while (std::getline(in, line) && line.find("The table is tools/artgen/strings.txt") == std::string::npos) {}
    while (std::getline(in, line) && line.rfind("|", 0) != 0) {}
    do {
        if (line.rfind("| `", 0) != 0) continue;
        std::vector<std::string> cells = Cells(line);
        const std::string key = cells.front().substr(1, cells.front().size() - 2);
        cells.erase(cells.begin());
        rows[key] = cells;
    } while (std::getline(in, line) && line.rfind("|", 0) == 0);
    return rows;
}

TEST(ArtStringsTable, TheReadmeShowsEveryStringOfEveryLanguage) {
    const std::map<std::string, std::vector<std::string>> table = ReadmeTable();
    ASSERT_FALSE(table.empty()) << "no table of strings in the README";
    const std::vector<Language>& languages = Languages();
    for (const Language& language : languages) {
        for (const auto& [key, text] : language.strings) {
            const auto row = table.find(key);
            ASSERT_NE(row, table.end()) << key << " has no row";
            ASSERT_EQ(row->second.size(), languages.size()) << key;
            const size_t column = size_t(&language - languages.data());
            EXPECT_EQ(row->second[column], text) << language.code << " " << key;
        }
    }
    for (const auto& [key, cells] : table) {
        if (key == "script") continue;
        bool anywhere = false;
        for (const Language& language : languages) anywhere = anywhere || language.strings.count(key) > 0;
        EXPECT_TRUE(anywhere) << "the README shows " << key << ", which no language has";
    }
}

}  // namespace
}  // namespace artgen

#endif
