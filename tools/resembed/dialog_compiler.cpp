#include "dialog_compiler.h"

#include "rc_lexer.h"
#include "text/utf8.h"

#include <cctype>

namespace resembed {
namespace {

constexpr uint32_t kSetFont = 0x40;  // DS_SETFONT
constexpr uint16_t kOrdinalMark = 0xFFFF;
constexpr uint32_t kExtendedSignature = 0xFFFF0001;  // how a DLGTEMPLATEEX begins
constexpr char kOrdinalMarkUtf8[] = "\xEF\xBF\xBF";  // U+FFFF
constexpr size_t kMaxControls = 0xFFFF;
constexpr uint32_t kFirstSupplementary = 0x10000;
constexpr uint16_t kHighSurrogate = 0xD800, kLowSurrogate = 0xDC00;

class Writer {
public:
    void Word(uint16_t v) {
        bytes_.push_back(uint8_t(v));
        bytes_.push_back(uint8_t(v >> 8));
    }
    void Dword(uint32_t v) {
        Word(uint16_t(v));
        Word(uint16_t(v >> 16));
    }
    void Short(int16_t v) { Word(uint16_t(v)); }
    // UTF-8 text as the template's UTF-16.
    void Text(const std::string& s) {
        std::u32string characters;
        if (!text::DecodeUtf8(s, characters)) throw ScriptError("dialog text is not UTF-8: " + s);
        for (char32_t c : characters) {
            if (c >= kFirstSupplementary) {
                const uint32_t above = uint32_t(c) - kFirstSupplementary;
                Word(uint16_t(kHighSurrogate | (above >> 10)));
                Word(uint16_t(kLowSurrogate | (above & 0x3FF)));
            } else {
                Word(uint16_t(c));
            }
        }
        Word(0);
    }
    void Align() {
        while (bytes_.size() % 4 != 0) bytes_.push_back(0);
    }
    std::vector<uint8_t> Take() { return std::move(bytes_); }

private:
    std::vector<uint8_t> bytes_;
};

// A class or control text that begins with U+FFFF would read back as an
// ordinal, and every field after it would be misread.
void RefuseOrdinalLookalike(const std::string& text) {
    if (text.rfind(kOrdinalMarkUtf8, 0) == 0)
        throw ScriptError("a dialog text cannot begin with U+FFFF, the mark of an ordinal: " + text);
}

std::string Upper(std::string s) {
    for (char& c : s) c = char(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

}  // namespace

std::vector<uint8_t> CompileDialog(const DialogDefinition& dialog) {
    if (dialog.controls.size() > kMaxControls) throw ScriptError("too many controls in one dialog");
    // Windows would read such a DIALOG as an extended template.
    if (dialog.style == kExtendedSignature)
        throw ScriptError("a DIALOG's style cannot be that of an extended template");
    Writer w;
    w.Dword(dialog.style);
    w.Dword(dialog.exStyle);
    w.Word(uint16_t(dialog.controls.size()));
    w.Short(dialog.x);
    w.Short(dialog.y);
    w.Short(dialog.cx);
    w.Short(dialog.cy);
    w.Word(0);  // no menu
    w.Word(0);  // the platform's dialog class
    w.Text(dialog.caption);
    if (dialog.style & kSetFont) {
        w.Word(dialog.pointSize);
        w.Text(dialog.typeface);
    }
    for (const DialogControl& c : dialog.controls) {
        RefuseOrdinalLookalike(c.className);
        if (!c.textIsOrdinal) RefuseOrdinalLookalike(c.text);
        w.Align();
        w.Dword(c.style);
        w.Dword(c.exStyle);
        w.Short(c.x);
        w.Short(c.y);
        w.Short(c.cx);
        w.Short(c.cy);
        w.Word(c.id);
        w.Text(Upper(c.className));
        if (c.textIsOrdinal) {
            w.Word(kOrdinalMark);
            w.Word(c.textOrdinal);
        } else {
            w.Text(c.text);
        }
        w.Word(0);  // no creation data
    }
    return w.Take();
}

}  // namespace resembed
