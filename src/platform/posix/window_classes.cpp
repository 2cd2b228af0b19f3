// Window classes: registered per instance under a name that Windows compares
// without regard to case, each with the procedure its windows start with.
#include "internal.h"

#include <memory>
#include <mutex>
#include <string>
#include <vector>

using namespace posix::detail;

namespace {

// Atoms of registered classes start where Windows' string atoms start.
constexpr ATOM kFirstClassAtom = 0xC000;

struct ClassTable {
    std::mutex lock;
    std::vector<WindowClass> classes;
    ATOM nextAtom = kFirstClassAtom;
};

ClassTable& Table() {
    // Never destroyed: threads and exit-time checks may still look at it.
    static auto* table = new ClassTable();
    return *table;
}

bool Names(const WindowClass& c, LPCSTR nameOrAtom) {
    if (IS_INTRESOURCE(nameOrAtom)) return c.atom == ATOM(reinterpret_cast<ULONG_PTR>(nameOrAtom));
    return SameTextIgnoringCase(c.name, nameOrAtom);
}

}  // namespace

ATOM WINAPI RegisterClassA(const WNDCLASSA* lpWndClass) {
    if (lpWndClass == nullptr || lpWndClass->lpfnWndProc == nullptr || lpWndClass->lpszClassName == nullptr ||
        IS_INTRESOURCE(lpWndClass->lpszClassName) || lpWndClass->lpszClassName[0] == '\0')
        return 0;
    ClassTable& t = Table();
    std::lock_guard<std::mutex> guard(t.lock);
    for (const WindowClass& c : t.classes)
        if (c.instance == lpWndClass->hInstance && Names(c, lpWndClass->lpszClassName)) return 0;  // already there
    WindowClass c;
    c.atom = t.nextAtom++;
    c.name = lpWndClass->lpszClassName;
    c.procedure = lpWndClass->lpfnWndProc;
    c.instance = lpWndClass->hInstance;
    c.background = lpWndClass->hbrBackground;
    c.record = *lpWndClass;
    if (lpWndClass->lpszMenuName != nullptr && !IS_INTRESOURCE(lpWndClass->lpszMenuName)) {
        c.menuName = std::make_shared<const std::string>(lpWndClass->lpszMenuName);
        c.record.lpszMenuName = c.menuName->c_str();
    }
    t.classes.push_back(c);
    return c.atom;
}

BOOL WINAPI GetClassInfoA(HINSTANCE hInstance, LPCSTR lpClassName, LPWNDCLASSA lpWndClass) {
    if (lpClassName == nullptr || lpWndClass == nullptr) return FALSE;
    ClassTable& t = Table();
    std::lock_guard<std::mutex> guard(t.lock);
    // Only the instance's own classes: the layer has no system classes.
    for (const WindowClass& c : t.classes) {
        if (c.instance != hInstance || !Names(c, lpClassName)) continue;
        *lpWndClass = c.record;
        lpWndClass->lpszClassName = lpClassName;
        return TRUE;
    }
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
}

BOOL WINAPI UnregisterClassA(LPCSTR lpClassName, HINSTANCE hInstance) {
    if (lpClassName == nullptr) return FALSE;
    ClassTable& t = Table();
    std::lock_guard<std::mutex> guard(t.lock);
    for (auto it = t.classes.begin(); it != t.classes.end(); ++it) {
        if (it->instance != hInstance || !Names(*it, lpClassName)) continue;
        t.classes.erase(it);
        return TRUE;
    }
    return FALSE;
}

namespace posix::detail {

bool FindWindowClass(LPCSTR nameOrAtom, HINSTANCE instance, WindowClass& found) {
    if (nameOrAtom == nullptr) return false;
    ClassTable& t = Table();
    std::lock_guard<std::mutex> guard(t.lock);
    const WindowClass* any = nullptr;
    for (const WindowClass& c : t.classes) {
        if (!Names(c, nameOrAtom)) continue;
        if (c.instance == instance) {
            found = c;
            return true;
        }
        if (any == nullptr) any = &c;
    }
    if (any == nullptr) return false;
    found = *any;
    return true;
}

void ResetWindowClasses() {
    ClassTable& t = Table();
    std::lock_guard<std::mutex> guard(t.lock);
    t.classes.clear();
}

}  // namespace posix::detail
