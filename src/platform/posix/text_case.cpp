// Names that Windows compares without regard to case: window classes, titles,
// dialog control classes, registry keys, library file names.
#include "internal.h"

#include <cctype>

namespace posix::detail {

bool SameTextIgnoringCase(const std::string& a, LPCSTR b) {
    if (b == nullptr) return false;
    size_t i = 0;
    for (; i < a.size() && b[i] != '\0'; ++i) {
        const int x = std::tolower(static_cast<unsigned char>(a[i]));
        if (x != std::tolower(static_cast<unsigned char>(b[i]))) return false;
    }
    return i == a.size() && b[i] == '\0';
}

std::string LowerCase(std::string text) {
    for (char& c : text) c = char(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace posix::detail
