// Reads what a dialog shows, for the suite: waits for a visible dialog (class
// #32770) to come up, then writes its caption and each control's id and text
// into a file, a line each in UTF-8, a control's line breaks written as \n.
//
//   window_texts <output-file> [<timeout-ms>]
//
// The caption comes first; then "<id> <text>" for each control in the order
// the dialog holds them. Exits 0 once written, 2 for a bad command line, 3
// when no dialog came up in time, 4 when the file cannot be written.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr DWORD kPollMs = 50;
constexpr DWORD kDefaultTimeoutMs = 30000;
constexpr int kTextLimit = 1024;
constexpr int kUsageError = 2;
constexpr int kNoDialog = 3;
constexpr int kWriteError = 4;

std::string Utf8(const wchar_t* text) {
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 1) return "";
    std::string out(size_t(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), bytes, nullptr, nullptr);
    out.pop_back();
    return out;
}

std::string TextOf(HWND window) {
    wchar_t text[kTextLimit] = {};
    GetWindowTextW(window, text, kTextLimit);
    std::string line;
    for (char c : Utf8(text)) line += c == '\n' ? std::string("\\n") : std::string(1, c);
    return line;
}

BOOL CALLBACK FindDialog(HWND window, LPARAM found) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (IsWindowVisible(window) && std::wstring(name) == L"#32770") {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK AddControl(HWND control, LPARAM lines) {
    auto* out = reinterpret_cast<std::vector<std::string>*>(lines);
    out->push_back(std::to_string(int(short(GetDlgCtrlID(control)))) + " " + TextOf(control));
    return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: window_texts <output-file> [<timeout-ms>]\n");
        return kUsageError;
    }
    const DWORD timeout = argc == 3 ? DWORD(std::strtoul(argv[2], nullptr, 10)) : kDefaultTimeoutMs;
    HWND dialog = nullptr;
    for (DWORD waited = 0; dialog == nullptr; waited += kPollMs) {
        EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&dialog));
        if (dialog != nullptr) break;
        if (waited >= timeout) return kNoDialog;
        Sleep(kPollMs);
    }
    std::vector<std::string> lines = {TextOf(dialog)};
    EnumChildWindows(dialog, AddControl, reinterpret_cast<LPARAM>(&lines));
    FILE* file = std::fopen(argv[1], "wb");
    if (file == nullptr) return kWriteError;
    for (const std::string& line : lines) std::fprintf(file, "%s\n", line.c_str());
    return std::fclose(file) == 0 ? 0 : kWriteError;
}
