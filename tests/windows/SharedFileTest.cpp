// Saves while a second process holds the file open for a moment, as virus scanners, search
// indexers and cloud-sync clients do with a file that was just written.

#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <windows.h>

namespace corvane::test
{
namespace
{

namespace fs = std::filesystem;

// Starts hold_file on the file; its process handle.
HANDLE StartHolder(const fs::path& file, DWORD milliseconds)
{
  std::wstring line = L"hold_file \"" + file.wstring() + L"\" " + std::to_wstring(milliseconds);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  const std::wstring program = fs::path(HOLD_FILE_EXE).wstring();
  if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                      nullptr, nullptr, &startup, &info))
    return nullptr;
  CloseHandle(info.hThread);
  return info.hProcess;
}

// True once the file cannot be opened for deletion: the holder has it. A program started under
// Wine beside other busy tests may take seconds to get there.
bool WaitUntilHeld(const fs::path& file)
{
  for (int attempt = 0; attempt < 3000; ++attempt)
  {
    HANDLE probe = CreateFileW(file.wstring().c_str(), DELETE,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (probe == INVALID_HANDLE_VALUE)
      return GetLastError() == ERROR_SHARING_VIOLATION;
    CloseHandle(probe);
    Sleep(10);
  }
  return false;
}

TEST(SharedFile, SaveWaitsOutAShortHoldAndReportsALongOne)
{
  const struct
  {
    DWORD hold_ms;
    bool replaced;
  } cases[] = {{300, true}, {4000, false}};
  for (const auto& c : cases)
  {
    SCOPED_TRACE(c.hold_ms);
    TempDir dir;
    const fs::path target = fs::path(dir.Path()) / "sf2.ini";
    dir.Write("sf2.ini", "old");
    HANDLE holder = StartHolder(target, c.hold_ms);
    ASSERT_NE(holder, nullptr);
    ASSERT_TRUE(WaitUntilHeld(target));
    EXPECT_EQ(WriteFileAtomic(target.string(), "new"), c.replaced);
    WaitForSingleObject(holder, INFINITE);
    CloseHandle(holder);
    EXPECT_EQ(dir.Read("sf2.ini"), c.replaced ? "new" : "old");
    // No temporary file is left beside it either way.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1);
  }
}

} // namespace
} // namespace corvane::test
