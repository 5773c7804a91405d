// Which program folders the Windows build accepts as its start-up directory.

#include "base/Process.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace corvane
{
namespace
{

struct ModulePathCase
{
  const char* label;
  std::wstring module_path;
  std::string dir; // empty: refused
};

class ModuleDir : public testing::TestWithParam<ModulePathCase>
{
};

TEST_P(ModuleDir, AcceptsOnlyFoldersTheAnsiFunctionsReachExactly)
{
  const ModulePathCase& c = GetParam();
  EXPECT_EQ(ModuleDirFromPath(c.module_path), c.dir);
}

// With "\\corvane.exe" after it, the longest folder path whose program path is under MAX_PATH.
const std::string LONGEST_DIR = "C:\\" + std::string(MAX_PATH - 1 - 3 - 12, 'd');
const std::wstring LONGEST_DIR_WIDE(LONGEST_DIR.begin(), LONGEST_DIR.end());

INSTANTIATE_TEST_SUITE_P(
    Paths, ModuleDir,
    testing::Values(
        ModulePathCase{"plain", L"C:\\Zinc\\corvane.exe", "C:\\Zinc"},
        ModulePathCase{"blank", L"C:\\My Games\\Zinc\\corvane.exe", "C:\\My Games\\Zinc"},
        ModulePathCase{"drive_root", L"D:\\corvane.exe", "D:\\"},
        ModulePathCase{"share", L"\\\\host\\share\\corvane.exe", "\\\\host\\share"},
        ModulePathCase{"just_under_max_path", LONGEST_DIR_WIDE + L"\\corvane.exe", LONGEST_DIR},
        ModulePathCase{"max_path", LONGEST_DIR_WIDE + L"d\\corvane.exe", ""},
        ModulePathCase{"far_beyond_max_path", L"C:\\" + std::wstring(1000, L'x') + L"\\c.exe", ""},
        ModulePathCase{"look_alike_letter", L"C:\\Zinc-\u0101\\corvane.exe", ""},
        ModulePathCase{"cyrillic", L"C:\\\u0416\\corvane.exe", ""},
        ModulePathCase{"no_folder", L"corvane.exe", ""}, ModulePathCase{"empty", L"", ""}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(AnsiFromWide, KeepsCodePageLettersAndMarksTheRest)
{
  if (GetACP() != 1252)
    GTEST_SKIP() << "the cases are written for code page 1252";
  struct
  {
    const wchar_t* wide;
    const char* ansi;
    bool lossy;
  } cases[] = {{L"Zinc \u20ac\u0160", "Zinc \x80\x8a", false},
               {L"d\u0101t.dat", "d?t.dat", true},
               {L"\u0416", "?", true},
               {L"", "", false}};
  for (const auto& c : cases)
  {
    bool lossy = !c.lossy;
    EXPECT_EQ(AnsiFromWide(c.wide, &lossy), c.ansi);
    EXPECT_EQ(lossy, c.lossy) << c.ansi;
  }
}

} // namespace
} // namespace corvane
