// Windows-1251, the single-byte Cyrillic code page of the results text files.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vexilor {

//! Converts UTF-8 text to Windows-1251; characters the code page lacks
//! (and malformed UTF-8) become '?'.
std::string Utf8ToCp1251(std::string_view utf8);

//! Converts Windows-1251 text to UTF-8 (byte 0x98, unassigned, becomes U+FFFD).
std::string Cp1251ToUtf8(std::string_view cp1251);

//! True when text is well-formed UTF-8 (plain ASCII included).
bool IsValidUtf8(std::string_view text);

//! The first count characters of UTF-8 text (all of it when shorter): the
//! cut a single-byte name field of count bytes makes. Never splits a
//! multi-byte sequence.
std::string CutToCharacters(std::string_view utf8, std::size_t count);

}  // namespace vexilor
