// Libraries that tests provide, loaded by file name as LoadLibraryA loads a
// DLL: reference counted, with their entries found by name.
#include "internal.h"

#include <posix_windows.h>

#include <algorithm>
#include <memory>
#include <mutex>
#include <vector>

using namespace posix::detail;

namespace {

struct Library {
    std::string fileName;  // lower case, without a folder
    std::vector<std::pair<std::string, FARPROC>> entries;
    bool inProcess = false;  // provided as already loaded
    int loads = 0;           // LoadLibraryA calls not yet freed
    bool Loaded() const { return inProcess || loads > 0; }
};

struct LibraryState {
    std::mutex lock;
    std::vector<std::unique_ptr<Library>> libraries;
    int loadCalls = 0;
};

// The system's own library, always in the process, with the entries the
// saver looks up by name because not every Windows has them.
template <typename Function>
FARPROC AsEntry(Function function) {
    return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(function));
}

void AddSystemLibraries(LibraryState& s) {
    auto user = std::make_unique<Library>();
    user->fileName = "user32.dll";
    user->inProcess = true;
    user->entries = {{"EnumDisplayMonitors", AsEntry(&EnumDisplayMonitors)},
                     {"GetMonitorInfoA", AsEntry(&GetMonitorInfoA)}};
    s.libraries.push_back(std::move(user));
}

LibraryState& Libraries() {
    // Never destroyed: threads and exit-time checks may still look at it.
    static auto* state = [] {
        auto* s = new LibraryState();
        AddSystemLibraries(*s);
        return s;
    }();
    return *state;
}

using Guard = std::lock_guard<std::mutex>;

// The file name Windows matches: no folder, no case, and ".dll" when the
// name has no extension of its own.
std::string FileNameOf(const std::string& name) {
    const size_t slash = name.find_last_of("\\/");
    std::string file = LowerCase(slash == std::string::npos ? name : name.substr(slash + 1));
    if (file.find('.') == std::string::npos) file += ".dll";
    return file;
}

Library* Named(LibraryState& s, LPCSTR name) {
    if (name == nullptr) return nullptr;
    const std::string file = FileNameOf(name);
    for (auto& library : s.libraries)
        if (library->fileName == file) return library.get();
    return nullptr;
}

Library* ByHandle(LibraryState& s, HMODULE module) {
    for (auto& library : s.libraries)
        if (reinterpret_cast<HMODULE>(library.get()) == module) return library.get();
    return nullptr;
}

}  // namespace

namespace posix::detail {

HMODULE LoadedLibraryNamed(LPCSTR name) {
    LibraryState& s = Libraries();
    Guard guard(s.lock);
    Library* library = Named(s, name);
    return library != nullptr && library->Loaded() ? reinterpret_cast<HMODULE>(library) : nullptr;
}

void ResetLibraries() {
    LibraryState& s = Libraries();
    Guard guard(s.lock);
    s.libraries.clear();
    AddSystemLibraries(s);
    s.loadCalls = 0;
}

}  // namespace posix::detail

HMODULE WINAPI LoadLibraryA(LPCSTR lpLibFileName) {
    LibraryState& s = Libraries();
    Guard guard(s.lock);
    ++s.loadCalls;
    Library* library = Named(s, lpLibFileName);
    if (library == nullptr) return nullptr;
    ++library->loads;
    return reinterpret_cast<HMODULE>(library);
}

FARPROC WINAPI GetProcAddress(HMODULE hModule, LPCSTR lpProcName) {
    // Entries are found by name only, and names are matched exactly.
    if (lpProcName == nullptr || IS_INTRESOURCE(lpProcName)) return nullptr;
    LibraryState& s = Libraries();
    Guard guard(s.lock);
    const Library* library = ByHandle(s, hModule);
    if (library == nullptr || !library->Loaded()) return nullptr;
    for (const auto& [name, entry] : library->entries)
        if (name == lpProcName) return entry;
    return nullptr;
}

BOOL WINAPI FreeLibrary(HMODULE hLibModule) {
    LibraryState& s = Libraries();
    Guard guard(s.lock);
    Library* library = ByHandle(s, hLibModule);
    if (library == nullptr || !library->Loaded()) {
        // Windows fails it too, but a caller freeing what it never loaded
        // has lost track of a handle, which a test must hear about.
        posix::detail::ReportMisuse("FreeLibrary of a handle that is not a loaded library");
        return FALSE;
    }
    if (library->loads > 0) --library->loads;
    return TRUE;
}

namespace posix {

void ProvideLibrary(const std::string& name, std::vector<std::pair<std::string, FARPROC>> entries, bool loaded) {
    LibraryState& s = Libraries();
    Guard guard(s.lock);
    Library* library = Named(s, name.c_str());
    if (library == nullptr) {
        s.libraries.push_back(std::make_unique<Library>());
        library = s.libraries.back().get();
        library->fileName = FileNameOf(name);
    }
    library->entries = std::move(entries);
    library->inProcess = loaded;
}

int LibraryLoadCalls() {
    Guard guard(Libraries().lock);
    return Libraries().loadCalls;
}

int LoadedLibraries() {
    LibraryState& s = Libraries();
    Guard guard(s.lock);
    return int(std::count_if(s.libraries.begin(), s.libraries.end(),
                             [](const auto& library) { return !library->inProcess && library->loads > 0; }));
}

}  // namespace posix
