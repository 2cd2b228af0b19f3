#include "fuzz/resources_target.h"

#include "assets/bitmap_assets.h"

#include "resembed/dialog_compiler.h"
#include "resembed/rc_lexer.h"
#include "resembed/rc_script.h"

#include <posix_control.h>

#include <charconv>
#include <cctype>
#include <fstream>
#include <optional>

namespace quibac::fuzzing {

namespace {

constexpr int kDialogType = 5;  // RT_DIALOG

// A small dialog and a bitmap header, so that the fuzzer reaches the include
// and file-resource paths without having to invent a file name first.
constexpr char kIncludedText[] =
    "#define SMALL 7\n"
    "9 DIALOG 0, 0, SMALL, 20\nSTYLE DS_SETFONT\nFONT 8, \"Sans\"\n"
    "BEGIN\n CONTROL \"x\", 1, \"Button\", BS_PUSHBUTTON, 1, 2, 3, 4\nEND\n";
constexpr char kBitmapBytes[] = "BM0123456789abcdef";

void WriteFile(const std::string& path, const void* bytes, size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(static_cast<const char*>(bytes), std::streamsize(size));
}

// "#n" for n up to 65535, as the reader writes an ordinal.
std::optional<uint16_t> Ordinal(const std::string& text) {
    if (text.size() < 2 || text[0] != '#') return std::nullopt;
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data() + 1, text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value > 0xFFFF) return std::nullopt;
    if ("#" + std::to_string(value) != text) return std::nullopt;  // leading zeros: a text
    return uint16_t(value);
}

// The definition the compiler would need to write t; nullopt for templates
// it cannot write (a menu, a window class, creation data).
std::optional<resembed::DialogDefinition> Definition(const posix::DialogTemplateInfo& t) {
    if (!t.menu.empty() || !t.className.empty()) return std::nullopt;
    resembed::DialogDefinition d;
    d.style = t.style;
    d.exStyle = t.exStyle;
    d.x = int16_t(t.x);
    d.y = int16_t(t.y);
    d.cx = int16_t(t.cx);
    d.cy = int16_t(t.cy);
    d.caption = t.caption;
    d.pointSize = uint16_t(t.pointSize);
    d.typeface = t.typeface;
    for (const posix::DialogItemInfo& item : t.items) {
        if (item.creationDataSize != 0) return std::nullopt;
        resembed::DialogControl c;
        c.style = item.style;
        c.exStyle = item.exStyle;
        c.x = int16_t(item.x);
        c.y = int16_t(item.y);
        c.cx = int16_t(item.cx);
        c.cy = int16_t(item.cy);
        c.id = uint16_t(item.id);
        c.className = item.className;
        if (const std::optional<uint16_t> ordinal = Ordinal(item.text)) {
            c.textIsOrdinal = true;
            c.textOrdinal = *ordinal;
        } else {
            c.text = item.text;
        }
        d.controls.push_back(std::move(c));
    }
    return d;
}

bool SameIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// The first field in which two templates differ, or nullptr when they agree.
const char* Difference(const posix::DialogTemplateInfo& a, const posix::DialogTemplateInfo& b) {
    if (a.style != b.style || a.exStyle != b.exStyle) return "the dialog's style";
    if (a.x != b.x || a.y != b.y || a.cx != b.cx || a.cy != b.cy) return "the dialog's rectangle";
    if (a.menu != b.menu || a.className != b.className) return "the dialog's menu or class";
    if (a.caption != b.caption) return "the caption";
    if (a.hasFont != b.hasFont || a.pointSize != b.pointSize || a.typeface != b.typeface) return "the font";
    if (a.items.size() != b.items.size()) return "the number of items";
    for (size_t i = 0; i < a.items.size(); ++i) {
        const posix::DialogItemInfo &p = a.items[i], &q = b.items[i];
        if (p.style != q.style || p.exStyle != q.exStyle) return "an item's style";
        if (p.x != q.x || p.y != q.y || p.cx != q.cx || p.cy != q.cy) return "an item's rectangle";
        if (p.id != q.id) return "an item's id";
        // The compiler writes class names in upper case, as windres does.
        if (!SameIgnoringCase(p.className, q.className)) return "an item's class";
        if (p.text != q.text) return "an item's text";
        if (p.creationDataSize != q.creationDataSize) return "an item's creation data";
    }
    return nullptr;
}

// A template that reads, written out by the compiler, reads back the same.
std::string CheckRoundTrip(const posix::DialogTemplateInfo& read) {
    const std::optional<resembed::DialogDefinition> definition = Definition(read);
    if (!definition) return {};
    std::vector<uint8_t> written;
    try {
        written = resembed::CompileDialog(*definition);
    } catch (const resembed::ScriptError&) {
        return {};  // texts beyond ASCII, which the compiler refuses
    }
    const std::optional<posix::DialogTemplateInfo> again = posix::ParseDialogTemplate(written.data(), written.size());
    if (!again) return "a compiled template does not read";
    if (const char* field = Difference(read, *again))
        return std::string("a template read, compiled and read again changed in ") + field;
    return {};
}

std::string CheckScript(const std::string& folder) {
    std::vector<resembed::Resource> resources;
    try {
        resources = resembed::ReadResources(folder + "/" + kFuzzScript);
    } catch (const resembed::ScriptError&) {
        return {};
    } catch (const std::exception& e) {
        return std::string("reading the script failed other than with a ScriptError: ") + e.what();
    }
    for (const resembed::Resource& r : resources) {
        std::error_code error;
        if (!r.file.empty() && r.fileSkip > std::filesystem::file_size(r.file, error))
            return "a file resource skips more bytes than its file has";
        if (!r.file.empty() || r.typeId != kDialogType || !r.type.empty()) continue;
        const std::optional<posix::DialogTemplateInfo> read = posix::ParseDialogTemplate(r.data.data(), r.data.size());
        if (!read) return "a dialog of the script compiled to a template that does not read";
        if (std::string failure = CheckRoundTrip(*read); !failure.empty()) return failure;
    }
    return {};
}

// Small, so that the fuzzer soon reaches a row's end and the top row.
constexpr int32_t kPictureWidth = 24;
constexpr int32_t kPictureHeight = 6;
constexpr char kBitmapName[] = "FUZZ";

void LoadAsBitmap(const uint8_t* data, size_t size) {
    HMODULE module = posix::CreateResourceModule();
    posix::AddResource(module, RT_BITMAP, kBitmapName, std::vector<uint8_t>(data, data + size));
    std::vector<uint8_t> picture(size_t(kPictureWidth) * kPictureHeight);
    CapturedPaletteTable palette{};
    LoadBitmapAsset(module, picture.data(), kPictureWidth, kPictureHeight, kBitmapName, &palette);
    posix::DestroyResourceModule(module);
}

}  // namespace

std::string ReadResourceData(const uint8_t* data, size_t size, const std::string& folder) {
    LoadAsBitmap(data, size);
    if (const std::optional<posix::DialogTemplateInfo> read = posix::ParseDialogTemplate(data, size)) {
        if (std::string failure = CheckRoundTrip(*read); !failure.empty()) return failure;
    }
    if (!std::filesystem::exists(folder + "/" + kIncludedScript)) {
        WriteFile(folder + "/" + kIncludedScript, kIncludedText, sizeof kIncludedText - 1);
        WriteFile(folder + "/" + kBitmapFile, kBitmapBytes, sizeof kBitmapBytes - 1);
    }
    WriteFile(folder + "/" + kFuzzScript, data, size);
    return CheckScript(folder);
}

}  // namespace quibac::fuzzing
