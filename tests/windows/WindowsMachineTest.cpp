// Batch runs as real machines give them: a double-byte code page, a network folder, a long
// folder path, a job the program was started in.

#include "base/CodePage.h"
#include "base/CommandLine.h"
#include "e2e/EmulatorDir.h"
#include "windows/RunProgram.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace corvane::test
{
namespace
{

namespace fs = std::filesystem;

fs::path ProgramFolder(const TempDir& temp, const std::wstring& name)
{
  const fs::path folder = fs::path(temp.Path()) / name;
  fs::create_directories(folder);
  fs::copy_file(CORVANE_EXE, folder / "corvane.exe");
  fs::copy_file(ZINC_EXE, folder / "zinc.exe");
  return folder;
}

std::string Read(const fs::path& file)
{
  return ReadFileBytes(file.string()).value_or("<missing>");
}

TEST(DoubleByteCodePage, FolderEndingInACharacterWhoseSecondByteIsTheBackslash)
{
  if (GetACP() != 932)
    GTEST_SKIP() << "runs under a Japanese locale (code page 932)";
  TempDir temp;
  const fs::path folder = ProgramFolder(temp, L"emu\u30bd"); // ソ: 83 5C
  const RunOutput run =
      RunProgram(folder / "corvane.exe", L"-listinfo", {}, fs::path(temp.Path()) / "e");
  EXPECT_EQ(run.exit_code, 0) << run.error_text;
  for (const char* name : {"zincmasterlist.lst", "zinc.dat"})
    EXPECT_TRUE(fs::exists(folder / name)) << name;
}

// The emulator reads its command line with its own C runtime in the system's code page; the
// launch check's split must give exactly the arguments it gets. Lines whose letters the code
// page lacks are left out (under 1252 the Japanese ones).
TEST(DoubleByteCodePage, LaunchLineSplitsAsTheStartedProgramReadsIt)
{
  TempDir temp;
  const fs::path folder = ProgramFolder(temp, L"emu");
  const std::wstring tails[] = {L"12 --title=\"\u30bd\" -c", L"12 \u30bd\" -c x",
                                L"12 \u8868\\\" y",          L"12 \"a \\\"b\\\\\" c",
                                L"12 \u00e9\\\"x",           L"12 \"\u8868 \u30bd\"\"\u30bd\" d"};
  std::string expected;
  for (const std::wstring& tail : tails)
  {
    bool lossy = false;
    const std::string line = "zinc.exe " + AnsiFromWide(tail, &lossy);
    if (lossy)
      continue;
    const RunOutput run = RunProgram(folder / "zinc.exe", tail, {}, fs::path(temp.Path()) / "e");
    ASSERT_EQ(run.exit_code, 0) << run.error_text;
    const std::vector<std::string> arguments = SplitWindowsCommandLine(line);
    for (size_t i = 1; i < arguments.size(); ++i)
      expected += (i > 1 ? " [" : "[") + arguments[i] + "]";
    expected += "\n";
  }
  EXPECT_EQ(Read(folder / "zinc-launch.log"), expected) << "code page " << GetACP();
}

// The temporary folder seen through a network share of its drive: "\\localhost\c\..." (the
// Windows stage maps it into Wine's prefix) or the administrative share "\\localhost\C$\...".
std::optional<fs::path> ThroughShare(const fs::path& local)
{
  const std::wstring path = local.wstring();
  if (path.size() < 3 || path[1] != L':')
    return std::nullopt;
  const std::wstring rest = path.substr(2);
  for (const std::wstring& share : {std::wstring(1, towlower(path[0])), path.substr(0, 1) + L"$"})
  {
    const std::wstring shared = L"\\\\localhost\\" + share + rest;
    if (GetFileAttributesW(shared.c_str()) != INVALID_FILE_ATTRIBUTES)
      return fs::path(shared);
  }
  return std::nullopt;
}

TEST(NetworkFolder, ListingsRunThereAndAnOldListingIsNeverReadAsNew)
{
  TempDir temp;
  const fs::path folder = ProgramFolder(temp, L"emu");
  const auto shared = ThroughShare(folder);
  if (!shared)
    GTEST_SKIP() << "no share of the temporary folder's drive";
  WriteFileAtomic((folder / "zinclist.txt").string(), "Games\r\n001 Stale Game [stale]\r\n");
  const RunOutput run =
      RunProgram(*shared / "corvane.exe", L"-listinfo", {}, fs::path(temp.Path()) / "e");
  EXPECT_EQ(run.exit_code, 0) << run.error_text;
  const std::string table = Read(folder / "zincmasterlist.lst");
  EXPECT_EQ(table.find("stale"), std::string::npos);
  EXPECT_GT(table.size(), 1000u);
  EXPECT_NE(Read(folder / "zinc.dat"), "<missing>");
}

TEST(LongFolder, RefusedWhenTheFilesItWritesWouldPassMaxPath)
{
  TempDir temp;
  // The program's own path is well under MAX_PATH; its longest file's is not.
  const size_t room = LongestProgramDir() + 1 - temp.Path().size() - 1;
  const fs::path folder = ProgramFolder(temp, std::wstring(room, L'd'));
  ASSERT_EQ(folder.wstring().size(), LongestProgramDir() + 1);
  const RunOutput run =
      RunProgram(folder / "corvane.exe", L"-listinfo", {}, fs::path(temp.Path()) / "e");
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_NE(run.error_text.find("longer than " + std::to_string(LongestProgramDir())),
            std::string::npos)
      << run.error_text;
  EXPECT_FALSE(fs::exists(folder / "zincmasterlist.lst"));
}

// True when the file can be deleted within 30 seconds (a loaded machine ends processes slowly):
// no process holds it any more.
bool ReleasedSoon(const fs::path& file)
{
  for (int attempt = 0; attempt < 3000; ++attempt)
  {
    if (DeleteFileW(file.wstring().c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND)
      return true;
    Sleep(10);
  }
  return false;
}

TEST(StartedInAJob, TimeOutEndsTheEmulatorTooWhetherOrNotTheJobMayBeLeft)
{
  for (const DWORD breakaway : {DWORD{0}, DWORD{JOB_OBJECT_LIMIT_BREAKAWAY_OK}})
  {
    SCOPED_TRACE(breakaway);
    HANDLE job = CreateJobObjectW(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    // Whatever the run leaves behind ends with the test's job.
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE | breakaway;
    SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    EmulatorDir emu;
    const RunOutput run =
        RunProgram(emu.File("corvane.exe"), L"-listinfo",
                   {{"ZINC_STANDIN_FAULT", "hang"}, {"CORVANE_LISTING_TIMEOUT_MS", "1500"}},
                   fs::path(emu.Path()) / "e", job);
    EXPECT_EQ(run.exit_code, 1) << run.error_text;
    EXPECT_NE(run.error_text.find("did not finish in time"), std::string::npos) << run.error_text;
    EXPECT_TRUE(ReleasedSoon(emu.File("zinccrc.txt"))) << "the emulator still runs";
    CloseHandle(job);
  }
}

} // namespace
} // namespace corvane::test
