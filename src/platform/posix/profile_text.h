// The text of a private-profile (INI) file, read and edited the way Windows'
// profile functions read it, while every byte the edit does not concern stays
// exactly as it was: comments, blank lines, odd spacing, line ends, other
// sections and even binary junk.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace posix::detail {

// The value of a key: the text after the first '=' of the first line of that
// name inside the first section of that name (names compared without regard
// to ASCII case, surrounding blanks ignored). Lines end at CR LF, CR or LF;
// every line that is neither blank nor a section header names a key, with or
// without an '='. nullopt when the section or the key is missing, or when the
// key's line has no '='.
std::optional<std::string> ProfileValue(std::string_view text, std::string_view section, std::string_view key);

// What GetPrivateProfileString leaves of a value in a buffer of bufferChars
// characters: the value up to any NUL, one pair of matching quotes around it
// removed, at most bufferChars - 1 characters.
std::string ProfileBufferText(std::string_view value, size_t bufferChars);

// The text with the key set to the value: the key's line rewritten after its
// '=' (a bare name gets one), or a new line at the end of its section, or a new section at the end of
// the file. New lines end as the file's first line does (CRLF, LF or CR).
std::string ProfileWithValue(std::string_view text, std::string_view section, std::string_view key,
                             std::string_view value);
// The text without the key's line, or without the whole section.
std::string ProfileWithoutKey(std::string_view text, std::string_view section, std::string_view key);
std::string ProfileWithoutSection(std::string_view text, std::string_view section);

// A number as GetPrivateProfileInt reads it: leading characters up to the
// space skipped, an optional sign, a lower-case prefix 0x, 0o or 0b for base
// 16, 8 or 2 (decimal otherwise), then digits of the base until the first that
// is not one, in 32-bit arithmetic that wraps; no digits read as 0.
UINT ProfileNumber(std::string_view text);

}  // namespace posix::detail
