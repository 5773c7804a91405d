#include "base/Text.h"
#include "base/AppDir.h"

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

} // namespace
} // namespace corvane
