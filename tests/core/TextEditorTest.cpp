#include "base/TextEditor.h"

#include "TempDir.h"

#include "CaseNames.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <tuple>

namespace corvane
{
namespace
{

#ifndef _WIN32

namespace fs = std::filesystem;

// A folder of stand-in programs to put on PATH.
class Bin : public test::TempDir
{
public:
  void Add(const std::string& name, const std::string& script = "exit 0") const
  {
    Write(name, "#!/bin/sh\n" + script + "\n");
    fs::permissions(fs::path(Path()) / name, fs::perms::owner_all);
  }
  EnvironmentLookup Environment(std::map<std::string, std::string> table) const
  {
    table["PATH"] = "/nowhere:" + Path();
    return [table](std::string_view name) -> std::optional<std::string>
    {
      const auto found = table.find(std::string(name));
      return found == table.end() ? std::nullopt : std::optional(found->second);
    };
  }
};

struct OpenerCase
{
  const char* name;
  std::vector<std::string> installed;
  std::map<std::string, std::string> variables;
  // Each command's words, with {bin}/ dropped from program paths.
  std::vector<std::vector<std::string>> commands;
};

class EditorChoice : public testing::TestWithParam<OpenerCase>
{
};

TEST_P(EditorChoice, OffersWhatIsInstalledInOrder)
{
  const OpenerCase& c = GetParam();
  Bin bin;
  for (const std::string& program : c.installed)
    bin.Add(program);
  auto commands = EditorCommands("/emu/zinc.cfg", bin.Environment(c.variables));
  for (auto& command : commands)
  {
    ASSERT_EQ(command.front().rfind(bin.Path() + "/", 0), 0U) << command.front();
    command.front().erase(0, bin.Path().size() + 1);
  }
  EXPECT_EQ(commands, c.commands);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EditorChoice,
    testing::Values(
        OpenerCase{"nothing", {}, {{"EDITOR", "vi"}}, {}},
        OpenerCase{"desktop_opener_first",
                   {"xdg-open", "gedit"},
                   {},
                   {{"xdg-open", "/emu/zinc.cfg"}, {"gedit", "/emu/zinc.cfg"}}},
        OpenerCase{
            "visual_then_editor_in_the_first_terminal",
            {"xterm", "x-terminal-emulator", "nano", "vim"},
            {{"VISUAL", "vim -p"}, {"EDITOR", "nano"}},
            {{"x-terminal-emulator", "-e", "sh", "-c", "vim -p \"$1\"", "sh", "/emu/zinc.cfg"},
             {"x-terminal-emulator", "-e", "sh", "-c", "nano \"$1\"", "sh", "/emu/zinc.cfg"}}},
        OpenerCase{"editor_not_installed_is_skipped",
                   {"gnome-terminal", "nano"},
                   {{"VISUAL", "code -w"}, {"EDITOR", "nano"}},
                   {{"gnome-terminal", "--", "sh", "-c", "nano \"$1\"", "sh", "/emu/zinc.cfg"}}},
        OpenerCase{"no_terminal_for_the_editor",
                   {"nano", "mousepad"},
                   {{"EDITOR", "nano"}},
                   {{"mousepad", "/emu/zinc.cfg"}}}),
    test::ByName());

// The opener is followed to its end, however long it takes to find no application: its exit
// status decides whether the next way is tried.
TEST(OpenInTextEditor, FollowsTheOpenerToItsExitStatus)
{
  const std::vector<std::tuple<const char*, const char*, const char*>> cases = {
      {"fails at once", "exit 3", "/emu/zinc.cfg\n"},
      {"fails after a second", "sleep 1; exit 3", "/emu/zinc.cfg\n"},
      {"hands over after a second", "sleep 1; echo opener > \"$(dirname \"$0\")/opened\"",
       "opener\n"},
  };
  for (const auto& [name, opener, opened] : cases)
  {
    Bin bin;
    bin.Add("xdg-open", opener);
    bin.Add("gedit", "echo \"$1\" > \"$(dirname \"$0\")/opened\"");
    bin.Add("mousepad", "echo never > \"$(dirname \"$0\")/opened\"");
    EXPECT_TRUE(OpenInTextEditor("/emu/zinc.cfg", "/", bin.Environment({}))) << name;
    EXPECT_EQ(bin.Read("opened"), opened) << name;
  }

  Bin none;
  none.Add("xdg-open", "exit 4");
  EXPECT_FALSE(OpenInTextEditor("/emu/zinc.cfg", "/", none.Environment({})));
}

#endif

} // namespace
} // namespace corvane
