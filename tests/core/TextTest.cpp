#include "base/Text.h"
#include "base/AppDir.h"
#include "base/Redirection.h"

#include <gtest/gtest.h>

namespace corvane
{
namespace
{

TEST(SplitLines, EveryKindOfLineEnd)
{
  using Lines = std::vector<std::string_view>;
  EXPECT_EQ(SplitLines(""), Lines{});
  EXPECT_EQ(SplitLines("a"), Lines{"a"});
  EXPECT_EQ(SplitLines("a\r\n"), Lines{"a"});
  EXPECT_EQ(SplitLines("a\r\n\r\n"), (Lines{"a", ""}));
  EXPECT_EQ(SplitLines("a\nb\rc\r\nd"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("\r\r\n\n"), (Lines{"", "", ""}));
}

TEST(Trim, OnlySpaces)
{
  EXPECT_EQ(Trim("  a b  "), "a b");
  EXPECT_EQ(Trim("\ta\t"), "\ta\t");
  EXPECT_EQ(Trim("   "), "");
}

TEST(AppDir, JoinsWithThePlatformSeparator)
{
#ifdef _WIN32
  const AppDir dir("C:\\ZN");
  EXPECT_EQ(dir.File("corvane.cfg"), "C:\\ZN\\corvane.cfg");
  EXPECT_EQ(dir.CtrlrFile("capcfg.ini"), "C:\\ZN\\ctrlr\\capcfg.ini");
  EXPECT_EQ(AppDir("C:\\").File("zinc.exe"), "C:\\zinc.exe");
#else
  const AppDir dir("/emu/zinc/");
  EXPECT_EQ(dir.Root(), "/emu/zinc");
  EXPECT_EQ(dir.File("corvane.cfg"), "/emu/zinc/corvane.cfg");
  EXPECT_EQ(dir.CtrlrFile("capcfg.ini"), "/emu/zinc/ctrlr/capcfg.ini");
  EXPECT_EQ(AppDir("/").File("zinc.exe"), "/zinc.exe");
#endif
}

TEST(SplitOutputRedirection, OnlyOnePlainCommandAndItsFile)
{
  const struct
  {
    const char* line;
    const char* command; // nullptr: refused
    const char* output_file;
  } cases[] = {
      {"zinc.exe --list-games >zinclist.txt", "zinc.exe --list-games", "zinclist.txt"},
      {"  zinc.exe --help  >  zincoptions.txt  ", "zinc.exe --help", "zincoptions.txt"},
      {"zinc.exe --list-sets", nullptr, nullptr},
      {"zinc.exe >", nullptr, nullptr},
      {">zinclist.txt", nullptr, nullptr},
      {"zinc.exe & del x >zinclist.txt", nullptr, nullptr},
      {"zinc.exe >\"a b.txt\"", nullptr, nullptr},
  };
  for (const auto& c : cases)
  {
    const auto split = SplitOutputRedirection(c.line);
    ASSERT_EQ(split.has_value(), c.command != nullptr) << c.line;
    if (split)
    {
      EXPECT_EQ(split->command, c.command);
      EXPECT_EQ(split->output_file, c.output_file);
    }
  }
}

} // namespace
} // namespace corvane
