// Text and paths in the code pages Windows machines use, each named explicitly, so that every
// run tries them whatever its own code page; and the process seam's Windows pieces.

#include "base/CodePage.h"
#include "base/AppDir.h"
#include "base/WindowsProcess.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace corvane
{
namespace
{

// "ソ" is 83 5C in code page 932: its second byte is the backslash.
constexpr const char* SO_932 = "\x83\x5c";

TEST(CodePage, PathSeparatorIsAWholeCharacter)
{
  const struct
  {
    std::string path;
    unsigned code_page;
    bool ends_with_separator;
  } cases[] = {
      {std::string("C:\\Emu\\") + SO_932, 932, false},
      {std::string("C:\\Emu\\") + SO_932 + "\\", 932, true},
      {std::string("C:\\Emu\\") + SO_932, 1252, true}, // there: two letters, "ƒ\"
      {std::string("C:\\Emu\\") + SO_932, 936, false},
      {"C:\\", 932, true},
      {"C:/Emu/", 932, true},
      {"C:\\Emu\\\x83", 932, false}, // a lead byte with nothing after it
      {"", 932, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(EndsWithPathSeparator(c.path, c.code_page), c.ends_with_separator)
        << c.path << " in " << c.code_page;
}

TEST(CodePage, NarrowFromWideKeepsExactCharactersOnly)
{
  const struct
  {
    std::wstring wide;
    unsigned code_page;
    std::string narrow;
    bool lossy;
  } cases[] = {
      {L"C:\\Emu\\\u30bd", 932, std::string("C:\\Emu\\") + SO_932, false},
      {L"zinc-\u0101", 932, "zinc-?", true},
      {L"zinc-\u0101", 1252, "zinc-?", true}, // no best fit: "a" would name another folder
      {L"Zinc \u20ac\u0160", 1252, "Zinc \x80\x8a", false},
      // UTF-8 as the system's code page: every character, and no default character asked for.
      {L"zinc-\u0101", CP_UTF8, "zinc-\xc4\x81", false},
      {L"C:\\\u30bd", CP_UTF8, "C:\\\xe3\x82\xbd", false},
      {std::wstring(L"a\xd800") + L"b", CP_UTF8, "a?b", true},
      {L"", CP_UTF8, "", false},
  };
  for (const auto& c : cases)
  {
    bool lossy = !c.lossy;
    EXPECT_EQ(NarrowFromWide(c.wide, c.code_page, &lossy), c.narrow) << c.code_page;
    EXPECT_EQ(lossy, c.lossy) << c.narrow << " in " << c.code_page;
  }
}

TEST(CodePage, WideFromNarrowRefusesBrokenText)
{
  EXPECT_EQ(WideFromNarrow(std::string("C:\\") + SO_932, 932), L"C:\\\u30bd");
  EXPECT_EQ(WideFromNarrow("\xc4\x81", CP_UTF8), L"\u0101");
  EXPECT_EQ(WideFromNarrow("\xc4", CP_UTF8), L"");
}

// Lowering and joining run in the system's own code page: these cases hold in the one they
// name, so each run checks those of its code page (the Windows stage runs 1252 and 932).
TEST(CodePage, LowersAndJoinsWholeCharactersOfTheSystemsCodePage)
{
  const UINT code_page = GetACP();
  if (code_page == 932)
  {
    // "ゲーム" is 83 51, 81 5B, 83 80: byte by byte, 0x51 ('Q') would be lowered into another
    // character.
    EXPECT_EQ(LowerAnsi("C:\\\x83\x51\x81\x5b\x83\x80\\ABC.DAT"),
              "c:\\\x83\x51\x81\x5b\x83\x80\\abc.dat");
    const AppDir dir(std::string("C:\\Emu\\") + SO_932);
    EXPECT_EQ(dir.File("zinc.exe"), std::string("C:\\Emu\\") + SO_932 + "\\zinc.exe");
  }
  else if (code_page == 1252)
  {
    EXPECT_EQ(LowerAnsi("C:\\\xc9MU\\Zinc.CFG"), "c:\\\xe9mu\\zinc.cfg");
  }
  else
  {
    GTEST_SKIP() << "no cases for code page " << code_page;
  }
}

TEST(ListingEnvironment, LeavesOutOneVariableWhateverItsCase)
{
  using namespace std::string_literals;
  const std::wstring block = L"=C:=C:\\Emu\0PATH=C:\\x\0nodefaultcurrentdirectoryinexepath=1\0"
                             L"NoDefaultCurrentDirectoryInExePathX=2\0\0"s;
  EXPECT_EQ(EnvironmentBlockWithout(block.c_str(), L"NoDefaultCurrentDirectoryInExePath"),
            L"=C:=C:\\Emu\0PATH=C:\\x\0NoDefaultCurrentDirectoryInExePathX=2\0\0"s);
  EXPECT_EQ(EnvironmentBlockWithout(L"\0", L"X"), std::wstring(2, L'\0'));
}

} // namespace
} // namespace corvane
