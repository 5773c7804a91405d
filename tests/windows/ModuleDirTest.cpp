// Which program folders the Windows build accepts as its start-up directory.

#include "base/CodePage.h"

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

// The longest folder under which every file the program writes stays below MAX_PATH.
const std::string LONGEST_DIR = "C:\\" + std::string(LongestProgramDir() - 3, 'd');
const std::wstring LONGEST_DIR_WIDE(LONGEST_DIR.begin(), LONGEST_DIR.end());

INSTANTIATE_TEST_SUITE_P(
    Paths, ModuleDir,
    testing::Values(
        ModulePathCase{"plain", L"C:\\Zinc\\corvane.exe", "C:\\Zinc"},
        ModulePathCase{"blank", L"C:\\My Games\\Zinc\\corvane.exe", "C:\\My Games\\Zinc"},
        ModulePathCase{"drive_root", L"D:\\corvane.exe", "D:\\"},
        ModulePathCase{"share", L"\\\\host\\share\\corvane.exe", "\\\\host\\share"},
        ModulePathCase{"just_under_max_path", LONGEST_DIR_WIDE + L"\\corvane.exe", LONGEST_DIR},
        ModulePathCase{"too_long_for_its_files", LONGEST_DIR_WIDE + L"d\\corvane.exe", ""},
        ModulePathCase{"long_form", L"\\\\?\\C:\\Zinc\\corvane.exe", "C:\\Zinc"},
        ModulePathCase{"long_form_share", L"\\\\?\\UNC\\host\\share\\corvane.exe",
                       "\\\\host\\share"},
        ModulePathCase{"share_as_wine_gives_it", L"UNC\\host\\share\\corvane.exe",
                       "\\\\host\\share"},
        ModulePathCase{"far_beyond_max_path", L"C:\\" + std::wstring(1000, L'x') + L"\\c.exe", ""},
        ModulePathCase{"look_alike_letter", L"C:\\Zinc-\u0101\\corvane.exe", ""},
        ModulePathCase{"armenian", L"C:\\\u0531\\corvane.exe", ""},
        ModulePathCase{"no_folder", L"corvane.exe", ""}, ModulePathCase{"empty", L"", ""}),
    [](const auto& info) { return std::string(info.param.label); });

} // namespace
} // namespace corvane
