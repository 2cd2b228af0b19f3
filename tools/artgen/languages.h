// The languages of the resource set: every string each one shows, read from
// strings.txt (one section per language, so that a person can review and
// correct a language in one place), and the rules that pick a string by
// number: the plural of the days left and the ordinal of the date.
#pragma once

#include "fonts.h"

#include <map>
#include <string>
#include <vector>

namespace artgen {

enum class PluralCategory { Zero, One, Two, Few, Many, Other };
const char* CategoryName(PluralCategory category);

struct Language {
    std::string code;              // ISO 639-1, as locales name the language
    std::string name;              // in English, for the review sheets
    std::string resourceLanguage;  // the resource script's LANGUAGE arguments
    // The lettering's typeface: the brand's script, or a brush script for a
    // language some of whose letters the brand's script lacks.
    Font script = Font::Script;
    std::map<std::string, std::string> strings;

    // The art English was first drawn with: its files keep their names and
    // bytes, and the other languages are drawn alongside.
    bool IsReference() const { return code == "en"; }

    // The string under key; throws when the file has none.
    const std::string& Text(const std::string& key) const;
    // key.category (one, few, ...) when the file has it, else key.
    const std::string& Text(const std::string& key, PluralCategory category) const;
};

// Every language of strings.txt in the file's order, the reference first.
const std::vector<Language>& Languages();
const Language& ReferenceLanguage();
// The language with a code; throws when there is none.
const Language& LanguageWithCode(const std::string& code);

// Reads a strings file's text; where names it in messages. Throws
// std::runtime_error, naming the line, for anything malformed.
std::vector<Language> ParseLanguages(const std::string& text, const std::string& where);

// The cardinal category of a count of days and the ordinal category of a
// day of the month, by the language's rules; throws for a language without
// rules.
PluralCategory CardinalCategory(const std::string& code, int n);
PluralCategory OrdinalCategory(const std::string& code, int n);

// What the dates header of one day says.
struct HeaderWords {
    // Left half: the day's number, the small text raised beside it and the
    // month under that.
    std::string number, raised, month;
    // Right half: the small word before the count, the count, and the two
    // lines beside it; on the 25th the greeting's two lines instead.
    std::string lead, count, upper, lower;
    bool greeting = false;
};
HeaderWords WordsOfDay(const Language& language, int day);

// The right half as one line of text: "24 days to Christmas", "Noch 1 Tag
// bis Weihnachten", or the greeting.
std::string DaysLeftText(const Language& language, int day);

}  // namespace artgen
