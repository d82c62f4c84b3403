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
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "convert/design_commands.h"
#include "convert/run_picker.h"
#include "core/capture/capture_maths.h"
#include "core/colour/css_colour.h"
#include "version.h"

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
               "       tintora-colour --pick [--average N] [--device] [--to NOTATION]\n"
               "       tintora-colour --contrast FOREGROUND BACKGROUND\n"
               "       tintora-colour --fix-contrast AA|AAA|AA-large FOREGROUND BACKGROUND [--to NOTATION]\n"
               "       tintora-colour --scale COLOUR [--to NOTATION]\n"
               "       tintora-colour --simulate DEFICIENCY COLOUR... [--to NOTATION]\n"
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
               "  --average N     with --pick: the mean, in linear light, of the N x N screen\n"
               "                  pixels around the one picked (N = 1, 3, 5, 7 or 9; 1 without it;\n"
               "                  a desktop's own picker, as on Wayland, gives one pixel)\n"
               "  --device        with --pick: the screen's own value, not the sRGB colour the\n"
               "                  display's colour profile says it shows\n"
               "  --contrast      the WCAG 2 contrast of two colours, rounded down (4.499 is\n"
               "                  4.49:1), and whether it passes AA and AAA, normal and large text\n"
               "  --fix-contrast LEVEL\n"
               "                  the colour nearest FOREGROUND that reaches LEVEL (AA 4.5:1,\n"
               "                  AAA 7:1, AA-large 3:1) against BACKGROUND: its OKLCH lightness\n"
               "                  moved, its hue kept, chroma given up only outside sRGB\n"
               "  --scale         eleven steps, 50 to 950, from near white to near black, the\n"
               "                  colour itself the step nearest its lightness\n"
               "  --simulate DEFICIENCY\n"
               "                  each colour as seen with protanopia, deuteranopia, tritanopia\n"
               "                  or achromatopsia\n"
               "  --line-buffered write each line as soon as it is made (it is on a terminal)\n"
               "  --help          this text\n"
               "  --version       the version\n"
               "\n"
               "Exit status: 0 every colour read, 1 a colour was not read (the others are\n"
               "still printed), the pick was cancelled, or standard input or output failed,\n"
               "2 the command line is wrong.\n",
               NotationWords().c_str());
}

// Standard output, buffered: many colours a write, and a line at a time only where someone
// watches it come (a terminal) or asks for it (--line-buffered, for a pipe read line by line).
class Output {
 public:
  explicit Output(bool lineByLine) : lineByLine_(lineByLine) {}
  void Line(std::string_view text) {
    buffer_.append(text);
    buffer_ += '\n';
    if (lineByLine_ || buffer_.size() >= (1u << 16)) Flush();
  }
  // False, with the system's reason, once a write has failed (a full disk, a closed pipe).
  bool Flush() {
    if (error_ == 0 && !buffer_.empty() &&
        (std::fwrite(buffer_.data(), 1, buffer_.size(), stdout) != buffer_.size() ||
         std::fflush(stdout) != 0))
      error_ = errno ? errno : EIO;
    buffer_.clear();
    return error_ == 0;
  }
  int Error() const { return error_; }

 private:
  std::string buffer_;
  bool lineByLine_;
  int error_ = 0;
};

// Calls `line` for each line of standard input (a byte order mark before it dropped); the
// system's reason when reading fails (standard input a folder, an I/O error), 0 otherwise.
int ForEachInputLine(const std::function<void(std::string_view)>& line) {
  std::string pending;
  std::vector<char> block(1u << 16);
  auto take = [&](std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    line(text);
  };
  for (;;) {
    const std::size_t n = std::fread(block.data(), 1, block.size(), stdin);
    std::string_view got(block.data(), n);
    for (std::size_t eol; (eol = got.find('\n')) != std::string_view::npos; got.remove_prefix(eol + 1)) {
      if (pending.empty()) {
        take(got.substr(0, eol));
      } else {
        pending.append(got.substr(0, eol));
        take(pending);
        pending.clear();
      }
    }
    pending.append(got);
    if (n < block.size()) break;
  }
  if (std::ferror(stdin)) return errno ? errno : EIO;
  if (!pending.empty()) take(pending);
  return 0;
}

int UsageError(const std::string& why) {
  std::fprintf(stderr, "tintora-colour: %s\nTry 'tintora-colour --help'.\n", why.c_str());
  return kUsage;
}

// Prints one colour; false (and a message on standard error) when the text is none.
bool Print(Output& out, std::string_view text, std::optional<CssNotation> to, bool& first) {
  const CssColourReading read = ReadCssColour(text);
  if (!read) {
    out.Flush();  // what came before it comes first
    std::fprintf(stderr, "tintora-colour: %s\n", read.error.c_str());
    return false;
  }
  if (const auto note = AlphaNote(text, read)) {
    out.Flush();  // beside the line it speaks of
    std::fprintf(stderr, "tintora-colour: note: %s\n", note->c_str());
  }
  if (to) {
    out.Line(WriteCssColour(read.colour, *to));
  } else {
    if (!first) out.Line("");
    for (const CssNotationName& n : CssNotations())
      out.Line(std::string(n.word) + ": " + WriteCssColour(read.colour, n.notation));
  }
  first = false;
  return true;
}

int Pick(Output& out, const char* argv0, int average, bool device, std::optional<CssNotation> to) {
  const PickerRun run = RunPicker(argv0, average, device);
  if (!run.started) {
    std::fprintf(stderr, "tintora-colour: cannot start the picker %s: %s\n", run.picker.c_str(),
                 run.why.c_str());
    return kNotRead;
  }
  if (!run.finished) {
    std::fprintf(stderr, "tintora-colour: the picker stopped without an answer\n");
    return kNotRead;
  }
  if (run.exitCode != 0) return kNotRead;  // cancelled, or it said why itself
  std::string picked = run.output;
  while (!picked.empty() && (picked.back() == '\n' || picked.back() == '\r')) picked.pop_back();
  bool first = true;
  return Print(out, picked, to, first) ? kRead : kNotRead;
}

int Run(int argc, char** argv) {
  std::optional<CssNotation> to;
  bool pick = false, device = false, optionsEnd = false, lineBuffered = false;
  std::optional<DesignRequest> design;
  int average = 1;
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
    } else if (arg == "--device") {
      device = true;
    } else if (arg == "--average") {
      if (i + 1 >= argc) return UsageError("--average needs a size: 1, 3, 5, 7 or 9");
      const std::string_view size = argv[++i];
      average = size.size() == 1 ? size[0] - '0' : 0;
      if (SampleSizeOrOne(average) != average)
        return UsageError("'" + std::string(size) + "' is no sample size; choose 1, 3, 5, 7 or 9");
    } else if (arg == "--contrast" || arg == "--fix-contrast" || arg == "--scale" || arg == "--simulate") {
      if (design) return UsageError("choose one of --contrast, --fix-contrast, --scale and --simulate");
      design.emplace();
      if (arg == "--contrast") design->command = DesignCommand::Contrast;
      if (arg == "--scale") design->command = DesignCommand::Scale;
      if (arg == "--fix-contrast") {
        design->command = DesignCommand::FixContrast;
        const auto target = i + 1 < argc ? ContrastTargetOf(argv[i + 1]) : std::nullopt;
        if (!target)
          return UsageError(i + 1 < argc
                                ? "'" + std::string(argv[i + 1]) + "' is no level; choose AA, AAA or AA-large"
                                : "--fix-contrast needs a level: AA, AAA or AA-large");
        design->target = *target;
        ++i;
      }
      if (arg == "--simulate") {
        design->command = DesignCommand::Simulate;
        const auto vision = i + 1 < argc ? ColourVisionOf(argv[i + 1]) : std::nullopt;
        if (!vision)
          return UsageError((i + 1 < argc ? "'" + std::string(argv[i + 1]) + "' is no deficiency"
                                          : std::string("--simulate needs a deficiency")) +
                            "; choose protanopia, deuteranopia, tritanopia or achromatopsia");
        design->vision = *vision;
        ++i;
      }
    } else if (arg == "--line-buffered") {
      lineBuffered = true;
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
  Output out(lineBuffered || OutputIsTerminal());
  int status = kRead;
  if (design) {
    if (pick)
      return UsageError("--pick goes with none of --contrast, --fix-contrast, --scale and --simulate");
    design->to = to;
    const DesignAnswer answer = RunDesignCommand(*design, colours);
    if (answer.usage) return UsageError(answer.error);
    for (const std::string& line : answer.lines) out.Line(line);
    if (!answer.error.empty()) {
      out.Flush();
      std::fprintf(stderr, "tintora-colour: %s\n", answer.error.c_str());
      status = kNotRead;
    }
  } else if (pick) {
    if (!colours.empty()) return UsageError("--pick takes no colours");
    status = Pick(out, argv[0], average, device, to);
  } else {
    if (average != 1) return UsageError("--average goes with --pick");
    if (device) return UsageError("--device goes with --pick");
    if (colours.empty()) return UsageError("give at least one colour, or --pick");
    bool all = true, first = true;
    for (const std::string& colour : colours) {
      if (colour != "-") {
        all = Print(out, colour, to, first) && all;
        continue;
      }
      const int failed = ForEachInputLine([&](std::string_view line) {
        if (line.find_first_not_of(" \t\r") != std::string_view::npos)
          all = Print(out, line, to, first) && all;
      });
      if (failed != 0) {
        out.Flush();
        std::fprintf(stderr, "tintora-colour: cannot read standard input: %s\n", std::strerror(failed));
        all = false;
      }
    }
    status = all ? kRead : kNotRead;
  }
  if (!out.Flush()) {
    std::fprintf(stderr, "tintora-colour: cannot write to standard output: %s\n", std::strerror(out.Error()));
    return kNotRead;
  }
  return status;
}

}  // namespace
}  // namespace tintora

int main(int argc, char** argv) { return tintora::Run(argc, argv); }
