// Stands in for the display settings page that hosts a saver's preview: a
// plain top-level window whose client area is the preview's parent, the saver
// started into it with /p, and a control folder through which the suite
// tells it to close the preview and learns how the saver ended.
//
//   preview_host <scr> <width> <height> <control-folder>
//
// Writes <control-folder>/parent (the parent's handle, decimal) once the
// window is made and <control-folder>/exit (the saver's exit code, decimal)
// once the saver has ended; a file named close in the folder makes it post
// WM_CLOSE to the saver's window, and a file named help makes it ask the
// preview for help on itself, as the settings page's "What's this?" help does:
// it sends WM_HELP with the preview's handle and the preview's centre. Every
// WM_CONTEXTMENU and WM_HELP the parent receives (the preview hands them on
// to it) adds a line to <control-folder>/forwarded, WM_HELP with what it
// carried: "WM_HELP <wParam> <hItemHandle> <x> <y>"; <control-folder>/asked
// holds "<hItemHandle> <x> <y>" as the request left. As the preview hands
// them on while it works through its input in order, such a line also shows
// that the input before it was dealt with.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int kParentX = 200;
constexpr int kParentY = 150;
// How long the help request may take; the preview hands it on within that.
constexpr UINT kHelpAnswerLimitMs = 20000;
// A flat colour the preview covers: where it still shows, the saver drew nothing.
constexpr COLORREF kParentColour = RGB(0, 64, 128);
constexpr DWORD kPollMs = 50;
// Far beyond any test's own deadline: only a saver that ignores WM_CLOSE and
// a suite that died meanwhile come this far.
constexpr DWORD kRunLimitMs = 180000;
constexpr const char kParentClass[] = "QuibacPreviewHost";
constexpr const char kSaverClass[] = "WindowsScreenSaverClass";

constexpr int kUsageError = 2;
constexpr int kStartError = 3;
constexpr int kTimedOut = 4;

// The control folder, for the window procedure.
std::string gFolder;

struct Arguments {
    std::string saver;
    int width;
    int height;
    std::string folder;
};

// Written beside and moved into place, so that the suite never reads half a file.
bool WriteControlFile(const std::string& folder, const char* name, const std::string& text) {
    const std::string path = folder + "\\" + name;
    const std::string partial = path + ".partial";
    FILE* file = std::fopen(partial.c_str(), "wb");
    if (file == nullptr) return false;
    const bool written = std::fputs(text.c_str(), file) >= 0;
    if (std::fclose(file) != 0 || !written) return false;
    return MoveFileExA(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

bool ControlFileExists(const std::string& folder, const char* name) {
    return GetFileAttributesA((folder + "\\" + name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void RecordForwarded(const std::string& what) {
    const std::string path = gFolder + "\\forwarded";
    FILE* file = std::fopen(path.c_str(), "ab");
    if (file == nullptr) return;
    std::fprintf(file, "%s\n", what.c_str());
    std::fclose(file);
}

std::string HandleText(const void* handle) {
    return std::to_string(static_cast<uint32_t>(reinterpret_cast<uintptr_t>(handle)));
}

// What a WM_HELP from another process carried, as Windows copied it across.
std::string DescribeHelp(WPARAM wParam, LPARAM lParam) {
    const auto* help = reinterpret_cast<const HELPINFO*>(lParam);
    std::string text = "WM_HELP " + HandleText(reinterpret_cast<const void*>(wParam));
    if (help == nullptr || help->cbSize != sizeof(HELPINFO)) return text + " no-help-info";
    return text + " " + HandleText(help->hItemHandle) + " " + std::to_string(help->MousePos.x) + " " +
           std::to_string(help->MousePos.y);
}

LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CONTEXTMENU: RecordForwarded("WM_CONTEXTMENU"); return 0;
    case WM_HELP: RecordForwarded(DescribeHelp(wParam, lParam)); return TRUE;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

// Sent, and waited for: meanwhile the preview's hand-on reaches ParentProc.
void AskForHelp(HWND preview, const std::string& folder) {
    RECT area{};
    GetWindowRect(preview, &area);
    HELPINFO help{};
    help.cbSize = sizeof help;
    help.iContextType = HELPINFO_WINDOW;
    help.iCtrlId = GetDlgCtrlID(preview);
    help.hItemHandle = preview;
    help.MousePos = {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
    WriteControlFile(
        folder, "asked",
        HandleText(preview) + " " + std::to_string(help.MousePos.x) + " " + std::to_string(help.MousePos.y));
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(preview, WM_HELP, 0, reinterpret_cast<LPARAM>(&help), SMTO_NORMAL, kHelpAnswerLimitMs, &answer);
}

HWND MakeParent(HINSTANCE instance, int width, int height) {
    WNDCLASSA parentClass{};
    parentClass.lpfnWndProc = ParentProc;
    parentClass.hInstance = instance;
    parentClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    parentClass.hbrBackground = CreateSolidBrush(kParentColour);
    parentClass.lpszClassName = kParentClass;
    if (RegisterClassA(&parentClass) == 0) return nullptr;
    // A popup has no frame, so its client area is the whole window.
    constexpr DWORD kStyle = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN;
    return CreateWindowExA(0, kParentClass, "Preview host", kStyle, kParentX, kParentY, width, height, nullptr, nullptr,
                           instance, nullptr);
}

bool StartSaver(const std::string& saver, HWND parent, PROCESS_INFORMATION& process) {
    const auto handleValue = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(parent));
    std::string commandLine = "\"" + saver + "\" /p " + std::to_string(handleValue);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    return CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process) != 0;
}

void PumpMessages() {
    MSG message{};
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// Runs until the saver ends; the help and close files act once the saver's
// window is there to take them.
bool HostUntilSaverEnds(HANDLE saver, HWND parent, const std::string& folder) {
    const DWORD started = GetTickCount();
    bool closeSent = false;
    bool helpAsked = false;
    for (;;) {
        if (MsgWaitForMultipleObjects(1, &saver, FALSE, kPollMs, QS_ALLINPUT) == WAIT_OBJECT_0) return true;
        PumpMessages();
        HWND preview = FindWindowExA(parent, nullptr, kSaverClass, nullptr);
        if (!helpAsked && preview != nullptr && ControlFileExists(folder, "help")) {
            AskForHelp(preview, folder);
            helpAsked = true;
        }
        if (!closeSent && preview != nullptr && ControlFileExists(folder, "close"))
            closeSent = PostMessageA(preview, WM_CLOSE, 0, 0) != 0;
        if (GetTickCount() - started > kRunLimitMs) return false;
    }
}

bool ReadArguments(int argc, char** argv, Arguments& arguments) {
    if (argc != 5) return false;
    arguments = {argv[1], std::atoi(argv[2]), std::atoi(argv[3]), argv[4]};
    return arguments.width > 0 && arguments.height > 0;
}

}  // namespace

int main(int argc, char** argv) {
    Arguments arguments;
    if (!ReadArguments(argc, argv, arguments)) {
        std::fprintf(stderr, "usage: preview_host <scr> <width> <height> <control-folder>\n");
        return kUsageError;
    }
    gFolder = arguments.folder;
    HWND parent = MakeParent(GetModuleHandleA(nullptr), arguments.width, arguments.height);
    if (parent == nullptr) {
        std::fprintf(stderr, "preview_host: cannot make the parent window (error %lu)\n", GetLastError());
        return kStartError;
    }
    const auto handleValue = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(parent));
    PROCESS_INFORMATION process{};
    if (!WriteControlFile(arguments.folder, "parent", std::to_string(handleValue)) ||
        !StartSaver(arguments.saver, parent, process)) {
        std::fprintf(stderr, "preview_host: cannot start %s (error %lu)\n", arguments.saver.c_str(), GetLastError());
        return kStartError;
    }
    if (!HostUntilSaverEnds(process.hProcess, parent, arguments.folder)) {
        std::fprintf(stderr, "preview_host: the saver still ran after %lu ms; terminated\n", kRunLimitMs);
        TerminateProcess(process.hProcess, UINT(kTimedOut));
        return kTimedOut;
    }
    DWORD exitCode = 0;
    GetExitCodeProcess(process.hProcess, &exitCode);
    WriteControlFile(arguments.folder, "exit", std::to_string(exitCode));
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    DestroyWindow(parent);
    return 0;
}
