// The private-profile reader and writer on arbitrary files: reading never
// fails, writing a key makes the reader find exactly that value, and every
// other line of the file survives byte for byte.
//
// Input: one byte choosing the operation, section, key and value, then the
// file's bytes.
#include <posix_control.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr char kFile[] = "FUZZ.INI";
constexpr INT kDefault = 12345;

const char* const kSections[] = {"Quib Advent Screen Saver", "S", " s ", ""};
const char* const kKeys[] = {"Stretch", "K", "stretch", ";x"};
struct Value {
    const char* text;
    UINT number;
};
const Value kValues[] = {{"0", 0}, {"1", 1}, {"-7", UINT(-7)}, {"\"3\"", 3}};

// A scratch folder for the file, on a memory file system when there is one,
// removed when the run ends. Never destroyed, so the exit handler can use it.
const std::string& Folder() {
    static const std::string* folder = [] {
        const char* base = std::getenv("TMPDIR") != nullptr ? std::getenv("TMPDIR") : "/dev/shm";
        std::string pattern = std::string(base) + "/quibac-ini-fuzz-XXXXXX";
        if (mkdtemp(pattern.data()) == nullptr) {
            pattern = "/tmp/quibac-ini-fuzz-XXXXXX";
            if (mkdtemp(pattern.data()) == nullptr) std::abort();
        }
        posix::SetProfileDirectory(pattern);
        auto* path = new std::string(pattern);
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(Folder(), ignored);
        });
        return path;
    }();
    return *folder;
}

void WriteFile(const std::string& bytes) {
    std::ofstream out(Folder() + "/" + kFile, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string ReadFile() {
    std::ifstream in(Folder() + "/" + kFile, std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines(1);
    for (char c : text) {
        if (c == '\n')
            lines.emplace_back();
        else
            lines.back().push_back(c);
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
    for (size_t i = prefix; i < before.size() - suffix; ++i) lineEnds += before[i] == '\n';
    return lineEnds;
}

// New lines end as the file's first line ends.
std::string LineBreak(const std::string& text) {
    const size_t newline = text.find('\n');
    return newline != std::string::npos && newline > 0 && text[newline - 1] == '\r' ? "\r\n" : "\n";
}

// Setting a key rewrites at most its own line, or adds its line (maybe with
// a new section header and a blank line before it) in one place; an
// unterminated last line may get its line end.
bool OnlyTheKeyChanged(const std::string& before, const std::string& after) {
    auto fits = [](Change c) { return (c.removed == 0 && c.added <= 3) || (c.removed == 1 && c.added == 1); };
    if (fits(Compare(before, after))) return true;
    return !before.empty() && before.back() != '\n' && fits(Compare(before + LineBreak(before), after));
}

void Check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "ini_fuzz: %s\n", what);
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const uint8_t choice = data[0];
    const std::string before(reinterpret_cast<const char*>(data + 1), size - 1);
    const char* section = kSections[choice & 3];
    const char* key = kKeys[(choice >> 2) & 3];
    const Value& value = kValues[(choice >> 4) & 3];
    const int operation = (choice >> 6) & 3;

    WriteFile(before);
    (void)GetPrivateProfileIntA(section, key, kDefault, kFile);

    if (operation == 3) {  // remove the section: one block of lines goes, nothing comes
        Check(WritePrivateProfileStringA(section, nullptr, nullptr, kFile) == TRUE, "removing a section failed");
        Check(CutLineEnds(before, ReadFile()) >= 0, "removing a section changed more than the section");
        return 0;
    }
    if (operation == 2) {  // remove the key: at most its line goes
        Check(WritePrivateProfileStringA(section, key, nullptr, kFile) == TRUE, "removing a key failed");
        const int cut = CutLineEnds(before, ReadFile());
        Check(cut >= 0 && cut <= 1, "removing a key touched other lines");
        return 0;
    }

    Check(WritePrivateProfileStringA(section, key, value.text, kFile) == TRUE, "writing failed");
    const std::string after = ReadFile();
    Check(GetPrivateProfileIntA(section, key, kDefault, kFile) == value.number, "the written value does not read back");
    Check(OnlyTheKeyChanged(before, after), "writing touched other lines");

    Check(WritePrivateProfileStringA(section, key, value.text, kFile) == TRUE, "writing again failed");
    Check(ReadFile() == after, "writing the same value again changed the file");
    return 0;
}
