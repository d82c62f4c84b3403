// tintora-convert: a colour list from one palette file format to another, chosen by the files'
// extensions. Core only: it needs no display and no Qt.
//
//   tintora-convert IN OUT [--to FORMAT] [--act-adobe] [--html-columns N]
//                   [--html-style consecutive|overlay]
//
// Exit codes: 0 converted, 1 the input could not be read or the output not written, 2 the
// command line is wrong (unknown options or extensions).
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/formats/list_formats.h"
#include "core/io/file_io.h"
#include "version.h"

namespace tintora {
namespace {

constexpr int kConverted = 0, kBadInput = 1, kUsage = 2;

void PrintUsage(std::FILE* to) {
  std::string extensions;
  for (const ListFormatInfo& f : ListFormats()) {
    std::string ext = ExtensionsOf(f.format);
    ext.resize(std::max<std::size_t>(ext.size(), 11), ' ');
    std::string key(f.key);
    key.resize(std::max<std::size_t>(key.size(), 10), ' ');
    extensions += "  " + ext + " " + key + " " + std::string(f.description);
    extensions += f.reads && f.writes                ? "\n"
                  : f.format == ListFormat::PaintNet ? " (a .txt read tells it by its lines)\n"
                  : f.format == ListFormat::AcoV0    ? " (written with --to aco-v0)\n"
                  : f.reads                          ? " (read only)\n"
                                                     : " (written only)\n";
  }
  std::fprintf(to,
               "Usage: tintora-convert IN OUT [--to FORMAT] [--act-adobe] [--html-columns N]\n"
               "                       [--html-style consecutive|overlay]\n"
               "\n"
               "Converts a colour list between palette file formats, each chosen by its file's\n"
               "extension. OUT is written whole or not at all. A palette's own name and columns\n"
               "(GIMP, Krita, Scribus, Procreate) go with it into formats that keep them.\n"
               "\n"
               "Options:\n"
               "  --to FORMAT        write OUT in FORMAT (a name from the list below) whatever\n"
               "                     its extension, e.g. --to paint.net for a .txt\n"
               "  --act-adobe        an .act as Photoshop's 772-byte table (at most 256 colours)\n"
               "  --html-columns N   cells per row of an HTML table, 1 to 10 (default 4)\n"
               "  --html-style S     consecutive (swatch beside the text, the default) or overlay\n"
               "                     (text on the swatch)\n"
               "  --help             this text\n"
               "  --version          the version\n"
               "\n"
               "Formats (extension, name for --to, description):\n%s"
               "\n"
               "Exit status: 0 converted, 1 the input could not be read or OUT not written,\n"
               "2 the command line is wrong.\n",
               extensions.c_str());
}

int UsageError(const std::string& why) {
  std::fprintf(stderr, "tintora-convert: %s\nTry 'tintora-convert --help'.\n", why.c_str());
  return kUsage;
}

// A message box's text on one line.
std::string OneLine(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\r' || c == '\n') {
      if (!out.empty() && out.back() != ' ') out += ' ';
    } else {
      out += c;
    }
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

int Convert(const std::string& in, const std::string& out, ListWriteOptions options,
            std::optional<ListFormat> to) {
  const auto inFormat = FormatOfPath(in);
  if (!inFormat) return UsageError("'" + in + "': Tintora does not know this kind of file.");
  const auto outFormat = to ? to : FormatOfPath(out);
  if (!outFormat) return UsageError("'" + out + "': Tintora does not know this kind of file.");
  if (!InfoOf(*outFormat).writes)
    return UsageError("'" + out + "': Tintora reads " + std::string(InfoOf(*outFormat).description) +
                      " files but does not write them.");

  std::string error;
  ReadFailure failure;
  const auto bytes = ReadWholeFile(PathFromUtf8(in), &error, kMaxReadBytes, &failure);
  if (!bytes) {
    std::fprintf(stderr,
                 failure == ReadFailure::System ? "tintora-convert: %s: %s\n" : "tintora-convert: %s %s\n",
                 in.c_str(), error.c_str());
    return kBadInput;
  }
  ListReadResult read = ReadListFile(*inFormat, *bytes);
  const bool refused = read.status == ListReadResult::Status::Refused;
  for (const FileNotice& n : read.notices)
    std::fprintf(stderr, "tintora-convert: %s: %s%s\n", in.c_str(),
                 refused ? "" : "warning: ", OneLine(n.text).c_str());
  if (refused) {
    if (!read.reason.empty())
      std::fprintf(stderr, "tintora-convert: %s %s\n", in.c_str(), read.reason.c_str());
    return kBadInput;
  }
  if (read.status == ListReadResult::Status::Cut) {
    std::fprintf(stderr,
                 "tintora-convert: %s ends before its last colour (%zu read); '%s' was not written.\n",
                 in.c_str(), read.entries.size(), out.c_str());
    return kBadInput;
  }
  if (read.entries.empty()) {
    std::fprintf(stderr, "tintora-convert: %s holds no colours; '%s' was not written.\n", in.c_str(),
                 out.c_str());
    return kBadInput;
  }
  if (!read.title.empty()) options.title = read.title;
  options.columns = read.columns;
  ColourList list;
  list.Append(std::move(read.entries));
  const ListWriteResult written = WriteListFile(*outFormat, list, options);
  if (!written.Ok()) {
    std::fprintf(stderr, "tintora-convert: '%s' was not written: %s\n", out.c_str(), written.error.c_str());
    return kBadInput;
  }
  if (auto failed = WriteFileAtomically(PathFromUtf8(out), written.bytes)) {
    std::fprintf(stderr, "tintora-convert: %s: %s\n", out.c_str(), failed->c_str());
    return kBadInput;
  }
  return kConverted;
}

int Main(int argc, char** argv) {
  std::vector<std::string> files;
  ListWriteOptions options;
  std::optional<ListFormat> to;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      PrintUsage(stdout);
      return kConverted;
    }
    if (arg == "--version") {
      std::printf("tintora-convert %s\n", kVersion);
      return kConverted;
    }
    if (arg == "--act-adobe") {
      options.actAdobeTable = true;
      continue;
    }
    if (arg == "--to") {
      if (i + 1 >= argc) return UsageError("--to needs a value.");
      const std::string_view key = argv[++i];
      to = FormatOfKey(key);
      if (!to || !InfoOf(*to).writes)
        return UsageError("--to takes the name of a format Tintora writes (see --help), not '" +
                          std::string(key) + "'.");
      continue;
    }
    if (arg == "--html-columns" || arg == "--html-style") {
      if (i + 1 >= argc) return UsageError(std::string(arg) + " needs a value.");
      const std::string_view value = argv[++i];
      if (arg == "--html-columns") {
        int n = 0;
        const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), n);
        if (ec != std::errc() || end != value.data() + value.size() || n < 1 || n > 10)
          return UsageError("--html-columns takes a number from 1 to 10, not '" + std::string(value) + "'.");
        options.html.columns = n;
      } else if (value == "consecutive") {
        options.html.style = HtmlTableStyle::ConsecutiveText;
      } else if (value == "overlay") {
        options.html.style = HtmlTableStyle::TextOverlay;
      } else {
        return UsageError("--html-style takes consecutive or overlay, not '" + std::string(value) + "'.");
      }
      continue;
    }
    if (arg.size() > 1 && arg[0] == '-') return UsageError("unknown option '" + std::string(arg) + "'.");
    files.emplace_back(arg);
  }
  if (files.size() != 2) return UsageError("give one file to read and one to write.");
  const std::string& out = files[1];
  const std::size_t slash = out.find_last_of('/');
  const std::string name = out.substr(slash == std::string::npos ? 0 : slash + 1);
  options.title = name.substr(0, name.find_last_of('.'));
  return Convert(files[0], out, options, to);
}

}  // namespace
}  // namespace tintora

int main(int argc, char** argv) { return tintora::Main(argc, argv); }
