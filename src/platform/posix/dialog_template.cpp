// Reading classic dialog templates (the RT_DIALOG resources of DIALOG
// statements): a header, then one item per control, each starting on a
// 4-byte boundary of the template.
#include <posix_control.h>

#include "../../assets/byte_view.h"

#include <optional>

namespace {

using quibac::ByteView;

constexpr uint32_t kExtendedSignature = 0xFFFF0001;  // DLGTEMPLATEEX
constexpr uint16_t kOrdinalMark = 0xFFFF;
constexpr DWORD kSetFont = 0x40;  // DS_SETFONT

// The predefined control classes, by atom 0x80..0x85 (0..5 mean the same).
constexpr const char* kPredefinedClasses[] = {"Button", "Edit", "Static", "ListBox", "ScrollBar", "ComboBox"};
constexpr uint16_t kFirstClassAtom = 0x80;

class TemplateReader {
public:
    explicit TemplateReader(ByteView bytes) : bytes_(bytes) {}

    bool ok() const { return ok_; }
    size_t position() const { return at_; }

    uint16_t Word() {
        if (!bytes_.Has(at_, 2)) return Fail();
        at_ += 2;
        return bytes_.U16(at_ - 2);
    }
    uint32_t Dword() {
        if (!bytes_.Has(at_, 4)) return Fail();
        at_ += 4;
        return bytes_.U32(at_ - 4);
    }
    int Short() { return int(int16_t(Word())); }

    // A zero-terminated UTF-16 string, as UTF-8.
    std::string String() {
        std::string out;
        for (uint16_t c = Word(); ok_ && c != 0; c = Word()) AppendUtf8(out, c);
        return out;
    }
    // Either 0x0000 (nothing), 0xFFFF and an ordinal, or a string.
    std::string NameOrOrdinal(std::optional<uint16_t>* ordinal = nullptr) {
        if (!bytes_.Has(at_, 2)) return Fail(), std::string();
        const uint16_t first = bytes_.U16(at_);
        if (first == kOrdinalMark) {
            at_ += 2;
            const uint16_t id = Word();
            if (ordinal != nullptr) *ordinal = id;
            return "#" + std::to_string(id);
        }
        return String();
    }
    void Skip(size_t count) {
        if (!bytes_.Has(at_, count))
            Fail();
        else
            at_ += count;
    }
    void AlignToDword() { at_ = (at_ + 3) & ~size_t(3); }

private:
    uint16_t Fail() {
        ok_ = false;
        at_ = bytes_.size();
        return 0;
    }
    static void AppendUtf8(std::string& out, uint16_t c) {
        if (c < 0x80) {
            out.push_back(char(c));
        } else if (c < 0x800) {
            out.push_back(char(0xC0 | (c >> 6)));
            out.push_back(char(0x80 | (c & 0x3F)));
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            out.push_back('?');  // a lone surrogate half; the texts here never need them
        } else {
            out.push_back(char(0xE0 | (c >> 12)));
            out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(char(0x80 | (c & 0x3F)));
        }
    }

    ByteView bytes_;
    size_t at_ = 0;
    bool ok_ = true;
};

// Only a class given by atom is a predefined one: a class named "#18" in
// text is a window class of that name.
std::string ClassName(TemplateReader& r) {
    std::optional<uint16_t> atom;
    std::string name = r.NameOrOrdinal(&atom);
    if (!atom) return name;
    const uint16_t index = *atom >= kFirstClassAtom ? uint16_t(*atom - kFirstClassAtom) : *atom;
    return index < std::size(kPredefinedClasses) ? kPredefinedClasses[index] : name;
}

}  // namespace

namespace posix {

std::optional<DialogTemplateInfo> ParseDialogTemplate(const void* data, size_t size) {
    TemplateReader r(ByteView(static_cast<const uint8_t*>(data), size));
    DialogTemplateInfo t;
    t.style = r.Dword();
    if (t.style == kExtendedSignature) return std::nullopt;
    t.exStyle = r.Dword();
    const uint16_t count = r.Word();
    t.x = r.Short();
    t.y = r.Short();
    t.cx = r.Short();
    t.cy = r.Short();
    t.menu = r.NameOrOrdinal();
    t.className = r.NameOrOrdinal();
    t.caption = r.String();
    if (t.style & kSetFont) {
        t.hasFont = true;
        t.pointSize = r.Word();
        t.typeface = r.String();
    }
    for (uint16_t i = 0; i < count && r.ok(); ++i) {
        r.AlignToDword();
        DialogItemInfo item;
        item.style = r.Dword();
        item.exStyle = r.Dword();
        item.x = r.Short();
        item.y = r.Short();
        item.cx = r.Short();
        item.cy = r.Short();
        item.id = r.Short();
        item.className = ClassName(r);
        item.text = r.NameOrOrdinal();
        item.creationDataSize = r.Word();
        r.Skip(item.creationDataSize);
        t.items.push_back(std::move(item));
    }
    if (!r.ok()) return std::nullopt;
    return t;
}

}  // namespace posix
