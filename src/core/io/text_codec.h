// Text encodings of the files Tintora reads and writes. Core text is UTF-8; files of this kind
// have always been Windows-1252, so that is what we write whenever every character fits, and
// UTF-8 otherwise. Reading takes valid UTF-8 as UTF-8 and anything else as Windows-1252.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tintora {

// Every byte has a meaning: the five bytes Windows-1252 leaves undefined map to the C1
// controls of the same number, so decoding and encoding again gives back the same bytes.
std::string Cp1252ToUtf8(std::string_view bytes);

// nullopt when some character has no Windows-1252 byte.
std::optional<std::string> Utf8ToCp1252(std::string_view utf8);

bool IsValidUtf8(std::string_view bytes);
// At most `maxChars` characters of UTF-8 text, cut at a character's boundary.
std::string CutToChars(std::string_view utf8, std::size_t maxChars);

// The text with each byte that starts no valid UTF-8 character made U+FFFD.
std::string ValidUtf8(std::string_view bytes);
// Whether a character has a Windows-1252 byte, and that byte.
bool FitsCp1252(char32_t cp);
std::optional<unsigned char> Cp1252Code(char32_t cp);
// For walking UTF-8 quickly: the first byte from `from` on that is not ASCII (or the end), and
// the end of the character (or stray bytes) starting at `start`.
std::size_t NextNonAscii(std::string_view utf8, std::size_t from);
std::size_t CharacterEnd(std::string_view utf8, std::size_t start);

// Eight-bit text to UTF-8: valid UTF-8 as it is, anything else as Windows-1252.
std::string Decode8BitText(std::string_view bytes);
// File bytes to UTF-8 text: a UTF-16 file with its byte order mark (either byte order) as
// UTF-16, otherwise as eight-bit text; a byte order mark is dropped.
std::string DecodeFileText(std::string_view bytes);
// Whether DecodeFileText would give the bytes back as they are: UTF-8 without a byte order mark.
bool IsPlainUtf8(std::string_view bytes);

// UTF-8 text to file bytes: Windows-1252 when everything fits (and the bytes cannot be taken
// for UTF-8), else UTF-8.
std::string EncodeFileText(std::string utf8);

// UTF-16 code units of UTF-8 text, characters beyond the first plane as surrogate pairs.
std::u16string Utf8ToUtf16(std::string_view utf8);
// UTF-8 text of UTF-16 code units; a surrogate without its partner becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view units);

}  // namespace tintora
