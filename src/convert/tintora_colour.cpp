// tintora-colour: colours written the way CSS writes them, from the command line. Core only,
// except --pick, which hands the screen to the main program ("tintora --pick") beside it.
//
//   tintora-colour [--to NOTATION] COLOUR...
//   tintora-colour --pick [--to NOTATION]
//
// Exit codes: 0 every colour read (or one picked), 1 a colour was not read (the others are
// still printed) or the pick was cancelled or failed, 2 the command line is wrong.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "colour/css_colour.h"
#include "version.h"

extern char** environ;

namespace tintora {
namespace {

constexpr int kRead = 0, kNotRead = 1, kUsage = 2;

std::string NotationWords() {
  std::string words;
  for (const CssNotationName& n : CssNotations()) words += (words.empty() ? "" : ", ") + std::string(n.word);
  return words;
}

void PrintUsage(std::FILE* to) {
  std::fprintf(to,
               "Usage: tintora-colour [--to NOTATION] COLOUR...\n"
               "       tintora-colour --pick [--to NOTATION]\n"
               "\n"
               "Writes colours the way CSS writes them. Each COLOUR is any CSS colour: a name\n"
               "(rebeccapurple), #rgb, #rrggbb (with or without the #), rgb(), hsl(), hwb(),\n"
               "lab(), lch(), oklab(), oklch() or color() in srgb, srgb-linear, display-p3,\n"
               "a98-rgb, prophoto-rgb, rec2020, xyz, xyz-d50 or xyz-d65. Quote it for the shell:\n"
               "  tintora-colour --to oklch '#3366cc' 'rgb(255 128 0)'\n"
               "A COLOUR of - reads colours from standard input, one a line. Colours outside\n"
               "sRGB are brought into it by the CSS gamut mapping; alpha is read and dropped.\n"
               "\n"
               "Options:\n"
               "  --to NOTATION   one line per colour in NOTATION: %s\n"
               "                  (name is the CSS name, or #RRGGBB for a colour without one);\n"
               "                  without it, every notation as 'notation: text' lines\n"
               "  --pick          pick a colour from the screen: click it, or move with the\n"
               "                  arrow keys and press Enter; Escape or a right click cancels\n"
               "  --help          this text\n"
               "  --version       the version\n"
               "\n"
               "Exit status: 0 every colour read, 1 a colour was not read (the others are\n"
               "still printed) or the pick was cancelled, 2 the command line is wrong.\n",
               NotationWords().c_str());
}

int UsageError(const std::string& why) {
  std::fprintf(stderr, "tintora-colour: %s\nTry 'tintora-colour --help'.\n", why.c_str());
  return kUsage;
}

// Prints one colour; false (and a message on standard error) when the text is none.
bool Print(std::string_view text, std::optional<CssNotation> to, bool& first) {
  const CssColourReading read = ReadCssColour(text);
  if (!read) {
    std::fprintf(stderr, "tintora-colour: %s\n", read.error.c_str());
    return false;
  }
  if (to) {
    std::printf("%s\n", WriteCssColour(read.colour, *to).c_str());
  } else {
    if (!first) std::printf("\n");
    for (const CssNotationName& n : CssNotations())
      std::printf("%s: %s\n", std::string(n.word).c_str(), WriteCssColour(read.colour, n.notation).c_str());
  }
  first = false;
  return true;
}

// The main program beside this one, which owns the screen: on X11 it holds the pointer with a
// crosshair, on Wayland it asks the desktop portal.
std::string PickerPath(const char* argv0) {
  std::string self(4096, '\0');
  const ssize_t n = readlink("/proc/self/exe", self.data(), self.size() - 1);
  self = n > 0 ? self.substr(0, static_cast<std::size_t>(n)) : std::string(argv0);
  const std::size_t slash = self.rfind('/');
  return (slash == std::string::npos ? std::string(".") : self.substr(0, slash)) + "/tintora";
}

int Pick(const char* argv0, std::optional<CssNotation> to) {
  const std::string picker = PickerPath(argv0);
  int out[2];
  if (pipe(out) != 0) {
    std::perror("tintora-colour: pipe");
    return kNotRead;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  posix_spawn_file_actions_addclose(&actions, out[1]);
  char* const args[] = {const_cast<char*>(picker.c_str()), const_cast<char*>("--pick"), nullptr};
  pid_t child = 0;
  const int spawned = posix_spawn(&child, picker.c_str(), &actions, nullptr, args, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  if (spawned != 0) {
    close(out[0]);
    std::fprintf(stderr, "tintora-colour: cannot start the picker %s: %s\n", picker.c_str(),
                 std::strerror(spawned));
    return kNotRead;
  }
  std::string picked;
  char buffer[256];
  for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) != 0;) {
    if (n < 0) {
      if (errno == EINTR) continue;
      break;
    }
    picked.append(buffer, static_cast<std::size_t>(n));
  }
  close(out[0]);
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  if (!WIFEXITED(status)) {
    std::fprintf(stderr, "tintora-colour: the picker stopped without an answer\n");
    return kNotRead;
  }
  if (WEXITSTATUS(status) != 0) return kNotRead;  // cancelled, or it said why itself
  while (!picked.empty() && (picked.back() == '\n' || picked.back() == '\r')) picked.pop_back();
  bool first = true;
  return Print(picked, to, first) ? kRead : kNotRead;
}

int Run(int argc, char** argv) {
  std::optional<CssNotation> to;
  bool pick = false, optionsEnd = false;
  std::vector<std::string> colours;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (optionsEnd || arg == "-" || arg.empty() || arg.front() != '-' || arg.size() < 2 ||
        !(arg[1] == '-' || (arg[1] >= 'a' && arg[1] <= 'z'))) {
      colours.emplace_back(arg);  // "-" and texts such as "-5" are not options
      continue;
    }
    if (arg == "--") {
      optionsEnd = true;
    } else if (arg == "--help" || arg == "-h") {
      PrintUsage(stdout);
      return kRead;
    } else if (arg == "--version") {
      std::printf("tintora-colour %s\n", kVersion);
      return kRead;
    } else if (arg == "--pick") {
      pick = true;
    } else if (arg == "--to" || arg.starts_with("--to=")) {
      std::string_view word;
      if (arg == "--to") {
        if (i + 1 >= argc) return UsageError("--to needs a notation: " + NotationWords());
        word = argv[++i];
      } else {
        word = arg.substr(5);
      }
      to = CssNotationOfWord(word);
      if (!to)
        return UsageError("'" + std::string(word) + "' is no notation; choose one of " + NotationWords());
    } else {
      return UsageError("unknown option '" + std::string(arg) + "'");
    }
  }
  if (pick) {
    if (!colours.empty()) return UsageError("--pick takes no colours");
    return Pick(argv[0], to);
  }
  if (colours.empty()) return UsageError("give at least one colour, or --pick");
  bool all = true, first = true;
  for (const std::string& colour : colours) {
    if (colour != "-") {
      all = Print(colour, to, first) && all;
      continue;
    }
    for (std::string line; std::getline(std::cin, line);)
      if (line.find_first_not_of(" \t\r") != std::string::npos) all = Print(line, to, first) && all;
  }
  return all ? kRead : kNotRead;
}

}  // namespace
}  // namespace tintora

int main(int argc, char** argv) { return tintora::Run(argc, argv); }
