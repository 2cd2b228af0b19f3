#include "host/command_line.h"

#include <array>

namespace quibac {

namespace {

constexpr char kQuote = '"';
constexpr unsigned char kLastBlank = 32;  // characters 1..32 separate words

bool IsBlank(char c) { return c != '\0' && static_cast<unsigned char>(c) <= kLastBlank; }

const char* Next(const char* p) { return CharNextA(p); }

struct ModeLetter {
    char letter;  // lower case; upper case asks for the same
    Mode mode;
};

constexpr std::array<ModeLetter, 5> kModeLetters{{
    {'s', Mode::FullScreen},
    {'c', Mode::ConfigureOwned},
    {'p', Mode::Preview},
    {'l', Mode::Preview},
    {'a', Mode::ChangePassword},
}};

bool IsSeparator(char c) { return c == ' ' || c == '-' || c == '/'; }

// Only the 26 ASCII letters have an upper case here: the mode letters are
// ASCII, and a character above 127 must never turn into one.
char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

const char* SkipSpaces(const char* p) {
    while (*p == ' ') ++p;
    return p;
}

}  // namespace

const char* SkipProgramName(const char* commandLine) {
    const char* p = commandLine;
    if (*p == kQuote) {
        p = Next(p);
        while (*p != '\0' && *p != kQuote) p = Next(p);
        if (*p == kQuote) p = Next(p);
    } else if (static_cast<unsigned char>(*p) > kLastBlank) {
        while (*p != '\0' && !IsBlank(*p)) p = Next(p);
    }
    while (IsBlank(*p)) p = Next(p);
    return p;
}

ModeRequest ReadMode(const char* commandText, bool isWin9x) {
    const char* p = commandText;
    while (IsSeparator(*p)) ++p;
    if (*p == '\0') return {Mode::Configure, nullptr};
    const char letter = AsciiLower(*p);
    for (const ModeLetter& row : kModeLetters) {
        if (row.letter != letter) continue;
        if (row.mode == Mode::ChangePassword && !isWin9x) return {Mode::Unknown, nullptr};
        return {row.mode, SkipSpaces(p + 1)};
    }
    return {Mode::Unknown, nullptr};
}

uint32_t ParseWindowHandle(const char* text) {
    uint32_t value = 0;
    for (const char* p = text; *p >= '0' && *p <= '9'; ++p) value = value * 10u + uint32_t(*p - '0');
    return value;
}

HWND WindowFromHandleValue(uint32_t value) {
    return reinterpret_cast<HWND>(static_cast<intptr_t>(static_cast<int32_t>(value)));
}

}  // namespace quibac
