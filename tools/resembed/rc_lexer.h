// Tokens of a resource script, with the preprocessing that our scripts use:
// #include "file" is followed (relative to the including file), #include <...>
// is skipped (its names are known to rc_symbols), #define NAME value defines a
// plain macro, #pragma code_page(65001) makes the texts after it UTF-8 and
// other pragmas are ignored. Any other directive or code page is an error, so
// that a script is never compiled differently from how windres would compile
// it.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace resembed {

struct Token {
    enum class Kind { Word, String, Punct };
    Kind kind = Kind::Punct;
    std::string text;   // strings: with escapes resolved
    bool utf8 = false;  // a string after #pragma code_page(65001)
    std::filesystem::path file;
    int line = 0;

    std::string Where() const;
    bool Is(Kind k, const std::string& t) const { return kind == k && text == t; }
    bool IsPunct(char c) const { return kind == Kind::Punct && text.size() == 1 && text[0] == c; }
    // Case-insensitive keyword test.
    bool IsKeyword(const char* keyword) const;
};

class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// All tokens of the script and the files it includes, macros expanded.
std::vector<Token> LexScript(const std::filesystem::path& script);

}  // namespace resembed
