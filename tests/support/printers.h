// Readable values in test failure messages.
#pragma once

#include <ostream>

#include "core/list/colour_list.h"

namespace tintora {

inline void PrintTo(const ColourEntry& e, std::ostream* os) {
  *os << "{" << e.name << "}[" << e.value << "]";
}

}  // namespace tintora
