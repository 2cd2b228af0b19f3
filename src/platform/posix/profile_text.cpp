#include "profile_text.h"

#include <vector>

namespace posix::detail {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// White space as the profile functions see it: the ASCII spaces and ^Z, the
// DOS end-of-file mark that old files still carry.
constexpr char kDosEndOfFile = '\x1a';
bool IsBlank(char c) { return (c >= '\t' && c <= '\r') || c == ' ' || c == kDosEndOfFile; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

enum class LineKind { Other, Section, Key };

// One line of the file: [begin, contentEnd) is its text, [contentEnd, end)
// its line break ("\r\n", a lone "\n" or a lone "\r"; empty on an
// unterminated last line).
struct Line {
    size_t begin = 0, contentEnd = 0, end = 0;
    LineKind kind = LineKind::Other;
    std::string_view name;   // section or key name, trimmed
    bool hasValue = false;   // keys: the line has an '='; a bare name is a key without a value
    size_t valueBegin = 0;   // keys with a value: where the text after '=' starts, blanks skipped
    std::string_view value;  // keys: trimmed value
};

Line Classify(std::string_view text, Line line) {
    std::string_view content = text.substr(line.begin, line.contentEnd - line.begin);
    if (line.begin == 0 && content.substr(0, kUtf8Mark.size()) == kUtf8Mark) content.remove_prefix(kUtf8Mark.size());
    const std::string_view trimmed = Trim(content);
    if (!trimmed.empty() && trimmed.front() == '[') {
        const size_t close = trimmed.rfind(']');
        if (close != std::string_view::npos && close > 0) {
            line.kind = LineKind::Section;
            line.name = Trim(trimmed.substr(1, close - 1));
            return line;
        }
    }
    if (trimmed.empty()) return line;
    // Every other line is a key, as Windows loads the file: without an '='
    // it is a name alone, which reads as no value.
    line.kind = LineKind::Key;
    const size_t equals = content.find('=');
    if (equals == std::string_view::npos) {
        line.name = trimmed;
        line.valueBegin = line.contentEnd;
        return line;
    }
    line.hasValue = true;
    line.name = Trim(content.substr(0, equals));
    size_t valueAt = equals + 1;
    while (valueAt < content.size() && IsBlank(content[valueAt])) ++valueAt;
    line.valueBegin = line.contentEnd - (content.size() - valueAt);
    line.value = Trim(content.substr(valueAt));
    return line;
}

std::vector<Line> SplitLines(std::string_view text) {
    std::vector<Line> lines;
    size_t at = 0;
    while (at < text.size()) {
        Line line;
        line.begin = at;
        // A line ends at CR LF, or at a CR or an LF on its own.
        const size_t lineEnd = text.find_first_of("\r\n", at);
        if (lineEnd == std::string_view::npos) {
            line.contentEnd = line.end = text.size();
        } else {
            line.contentEnd = lineEnd;
            const bool crlf = text[lineEnd] == '\r' && lineEnd + 1 < text.size() && text[lineEnd + 1] == '\n';
            line.end = lineEnd + (crlf ? 2 : 1);
        }
        lines.push_back(Classify(text, line));
        at = line.end;
    }
    return lines;
}

std::string_view LineBreakOf(std::string_view text, const std::vector<Line>& lines) {
    for (const Line& l : lines)
        if (l.end > l.contentEnd) return text.substr(l.contentEnd, l.end - l.contentEnd);
    return "\n";
}

// Lines [first, last) of the first section of that name, its header excluded;
// first == npos when there is no such section.
struct SectionSpan {
    size_t header = std::string_view::npos;
    size_t first = 0, last = 0;
};

SectionSpan FindSection(const std::vector<Line>& lines, std::string_view section) {
    SectionSpan span;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind != LineKind::Section || !SameName(lines[i].name, Trim(section))) continue;
        span.header = i;
        span.first = i + 1;
        span.last = span.first;
        while (span.last < lines.size() && lines[span.last].kind != LineKind::Section) ++span.last;
        return span;
    }
    return span;
}

size_t FindKey(const std::vector<Line>& lines, const SectionSpan& span, std::string_view key) {
    if (span.header == std::string_view::npos) return std::string_view::npos;
    for (size_t i = span.first; i < span.last; ++i)
        if (lines[i].kind == LineKind::Key && SameName(lines[i].name, Trim(key))) return i;
    return std::string_view::npos;
}

}  // namespace

std::optional<std::string> ProfileValue(std::string_view text, std::string_view section, std::string_view key) {
    const std::vector<Line> lines = SplitLines(text);
    const size_t at = FindKey(lines, FindSection(lines, section), key);
    if (at == std::string_view::npos || !lines[at].hasValue) return std::nullopt;
    return std::string(lines[at].value);
}

std::string ProfileBufferText(std::string_view value, size_t bufferChars) {
    if (bufferChars == 0) return {};
    value = value.substr(0, value.find('\0'));  // the value is a C string from here on
    const bool quoted =
        value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front();
    if (quoted) value.remove_prefix(1);
    std::string text(value.substr(0, bufferChars - 1));
    // Windows drops the last character copied when the value after its opening
    // quote fits the buffer's length: the closing quote, unless the buffer was
    // one character short of holding it, when it is the character before.
    if (quoted && value.size() <= bufferChars && !text.empty()) text.pop_back();
    return text;
}

std::string ProfileWithValue(std::string_view text, std::string_view section, std::string_view key,
                             std::string_view value) {
    const std::vector<Line> lines = SplitLines(text);
    const std::string_view lineBreak = LineBreakOf(text, lines);
    const SectionSpan span = FindSection(lines, section);
    std::string out;
    out.reserve(text.size() + section.size() + key.size() + value.size() + 8);

    const size_t keyAt = FindKey(lines, span, key);
    if (keyAt != std::string_view::npos) {
        const Line& l = lines[keyAt];
        out.append(text.substr(0, l.valueBegin));
        if (!l.hasValue) out.append("=");  // a bare name gets its value
        out.append(value);
        out.append(text.substr(l.contentEnd));
        return out;
    }

    const std::string newKey = std::string(key) + "=" + std::string(value);
    if (span.header != std::string_view::npos) {
        // After the section's last line that is not blank, so that a blank
        // line before the next section stays where it was.
        size_t after = span.header;
        for (size_t i = span.first; i < span.last; ++i)
            if (!Trim(text.substr(lines[i].begin, lines[i].contentEnd - lines[i].begin)).empty()) after = i;
        const Line& l = lines[after];
        out.append(text.substr(0, l.end));
        if (l.end == l.contentEnd) out.append(lineBreak);  // it was the unterminated last line
        out.append(newKey).append(lineBreak);
        out.append(text.substr(l.end));
        return out;
    }

    out.append(text);
    if (!lines.empty()) {
        const Line& last = lines.back();
        if (last.end == last.contentEnd) out.append(lineBreak);
        if (!Trim(text.substr(last.begin, last.contentEnd - last.begin)).empty()) out.append(lineBreak);
    }
    out.append("[").append(section).append("]").append(lineBreak);
    out.append(newKey).append(lineBreak);
    return out;
}

std::string ProfileWithoutKey(std::string_view text, std::string_view section, std::string_view key) {
    const std::vector<Line> lines = SplitLines(text);
    const size_t at = FindKey(lines, FindSection(lines, section), key);
    if (at == std::string_view::npos) return std::string(text);
    return std::string(text.substr(0, lines[at].begin)).append(text.substr(lines[at].end));
}

std::string ProfileWithoutSection(std::string_view text, std::string_view section) {
    const std::vector<Line> lines = SplitLines(text);
    const SectionSpan span = FindSection(lines, section);
    if (span.header == std::string_view::npos) return std::string(text);
    const size_t from = lines[span.header].begin;
    const size_t to = span.last < lines.size() ? lines[span.last].begin : text.size();
    return std::string(text.substr(0, from)).append(text.substr(to));
}

namespace {

constexpr uint32_t kDecimal = 10, kBinary = 2, kOctal = 8, kHexadecimal = 16;
constexpr uint32_t kNotADigit = 36;  // above every base

uint32_t DigitValue(char c) {
    if (c >= '0' && c <= '9') return uint32_t(c - '0');
    if (c >= 'A' && c <= 'Z') return uint32_t(c - 'A') + 10u;
    if (c >= 'a' && c <= 'z') return uint32_t(c - 'a') + 10u;
    return kNotADigit;
}

}  // namespace

UINT ProfileNumber(std::string_view text) {
    size_t at = 0;
    while (at < text.size() && uint8_t(text[at]) <= uint8_t(' ')) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    uint32_t base = kDecimal;
    if (text.size() - at >= 2 && text[at] == '0') {
        const char prefix = text[at + 1];
        base = prefix == 'x' ? kHexadecimal : prefix == 'o' ? kOctal : prefix == 'b' ? kBinary : kDecimal;
        if (base != kDecimal) at += 2;
    }
    uint32_t number = 0;
    for (; at < text.size() && DigitValue(text[at]) < base; ++at) number = number * base + DigitValue(text[at]);
    return negative ? 0u - number : number;
}

}  // namespace posix::detail
