#include "languages.h"

#include "resource_files.h"

#include <sstream>
#include <stdexcept>

namespace artgen {

namespace {

constexpr char kReferenceCode[] = "en";
constexpr char kCountPlaceholder[] = "{n}";

std::string Trim(const std::string& s) {
    const size_t first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    const size_t last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}

Font FaceNamed(const std::string& name, const std::string& where) {
    if (name == "Lobster") return Font::Script;
    if (name == "Kaushan Script") return Font::Brush;
    throw std::runtime_error(where + ": no typeface called \"" + name + "\" (Lobster or Kaushan Script)");
}

// A million and its multiples take their own form in the Romance languages;
// a count of days never reaches one, but the rule is the language's.
bool MillionMultiple(int n) { return n != 0 && n % 1000000 == 0; }

std::string Replace(std::string text, const std::string& what, const std::string& with) {
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
    return text;
}

}  // namespace

const char* CategoryName(PluralCategory category) {
    switch (category) {
    case PluralCategory::Zero: return "zero";
    case PluralCategory::One: return "one";
    case PluralCategory::Two: return "two";
    case PluralCategory::Few: return "few";
    case PluralCategory::Many: return "many";
    case PluralCategory::Other: return "other";
    }
    return "other";
}

const std::string& Language::Text(const std::string& key) const {
    const auto it = strings.find(key);
    if (it == strings.end()) throw std::runtime_error("strings.txt: [" + code + "] has no " + key);
    return it->second;
}

const std::string& Language::Text(const std::string& key, PluralCategory category) const {
    const auto it = strings.find(key + "." + CategoryName(category));
    return it != strings.end() ? it->second : Text(key);
}

std::vector<Language> ParseLanguages(const std::string& text, const std::string& where) {
    std::vector<Language> languages;
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        const std::string here = where + ":" + std::to_string(number);
        const std::string trimmed = Trim(line);
        if (trimmed.empty() || trimmed[0] == '#') continue;
        if (trimmed.front() == '[') {
            if (trimmed.back() != ']' || trimmed.size() < 3) throw std::runtime_error(here + ": malformed section");
            Language language;
            language.code = trimmed.substr(1, trimmed.size() - 2);
            for (const Language& l : languages)
                if (l.code == language.code) throw std::runtime_error(here + ": [" + language.code + "] again");
            languages.push_back(std::move(language));
            continue;
        }
        const size_t equals = line.find('=');
        if (equals == std::string::npos) throw std::runtime_error(here + ": a line of key = text was expected");
        if (languages.empty()) throw std::runtime_error(here + ": a string before the first [language]");
        Language& language = languages.back();
        const std::string key = Trim(line.substr(0, equals));
        const std::string value = Trim(line.substr(equals + 1));
        if (key.empty()) throw std::runtime_error(here + ": a string without a key");
        if (key == "language") {
            language.name = value;
        } else if (key == "resource-language") {
            language.resourceLanguage = value;
        } else if (key == "script") {
            language.script = FaceNamed(value, here);
        } else if (!language.strings.emplace(key, value).second) {
            throw std::runtime_error(here + ": " + key + " again in [" + language.code + "]");
        }
    }
    if (languages.empty() || languages.front().code != kReferenceCode)
        throw std::runtime_error(where + ": the first language must be [" + std::string(kReferenceCode) + "]");
    for (const Language& l : languages)
        if (l.name.empty() || l.resourceLanguage.empty())
            throw std::runtime_error(where + ": [" + l.code + "] needs its language and resource-language");
    return languages;
}

const std::vector<Language>& Languages() {
    static const std::vector<Language> languages = ParseLanguages(ReadText(ARTGEN_STRINGS), ARTGEN_STRINGS);
    return languages;
}

const Language& ReferenceLanguage() { return Languages().front(); }

const Language& LanguageWithCode(const std::string& code) {
    for (const Language& l : Languages())
        if (l.code == code) return l;
    throw std::runtime_error("no language with the code " + code);
}

PluralCategory CardinalCategory(const std::string& code, int n) {
    using C = PluralCategory;
    if (n < 0) throw std::invalid_argument("a count of days is never negative");
    if (code == "en" || code == "de" || code == "nl" || code == "sv" || code == "da" || code == "nb")
        return n == 1 ? C::One : C::Other;
    if (code == "fr") return n <= 1 ? C::One : MillionMultiple(n) ? C::Many : C::Other;
    if (code == "es" || code == "it") return n == 1 ? C::One : MillionMultiple(n) ? C::Many : C::Other;
    if (code == "cs") return n == 1 ? C::One : n >= 2 && n <= 4 ? C::Few : C::Other;
    if (code == "pl") {
        if (n == 1) return C::One;
        const int units = n % 10, hundreds = n % 100;
        return units >= 2 && units <= 4 && !(hundreds >= 12 && hundreds <= 14) ? C::Few : C::Many;
    }
    throw std::runtime_error("no plural rules for the language " + code);
}

PluralCategory OrdinalCategory(const std::string& code, int n) {
    using C = PluralCategory;
    if (code == "en") {
        const int units = n % 10, hundreds = n % 100;
        if (units == 1 && hundreds != 11) return C::One;
        if (units == 2 && hundreds != 12) return C::Two;
        if (units == 3 && hundreds != 13) return C::Few;
        return C::Other;
    }
    if (code == "fr") return n == 1 ? C::One : C::Other;
    // The other languages write the day of a date as a plain number.
    return C::Other;
}

HeaderWords WordsOfDay(const Language& language, int day) {
    constexpr int kChristmas = 25;
    if (day < 1 || day > kChristmas) throw std::invalid_argument("the header covers the 1st to the 25th");
    HeaderWords w;
    const std::string number = std::to_string(day);
    w.number = Replace(language.Text("date.number"), kCountPlaceholder, number);
    w.raised = language.Text("date.raised", OrdinalCategory(language.code, day));
    w.month = language.Text("date.month");
    const int left = kChristmas - day;
    if (left == 0) {
        w.greeting = true;
        w.upper = language.Text("greeting.upper");
        w.lower = language.Text("greeting.lower");
        return w;
    }
    const PluralCategory category = CardinalCategory(language.code, left);
    w.lead = language.Text("count.lead", category);
    w.count = std::to_string(left);
    w.upper = language.Text("count.upper", category);
    w.lower = language.Text("count.lower", category);
    return w;
}

std::string DaysLeftText(const Language& language, int day) {
    const HeaderWords w = WordsOfDay(language, day);
    if (w.greeting) return w.upper + " " + w.lower;
    return (w.lead.empty() ? "" : w.lead + " ") + w.count + " " + w.upper + " " + w.lower;
}

}  // namespace artgen
