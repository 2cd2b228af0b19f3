// Sends one message, from a process of its own, to the window of a given
// class and title: what any other program on the desktop can do to the
// saver's window, the messages of the window's own life included.
//
//   send_message <class> <title> <message> [wParam] [lParam]
//
// The numbers are decimal or 0x hexadecimal. Prints "result N" (the window's
// answer) and exits 0 once the window has answered; exits 1 when there is no
// such window or it did not answer in time.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

// A saver that hangs on the message must not hang the suite with it.
constexpr UINT kAnswerLimitMs = 10000;

constexpr int kNoAnswer = 1;
constexpr int kUsageError = 2;

bool ReadNumber(const char* text, unsigned long long& value) {
    char* end = nullptr;
    value = std::strtoull(text, &end, 0);
    return end != text && *end == '\0';
}

}  // namespace

int main(int argc, char** argv) {
    unsigned long long message = 0, wParam = 0, lParam = 0;
    if (argc < 4 || argc > 6 || !ReadNumber(argv[3], message) || (argc > 4 && !ReadNumber(argv[4], wParam)) ||
        (argc > 5 && !ReadNumber(argv[5], lParam))) {
        std::fprintf(stderr, "usage: send_message <class> <title> <message> [wParam] [lParam]\n");
        return kUsageError;
    }
    HWND window = FindWindowA(argv[1], argv[2]);
    if (window == nullptr) {
        std::fprintf(stderr, "send_message: no window of class %s titled %s\n", argv[1], argv[2]);
        return kNoAnswer;
    }
    DWORD_PTR result = 0;
    if (SendMessageTimeoutA(window, UINT(message), WPARAM(wParam), LPARAM(lParam), SMTO_ABORTIFHUNG, kAnswerLimitMs,
                            &result) == 0) {
        std::fprintf(stderr, "send_message: no answer (error %lu)\n", GetLastError());
        return kNoAnswer;
    }
    std::printf("result %llu\n", static_cast<unsigned long long>(result));
    return 0;
}
