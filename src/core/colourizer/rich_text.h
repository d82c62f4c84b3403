// The colourized text as rich text for the clipboard, in the forms word processors and mail
// programs take: RTF, an HTML fragment with styled spans, and plain text. Each holds the
// counted characters only (trailing white space is left out).
#pragma once

#include <string>
#include <string_view>

#include "core/colourizer/colourizer.h"

namespace tintora {

std::string ColourizedRtf(const Colourized& text, const ColourizerStyles& styles, std::string_view family);
std::string ColourizedHtmlFragment(const Colourized& text, const ColourizerStyles& styles,
                                   std::string_view family);
// UTF-8, line breaks as "\n".
std::string ColourizedPlainText(const Colourized& text);

}  // namespace tintora
