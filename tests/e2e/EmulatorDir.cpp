#include "e2e/EmulatorDir.h"

#include <fstream>
#include <sstream>

#ifdef _WIN32
#include "windows/RunProgram.h"
#else
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace corvane::test
{

EmulatorDir::EmulatorDir(bool with_emulator, const std::string& subfolder)
{
  m_root = std::filesystem::path(Path()) / subfolder;
  std::filesystem::create_directories(m_root);
  const auto program = std::filesystem::path(CORVANE_EXE);
  std::filesystem::copy_file(program, m_root / program.filename());
  if (with_emulator)
    std::filesystem::copy_file(ZINC_EXE, m_root / "zinc.exe");
}

std::string EmulatorDir::ReadFile(const std::string& name) const
{
  return ReadFileBytes(File(name)).value_or("<missing>");
}

void EmulatorDir::WriteFile(const std::string& name, const std::string& bytes) const
{
  const auto path = m_root / name;
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

#ifndef _WIN32
RunOutput EmulatorDir::Run(const std::vector<std::string>& arguments,
                           const std::map<std::string, std::string>& environment) const
{
  RunOutput output;
  const std::string program = File(std::filesystem::path(CORVANE_EXE).filename().string());
  const std::string error_file = (std::filesystem::path(Path()) / "stderr.txt").string();
  const std::string output_file = (std::filesystem::path(Path()) / "stdout.txt").string();
  const pid_t pid = fork();
  if (pid == 0)
  {
    dup2(open(error_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), STDERR_FILENO);
    dup2(open(output_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), STDOUT_FILENO);
    for (const auto& [name, value] : environment)
      setenv(name.c_str(), value.c_str(), 1);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments)
      argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    // Tests run from anywhere: the program must find its files by its own location.
    chdir("/");
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  output.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  output.error_text = ReadFileBytes(error_file).value_or("");
  output.output_text = ReadFileBytes(output_file).value_or("");
  return output;
}
#else
RunOutput EmulatorDir::Run(const std::vector<std::string>& arguments,
                           const std::map<std::string, std::string>& environment) const
{
  // The arguments after single blanks, as a user would type them.
  std::string tail;
  for (const std::string& argument : arguments)
    tail += (tail.empty() ? "" : " ") + argument;
  const auto program = m_root / std::filesystem::path(CORVANE_EXE).filename();
  return RunProgram(program, WideFromAnsi(tail), environment,
                    std::filesystem::path(Path()) / "stderr.txt");
}
#endif

} // namespace corvane::test
