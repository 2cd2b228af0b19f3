#include "fuzz/cmdline_target.h"

#include "host/command_line.h"
#include "host/host.h"

#include <windows.h>

#include <charconv>
#include <cstring>

namespace quibac::fuzzing {

namespace {

// Longer digit runs would overflow the 64-bit reference reading below; the
// reader's own wrap is checked on every run up to this length.
constexpr size_t kLongestCheckedDigits = 19;

bool Inside(const char* p, const std::string& text) { return p >= text.data() && p <= text.data() + text.size(); }

// The text with the case of every ASCII letter turned round.
std::string OtherCase(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
        else if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    }
    return text;
}

std::string CheckHandle(const char* handleText) {
    size_t digits = 0;
    while (handleText[digits] >= '0' && handleText[digits] <= '9') ++digits;
    const uint32_t value = ParseWindowHandle(handleText);
    if (digits <= kLongestCheckedDigits) {
        uint64_t wide = 0;
        std::from_chars(handleText, handleText + digits, wide);
        if (value != uint32_t(wide)) return "the handle's digits read as another value";
    }
    const HWND window = WindowFromHandleValue(value);
    if (uint32_t(reinterpret_cast<uintptr_t>(window)) != value) return "the window handle lost bits of its value";
    // The fuzzing process makes no windows, so no handle names a live one,
    // and asking about any of them must be safe.
    if (IsWindow(window)) return "a made-up handle names a live window";
    return {};
}

std::string CheckMode(const std::string& text) {
    const ModeRequest win9x = ReadMode(text.c_str(), true);
    const ModeRequest other = ReadMode(text.c_str(), false);
    for (const ModeRequest& request : {win9x, other}) {
        const bool wantsHandle = request.mode == Mode::Preview || request.mode == Mode::ChangePassword;
        const bool noLetter = request.mode == Mode::Configure || request.mode == Mode::Unknown;
        if (wantsHandle && request.handleText == nullptr) return "a mode that needs a handle has none";
        if (noLetter && request.handleText != nullptr) return "a handle without a mode letter before it";
        if (request.handleText != nullptr && !Inside(request.handleText, text))
            return "the handle lies outside the text";
        if (request.handleText != nullptr && *request.handleText == ' ') return "spaces left before the handle";
    }
    if (win9x.mode == Mode::ChangePassword) {
        if (other.mode != Mode::Unknown) return "the password mode reads as another mode off Windows 95/98";
    } else if (win9x.mode != other.mode || win9x.handleText != other.handleText) {
        return "the platform changed a mode other than the password change";
    }
    const std::string flipped = OtherCase(text);
    if (ReadMode(flipped.c_str(), true).mode != win9x.mode) return "the letter's case changed the mode";
    if (win9x.mode == Mode::Preview || win9x.mode == Mode::ChangePassword) return CheckHandle(win9x.handleText);
    return {};
}

}  // namespace

std::string ReadCommandLine(const uint8_t* data, size_t size) {
    const std::string commandLine(reinterpret_cast<const char*>(data),
                                  strnlen(reinterpret_cast<const char*>(data), size));
    const char* afterName = SkipProgramName(commandLine.c_str());
    if (!Inside(afterName, commandLine)) return "the program name was skipped past the end";
    if (*afterName != '\0' && static_cast<unsigned char>(*afterName) <= ' ') return "a separator left after the name";

    const std::string commandText(afterName);
    if (std::string failure = CheckMode(commandText); !failure.empty()) return failure;

    // Modes that end without a window or a dialog run through the host too:
    // a preview whose parent is no live window, and an unknown letter.
    const Mode mode = ReadMode(commandText.c_str(), RunningOnWin9x()).mode;
    if (mode == Mode::Preview && HostMain(GetModuleHandleA(nullptr), commandText.c_str()) != kNoPreviewWindowExitCode)
        return "a preview of no window did not fail";
    if (mode == Mode::Unknown && HostMain(GetModuleHandleA(nullptr), commandText.c_str()) != kUnknownModeExitCode)
        return "an unknown mode did not fail";
    return {};
}

}  // namespace quibac::fuzzing
