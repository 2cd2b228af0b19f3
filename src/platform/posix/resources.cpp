// Executable resources from an embedded table. Each module is a list of
// resources; names and types are text (compared without regard to case, as
// FindResourceA does) or small integers, and one name may come in several
// languages, of which the locale's is found.
#include "internal.h"
#include "resource_languages.h"

#include <posix_control.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_set>

namespace {

// A resource identifier: either an integer id or an upper-cased name.
struct ResourceId {
    bool isInteger = false;
    int id = 0;
    std::string name;

    static ResourceId From(LPCSTR text) {
        ResourceId r;
        if (IS_INTRESOURCE(text)) {
            r.isInteger = true;
            r.id = int(reinterpret_cast<ULONG_PTR>(text));
            return r;
        }
        if (text[0] == '#') {  // "#123" names integer resource 123, as on Windows
            r.isInteger = true;
            r.id = std::atoi(text + 1);
            return r;
        }
        for (const char* p = text; *p != '\0'; ++p)
            r.name.push_back(char(std::toupper(static_cast<unsigned char>(*p))));
        return r;
    }
    static ResourceId From(const char* text, int id) {
        return text != nullptr ? From(text) : From(MAKEINTRESOURCEA(id));
    }
    bool operator==(const ResourceId& o) const {
        return isInteger == o.isInteger && (isInteger ? id == o.id : name == o.name);
    }
};

struct Resource {
    ResourceId type;
    ResourceId name;
    std::vector<uint8_t> owned;  // resources added by tests
    const uint8_t* data = nullptr;
    size_t size = 0;
    WORD language = 0;
};

struct Module {
    std::vector<std::unique_ptr<Resource>> resources;
};

std::mutex& ResourceLock() {
    // Never destroyed: threads and exit-time checks may still look at it.
    static auto* lock = new std::mutex();
    return *lock;
}

std::unordered_set<Module*>& Modules() {
    // Never destroyed: threads and exit-time checks may still look at it.
    static auto* modules = new std::unordered_set<Module*>();
    return *modules;
}

Module* MainModuleObject() {
    static Module* main = [] {
        auto* m = new Module();
        Modules().insert(m);
        return m;
    }();
    return main;
}

Module* LookupModule(HMODULE module) {
    auto* m = reinterpret_cast<Module*>(module);
    return Modules().count(m) != 0 ? m : nullptr;
}

// A handle to a resource is its record; records live as long as their module.
Resource* LookupResource(HMODULE module, const void* handle) {
    Module* m = LookupModule(module);
    if (m == nullptr) {
        // LoadResource may be given no module; search them all.
        for (Module* any : Modules())
            for (auto& r : any->resources)
                if (r.get() == handle) return r.get();
        return nullptr;
    }
    for (auto& r : m->resources)
        if (r.get() == handle) return r.get();
    return nullptr;
}

}  // namespace

namespace {

// The resource of that type and name whose language choose picks among its
// languages.
template <typename Choose>
HRSRC Find(HMODULE hModule, LPCSTR lpName, LPCSTR lpType, Choose choose) {
    if (lpName == nullptr || lpType == nullptr) return nullptr;
    std::lock_guard<std::mutex> guard(ResourceLock());
    Module* m = hModule == nullptr ? MainModuleObject() : LookupModule(hModule);
    if (m == nullptr) return nullptr;
    const ResourceId name = ResourceId::From(lpName);
    const ResourceId type = ResourceId::From(lpType);
    std::vector<Resource*> found;
    std::vector<WORD> languages;
    for (auto& r : m->resources)
        if (r->type == type && r->name == name) {
            found.push_back(r.get());
            languages.push_back(r->language);
        }
    if (found.empty()) return nullptr;
    return reinterpret_cast<HRSRC>(found[choose(languages)]);
}

}  // namespace

HRSRC WINAPI FindResourceA(HMODULE hModule, LPCSTR lpName, LPCSTR lpType) {
    return Find(hModule, lpName, lpType, [](const std::vector<WORD>& languages) {
        return posix::detail::ChooseLanguage(languages, posix::detail::WantedLanguages());
    });
}

HRSRC WINAPI FindResourceExA(HMODULE hModule, LPCSTR lpType, LPCSTR lpName, WORD wLanguage) {
    return Find(hModule, lpName, lpType, [wLanguage](const std::vector<WORD>& languages) {
        // The language asked for, else the choice FindResourceA makes for a
        // user of that primary language; the neutral one asks for the user's.
        for (size_t i = 0; i < languages.size(); ++i)
            if (wLanguage != LANG_NEUTRAL && languages[i] == wLanguage) return i;
        return posix::detail::ChooseLanguage(languages, wLanguage != LANG_NEUTRAL
                                                            ? std::vector<WORD>{WORD(PRIMARYLANGID(wLanguage))}
                                                            : posix::detail::WantedLanguages());
    });
}

HGLOBAL WINAPI LoadResource(HMODULE hModule, HRSRC hResInfo) {
    std::lock_guard<std::mutex> guard(ResourceLock());
    return LookupResource(hModule, hResInfo);
}

LPVOID WINAPI LockResource(HGLOBAL hResData) {
    if (hResData == nullptr) return nullptr;
    std::lock_guard<std::mutex> guard(ResourceLock());
    Resource* r = LookupResource(nullptr, hResData);
    return r != nullptr ? const_cast<uint8_t*>(r->data) : nullptr;
}

DWORD WINAPI SizeofResource(HMODULE hModule, HRSRC hResInfo) {
    std::lock_guard<std::mutex> guard(ResourceLock());
    Resource* r = LookupResource(hModule, hResInfo);
    return r != nullptr ? DWORD(r->size) : 0;
}

BOOL WINAPI FreeResource(HGLOBAL) { return FALSE; }  // resources live as long as their module

HMODULE WINAPI GetModuleHandleA(LPCSTR lpModuleName) {
    // A name finds a library already in the process, never the executable.
    if (lpModuleName != nullptr) return posix::detail::LoadedLibraryNamed(lpModuleName);
    std::lock_guard<std::mutex> guard(ResourceLock());
    return reinterpret_cast<HMODULE>(MainModuleObject());
}

namespace posix {

HMODULE MainModule() { return GetModuleHandleA(nullptr); }

HMODULE CreateResourceModule() {
    std::lock_guard<std::mutex> guard(ResourceLock());
    auto* m = new Module();
    Modules().insert(m);
    return reinterpret_cast<HMODULE>(m);
}

void DestroyResourceModule(HMODULE module) {
    std::lock_guard<std::mutex> guard(ResourceLock());
    Module* m = LookupModule(module);
    if (m == nullptr || m == MainModuleObject()) return;
    Modules().erase(m);
    delete m;
}

void AddResource(HMODULE module, LPCSTR type, LPCSTR name, std::vector<uint8_t> bytes, WORD language) {
    std::lock_guard<std::mutex> guard(ResourceLock());
    Module* m = LookupModule(module);
    if (m == nullptr) return;
    auto r = std::make_unique<Resource>();
    r->type = ResourceId::From(type);
    r->name = ResourceId::From(name);
    r->owned = std::move(bytes);
    r->data = r->owned.data();
    r->size = r->owned.size();
    r->language = language;
    m->resources.push_back(std::move(r));
}

void RegisterEmbeddedResources(const EmbeddedResource* table, size_t count) {
    std::lock_guard<std::mutex> guard(ResourceLock());
    Module* m = MainModuleObject();
    for (size_t i = 0; i < count; ++i) {
        auto r = std::make_unique<Resource>();
        r->type = ResourceId::From(table[i].type, table[i].typeId);
        r->name = ResourceId::From(table[i].name, table[i].nameId);
        r->data = table[i].data;
        r->size = table[i].size;
        r->language = table[i].language;
        m->resources.push_back(std::move(r));
    }
}

std::vector<WORD> ResourceLanguages(HMODULE module) {
    std::lock_guard<std::mutex> guard(ResourceLock());
    std::vector<WORD> primaries;
    Module* m = LookupModule(module);
    if (m == nullptr) return primaries;
    for (auto& r : m->resources) {
        const WORD primary = PRIMARYLANGID(r->language);
        if (std::find(primaries.begin(), primaries.end(), primary) == primaries.end()) primaries.push_back(primary);
    }
    return primaries;
}

}  // namespace posix
