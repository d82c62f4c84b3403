// A zip archive of the named files, deflated, as a palette format that is a zip is built.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/io/zip_writer.h"

namespace tintora {

inline std::string Zip(std::initializer_list<std::pair<std::string_view, std::string_view>> files) {
  std::vector<ZipEntryToWrite> entries;
  for (const auto& [name, bytes] : files) entries.push_back({name, bytes, false});
  return WriteZip(entries);
}

}  // namespace tintora
