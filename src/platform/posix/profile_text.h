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
// to ASCII case, surrounding blanks ignored, one pair of matching quotes
// around the value removed). nullopt when the section or the key is missing.
std::optional<std::string> ProfileValue(std::string_view text, std::string_view section, std::string_view key);

// The text with the key set to the value: the key's line rewritten after its
// '=', or a new line at the end of its section, or a new section at the end of
// the file. New lines end as the file's first line does (CRLF or LF).
std::string ProfileWithValue(std::string_view text, std::string_view section, std::string_view key,
                             std::string_view value);
// The text without the key's line, or without the whole section.
std::string ProfileWithoutKey(std::string_view text, std::string_view section, std::string_view key);
std::string ProfileWithoutSection(std::string_view text, std::string_view section);

// A number as GetPrivateProfileInt reads it: an optional sign and decimal
// digits, stopping at the first other character, in 32-bit arithmetic that
// wraps; no digits read as 0.
UINT ProfileNumber(std::string_view value);

}  // namespace posix::detail
