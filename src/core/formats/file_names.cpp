#include "core/formats/file_names.h"

#include <algorithm>

namespace tintora {

namespace {
std::size_t NameStart(std::string_view path) {
  const std::size_t sep = path.find_last_of("\\/:");
  return sep == std::string_view::npos ? 0 : sep + 1;
}
}  // namespace

std::string ExtractFileExt(std::string_view path) {
  const std::size_t start = NameStart(path);
  const std::size_t dot = path.find_last_of('.');
  if (dot == std::string_view::npos || dot < start) return {};
  return std::string(path.substr(dot));
}

std::string ChangeFileExt(std::string_view path, std::string_view extension) {
  const std::string ext = ExtractFileExt(path);
  return std::string(path.substr(0, path.size() - ext.size())) + std::string(extension);
}

std::string ExtractFileName(std::string_view path) { return std::string(path.substr(NameStart(path))); }

std::string NormalisedExt(std::string_view path) {
  std::string ext = ExtractFileExt(path);
  for (char& c : ext)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  while (!ext.empty() && ext.back() == ' ') ext.pop_back();
  return ext;
}

std::string TypeChangeFileName(std::string_view pathInDialog, std::string_view newExtension) {
  const std::string name =
      ExtractFileExt(pathInDialog).empty() ? std::string() : ExtractFileName(pathInDialog);
  return ChangeFileExt(name, newExtension);
}

}  // namespace tintora
