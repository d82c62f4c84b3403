// The keystroke filter of the colour name edit: characters that would break a list file or an
// HTML page are turned into harmless ones as they are typed.
#pragma once

#include <string>
#include <string_view>

#include "core/colour/text_filters.h"

namespace tintora {

// "{" and "[" become "(", "}" and "]" become ")", and control characters (but CR), the
// apostrophe, the comma, "<", ">" and the characters of the 8-bit code page's codes 128-255
// become a blank; every other character (Greek, CJK, symbols) stays. Only the character just
// left of the caret is examined.
EditFilterResult ColourNameFilter(std::string_view text, int caret);

}  // namespace tintora
