// Registry values that tests set, read back as RegOpenKeyA and
// RegQueryValueExA read them on Windows. A key exists once a value has been set
// under it; key paths and value names are compared without regard to case.
#include "internal.h"

#include <posix_windows.h>

#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <unordered_map>

using namespace posix::detail;

namespace {

// Windows' answer for a missing out-pointer that a call needs.
constexpr LSTATUS kErrorInvalidParameter = 87;

struct Value {
    std::vector<uint8_t> bytes;
    DWORD type = 0;
};

// A key: its root and its path below it, lower-cased, without surrounding
// backslashes.
struct KeyPath {
    HKEY root = nullptr;
    std::string path;
    bool operator<(const KeyPath& o) const { return root != o.root ? root < o.root : path < o.path; }
};

struct RegistryState {
    std::mutex lock;
    std::map<KeyPath, std::map<std::string, Value>> keys;
    std::unordered_map<HKEY, std::unique_ptr<KeyPath>> open;  // keys opened by RegOpenKeyA
    int calls = 0;
};

RegistryState& Registry() {
    // Never destroyed: threads and exit-time checks may still look at it.
    static auto* state = new RegistryState();
    return *state;
}

using Guard = std::lock_guard<std::mutex>;

std::string Lower(LPCSTR text) { return LowerCase(text != nullptr ? text : ""); }

std::string Normalized(const std::string& path) {
    std::string out = Lower(path.c_str());
    const size_t first = out.find_first_not_of('\\');
    if (first == std::string::npos) return {};
    return out.substr(first, out.find_last_not_of('\\') - first + 1);
}

std::string Joined(const std::string& parent, const std::string& child) {
    if (parent.empty()) return child;
    return child.empty() ? parent : parent + "\\" + child;
}

// Windows' predefined keys, HKEY_CLASSES_ROOT to HKEY_DYN_DATA, as their
// handles are made: a 32-bit value sign-extended to a pointer.
constexpr LONG kFirstRootKey = LONG(0x80000000u);
constexpr LONG kRootKeys = 7;

bool IsRoot(HKEY key) {
    const auto value = LONG_PTR(reinterpret_cast<ULONG_PTR>(key));
    return value >= kFirstRootKey && value < kFirstRootKey + kRootKeys;
}

// The key a handle stands for: a predefined root or a key opened before.
bool Resolve(RegistryState& r, HKEY key, KeyPath& out) {
    if (IsRoot(key)) {
        out = KeyPath{key, {}};
        return true;
    }
    auto it = r.open.find(key);
    if (it == r.open.end()) return false;
    out = *it->second;
    return true;
}

bool Exists(const RegistryState& r, const KeyPath& key) {
    if (key.path.empty()) return true;  // a root is always there
    for (auto it = r.keys.lower_bound(key); it != r.keys.end() && it->first.root == key.root; ++it) {
        const std::string& path = it->first.path;
        if (path.compare(0, key.path.size(), key.path) != 0) break;
        if (path.size() == key.path.size() || path[key.path.size()] == '\\') return true;
    }
    return false;
}

}  // namespace

namespace posix::detail {

void ResetRegistry() {
    RegistryState& r = Registry();
    Guard guard(r.lock);
    r.keys.clear();
    r.open.clear();
    r.calls = 0;
}

}  // namespace posix::detail

LSTATUS WINAPI RegOpenKeyA(HKEY hKey, LPCSTR lpSubKey, PHKEY phkResult) {
    RegistryState& r = Registry();
    Guard guard(r.lock);
    ++r.calls;
    if (phkResult == nullptr) return kErrorInvalidParameter;
    KeyPath parent;
    if (!Resolve(r, hKey, parent)) return ERROR_INVALID_HANDLE;
    const KeyPath key{parent.root, Joined(parent.path, Normalized(lpSubKey != nullptr ? lpSubKey : ""))};
    if (!Exists(r, key)) return ERROR_FILE_NOT_FOUND;
    auto opened = std::make_unique<KeyPath>(key);
    *phkResult = reinterpret_cast<HKEY>(opened.get());
    r.open[*phkResult] = std::move(opened);
    return ERROR_SUCCESS;
}

LSTATUS WINAPI RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD, LPDWORD lpType, LPBYTE lpData,
                                LPDWORD lpcbData) {
    RegistryState& r = Registry();
    Guard guard(r.lock);
    ++r.calls;
    KeyPath key;
    if (!Resolve(r, hKey, key)) return ERROR_INVALID_HANDLE;
    if (lpData != nullptr && lpcbData == nullptr) return kErrorInvalidParameter;
    auto values = r.keys.find(key);
    if (values == r.keys.end()) return ERROR_FILE_NOT_FOUND;
    auto found = values->second.find(Lower(lpValueName));
    if (found == values->second.end()) return ERROR_FILE_NOT_FOUND;
    const Value& value = found->second;
    if (lpType != nullptr) *lpType = value.type;
    if (lpcbData == nullptr) return ERROR_SUCCESS;
    const DWORD size = DWORD(value.bytes.size());
    // Too small a buffer is left as it was; the caller learns the size.
    const bool fits = *lpcbData >= size;
    *lpcbData = size;
    if (lpData == nullptr) return ERROR_SUCCESS;
    if (!fits) return ERROR_MORE_DATA;
    if (size > 0) std::memcpy(lpData, value.bytes.data(), size);
    return ERROR_SUCCESS;
}

LSTATUS WINAPI RegCloseKey(HKEY hKey) {
    RegistryState& r = Registry();
    Guard guard(r.lock);
    ++r.calls;
    if (IsRoot(hKey)) return ERROR_SUCCESS;
    return r.open.erase(hKey) != 0 ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

namespace posix {

void SetRegistryValue(HKEY root, const std::string& key, const std::string& name, std::vector<uint8_t> bytes,
                      DWORD type) {
    RegistryState& r = Registry();
    Guard guard(r.lock);
    r.keys[KeyPath{root, Normalized(key)}][Lower(name.c_str())] = Value{std::move(bytes), type};
}

int RegistryCalls() {
    Guard guard(Registry().lock);
    return Registry().calls;
}

int OpenRegistryKeys() {
    Guard guard(Registry().lock);
    return int(Registry().open.size());
}

}  // namespace posix
