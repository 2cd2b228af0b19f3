// The words of the dates header pick their plural form by CLDR's rules. The
// rules are stated here as CLDR writes them (plurals.xml and ordinals.xml,
// integers only), read by a small evaluator of the test's own, and held
// against the generator's categories and the strings it chooses.
#ifdef QUIBAC_ARTGEN

#include "languages.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace artgen {
namespace {

// ---- CLDR's rule syntax, for whole numbers -------------------------------------------

// For an integer n every operand but n and i is 0: no visible fraction
// digits (v, w, f, t) and no exponent (c, e).
long Operand(const std::string& name, long n) {
    if (name == "n" || name == "i") return n;
    if (name == "v" || name == "w" || name == "f" || name == "t" || name == "e" || name == "c") return 0;
    throw std::invalid_argument("unknown operand " + name);
}

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

// "2..4,9" holds a value in one of its ranges.
bool InRangeList(const std::string& list, long value) {
    std::istringstream items(list);
    for (std::string item; std::getline(items, item, ',');) {
        const size_t dots = item.find("..");
        const long low = std::stol(item.substr(0, dots));
        const long high = dots == std::string::npos ? low : std::stol(item.substr(dots + 2));
        if (value >= low && value <= high) return true;
    }
    return false;
}

// relation: operand [% modulus] (= | !=) range_list
bool Relation(const std::vector<std::string>& w, size_t& at, long n) {
    long value = Operand(w.at(at++), n);
    if (w.at(at) == "%") {
        value %= std::stol(w.at(at + 1));
        at += 2;
    }
    const bool equal = w.at(at++) == "=";
    return InRangeList(w.at(at++), value) == equal;
}

// condition: and_condition ("or" and_condition)*, and_condition: relation ("and" relation)*
bool Holds(const std::string& condition, long n) {
    const std::vector<std::string> w = Words(condition);
    bool any = false, all = true;
    for (size_t at = 0; at < w.size();) {
        all = Relation(w, at, n) && all;
        if (at == w.size() || w[at] == "or") {
            any = any || all;
            all = true;
        }
        ++at;  // past "and" or "or"
    }
    return any;
}

struct Rule {
    const char* category;
    const char* condition;
};

// The category of n: the first rule that holds, else other.
std::string CldrCategory(const std::vector<Rule>& rules, long n) {
    for (const Rule& r : rules)
        if (Holds(r.condition, n)) return r.category;
    return "other";
}

constexpr char kRomanceMany[] = "e = 0 and i != 0 and i % 1000000 = 0 and v = 0 or e != 0..5";

// CLDR's cardinal rules of the eleven languages.
const std::map<std::string, std::vector<Rule>>& CardinalRules() {
    static const std::map<std::string, std::vector<Rule>> rules = {
        {"en", {{"one", "i = 1 and v = 0"}}},
        {"de", {{"one", "i = 1 and v = 0"}}},
        {"nl", {{"one", "i = 1 and v = 0"}}},
        {"sv", {{"one", "i = 1 and v = 0"}}},
        {"da", {{"one", "n = 1 or t != 0 and i = 0,1"}}},
        {"nb", {{"one", "n = 1"}}},
        {"fr", {{"one", "i = 0,1"}, {"many", kRomanceMany}}},
        {"it", {{"one", "i = 1 and v = 0"}, {"many", kRomanceMany}}},
        {"es", {{"one", "n = 1"}, {"many", kRomanceMany}}},
        {"cs", {{"one", "i = 1 and v = 0"}, {"few", "i = 2..4 and v = 0"}, {"many", "v != 0"}}},
        {"pl",
         {{"one", "i = 1 and v = 0"},
          {"few", "v = 0 and i % 10 = 2..4 and i % 100 != 12..14"},
          {"many", "v = 0 and i != 1 and i % 10 = 0..1 or v = 0 and i % 10 = 5..9 or v = 0 and i % 100 = 12..14"}}},
    };
    return rules;
}

// CLDR's ordinal rules of the languages whose dates say an ordinal.
const std::map<std::string, std::vector<Rule>>& OrdinalRules() {
    static const std::map<std::string, std::vector<Rule>> rules = {
        {"en",
         {{"one", "n % 10 = 1 and n % 100 != 11"},
          {"two", "n % 10 = 2 and n % 100 != 12"},
          {"few", "n % 10 = 3 and n % 100 != 13"}}},
        {"fr", {{"one", "n = 1"}}},
    };
    return rules;
}

// The string of a key for a category: the key with the category when the
// language has that form, else the key alone.
std::string Form(const Language& language, const std::string& key, const std::string& category) {
    const auto it = language.strings.find(key + "." + category);
    return it != language.strings.end() ? it->second : language.strings.at(key);
}

// ---- the tests ----------------------------------------------------------------------

TEST(ArtPluralRules, TheEvaluatorReadsCldrAsWritten) {
    const std::vector<Rule>& polish = CardinalRules().at("pl");
    const std::pair<long, const char*> cases[] = {{1, "one"},   {2, "few"},  {4, "few"},  {5, "many"},  {12, "many"},
                                                  {21, "many"}, {22, "few"}, {24, "few"}, {25, "many"}, {112, "many"}};
    for (const auto& [n, category] : cases) EXPECT_EQ(CldrCategory(polish, n), category) << n;
}

// The days left that the header says: 24 on the 1st down to 1 on the 24th.
// Every one of them, not only the 1, 2, 4, 5, 21, 22 and 24 where the forms
// turn: Polish 12 to 14 take the form of 5, not that of 2 to 4.
constexpr int kFewestLeft = 1;
constexpr int kMostLeft = 24;
constexpr int kChristmas = 25;

TEST(ArtPluralRules, EveryLanguageCountsTheDaysByCldrsCardinalRules) {
    for (const Language& language : Languages()) {
        ASSERT_TRUE(CardinalRules().count(language.code)) << "no CLDR rules stated here for " << language.code;
        for (int n = kFewestLeft; n <= kMostLeft; ++n) {
            SCOPED_TRACE(language.code + " " + std::to_string(n));
            const std::string category = CldrCategory(CardinalRules().at(language.code), n);
            EXPECT_EQ(CategoryName(CardinalCategory(language.code, n)), category);
            const HeaderWords words = WordsOfDay(language, kChristmas - n);
            EXPECT_FALSE(words.greeting);
            EXPECT_EQ(words.count, std::to_string(n));
            EXPECT_EQ(words.lead, Form(language, "count.lead", category));
            EXPECT_EQ(words.upper, Form(language, "count.upper", category));
            EXPECT_EQ(words.lower, Form(language, "count.lower", category));
        }
    }
}

TEST(ArtPluralRules, TheDaysOfTheIssueReadAsANativeSpeakerWritesThem) {
    const struct {
        const char* code;
        int left;
        const char* text;
    } cases[] = {
        {"pl", 1, "Został 1 dzień do Świąt"},     {"pl", 2, "Zostały 2 dni do Świąt"},
        {"pl", 4, "Zostały 4 dni do Świąt"},      {"pl", 5, "Zostało 5 dni do Świąt"},
        {"pl", 12, "Zostało 12 dni do Świąt"},    {"pl", 21, "Zostało 21 dni do Świąt"},
        {"pl", 22, "Zostały 22 dni do Świąt"},    {"pl", 24, "Zostały 24 dni do Świąt"},
        {"cs", 1, "Zbývá 1 den do Vánoc"},        {"cs", 2, "Zbývají 2 dny do Vánoc"},
        {"cs", 4, "Zbývají 4 dny do Vánoc"},      {"cs", 5, "Zbývá 5 dní do Vánoc"},
        {"cs", 22, "Zbývá 22 dní do Vánoc"},      {"de", 1, "Noch 1 Tag bis Weihnachten"},
        {"de", 2, "Noch 2 Tage bis Weihnachten"}, {"en", 1, "1 day to Christmas"},
        {"en", 24, "24 days to Christmas"},       {"fr", 1, "Encore 1 jour avant Noël"},
        {"es", 1, "Falta 1 día para Navidad"},    {"es", 2, "Faltan 2 días para Navidad"},
        {"it", 1, "Manca 1 giorno a Natale"},     {"it", 5, "Mancano 5 giorni a Natale"},
        {"sv", 21, "21 dagar kvar till jul"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DaysLeftText(LanguageWithCode(c.code), kChristmas - c.left), c.text) << c.code << " " << c.left;
}

TEST(ArtPluralRules, TheTwentyFifthSaysTheGreeting) {
    for (const Language& language : Languages()) {
        const HeaderWords words = WordsOfDay(language, kChristmas);
        EXPECT_TRUE(words.greeting) << language.code;
        EXPECT_EQ(words.upper, language.strings.at("greeting.upper")) << language.code;
        EXPECT_EQ(words.lower, language.strings.at("greeting.lower")) << language.code;
        EXPECT_TRUE(words.count.empty()) << language.code;
    }
    EXPECT_EQ(DaysLeftText(LanguageWithCode("pl"), kChristmas), "Wesołych Świąt!");
}

TEST(ArtPluralRules, DatesTakeTheOrdinalOnlyWhereTheLanguageSaysOne) {
    for (const Language& language : Languages()) {
        const auto rules = OrdinalRules().find(language.code);
        for (int day : {1, 2, 3, 4, 11, 12, 13, 21, 22, 23, 24, 25}) {
            SCOPED_TRACE(language.code + " " + std::to_string(day));
            const std::string category = rules == OrdinalRules().end() ? "other" : CldrCategory(rules->second, day);
            if (rules != OrdinalRules().end()) {
                EXPECT_EQ(CategoryName(OrdinalCategory(language.code, day)), category);
            }
            EXPECT_EQ(WordsOfDay(language, day).raised, Form(language, "date.raised", category));
        }
    }
    EXPECT_EQ(WordsOfDay(LanguageWithCode("en"), 22).raised, "nd");
    EXPECT_EQ(WordsOfDay(LanguageWithCode("fr"), 1).raised, "er");
    EXPECT_EQ(WordsOfDay(LanguageWithCode("fr"), 2).raised, "");
    EXPECT_EQ(WordsOfDay(LanguageWithCode("de"), 7).number, "7.");
    EXPECT_EQ(WordsOfDay(LanguageWithCode("pl"), 7).month, "grudnia") << "Polish dates take the genitive";
    EXPECT_EQ(WordsOfDay(LanguageWithCode("es"), 7).raised + " " + WordsOfDay(LanguageWithCode("es"), 7).month,
              "de diciembre");
}

TEST(ArtPluralRules, ALanguageWithoutRulesIsRefused) {
    EXPECT_THROW(CardinalCategory("xx", 1), std::runtime_error);
    EXPECT_THROW(LanguageWithCode("xx"), std::runtime_error);
}

// ---- the strings file --------------------------------------------------------------

TEST(ArtStringsFile, EveryLanguageOnceWithItsResourceLanguage) {
    const std::vector<std::string> expected = {"en", "de", "fr", "nl", "sv", "da", "nb", "pl", "cs", "es", "it"};
    std::vector<std::string> codes;
    for (const Language& l : Languages()) codes.push_back(l.code);
    EXPECT_EQ(codes, expected);
    EXPECT_TRUE(ReferenceLanguage().IsReference());
    for (const Language& l : Languages()) EXPECT_EQ(l.resourceLanguage.rfind("LANG_", 0), 0u) << l.code;
}

TEST(ArtStringsFile, MalformedFilesAreRefusedNamingTheLine) {
    const std::string head = "[en]\nlanguage = English\nresource-language = LANG_ENGLISH, SUBLANG_ENGLISH_US\n";
    const struct {
        std::string text;
        const char* complaint;
    } cases[] = {
        {"key = before any language\n" + head, "t.txt:1: a string before the first [language]"},
        {head + "just words\n", "t.txt:4: a line of key = text was expected"},
        {head + "[de\n", "t.txt:4: malformed section"},
        {head + "name = a\nname = b\n", "t.txt:5: name again in [en]"},
        {head + "[en]\n", "t.txt:4: [en] again"},
        {head + "script = Comic Sans\n", "t.txt:4: no typeface called \"Comic Sans\""},
        {head + " = nameless\n", "t.txt:4: a string without a key"},
        {"[de]\nlanguage = German\nresource-language = LANG_GERMAN, SUBLANG_NEUTRAL\n", "the first language"},
        {head + "[de]\nlanguage = German\n", "[de] needs its language and resource-language"},
        {"", "the first language"},
    };
    for (const auto& c : cases) {
        try {
            ParseLanguages(c.text, "t.txt");
            ADD_FAILURE() << "accepted:\n" << c.text;
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find(c.complaint), std::string::npos) << e.what();
        }
    }
}

TEST(ArtStringsFile, AMissingStringIsNamedWithItsLanguage) {
    const std::vector<Language> parsed = ParseLanguages(
        "[en]\nlanguage = English\nresource-language = LANG_ENGLISH, SUBLANG_ENGLISH_US\ndate.number = {n}\n", "t");
    try {
        WordsOfDay(parsed.front(), 7);
        ADD_FAILURE() << "a header without its month was made";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("[en] has no date."), std::string::npos) << e.what();
    }
}

}  // namespace
}  // namespace artgen

#endif
