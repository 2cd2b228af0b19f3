#include "fuzz/ini_target.h"

#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace quibac::fuzzing {

namespace {

constexpr INT kDefault = 12345;

const char* const kSections[] = {"Quib Advent Screen Saver", "S", " s ", ""};
const char* const kKeys[] = {"Stretch", "K", "stretch", ";x"};
struct Value {
    const char* text;
    UINT number;
};
const Value kValues[] = {{"0", 0}, {"1", 1}, {"-7", UINT(-7)}, {"\"3\"", 3}};

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

// Lines end as the profile functions end them: at CR LF, or at a CR or an LF
// on its own.
bool EndsLine(const std::string& text, size_t i) {
    return text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'));
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines(1);
    for (size_t i = 0; i < text.size(); ++i) {
        if (EndsLine(text, i))
            lines.emplace_back();
        else if (text[i] != '\r')  // the CR of a CR LF
            lines.back().push_back(text[i]);
    }
    return lines;
}

// The lines of before and after that differ, once their common beginning and
// end are set aside.
struct Change {
    size_t removed = 0, added = 0;
};

Change Compare(const std::string& before, const std::string& after) {
    const std::vector<std::string> b = Lines(before), a = Lines(after);
    size_t prefix = 0;
    while (prefix < b.size() && prefix < a.size() && b[prefix] == a[prefix]) ++prefix;
    size_t suffix = 0;
    while (suffix < b.size() - prefix && suffix < a.size() - prefix &&
           b[b.size() - 1 - suffix] == a[a.size() - 1 - suffix])
        ++suffix;
    return {b.size() - prefix - suffix, a.size() - prefix - suffix};
}

// after is before with one run of bytes taken out; returns how many line
// ends that run held, or -1 when after is not such a cut.
int CutLineEnds(const std::string& before, const std::string& after) {
    if (after.size() > before.size()) return -1;
    size_t prefix = 0;
    while (prefix < after.size() && before[prefix] == after[prefix]) ++prefix;
    size_t suffix = 0;
    while (suffix < after.size() - prefix && before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    if (prefix + suffix != after.size()) return -1;
    int lineEnds = 0;
    for (size_t i = prefix; i < before.size() - suffix; ++i) lineEnds += EndsLine(before, i);
    return lineEnds;
}

// New lines end as the file's first line ends.
std::string LineBreak(const std::string& text) {
    const size_t end = text.find_first_of("\r\n");
    if (end == std::string::npos || text[end] == '\n') return "\n";
    return end + 1 < text.size() && text[end + 1] == '\n' ? "\r\n" : "\r";
}

// Setting a key rewrites at most its own line, or adds its line (maybe with
// a new section header and a blank line before it) in one place; an
// unterminated last line may get its line end.
bool OnlyTheKeyChanged(const std::string& before, const std::string& after) {
    auto fits = [](Change c) { return (c.removed == 0 && c.added <= 3) || (c.removed == 1 && c.added == 1); };
    if (fits(Compare(before, after))) return true;
    return !before.empty() && !EndsLine(before, before.size() - 1) && fits(Compare(before + LineBreak(before), after));
}

}  // namespace

std::string EditProfile(const uint8_t* data, size_t size, const std::string& folder) {
    if (size < 1) return {};
    const uint8_t choice = data[0];
    const std::string before(reinterpret_cast<const char*>(data + 1), size - 1);
    const char* section = kSections[choice & 3];
    const char* key = kKeys[(choice >> 2) & 3];
    const Value& value = kValues[(choice >> 4) & 3];
    const int operation = (choice >> 6) & 3;
    const std::string path = folder + "/" + kFuzzProfile;

    WriteFile(path, before);
    (void)GetPrivateProfileIntA(section, key, kDefault, kFuzzProfile);

    if (operation == 3) {  // remove the section: one block of lines goes, nothing comes
        if (WritePrivateProfileStringA(section, nullptr, nullptr, kFuzzProfile) != TRUE)
            return "removing a section failed";
        if (CutLineEnds(before, ReadFile(path)) < 0) return "removing a section changed more than the section";
        return {};
    }
    if (operation == 2) {  // remove the key: at most its line goes
        if (WritePrivateProfileStringA(section, key, nullptr, kFuzzProfile) != TRUE) return "removing a key failed";
        const int cut = CutLineEnds(before, ReadFile(path));
        if (cut < 0 || cut > 1) return "removing a key touched other lines";
        return {};
    }

    if (WritePrivateProfileStringA(section, key, value.text, kFuzzProfile) != TRUE) return "writing failed";
    const std::string after = ReadFile(path);
    if (GetPrivateProfileIntA(section, key, kDefault, kFuzzProfile) != value.number)
        return "the written value does not read back";
    if (!OnlyTheKeyChanged(before, after)) return "writing touched other lines";

    if (WritePrivateProfileStringA(section, key, value.text, kFuzzProfile) != TRUE) return "writing again failed";
    if (ReadFile(path) != after) return "writing the same value again changed the file";
    return {};
}

}  // namespace quibac::fuzzing
