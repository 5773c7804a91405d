#include "base/TextEditor.h"

#include "base/Process.h"
#include "base/Text.h"

#include <array>
#include <string_view>

namespace corvane
{
namespace
{

struct Terminal
{
  std::string_view program;
  std::string_view run_flag; // what comes before the command it runs
};

// Debian's chosen terminal first, then common ones.
constexpr std::array<Terminal, 8> TERMINALS{{
    {"x-terminal-emulator", "-e"},
    {"gnome-terminal", "--"},
    {"konsole", "-e"},
    {"xfce4-terminal", "-x"},
    {"mate-terminal", "-x"},
    {"lxterminal", "-e"},
    {"alacritty", "-e"},
    {"xterm", "-e"},
}};

constexpr std::array<std::string_view, 10> GRAPHICAL_EDITORS{
    "gnome-text-editor", "gedit", "kate",   "kwrite", "mousepad", "pluma", "xed",
    "featherpad",        "geany", "leafpad"};

constexpr std::string_view OPENER = "xdg-open";

// The desktop's opener says by its exit status whether an application took the file: it ends
// once it has handed the file over, and fails, seconds later, when it found none. It is followed
// to its end; one still running after this long is running the editor itself.
constexpr std::chrono::seconds OPENER_PATIENCE{20};

// A terminal or an editor keeps running while the file is open (or hands it to its running self
// and ends well); one that cannot start at all (no display, a bad argument) fails at once.
constexpr std::chrono::milliseconds EDITOR_START_WATCH{1500};

#ifndef _WIN32
bool IsOpener(const std::vector<std::string>& command)
{
  const std::string& program = command.front();
  return program.size() >= OPENER.size() &&
         program.compare(program.size() - OPENER.size(), OPENER.size(), OPENER) == 0;
}
#endif

std::string Found(std::string_view name, const EnvironmentLookup& env)
{
  return FindOnPath(name, env("PATH").value_or(""), "/");
}

// The editors VISUAL and EDITOR name, in that order, whose program is installed. Each may hold
// arguments ("emacs -nw"), so sh runs it, as other programs that honour them do.
std::vector<std::string> EditorVariables(const EnvironmentLookup& env)
{
  std::vector<std::string> editors;
  for (const char* name : {"VISUAL", "EDITOR"})
  {
    const std::string value(Trim(env(name).value_or("")));
    const std::string program(Split(value, ' ').front());
    const bool found = program.find('/') != std::string::npos ? IsExecutableFile(program)
                                                              : !Found(program, env).empty();
    if (!value.empty() && found && (editors.empty() || editors.front() != value))
      editors.push_back(value);
  }
  return editors;
}

void AddTerminalCommands(const std::string& path, const EnvironmentLookup& env,
                         std::vector<std::vector<std::string>>& commands)
{
  for (const Terminal& terminal : TERMINALS)
  {
    const std::string program = Found(terminal.program, env);
    if (program.empty())
      continue;
    for (const std::string& editor : EditorVariables(env))
      commands.push_back(
          {program, std::string(terminal.run_flag), "sh", "-c", editor + " \"$1\"", "sh", path});
    return;
  }
}

} // namespace

std::vector<std::vector<std::string>> EditorCommands(const std::string& path,
                                                     const EnvironmentLookup& env)
{
  std::vector<std::vector<std::string>> commands;
  if (std::string opener = Found(OPENER, env); !opener.empty())
    commands.push_back({std::move(opener), path});
  AddTerminalCommands(path, env, commands);
  for (const std::string_view editor : GRAPHICAL_EDITORS)
  {
    if (std::string program = Found(editor, env); !program.empty())
      commands.push_back({std::move(program), path});
  }
  return commands;
}

bool OpenInTextEditor([[maybe_unused]] const std::string& path,
                      [[maybe_unused]] const std::string& dir,
                      [[maybe_unused]] const EnvironmentLookup& env)
{
#ifndef _WIN32
  for (std::vector<std::string>& command : EditorCommands(path, env))
  {
    const auto watch = IsOpener(command) ? OPENER_PATIENCE : EDITOR_START_WATCH;
    if (StartAndWatch(std::move(command), dir, watch))
      return true;
  }
#endif
  return false;
}

} // namespace corvane
