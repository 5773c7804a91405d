#include "base/WindowsProcess.h"

#ifdef _WIN32

#include "base/AppDir.h"
#include "base/Redirection.h"

#include <vector>

namespace corvane
{
namespace
{

std::wstring_view NameOf(std::wstring_view entry)
{
  // Entries such as "=C:=C:\Emu" (the current folder of each drive) start with their '='.
  return entry.substr(0, entry.find(L'=', 1));
}

bool SameName(std::wstring_view a, std::wstring_view b)
{
  return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                              static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

std::string_view FirstLine(std::string_view text)
{
  return text.substr(0, text.find_first_of("\r\n"));
}

// Starts `command_line` suspended and hidden with `output` as its standard output and `nothing`
// as its input and error output; those two are the only handles it inherits.
bool StartWithHandles(const std::string& application, std::string command_line,
                      const std::string& dir, HANDLE output, HANDLE nothing,
                      PROCESS_INFORMATION& info)
{
  HANDLE inherited[] = {output, nothing};
  SIZE_T size = 0;
  InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
  std::vector<char> buffer(size);
  auto* attributes = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(buffer.data());
  if (!InitializeProcThreadAttributeList(attributes, 1, 0, &size))
    return false;
  UpdateProcThreadAttribute(attributes, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, inherited,
                            sizeof inherited, nullptr, nullptr);
  STARTUPINFOEXA startup{};
  startup.StartupInfo.cb = sizeof startup;
  startup.StartupInfo.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
  startup.StartupInfo.wShowWindow = SW_HIDE;
  startup.StartupInfo.hStdInput = nothing;
  startup.StartupInfo.hStdOutput = output;
  startup.StartupInfo.hStdError = nothing;
  startup.lpAttributeList = attributes;
  std::wstring environment = ListingEnvironment();
  const DWORD flags = EXTENDED_STARTUPINFO_PRESENT | CREATE_SUSPENDED | CREATE_NO_WINDOW |
                      CREATE_UNICODE_ENVIRONMENT | BreakawayFlag();
  const bool started =
      CreateProcessA(application.c_str(), command_line.data(), nullptr, nullptr, TRUE, flags,
                     environment.data(), dir.c_str(), &startup.StartupInfo, &info) != 0;
  DeleteProcThreadAttributeList(attributes);
  return started;
}

} // namespace

std::wstring EnvironmentBlockWithout(const wchar_t* block, std::wstring_view name)
{
  std::wstring kept;
  for (const wchar_t* entry = block; entry && *entry; entry += wcslen(entry) + 1)
  {
    if (!SameName(NameOf(entry), name))
      kept.append(entry).push_back(L'\0');
  }
  // An empty block is still ended by two nulls.
  kept.append(kept.empty() ? 2 : 1, L'\0');
  return kept;
}

std::wstring ListingEnvironment()
{
  wchar_t* block = GetEnvironmentStringsW();
  std::wstring environment = EnvironmentBlockWithout(block, L"NoDefaultCurrentDirectoryInExePath");
  if (block)
    FreeEnvironmentStringsW(block);
  return environment;
}

DWORD BreakawayFlag()
{
  BOOL in_job = FALSE;
  if (!IsProcessInJob(GetCurrentProcess(), nullptr, &in_job) || !in_job)
    return 0;
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
  if (!QueryInformationJobObject(nullptr, JobObjectExtendedLimitInformation, &limits, sizeof limits,
                                 nullptr))
    return 0;
  return (limits.BasicLimitInformation.LimitFlags & JOB_OBJECT_LIMIT_BREAKAWAY_OK) != 0
             ? CREATE_BREAKAWAY_FROM_JOB
             : 0;
}

bool IsUncPath(std::string_view path)
{
  return path.size() >= 2 && (path[0] == '\\' || path[0] == '/') &&
         (path[1] == '\\' || path[1] == '/');
}

ListingJob::ListingJob() : m_job(CreateJobObjectA(nullptr, nullptr))
{
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  if (m_job)
    SetInformationJobObject(m_job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
}

ListingJob::~ListingJob()
{
  if (m_job)
    CloseHandle(m_job);
}

bool ListingJob::Adopt(HANDLE process)
{
  m_adopted = m_job && AssignProcessToJobObject(m_job, process);
  return m_adopted;
}

bool ListingJob::WaitUntilEmpty(ULONGLONG deadline) const
{
  for (;;)
  {
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting{};
    if (!m_adopted || !QueryInformationJobObject(m_job, JobObjectBasicAccountingInformation,
                                                 &accounting, sizeof accounting, nullptr))
      return true;
    if (accounting.ActiveProcesses == 0)
      return true;
    if (GetTickCount64() >= deadline)
      return false;
    Sleep(10);
  }
}

bool ListingJob::EndAll() const
{
  return m_adopted && TerminateJobObject(m_job, 1);
}

bool StartListingDirectly(std::string_view batch_line, const std::string& dir,
                          PROCESS_INFORMATION& info)
{
  const auto split = SplitOutputRedirection(FirstLine(batch_line));
  if (!split)
    return false;
  const std::string program = split->command.substr(0, split->command.find(' '));
  // Only the program beside us: a path in the line would name another one.
  if (program.find_first_of("\\/:") != std::string::npos)
    return false;
  const AppDir folder(dir);
  SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
  HANDLE output =
      CreateFileA(folder.File(split->output_file).c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                  &inheritable, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  HANDLE nothing =
      CreateFileA("NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  &inheritable, OPEN_EXISTING, 0, nullptr);
  const bool started =
      output != INVALID_HANDLE_VALUE && nothing != INVALID_HANDLE_VALUE &&
      StartWithHandles(folder.File(program), split->command, dir, output, nothing, info);
  for (HANDLE handle : {output, nothing})
  {
    if (handle != INVALID_HANDLE_VALUE)
      CloseHandle(handle);
  }
  return started;
}

} // namespace corvane

#endif
