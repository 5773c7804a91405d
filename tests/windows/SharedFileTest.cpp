// Saves while a second process holds the file open for a moment, as virus scanners, search
// indexers and cloud-sync clients do with a file that was just written.

#include "TempDir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <thread>
#include <windows.h>

namespace corvane::test
{
namespace
{

namespace fs = std::filesystem;

// A hold_file process on the file: it holds the file from its start until Release.
class Holder
{
public:
  explicit Holder(const fs::path& file)
  {
    const std::wstring event_name = L"corvane-hold-" + std::to_wstring(GetCurrentProcessId());
    m_release = CreateEventW(nullptr, TRUE, FALSE, event_name.c_str());
    std::wstring line = L"hold_file \"" + file.wstring() + L"\" " + event_name;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    const std::wstring program = fs::path(HOLD_FILE_EXE).wstring();
    if (m_release && CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE,
                                    CREATE_NO_WINDOW, nullptr, nullptr, &startup, &info))
    {
      CloseHandle(info.hThread);
      m_process = info.hProcess;
    }
  }
  ~Holder()
  {
    Release();
    if (m_release)
      CloseHandle(m_release);
  }
  Holder(const Holder&) = delete;
  Holder& operator=(const Holder&) = delete;

  bool Started() const { return m_process != nullptr; }
  // Lets the file go and waits until the holder has ended.
  void Release()
  {
    if (!m_process)
      return;
    SetEvent(m_release);
    WaitForSingleObject(m_process, INFINITE);
    CloseHandle(m_process);
    m_process = nullptr;
  }

private:
  HANDLE m_release = nullptr;
  HANDLE m_process = nullptr;
};

// True once the file cannot be opened for deletion: the holder has it. A program started under
// Wine beside other busy tests may take seconds to get there; it holds until released, so the
// probe cannot miss it.
bool WaitUntilHeld(const fs::path& file)
{
  for (int attempt = 0; attempt < 6000; ++attempt)
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

size_t FileCount(const TempDir& dir)
{
  return static_cast<size_t>(
      std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()));
}

// A short hold: released once the save has written its temporary file and tries the rename, so
// the save meets the hold and must wait it out. A long one outlasts the save's patience.
TEST(SharedFile, SaveWaitsOutAShortHoldAndReportsALongOne)
{
  for (const bool short_hold : {true, false})
  {
    SCOPED_TRACE(short_hold ? "short hold" : "long hold");
    TempDir dir;
    const fs::path target = fs::path(dir.Path()) / "sf2.ini";
    dir.Write("sf2.ini", "old");
    Holder holder(target);
    ASSERT_TRUE(holder.Started());
    ASSERT_TRUE(WaitUntilHeld(target));
    bool replaced = false;
    std::atomic<bool> done{false};
    std::thread save(
        [&]
        {
          replaced = WriteFileAtomic(target.string(), "new");
          done = true;
        });
    if (short_hold)
    {
      while (FileCount(dir) < 2 && !done)
        Sleep(1);
      holder.Release();
    }
    save.join();
    holder.Release();
    EXPECT_EQ(replaced, short_hold);
    EXPECT_EQ(dir.Read("sf2.ini"), short_hold ? "new" : "old");
    // No temporary file is left beside it either way.
    EXPECT_EQ(FileCount(dir), 1u);
  }
}

} // namespace
} // namespace corvane::test
