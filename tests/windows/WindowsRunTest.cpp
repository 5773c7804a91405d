// Batch runs of the Windows program in folders whose names test the seams to cmd.exe and to the
// ANSI code page.

#include "e2e/EmulatorDir.h"
#include "windows/RunProgram.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace corvane::test
{
namespace
{

namespace fs = std::filesystem;

const std::vector<std::string> LISTING_FILES = {"makelist.bat", "zinclist.txt",
                                                "zincmasterlist.lst"};

// A folder under `parent` holding the program and, when asked, the stand-in emulator.
fs::path MakeProgramFolder(const fs::path& parent, const fs::path& name, bool with_emulator = true)
{
  const fs::path folder = parent / name;
  fs::create_directories(folder);
  fs::copy_file(CORVANE_EXE, folder / "corvane.exe");
  if (with_emulator)
    fs::copy_file(ZINC_EXE, folder / "zinc.exe");
  return folder;
}

void ExpectNoListingFiles(const fs::path& folder)
{
  for (const std::string& name : LISTING_FILES)
    EXPECT_FALSE(fs::exists(folder / name)) << (folder / name).string();
}

// True when the name survives a trip through the ANSI code page unchanged.
bool FitsTheCodePage(const std::wstring& name)
{
  BOOL used_default = FALSE;
  char buffer[512];
  const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, name.c_str(), -1, buffer,
                                         sizeof buffer, nullptr, &used_default);
  return length > 0 && !used_default && WideFromAnsi(buffer) == name;
}

struct ShellName
{
  const char* label;
  const char* folder;
};

class ShellFolder : public testing::TestWithParam<ShellName>
{
};

TEST_P(ShellFolder, ListingRunsThroughCmdInAFolderWhoseNameCmdWouldParse)
{
  EmulatorDir emu(true, GetParam().folder);
  const RunOutput run = emu.Run({"x"});
  EXPECT_EQ(run.exit_code, 0) << run.error_text;
  EXPECT_EQ(emu.ReadFile("makelist.bat"), "zinc.exe --list-games >zinclist.txt\r\n");
  const std::string table = emu.ReadFile("zincmasterlist.lst");
  ASSERT_GE(table.size(), 3u);
  EXPECT_EQ(table.substr(table.size() - 3), "|\r\n");
}

INSTANTIATE_TEST_SUITE_P(Names, ShellFolder,
                         testing::Values(ShellName{"blank", "zinc emu"},
                                         ShellName{"ampersand", "zinc & emu"},
                                         ShellName{"percent", "zinc %OS% emu"},
                                         ShellName{"caret_parens", "zinc ^ (x86) emu"},
                                         ShellName{"separators", "zinc;emu,=x"}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(WindowsFolders, CodePageLettersNameTheFolderExactly)
{
  // Euro sign, S with caron, e acute in code page 1252; other code pages give other letters,
  // and every high byte that maps to a character must work.
  const std::wstring name = WideFromAnsi("zinc \x80\x8a\xe9");
  if (name.size() != 8 || !FitsTheCodePage(name))
    GTEST_SKIP() << "the code page lacks these bytes";
  TempDir temp;
  const fs::path folder = MakeProgramFolder(temp.Path(), name);
  const RunOutput run = RunProgram(folder / "corvane.exe", L"x", {}, fs::path(temp.Path()) / "e");
  EXPECT_EQ(run.exit_code, 0) << run.error_text;
  for (const std::string& name : LISTING_FILES)
    EXPECT_TRUE(fs::exists(folder / name)) << name;
}

TEST(WindowsFolders, FolderOutsideTheCodePageIsRefusedNotGuessed)
{
  // a with macron turns into a plain "a" in a best-fit conversion, which would name the folder
  // beside it; the Cyrillic letter turns into '?'.
  for (const wchar_t* name : {L"zinc-\u0101", L"zinc-\u0416"})
  {
    SCOPED_TRACE(fs::path(name).string());
    if (FitsTheCodePage(name))
      continue;
    TempDir temp;
    const fs::path look_alike = MakeProgramFolder(temp.Path(), L"zinc-a");
    const fs::path folder = MakeProgramFolder(temp.Path(), name);
    const RunOutput run =
        RunProgram(folder / "corvane.exe", L"-listinfo", {}, fs::path(temp.Path()) / "e");
    EXPECT_EQ(run.exit_code, 1);
    EXPECT_NE(run.error_text.find("own folder cannot be used"), std::string::npos)
        << run.error_text;
    for (const fs::path& place : {folder, look_alike, fs::path(temp.Path())})
      ExpectNoListingFiles(place);
  }
}

TEST(WindowsBatch, DatPathOutsideTheCodePageFailsInsteadOfWritingALookAlike)
{
  if (FitsTheCodePage(L"\u0101"))
    GTEST_SKIP() << "the code page holds the letter";
  EmulatorDir emu;
  // Relative to the program's folder: a dash in the temporary folder's name would cut the path.
  const RunOutput run = RunProgram(emu.File("corvane.exe"), L"-listinfo d\u0101t.dat", {},
                                   fs::path(emu.Path()) / "e");
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_NE(run.error_text.find("Could not write"), std::string::npos) << run.error_text;
  EXPECT_FALSE(emu.Has("dat.dat"));
  EXPECT_FALSE(emu.Has("zinc.dat"));
}

TEST(WindowsBatch, DatPathIsLoweredAsTyped)
{
  EmulatorDir emu;
  fs::create_directories(emu.File("Out Dir"));
  const RunOutput run = emu.Run({"-LISTINFO Out Dir\\Games.DAT"});
  EXPECT_EQ(run.exit_code, 0) << run.error_text;
  WIN32_FIND_DATAA found{};
  HANDLE search = FindFirstFileA(emu.File("Out Dir\\*.dat").c_str(), &found);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  FindClose(search);
  EXPECT_STREQ(found.cFileName, "games.dat");
}

TEST(WindowsStartUp, EmptyCommandLineRunsStartUpThenSaysThereIsNoWindow)
{
  EmulatorDir emu;
  const RunOutput run = emu.Run({}, {{"CORVANE_NO_MESSAGE_BOX", "1"}});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.error_text,
            "corvane: This build of Corvane has no window; run it with batch switches.\n");
  EXPECT_TRUE(emu.Has("zincmasterlist.lst"));
  EXPECT_FALSE(emu.Has("zinc.dat"));
}

TEST(WindowsStartUp, EmptyCommandLineWithoutEmulatorSaysSoAndWritesNothing)
{
  EmulatorDir emu(false);
  const RunOutput run = emu.Run({}, {{"CORVANE_NO_MESSAGE_BOX", "1"}});
  EXPECT_EQ(run.exit_code, 2);
  EXPECT_NE(run.error_text.find("Zinc.exe Not Found"), std::string::npos) << run.error_text;
  ExpectNoListingFiles(emu.Root());
}

} // namespace
} // namespace corvane::test
