#include "windows/RunProgram.h"

#include <vector>
#include <windows.h>

namespace corvane::test
{
namespace
{

// Sets environment variables for the programs this process starts, and puts the old values
// back at the end of the scope.
class ScopedEnvironment
{
public:
  explicit ScopedEnvironment(const std::map<std::string, std::string>& variables)
  {
    for (const auto& [name, value] : variables)
    {
      std::string old(32768, '\0');
      const DWORD length = GetEnvironmentVariableA(name.c_str(), old.data(), 32768);
      old.resize(length < 32768 ? length : 0);
      m_saved.push_back({name, length > 0 && length < 32768, old});
      SetEnvironmentVariableA(name.c_str(), value.c_str());
    }
  }
  ~ScopedEnvironment()
  {
    for (const Saved& saved : m_saved)
      SetEnvironmentVariableA(saved.name.c_str(), saved.had ? saved.value.c_str() : nullptr);
  }
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
  struct Saved
  {
    std::string name;
    bool had;
    std::string value;
  };
  std::vector<Saved> m_saved;
};

std::wstring SystemDriveRoot()
{
  wchar_t windows_dir[MAX_PATH] = {};
  GetWindowsDirectoryW(windows_dir, MAX_PATH);
  return std::wstring(windows_dir).substr(0, 3);
}

// The file's text with CR LF read as LF: the C runtime writes "\n" to stderr as CR LF, and the
// tests compare the text with what the other platforms print.
std::string ReadErrorText(const std::filesystem::path& error_file)
{
  std::string text = ReadFileBytes(error_file.string()).value_or("");
  std::string plain;
  for (size_t i = 0; i < text.size(); ++i)
    if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
      plain += text[i];
  return plain;
}

// Under Wine a console helper of the program's shell may hold the inherited stderr file for a
// moment after the program has ended; the test's folder can only be removed once it is let go.
void WaitUntilReleased(const std::filesystem::path& file)
{
  for (int attempt = 0; attempt < 600; ++attempt) // up to 30 s on a loaded machine
  {
    HANDLE alone = CreateFileW(file.wstring().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    if (alone != INVALID_HANDLE_VALUE || GetLastError() != ERROR_SHARING_VIOLATION)
    {
      if (alone != INVALID_HANDLE_VALUE)
        CloseHandle(alone);
      return;
    }
    Sleep(50);
  }
}

// Starts the program with `error` as its stderr and as the only handle it inherits: the test's
// own output (pipes to CTest) must not reach the program's helpers, or CTest waits for them.
bool Start(const std::filesystem::path& program, std::wstring& command_line, HANDLE error,
           HANDLE job, PROCESS_INFORMATION& info)
{
  SIZE_T size = 0;
  InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
  std::vector<char> buffer(size);
  auto* attributes = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(buffer.data());
  if (!InitializeProcThreadAttributeList(attributes, 1, 0, &size))
    return false;
  UpdateProcThreadAttribute(attributes, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, &error, sizeof error,
                            nullptr, nullptr);
  STARTUPINFOEXW startup{};
  startup.StartupInfo.cb = sizeof startup;
  startup.StartupInfo.dwFlags = STARTF_USESTDHANDLES;
  startup.StartupInfo.hStdError = error;
  startup.lpAttributeList = attributes;
  // Tests run from anywhere: the program must find its files by its own location.
  bool started = CreateProcessW(program.wstring().c_str(), command_line.data(), nullptr, nullptr,
                                TRUE, EXTENDED_STARTUPINFO_PRESENT | CREATE_SUSPENDED, nullptr,
                                SystemDriveRoot().c_str(), &startup.StartupInfo, &info);
  DeleteProcThreadAttributeList(attributes);
  if (started && job && !AssignProcessToJobObject(job, info.hProcess))
  {
    TerminateProcess(info.hProcess, 1);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return false;
  }
  if (started)
    ResumeThread(info.hThread);
  return started;
}

} // namespace

std::wstring WideFromAnsi(const std::string& text)
{
  if (text.empty())
    return {};
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), length);
  return wide;
}

RunOutput RunProgram(const std::filesystem::path& program, const std::wstring& arguments,
                     const std::map<std::string, std::string>& environment,
                     const std::filesystem::path& error_file, HANDLE job)
{
  RunOutput output;
  std::wstring command_line = L"\"" + program.wstring() + L"\"";
  if (!arguments.empty())
    command_line += L" " + arguments;
  SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
  HANDLE error = CreateFileW(error_file.wstring().c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                             &inheritable, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  PROCESS_INFORMATION info{};
  const ScopedEnvironment scoped(environment);
  if (error != INVALID_HANDLE_VALUE && Start(program, command_line, error, job, info))
  {
    WaitForSingleObject(info.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(info.hProcess, &code);
    output.exit_code = static_cast<int>(code);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
  }
  if (error != INVALID_HANDLE_VALUE)
    CloseHandle(error);
  WaitUntilReleased(error_file);
  output.error_text = ReadErrorText(error_file);
  return output;
}

} // namespace corvane::test
