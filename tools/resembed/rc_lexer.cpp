#include "rc_lexer.h"

#include <cctype>
#include <fstream>
#include <map>
#include <sstream>

namespace resembed {
namespace {

constexpr int kMaxIncludeDepth = 16;
constexpr int kMaxMacroDepth = 16;
// Far beyond any real script (ours make about a thousand tokens); macros that
// use each other several times over would otherwise expand without end in
// all but name.
constexpr size_t kMaxTokens = 100000;

bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

class Lexer {
public:
    std::vector<Token> Run(const std::filesystem::path& script) {
        LexFile(script, 0);
        return std::move(out_);
    }

private:
    void LexFile(const std::filesystem::path& path, int depth) {
        if (depth > kMaxIncludeDepth) throw ScriptError(path.string() + ": includes nested too deeply");
        std::ifstream in(path, std::ios::binary);
        if (!in) throw ScriptError(path.string() + ": cannot be read");
        std::stringstream buffer;
        buffer << in.rdbuf();
        const std::string text = buffer.str();

        int line = 1;
        bool lineStart = true;
        for (size_t i = 0; i < text.size();) {
            const char c = text[i];
            if (c == '\n') {
                ++line;
                ++i;
                lineStart = true;
                continue;
            }
            if (std::isspace(static_cast<unsigned char>(c))) {
                ++i;
                continue;
            }
            if (c == '#' && lineStart) {
                size_t end = text.find('\n', i);
                if (end == std::string::npos) end = text.size();
                Directive(path, line, text.substr(i + 1, end - i - 1), depth);
                i = end;
                continue;
            }
            lineStart = false;
            if (c == '/' && i + 1 < text.size() && text[i + 1] == '/') {
                while (i < text.size() && text[i] != '\n') ++i;
                continue;
            }
            if (c == '/' && i + 1 < text.size() && text[i + 1] == '*') {
                const size_t end = text.find("*/", i + 2);
                if (end == std::string::npos) throw ScriptError(Where(path, line) + ": unterminated comment");
                for (size_t k = i; k < end; ++k) line += text[k] == '\n';
                i = end + 2;
                continue;
            }
            if (c == '"' || (c == 'L' && i + 1 < text.size() && text[i + 1] == '"')) {
                i = String(path, line, text, c == 'L' ? i + 2 : i + 1);
                continue;
            }
            if (IsWordChar(c)) {
                size_t end = i;
                while (end < text.size() && IsWordChar(text[end])) ++end;
                Word(path, line, text.substr(i, end - i), 0);
                i = end;
                continue;
            }
            Push(Token::Kind::Punct, std::string(1, c), path, line);
            ++i;
        }
    }

    // A quoted string from just after its opening quote; returns the index
    // after its closing quote. "" stands for one quote; \n, \t, \r, \\ and \"
    // are escapes.
    size_t String(const std::filesystem::path& path, int line, const std::string& text, size_t i) {
        std::string value;
        for (;; ++i) {
            if (i >= text.size() || text[i] == '\n') throw ScriptError(Where(path, line) + ": unterminated string");
            const char c = text[i];
            if (c == '"') {
                if (i + 1 < text.size() && text[i + 1] == '"') {
                    value.push_back('"');
                    ++i;
                    continue;
                }
                break;
            }
            if (c == '\\' && i + 1 < text.size()) {
                const char e = text[++i];
                switch (e) {
                case 'n': value.push_back('\n'); break;
                case 't': value.push_back('\t'); break;
                case 'r': value.push_back('\r'); break;
                case '\\': value.push_back('\\'); break;
                case '"': value.push_back('"'); break;
                default: throw ScriptError(Where(path, line) + ": unsupported escape \\" + std::string(1, e));
                }
                continue;
            }
            value.push_back(c);
        }
        Push(Token::Kind::String, value, path, line);
        return i + 1;
    }

    void Word(const std::filesystem::path& path, int line, const std::string& word, int depth) {
        auto macro = macros_.find(word);
        if (macro == macros_.end()) {
            Push(Token::Kind::Word, word, path, line);
            return;
        }
        if (depth > kMaxMacroDepth) throw ScriptError(Where(path, line) + ": macro " + word + " expands without end");
        // Expand by lexing the macro's text in place.
        for (const Token& t : macro->second) {
            if (t.kind == Token::Kind::Word)
                Word(path, line, t.text, depth + 1);
            else
                Push(t.kind, t.text, path, line);
        }
    }

    void Directive(const std::filesystem::path& path, int line, const std::string& body, int depth) {
        std::istringstream words(body);
        std::string name;
        words >> name;
        std::string rest;
        std::getline(words, rest);
        const size_t first = rest.find_first_not_of(" \t");
        rest = first == std::string::npos ? "" : rest.substr(first);
        while (!rest.empty() && std::isspace(static_cast<unsigned char>(rest.back()))) rest.pop_back();

        if (name == "include") {
            if (!rest.empty() && rest.front() == '<') return;  // system headers: names known to rc_symbols
            if (rest.size() < 2 || rest.front() != '"' || rest.back() != '"')
                throw ScriptError(Where(path, line) + ": malformed #include");
            LexFile(path.parent_path() / rest.substr(1, rest.size() - 2), depth + 1);
        } else if (name == "define") {
            std::istringstream def(rest);
            std::string macro;
            def >> macro;
            if (macro.empty() || macro.find('(') != std::string::npos)
                throw ScriptError(Where(path, line) + ": only plain #define NAME value is supported");
            std::string value;
            std::getline(def, value);
            // The value is lexed, with the macros defined so far, into a list
            // of its own.
            std::vector<Token> expansion;
            std::swap(out_, expansion);
            LexText(path, line, value);
            std::swap(out_, expansion);
            macros_[macro] = std::move(expansion);
        } else if (name == "undef") {
            macros_.erase(rest);
        } else if (name == "pragma") {
            Pragma(path, line, rest);
        } else {
            throw ScriptError(Where(path, line) + ": unsupported directive #" + name);
        }
    }

    // Texts are ASCII unless the script says they are UTF-8; any other code
    // page would need its own table, which no script of ours uses.
    void Pragma(const std::filesystem::path& path, int line, const std::string& rest) {
        std::string compact;
        for (char c : rest)
            if (!std::isspace(static_cast<unsigned char>(c))) compact.push_back(c);
        if (compact.rfind("code_page(", 0) != 0) return;
        if (compact != "code_page(65001)")
            throw ScriptError(Where(path, line) + ": unsupported " + compact + ": only code_page(65001) is known");
        utf8_ = true;
    }

    void LexText(const std::filesystem::path& path, int line, const std::string& text) {
        for (size_t i = 0; i < text.size();) {
            const char c = text[i];
            if (std::isspace(static_cast<unsigned char>(c))) {
                ++i;
            } else if (c == '/' && i + 1 < text.size() && text[i + 1] == '/') {
                break;
            } else if (c == '"') {
                i = String(path, line, text, i + 1);
            } else if (IsWordChar(c)) {
                size_t end = i;
                while (end < text.size() && IsWordChar(text[end])) ++end;
                Word(path, line, text.substr(i, end - i), 0);
                i = end;
            } else {
                Push(Token::Kind::Punct, std::string(1, c), path, line);
                ++i;
            }
        }
    }

    void Push(Token::Kind kind, std::string text, const std::filesystem::path& path, int line) {
        if (++made_ > kMaxTokens)
            throw ScriptError(Where(path, line) + ": the script expands to more than " + std::to_string(kMaxTokens) +
                              " tokens");
        Token t;
        t.kind = kind;
        t.text = std::move(text);
        t.file = path;
        t.line = line;
        t.utf8 = kind == Token::Kind::String && utf8_;
        out_.push_back(std::move(t));
    }

    static std::string Where(const std::filesystem::path& path, int line) {
        return path.string() + ":" + std::to_string(line);
    }

    std::vector<Token> out_;
    std::map<std::string, std::vector<Token>> macros_;
    size_t made_ = 0;  // tokens made so far, macro values included
    bool utf8_ = false;
};

}  // namespace

std::string Token::Where() const { return file.string() + ":" + std::to_string(line); }

bool Token::IsKeyword(const char* keyword) const {
    if (kind != Kind::Word) return false;
    size_t i = 0;
    for (; i < text.size() && keyword[i] != '\0'; ++i)
        if (std::toupper(static_cast<unsigned char>(text[i])) != keyword[i]) return false;
    return i == text.size() && keyword[i] == '\0';
}

std::vector<Token> LexScript(const std::filesystem::path& script) { return Lexer().Run(script); }

}  // namespace resembed
