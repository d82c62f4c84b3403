// Colour lists for tests, written as the entries they hold.
#pragma once

#include <utility>
#include <vector>

#include "core/list/colour_list.h"

namespace tintora {

inline ColourList List(std::vector<ColourEntry> entries) {
  ColourList list;
  list.Append(std::move(entries));
  return list;
}

}  // namespace tintora
