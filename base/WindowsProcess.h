#pragma once

// The Windows pieces of the process seam: the listing's environment, its job object, and a
// listing started without cmd.exe. Windows only.

#ifdef _WIN32

#include <string>
#include <string_view>
#include <windows.h>

namespace corvane
{

// An environment block (name=value entries, each ended by a null, the block by another) without
// the entries of `name`, compared as Windows compares variable names: ignoring case.
std::wstring EnvironmentBlockWithout(const wchar_t* block, std::wstring_view name);

// This process's environment for a listing. NoDefaultCurrentDirectoryInExePath is left out: with
// it cmd.exe would not look for "zinc.exe" in the folder it runs in.
std::wstring ListingEnvironment();

// CREATE_BREAKAWAY_FROM_JOB when this process is in a job that lets children leave it, else 0
// (asking for it otherwise makes CreateProcess fail).
DWORD BreakawayFlag();

// True for a network path (\\server\share\...), which cmd.exe cannot use as its current folder.
bool IsUncPath(std::string_view path);

// A job that ends every process in it when it is closed, so a time-out (or our own end) ends
// the emulator with the shell that started it.
class ListingJob
{
public:
  ListingJob();
  ~ListingJob();
  ListingJob(const ListingJob&) = delete;
  ListingJob& operator=(const ListingJob&) = delete;

  // False when the process cannot be put in the job (no job, or a job of our own that may
  // neither be left nor nested, as before Windows 8).
  bool Adopt(HANDLE process);

  // Waits until no process of the job is left, at most until `deadline` (GetTickCount64);
  // true when none is left (or nothing was adopted).
  bool WaitUntilEmpty(ULONGLONG deadline) const;

  // Ends every process in the job; false when nothing was adopted.
  bool EndAll() const;

private:
  HANDLE m_job = nullptr;
  bool m_adopted = false;
};

// Starts a listing batch line ("zinc.exe --list-games >zinclist.txt") without a shell,
// suspended: the program beside it in `dir`, its output into the named file in `dir` through an
// inherited handle, no input and no error output. False when the line has another shape or the
// program cannot be started.
bool StartListingDirectly(std::string_view batch_line, const std::string& dir,
                          PROCESS_INFORMATION& info);

} // namespace corvane

#endif
