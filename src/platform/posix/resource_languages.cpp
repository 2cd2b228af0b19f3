// The locale's languages, from the variables gettext reads and in its order,
// and the choice among a resource's languages that Windows makes.
#include "resource_languages.h"

#include <posix_resources.h>

#include <cstdlib>
#include <mutex>

namespace {

struct LocaleLanguage {
    const char* code;  // ISO 639 code, as locale names begin
    WORD primary;
};

// Norwegian, Bokmål and Nynorsk share Windows' primary language.
constexpr LocaleLanguage kLocaleLanguages[] = {
    {"cs", LANG_CZECH},   {"da", LANG_DANISH},     {"de", LANG_GERMAN},    {"en", LANG_ENGLISH},
    {"es", LANG_SPANISH}, {"fi", LANG_FINNISH},    {"fr", LANG_FRENCH},    {"it", LANG_ITALIAN},
    {"nl", LANG_DUTCH},   {"nb", LANG_NORWEGIAN},  {"nn", LANG_NORWEGIAN}, {"no", LANG_NORWEGIAN},
    {"pl", LANG_POLISH},  {"pt", LANG_PORTUGUESE}, {"sv", LANG_SWEDISH},
};

std::mutex& PinLock() {
    // Never destroyed: threads may look up resources during exit.
    static auto* lock = new std::mutex();
    return *lock;
}

std::string& Pinned() {
    static auto* pinned = new std::string();
    return *pinned;
}

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// The C locale speaks the program's own language.
bool IsPlainLocale(const std::string& locale) {
    return locale.empty() || locale == "C" || locale == "POSIX" || locale.rfind("C.", 0) == 0;
}

void Add(std::vector<WORD>& wanted, WORD primary) {
    if (primary == LANG_NEUTRAL) return;
    for (WORD w : wanted)
        if (w == primary) return;
    wanted.push_back(primary);
}

}  // namespace

namespace posix {

void SetResourceLocale(const std::string& locale) {
    std::lock_guard<std::mutex> guard(PinLock());
    Pinned() = locale;
}

WORD PrimaryLanguageOfLocale(const std::string& locale) {
    // language[_territory][.codeset][@modifier]
    const std::string code = locale.substr(0, locale.find_first_of("_.@-"));
    for (const LocaleLanguage& l : kLocaleLanguages)
        if (code == l.code) return l.primary;
    return LANG_NEUTRAL;
}

}  // namespace posix

namespace posix::detail {

std::vector<WORD> WantedLanguages() {
    std::vector<WORD> wanted;
    {
        std::lock_guard<std::mutex> guard(PinLock());
        if (!Pinned().empty()) {
            Add(wanted, PrimaryLanguageOfLocale(Pinned()));
            return wanted;
        }
    }
    std::string locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = Variable(name);
        if (!locale.empty()) break;
    }
    if (IsPlainLocale(locale)) return wanted;
    const std::string list = Variable("LANGUAGE");
    for (size_t from = 0; from <= list.size();) {
        const size_t colon = std::min(list.find(':', from), list.size());
        Add(wanted, PrimaryLanguageOfLocale(list.substr(from, colon - from)));
        from = colon + 1;
    }
    Add(wanted, PrimaryLanguageOfLocale(locale));
    return wanted;
}

size_t ChooseLanguage(const std::vector<WORD>& languages, const std::vector<WORD>& wanted) {
    auto find = [&](auto matches) -> size_t {
        for (size_t i = 0; i < languages.size(); ++i)
            if (matches(languages[i])) return i;
        return languages.size();
    };
    // What every language shares comes first, then the user's languages in
    // their order, then English.
    if (size_t i = find([](WORD l) { return l == MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL); }); i < languages.size())
        return i;
    for (WORD primary : wanted)
        if (size_t i = find([primary](WORD l) { return PRIMARYLANGID(l) == primary; }); i < languages.size()) return i;
    if (size_t i = find([](WORD l) { return PRIMARYLANGID(l) == LANG_ENGLISH; }); i < languages.size()) return i;
    // Else the lowest language, which is where a resource directory starts.
    size_t lowest = 0;
    for (size_t i = 1; i < languages.size(); ++i)
        if (languages[i] < languages[lowest]) lowest = i;
    return lowest;
}

}  // namespace posix::detail
