// The error every text-to-integer parse raises, with the message users already know from
// the original program: "'%s' is not a valid integer value".
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tintora {

class ConversionError : public std::runtime_error {
 public:
  explicit ConversionError(std::string_view text);
  // The text that failed to parse, as it was handed to the parser.
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

// Standard string-to-integer conversion: optional leading blanks, an optional sign, then
// decimal digits, or hexadecimal digits after "$" or "0x". Hexadecimal values up to 8 digits
// wrap into the signed 32-bit range ("$FFFFFFFF" is -1); decimal values must fit it.
// Throws ConversionError for anything else, trailing characters included.
int StrToInt(std::string_view text);

// StrToInt that answers nullopt instead of throwing.
std::optional<int> TryStrToInt(std::string_view text);

// A hex text turned into an integer by prefixing "$" to it, the way every hex text of the
// program is read. Throws ConversionError (with the "$" in its message) for non-hex text.
int ParseDollarHex(std::string_view hexText);

}  // namespace tintora
