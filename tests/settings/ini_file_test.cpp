#include "core/settings/ini_file.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/wait.h>
#endif
#include <unistd.h>

#include "core/io/file_io.h"
#include "support/temp_dir.h"

namespace tintora {
namespace {

using testing::TempDir;

std::string Slurp(const std::filesystem::path& p) {
  std::string error;
  return ReadWholeFile(p, &error).value_or("<missing>");
}

void Put(const std::filesystem::path& p, const std::string& bytes) {
  ASSERT_FALSE(WriteFileAtomically(p, bytes));
}

TEST(IniFile, AMissingFileGivesEveryDefault) {
  TempDir dir;
  const IniFile ini(dir / "tintora.ini");
  EXPECT_EQ(ini.ReadInteger("Main", "Left", 0), 0);
  EXPECT_EQ(ini.ReadInteger("Main", "Top", 7), 7);
  EXPECT_FALSE(ini.ReadBool("RGB Values", "Hex/Decimal", false));
  EXPECT_TRUE(ini.ReadBool("RGB Values", "Hex/Decimal", true));
  EXPECT_EQ(ini.ReadString("Start", "AutoOpen", ""), "");
}

TEST(IniFile, ReadsValuesCaseInsensitivelyWithTheUsualConventions) {
  TempDir dir;
  Put(dir / "t.ini",
      "; a comment\r\n"
      "[main]\r\n"
      "LEFT = 120\r\n"
      "Top=abc\r\n"
      "Hex=$10\r\n"
      "[RGB Values]\r\n"
      "hex/decimal=1\r\n"
      "HTML=0\r\n"
      "BGR=2\r\n"
      "AutoCopy=yes\r\n"
      "[Start]\r\n"
      "AutoOpen=\"C:\\Colours\\sky.cdt\"\r\n"
      "DefaultDir=  /home/me/Colours  \r\n"
      "Dup=first\r\n"
      "Dup=second\r\n"
      "[Colour Wheel]\r\n"
      "Divisions=7");
  const IniFile ini(dir / "t.ini");
  const struct {
    const char *section, *key;
    int def, expected;
  } ints[] = {
      {"Main", "Left", 0, 120},    {"Main", "Top", 5, 5},  // not a number: the default
      {"Main", "Hex", 0, 16},      {"Colour Wheel", "Divisions", 0, 7},
      {"Main", "Missing", -3, -3}, {"Nowhere", "Left", 9, 9},
  };
  for (const auto& c : ints) EXPECT_EQ(ini.ReadInteger(c.section, c.key, c.def), c.expected) << c.key;
  EXPECT_TRUE(ini.ReadBool("RGB Values", "Hex/Decimal", false));
  EXPECT_FALSE(ini.ReadBool("RGB Values", "HTML", true));
  EXPECT_TRUE(ini.ReadBool("RGB Values", "BGR", false));        // any non-zero integer
  EXPECT_FALSE(ini.ReadBool("RGB Values", "AutoCopy", false));  // not a number: the default
  EXPECT_EQ(ini.ReadString("Start", "AutoOpen", ""), "C:\\Colours\\sky.cdt");
  EXPECT_EQ(ini.ReadString("Start", "DefaultDir", ""), "/home/me/Colours");
  EXPECT_EQ(ini.ReadString("Start", "Dup", ""), "first");
}

TEST(IniFile, WritingOneKeyKeepsEveryOtherLineAsItWas) {
  TempDir dir;
  const std::string before =
      "; keep me\r\n"
      "[Main]\r\n"
      "Left=10\r\n"
      "Top=20\r\n"
      "\r\n"
      "[RGB Values]\r\n"
      "HTML=1\r\n"
      "  Odd line without equals\r\n";
  Put(dir / "t.ini", before);
  IniFile ini(dir / "t.ini");

  ASSERT_TRUE(ini.WriteInteger("main", "top", 99));
  EXPECT_EQ(Slurp(dir / "t.ini"),
            "; keep me\r\n[Main]\r\nLeft=10\r\ntop=99\r\n\r\n[RGB Values]\r\nHTML=1\r\n  Odd line without "
            "equals\r\n");

  ASSERT_TRUE(ini.WriteBool("Main", "Extra", true));  // a new key goes after the section's last line
  EXPECT_EQ(Slurp(dir / "t.ini"),
            "; keep me\r\n[Main]\r\nLeft=10\r\ntop=99\r\nExtra=1\r\n\r\n[RGB Values]\r\nHTML=1\r\n"
            "  Odd line without equals\r\n");

  ASSERT_TRUE(ini.WriteString("RGB Values", "Hex/Decimal", "0"));
  ASSERT_TRUE(ini.WriteString("Colour Wheel", "Divisions", "12"));  // a new section at the end
  const std::string after = Slurp(dir / "t.ini");
  EXPECT_NE(
      after.find("  Odd line without equals\r\nHex/Decimal=0\r\n\r\n[Colour Wheel]\r\nDivisions=12\r\n"),
      std::string::npos)
      << after;
  EXPECT_EQ(ini.ReadInteger("Main", "Top", 0), 99);
  EXPECT_EQ(ini.ReadInteger("Colour Wheel", "Divisions", 0), 12);
}

TEST(IniFile, CreatesTheFileAndKeepsItsLineEndStyle) {
  TempDir dir;
  IniFile fresh(dir / "new.ini");
  ASSERT_TRUE(fresh.WriteBool("External Colour", "HotKeyALT", true));
  EXPECT_EQ(Slurp(dir / "new.ini"), "[External Colour]\r\nHotKeyALT=1\r\n");

  Put(dir / "unix.ini", "[Main]\nLeft=1");
  IniFile unix(dir / "unix.ini");
  ASSERT_TRUE(unix.WriteInteger("Main", "Left", 2));
  EXPECT_EQ(Slurp(dir / "unix.ini"), "[Main]\nLeft=2");
}

TEST(IniFile, TextValuesSurviveInTheirEncoding) {
  TempDir dir;
  IniFile ini(dir / "t.ini");
  ASSERT_TRUE(ini.WriteString("Start", "AutoOpen", "/home/ren\xC3\xA9/Farben.cdt"));
  EXPECT_EQ(Slurp(dir / "t.ini"),
            "[Start]\r\nAutoOpen=/home/ren\xE9/Farben.cdt\r\n");  // Windows-1252 on disk
  EXPECT_EQ(ini.ReadString("Start", "AutoOpen", ""), "/home/ren\xC3\xA9/Farben.cdt");

  ASSERT_TRUE(ini.WriteString("Start", "DefaultDir", "/home/\xC5\x82ucja"));  // needs UTF-8
  EXPECT_EQ(ini.ReadString("Start", "AutoOpen", ""), "/home/ren\xC3\xA9/Farben.cdt");
  EXPECT_EQ(ini.ReadString("Start", "DefaultDir", ""), "/home/\xC5\x82ucja");

  ASSERT_TRUE(ini.WriteString("Start", "AutoOpen", "two\r\nlines"));  // cannot break the file
  EXPECT_EQ(ini.ReadString("Start", "AutoOpen", ""), "two  lines");
  EXPECT_EQ(ini.ReadString("Start", "DefaultDir", ""), "/home/\xC5\x82ucja");
}

TEST(IniFile, AWriteIntoAReadOnlyFolderFailsWithoutACrash) {
  TempDir dir;
  auto ro = testing::ReadOnlyFolder(dir);
  if (!ro) GTEST_SKIP() << "no read-only folder available";
  IniFile ini(*ro / "tintora.ini");
  EXPECT_FALSE(ini.WriteBool("Main", "Left", true));
  EXPECT_FALSE(ini.LastError().empty());
  EXPECT_EQ(ini.ReadInteger("Main", "Left", 4), 4);
}

TEST(IniFile, BinaryGarbageReadsAsDefaults) {
  TempDir dir;
  std::string junk;
  for (int i = 0; i < 4096; ++i) junk += static_cast<char>((i * 7919) & 0xFF);
  Put(dir / "junk.ini", junk);
  IniFile ini(dir / "junk.ini");
  EXPECT_EQ(ini.ReadInteger("Main", "Left", 3), 3);
  EXPECT_TRUE(ini.WriteInteger("Main", "Left", 8));
  EXPECT_EQ(ini.ReadInteger("Main", "Left", 3), 8);
}

TEST(IniFile, AWriteKeepsTheFilesLineEndsEncodingAndEveryOtherLine) {
  const struct {
    const char* name;
    std::string before, after;
  } cases[] = {
      {"CR alone", "[Main]\rLeft=1\rNote=x\r", "[Main]\rLeft=5\rNote=x\r"},
      {"LF alone", "[Main]\nLeft=1\n", "[Main]\nLeft=5\n"},
      {"a byte order mark and UTF-8", "\xEF\xBB\xBF[Main]\r\nLeft=1\r\nName=caf\xC3\xA9\r\n",
       "\xEF\xBB\xBF[Main]\r\nLeft=5\r\nName=caf\xC3\xA9\r\n"},
      {"UTF-8 without the mark", "[Main]\r\nName=caf\xC3\xA9\r\nLeft=1\r\n",
       "[Main]\r\nName=caf\xC3\xA9\r\nLeft=5\r\n"},
      {"the code page", "[Main]\r\nName=caf\xE9\r\nLeft=1\r\n", "[Main]\r\nName=caf\xE9\r\nLeft=5\r\n"},
      {"garbage and duplicates", "junk\r\n[Main]\r\n\x01\x02\r\nLeft=1\r\nLeft=2\r\n",
       "junk\r\n[Main]\r\n\x01\x02\r\nLeft=5\r\nLeft=2\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    Put(dir / "t.ini", c.before);
    IniFile ini(dir / "t.ini");
    EXPECT_EQ(ini.ReadInteger("Main", "Left", 0), 1);  // a leading mark does not hide the first section
    ASSERT_TRUE(ini.WriteInteger("Main", "Left", 5));
    EXPECT_EQ(Slurp(dir / "t.ini"), c.after);
  }
}

TEST(IniFile, AFileThatCannotBeReadIsNotReplaced) {
  TempDir dir;
  const std::string huge(5 * 1024 * 1024, 'x');  // no settings file of ours is this large
  Put(dir / "t.ini", huge);
  IniFile ini(dir / "t.ini");
  EXPECT_FALSE(ini.WriteInteger("Main", "Left", 5));
  EXPECT_FALSE(ini.LastError().empty());
  EXPECT_EQ(Slurp(dir / "t.ini").size(), huge.size());
}

// (Processes made with fork: POSIX only. On Windows folder locks hold nothing, see file_io.h.)
#ifndef _WIN32
// Several Tintoras keeping their settings at the same moment, each writing every key at once
// many times, and each also adding a key of its own: the file ends with one instance's
// complete settings, every instance's own key, and the user's lines, never a blend.
TEST(IniFile, InstancesSavingAtOnceLeaveOneCompleteSetAndLoseNothing) {
  TempDir dir;
  const auto path = dir / "tintora.ini";
  Put(path, "; the user's own note\r\n[Mine]\r\nKeep=1\r\n");
  constexpr int kInstances = 6, kSaves = 8, kKeys = 20;
  std::vector<pid_t> children;
  for (int i = 0; i < kInstances; ++i) {
    const pid_t child = ::fork();
    if (child == 0) {
      IniFile ini(path);
      bool ok = ini.WriteInteger("Instances", "Instance" + std::to_string(i), 1);
      for (int save = 0; save < kSaves; ++save) {
        ok = ini.Transaction([&](IniFile& f) {
          for (int k = 0; k < kKeys; ++k) f.WriteInteger("Main", "Key" + std::to_string(k), i * 100 + save);
          return true;
        }) && ok;
      }
      ::_exit(ok ? 0 : 1);
    }
    children.push_back(child);
  }
  for (pid_t child : children) {
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  const IniFile ini(path);
  const int first = ini.ReadInteger("Main", "Key0", -1);
  EXPECT_GE(first, 0);
  for (int k = 1; k < kKeys; ++k)
    EXPECT_EQ(ini.ReadInteger("Main", "Key" + std::to_string(k), -1), first) << k;
  for (int i = 0; i < kInstances; ++i)
    EXPECT_EQ(ini.ReadInteger("Instances", "Instance" + std::to_string(i), 0), 1) << i;
  EXPECT_EQ(ini.ReadInteger("Mine", "Keep", 0), 1);
  EXPECT_EQ(Slurp(path).rfind("; the user's own note\r\n", 0), 0u);
}
#endif

}  // namespace
}  // namespace tintora
