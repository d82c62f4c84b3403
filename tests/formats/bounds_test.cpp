// What a file costs to read follows what it keeps, never what it repeats, nests or refers to:
// small hostile files are refused or read within a budget of memory and processor time, set by
// the system on a child process (not timed by the test), and lists of a million colours still
// read within theirs.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <fstream>
#include <functional>
#include <new>

#include "core/formats/list_formats.h"
#include "core/io/zip_archive.h"
#include "core/io/zip_writer.h"
#include "core/settings/ini_file.h"
#include "core/settings/settings_values.h"
#include "support/temp_dir.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TINTORA_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define TINTORA_ASAN 1
#endif

namespace tintora {
namespace {

std::size_t AddressSpaceBytes() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.starts_with("VmSize:")) return std::stoull(line.substr(7)) * 1024;
  return 0;
}

// Runs `read` in a child process that may use `megabytes` more address space and `seconds` of
// processor time; what went wrong, or "" when it kept to both and answered as expected.
std::string WithinBudget(const std::function<bool()>& read, std::size_t megabytes, int seconds) {
  std::fflush(nullptr);
  const pid_t child = ::fork();
  if (child == 0) {
    const rlimit cpu{static_cast<rlim_t>(seconds), static_cast<rlim_t>(seconds + 1)};
    const rlim_t space = AddressSpaceBytes() + (megabytes << 20);
    const rlimit memory{space, space};
    if (::setrlimit(RLIMIT_CPU, &cpu) != 0 || ::setrlimit(RLIMIT_AS, &memory) != 0) ::_exit(5);
    try {
      ::_exit(read() ? 0 : 3);
    } catch (const std::bad_alloc&) {
      ::_exit(4);
    }
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return "";
  if (WIFEXITED(status) && WEXITSTATUS(status) == 3) return "read, but not as expected";
  if (WIFEXITED(status) && WEXITSTATUS(status) == 5) return "the limits could not be set";
  if ((WIFEXITED(status) && WEXITSTATUS(status) == 4) || (WIFSIGNALED(status) && WTERMSIG(status) == SIGABRT))
    return "needed more than " + std::to_string(megabytes) + " MB";
  if (WIFSIGNALED(status) && (WTERMSIG(status) == SIGXCPU || WTERMSIG(status) == SIGKILL))
    return "took more than " + std::to_string(seconds) + " s of processor time";
  return "ended with status " + std::to_string(status);
}

std::string Repeated(std::string_view piece, std::size_t times) {
  std::string s;
  s.reserve(piece.size() * times);
  for (std::size_t i = 0; i < times; ++i) s += piece;
  return s;
}

std::string Zipped(std::string_view name, const std::string& xml) {
  const ZipEntryToWrite entry[] = {{name, xml, false}};
  return WriteZip(entry);
}

// A SwatchBooker book of one material, titled `title`, and `swatches` swatches of it.
std::string ReferringBook(std::size_t titleChars, std::size_t swatches) {
  return Zipped("swatchbook.xml",
                "<SwatchBook><materials><color><metadata><identifier>m</identifier><title>" +
                    std::string(titleChars, 'T') +
                    "</title></metadata><values model=\"RGB\">1 0 0</values></color>"
                    "</materials><book>" +
                    Repeated("<swatch material=\"m\"/>", swatches) + "</book></SwatchBook>");
}

std::string MillionColours() {
  std::string text;
  text.reserve(30'000'000);
  char line[40];
  for (int i = 0; i < 1'000'000; ++i) {
    std::snprintf(line, sizeof line, "{Colour number %07d}[%06X]\r\n", i, i * 16 % 0x1000000);
    text += line;
  }
  return text;
}

TEST(Bounds, HostileFilesAreRefusedOrReadWithinBudgetAndLargeListsAsBefore) {
#ifdef TINTORA_ASAN
  GTEST_SKIP() << "the sanitizers' own memory makes an address-space budget meaningless";
#endif
  constexpr std::size_t kHostileMegabytes = 300, kListMegabytes = 160;
  constexpr int kSeconds = 2;
  const std::size_t refused = SIZE_MAX;
  const struct {
    const char* what;
    ListFormat format;
    std::function<std::string()> make;
    std::size_t entries;  // `refused`, or how many a read gives
    std::size_t megabytes;
  } rows[] = {
      {"a book of 100,000 references to one material with a 20,000-character title", ListFormat::SwatchBooker,
       [] { return ReferringBook(20'000, 100'000); }, refused, kHostileMegabytes},
      {"a book of 1,000,000 references to one material with a 30 MB title", ListFormat::SwatchBooker,
       [] { return ReferringBook(30'000'000, 1'000'000); }, refused, kHostileMegabytes},
      {"63 MB of nested elements in a zipped Krita palette", ListFormat::Kpl,
       [] { return Zipped("colorset.xml", "<ColorSet>" + Repeated("<a>", 21'000'000)); }, refused,
       kHostileMegabytes},
      {"128 MB of nested elements in a LibreOffice table", ListFormat::Soc,
       [] { return "<color-table>" + Repeated("<a>", 43'000'000); }, refused, kHostileMegabytes},
      {"100 MB of blank lines as a hex list", ListFormat::HexList,
       [] { return std::string(100'000'000, '\n'); }, refused, kHostileMegabytes},
      {"100 MB of blank lines as text", ListFormat::Txt, [] { return std::string(100'000'000, '\n'); },
       refused, kHostileMegabytes},
      {"100 MB of blank lines as a GIMP palette", ListFormat::Gpl,
       [] { return "GIMP Palette\n" + std::string(100'000'000, '\n'); }, refused, kHostileMegabytes},
      {"50,000,000 empty entries as Tintora colour data", ListFormat::Cdt,
       [] { return Repeated("{\n", 50'000'000); }, refused, kHostileMegabytes},
      {"a CSS custom property named by 100 MB", ListFormat::Css,
       [] { return ":root { --" + std::string(100'000'000, 'n') + ": red; }"; }, 1, kHostileMegabytes},
      {"a million named colours", ListFormat::Cdt, MillionColours, 1'000'000, kListMegabytes},
      {"a million colours as a GIMP palette", ListFormat::Gpl,
       [] { return "GIMP Palette\n" + Repeated("255 128 0\tOrange\n", 1'000'000); }, 1'000'000,
       kListMegabytes},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    const std::string bytes = row.make();
    EXPECT_EQ(WithinBudget(
                  [&] {
                    const ListReadResult r = ReadListFile(row.format, bytes);
                    if (row.entries == refused) return r.status == ListReadResult::Status::Refused;
                    return r.status == ListReadResult::Status::Read && r.entries.size() == row.entries;
                  },
                  row.megabytes, kSeconds),
              "");
  }
}

TEST(Bounds, ASettingsFileOfBlankLinesIsReadOnce) {
#ifdef TINTORA_ASAN
  GTEST_SKIP() << "the sanitizers' own memory makes an address-space budget meaningless";
#endif
  testing::TempDir dir;
  {
    std::ofstream ini(dir / "tintora.ini", std::ios::binary);
    ini << "[Main]\r\nLeft=12\r\n" << std::string(4'000'000, '\n') << "[Colour Wheel]\r\nDivisions=7\r\n";
  }
  const IniFile ini(dir / "tintora.ini");
  EXPECT_EQ(WithinBudget(
                [&] {
                  const SettingsValues v = ReadSettings(ini.Values());
                  return v.left == 12 && v.divisions == 7;
                },
                100, 2),
            "");
}

}  // namespace
}  // namespace tintora
