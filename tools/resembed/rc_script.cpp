#include "rc_script.h"

#include "dialog_compiler.h"
#include "rc_lexer.h"
#include "rc_symbols.h"

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <iostream>

namespace resembed {

namespace {
constexpr size_t kBitmapFileHeaderBytes = 14;

bool StartsWithBitmapSignature(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    char signature[2] = {};
    return in.read(signature, 2) && signature[0] == 'B' && signature[1] == 'M';
}
}  // namespace

namespace {

constexpr int kRtBitmap = 2;
constexpr int kRtDialog = 5;
constexpr int kRtRcdata = 10;
// MAKELANGID: ten bits of primary language, six of sublanguage.
constexpr int64_t kPrimaryLanguageMask = 0x3FF, kSubLanguageMask = 0x3F;
constexpr int kSubLanguageShift = 10;
// What the resource compiler gives a dialog and a control without a STYLE.
constexpr uint32_t kDefaultDialogStyle = 0x80880000;   // WS_POPUP | WS_BORDER | WS_SYSMENU
constexpr uint32_t kDefaultControlStyle = 0x50000000;  // WS_CHILD | WS_VISIBLE
constexpr uint32_t kCaptionStyle = 0x00C00000;         // WS_CAPTION
constexpr uint32_t kSetFontStyle = 0x40;               // DS_SETFONT

constexpr const char* kMemoryOptions[] = {"PRELOAD", "LOADONCALL", "FIXED",  "MOVEABLE", "DISCARDABLE",
                                          "PURE",    "IMPURE",     "SHARED", "NONSHARED"};

bool AllDigits(const std::string& s) {
    if (s.empty()) return false;
    for (char c : s)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

class Parser {
public:
    explicit Parser(std::vector<Token> tokens) : tokens_(std::move(tokens)) {}

    std::vector<Resource> Run() {
        while (!AtEnd()) Statement();
        return std::move(resources_);
    }

private:
    // ---- statements ---------------------------------------------------------
    void Statement() {
        if (Peek().IsKeyword("LANGUAGE")) {
            Next();
            language_ = Language();
            return;
        }
        if (Peek().IsKeyword("STRINGTABLE")) {
            SkipBlock();
            return;
        }
        const Token name = Next();
        if (name.kind == Token::Kind::Punct) Fail(name, "a resource name was expected");
        const Token type = Next();
        Resource r;
        r.language = language_;
        if (name.kind == Token::Kind::Word && AllDigits(name.text))
            r.nameId = std::atoi(name.text.c_str());
        else
            r.name = name.text;

        if (type.IsKeyword("DIALOG")) {
            r.typeId = kRtDialog;
            r.data = CompileDialog(Dialog(r.language));
            resources_.push_back(std::move(r));
            return;
        }
        if (type.IsKeyword("DIALOGEX") || type.IsKeyword("MENU") || type.IsKeyword("MENUEX") ||
            type.IsKeyword("ACCELERATORS"))
            Fail(type, type.text + " resources are not supported");
        if (type.IsKeyword("VERSIONINFO")) {
            SkipBlock();
            return;
        }

        SkipMemoryOptions();
        const Token file = Next();
        if (file.kind != Token::Kind::String) Fail(file, "a quoted file name was expected");
        if (type.IsKeyword("ICON") || type.IsKeyword("CURSOR")) return;
        if (type.IsKeyword("BITMAP"))
            r.typeId = kRtBitmap;
        else if (type.IsKeyword("RCDATA"))
            r.typeId = kRtRcdata;
        else if (type.kind == Token::Kind::Word && AllDigits(type.text))
            r.typeId = std::atoi(type.text.c_str());
        else
            r.type = type.text;
        r.file = file.file.parent_path() / file.text;
        // A name the file system refuses (too long, say) is as good as missing.
        std::error_code unreadable;
        if (!std::filesystem::exists(r.file, unreadable)) {
            std::cerr << file.Where() << ": warning: " << r.file.string() << " does not exist; not embedded\n";
            return;
        }
        // A bitmap resource is the file without its 14-byte file header,
        // as the resource compiler stores it.
        if (type.IsKeyword("BITMAP") && StartsWithBitmapSignature(r.file)) r.fileSkip = kBitmapFileHeaderBytes;
        resources_.push_back(std::move(r));
    }

    // A dialog's own LANGUAGE statement sets its language alone.
    DialogDefinition Dialog(uint16_t& language) {
        DialogDefinition d;
        SkipMemoryOptions();
        d.x = Short();
        Expect(',');
        d.y = Short();
        Expect(',');
        d.cx = Short();
        Expect(',');
        d.cy = Short();

        bool styled = false, captioned = false, font = false;
        for (;;) {
            const Token& t = Peek();
            if (t.IsKeyword("STYLE")) {
                Next();
                d.style = Style(0);
                styled = true;
            } else if (t.IsKeyword("EXSTYLE")) {
                Next();
                d.exStyle = Style(0);
            } else if (t.IsKeyword("CAPTION")) {
                Next();
                d.caption = DialogText();
                captioned = true;
            } else if (t.IsKeyword("FONT")) {
                Next();
                d.pointSize = uint16_t(Expression());
                Expect(',');
                d.typeface = DialogText();
                font = true;
            } else if (t.IsKeyword("LANGUAGE")) {
                Next();
                language = Language();
            } else if (t.IsKeyword("CHARACTERISTICS") || t.IsKeyword("VERSION")) {
                Next();
                Expression();
            } else if (t.IsKeyword("MENU") || t.IsKeyword("CLASS")) {
                Fail(t, "dialog " + t.text + " statements are not supported");
            } else {
                break;
            }
        }
        if (!styled) d.style = kDefaultDialogStyle;
        if (captioned) d.style |= kCaptionStyle;
        if (font) d.style |= kSetFontStyle;

        ExpectBegin();
        while (!IsEnd(Peek())) d.controls.push_back(Control());
        Next();
        return d;
    }

    // CONTROL text, id, class, style, x, y, cx, cy [, exstyle]
    DialogControl Control() {
        const Token keyword = Next();
        if (!keyword.IsKeyword("CONTROL")) Fail(keyword, "only CONTROL statements are supported in dialogs");
        DialogControl c;
        if (Peek().kind == Token::Kind::String) {
            c.text = DialogText();
        } else {
            c.textIsOrdinal = true;
            c.textOrdinal = uint16_t(Expression());
        }
        Expect(',');
        c.id = uint16_t(Expression());
        Expect(',');
        c.className = String();
        Expect(',');
        c.style = Style(kDefaultControlStyle);
        Expect(',');
        c.x = Short();
        Expect(',');
        c.y = Short();
        Expect(',');
        c.cx = Short();
        Expect(',');
        c.cy = Short();
        if (Peek().IsPunct(',')) {
            Next();
            c.exStyle = uint32_t(Expression());
        }
        return c;
    }

    // ---- expressions ----------------------------------------------------------
    // A style: terms joined by '|', where "NOT term" removes bits from what
    // the terms before (or the default) set.
    uint32_t Style(uint32_t value) {
        for (;;) {
            if (Peek().IsKeyword("NOT")) {
                Next();
                value &= ~uint32_t(Unary());
            } else {
                value |= uint32_t(Unary());
            }
            if (!Peek().IsPunct('|')) return value;
            Next();
        }
    }

    int16_t Short() { return int16_t(Expression()); }

    int64_t Expression() {
        int64_t v = And();
        while (Peek().IsPunct('|')) {
            Next();
            v |= And();
        }
        return v;
    }
    int64_t And() {
        int64_t v = Sum();
        while (Peek().IsPunct('&')) {
            Next();
            v &= Sum();
        }
        return v;
    }
    int64_t Sum() {
        int64_t v = Unary();
        while (Peek().IsPunct('+') || Peek().IsPunct('-')) {
            const bool minus = Next().IsPunct('-');
            const int64_t rhs = Unary();
            v = minus ? v - rhs : v + rhs;
        }
        return v;
    }
    int64_t Unary() {
        const Token t = Next();
        if (t.IsPunct('-')) return -Unary();
        if (t.IsPunct('~')) return int64_t(~uint32_t(Unary()));
        if (t.IsPunct('(')) {
            const int64_t v = Expression();
            Expect(')');
            return v;
        }
        if (t.kind == Token::Kind::Word) {
            if (std::isdigit(static_cast<unsigned char>(t.text[0]))) return Number(t);
            if (auto v = LookupSymbol(t.text)) return int64_t(*v);
            Fail(t, "unknown name " + t.text);
        }
        Fail(t, "a number was expected");
    }
    static int64_t Number(const Token& t) {
        std::string digits = t.text;
        while (!digits.empty() &&
               (digits.back() == 'L' || digits.back() == 'l' || digits.back() == 'U' || digits.back() == 'u'))
            digits.pop_back();
        char* end = nullptr;
        const bool hex = digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X');
        const unsigned long long v = std::strtoull(digits.c_str(), &end, hex ? 16 : 10);
        if (digits.empty() || end == nullptr || *end != '\0') Fail(t, "malformed number " + t.text);
        return int64_t(uint32_t(v));
    }

    // ---- tokens -------------------------------------------------------------------
    bool AtEnd() const { return at_ >= tokens_.size(); }
    const Token& Peek() const {
        static const Token end = [] {
            Token t;
            t.text = "end of script";
            return t;
        }();
        return AtEnd() ? end : tokens_[at_];
    }
    Token Next() {
        if (AtEnd()) Fail(Peek(), "unexpected end of script");
        return tokens_[at_++];
    }
    void Expect(char c) {
        const Token t = Next();
        if (!t.IsPunct(c)) Fail(t, std::string("'") + c + "' was expected, not '" + t.text + "'");
    }
    std::string String() {
        const Token t = Next();
        if (t.kind != Token::Kind::String) Fail(t, "a quoted text was expected");
        return t.text;
    }
    // A text a dialog shows: UTF-8 after #pragma code_page(65001), otherwise
    // ASCII only, as the compiler's code page is then unknown.
    std::string DialogText() {
        const Token t = Peek();
        const std::string text = String();
        if (!t.utf8)
            for (char c : text)
                if (static_cast<unsigned char>(c) >= 0x80)
                    Fail(t, "dialog text is not ASCII and the script names no code page: " + text);
        return text;
    }
    // LANGUAGE primary, sub: the language id the resources after it carry.
    uint16_t Language() {
        const int64_t primary = Expression();
        Expect(',');
        const int64_t sub = Expression();
        return uint16_t((primary & kPrimaryLanguageMask) | ((sub & kSubLanguageMask) << kSubLanguageShift));
    }
    static bool IsBegin(const Token& t) { return t.IsKeyword("BEGIN") || t.IsPunct('{'); }
    static bool IsEnd(const Token& t) { return t.IsKeyword("END") || t.IsPunct('}'); }
    void ExpectBegin() {
        const Token t = Next();
        if (!IsBegin(t)) Fail(t, "BEGIN was expected");
    }
    void SkipMemoryOptions() {
        for (bool more = true; more && !AtEnd();) {
            more = false;
            for (const char* option : kMemoryOptions)
                if (Peek().IsKeyword(option)) {
                    Next();
                    more = true;
                }
        }
    }
    // Everything up to the first BEGIN and through its matching END.
    void SkipBlock() {
        while (!IsBegin(Next())) {}
        for (int depth = 1; depth > 0;) {
            const Token t = Next();
            depth += IsBegin(t) ? 1 : IsEnd(t) ? -1 : 0;
        }
    }
    [[noreturn]] static void Fail(const Token& t, const std::string& what) {
        throw ScriptError((t.file.empty() ? std::string("script") : t.Where()) + ": " + what);
    }

    std::vector<Token> tokens_;
    size_t at_ = 0;
    std::vector<Resource> resources_;
    uint16_t language_ = 0;
};

}  // namespace

std::vector<Resource> ReadResources(const std::filesystem::path& script) { return Parser(LexScript(script)).Run(); }

}  // namespace resembed
