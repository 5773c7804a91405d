// Linux with a Windows zinc.exe beside the program: every run of it goes through Wine. The
// missing-Wine cases run everywhere off Windows (any file starting with "MZ" will do); the runs
// through Wine itself need the cross-built stand-in, which the Windows stage names in
// CORVANE_WINDOWS_ZINC.

#include "app/LaunchCommand.h"
#include "app/StartUp.h"
#include "base/FileIo.h"
#include "base/Messages.h"
#include "base/Process.h"
#include "base/ProgramSearch.h"
#include "controls/SavePipeline.h"
#include "e2e/EmulatorDir.h"
#include "generate/EmulatorConfig.h"

#include "CaseNames.h"
#include "ScopedVariable.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <thread>

namespace corvane::test
{
namespace
{

#ifndef _WIN32

namespace fs = std::filesystem;

struct NoWineCase
{
  const char* name;
  std::map<std::string, std::string> environment; // {dir} is the emulator folder
  std::string_view message;
  const char* named; // {dir} as above
};

class NoWine : public testing::TestWithParam<NoWineCase>
{
};

std::string InFolder(std::string text, const EmulatorDir& emu)
{
  if (const auto at = text.find("{dir}"); at != std::string::npos)
    text.replace(at, 5, emu.Root());
  return text;
}

TEST_P(NoWine, OneLineNamesCauseAndFixAndNothingIsReplaced)
{
  const NoWineCase& c = GetParam();
  EmulatorDir emu;
  emu.WriteFile("zinc.exe", "MZ: a Windows program");
  emu.WriteFile("zincmasterlist.lst", "old table\r\n");
  emu.WriteFile("lconfig.ini", "old wrapper\r\n");
  std::map<std::string, std::string> environment;
  for (const auto& [name, value] : c.environment)
    environment[name] = InFolder(value, emu);
  const RunOutput run = emu.Run({"-listinfo", "-cfgwrapper"}, environment);
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(run.error_text,
            "corvane: " + std::string(c.message) + ": " + InFolder(c.named, emu) + "\n");
  EXPECT_EQ(emu.ReadFile("zincmasterlist.lst"), "old table\r\n");
  EXPECT_EQ(emu.ReadFile("lconfig.ini"), "old wrapper\r\n");
  for (const char* name : {"makelist.bat", "zinclist.txt", "zinc.dat"})
    EXPECT_FALSE(emu.Has(name)) << name;
}

INSTANTIATE_TEST_SUITE_P(Cases, NoWine,
                         testing::Values(NoWineCase{"none_on_path",
                                                    {{"CORVANE_WINE", ""}, {"PATH", "/nowhere"}},
                                                    Messages::WINE_MISSING,
                                                    "{dir}/zinc.exe"},
                                         NoWineCase{"variable_names_nothing",
                                                    {{"CORVANE_WINE", "{dir}/no-such-wine"}},
                                                    Messages::WINE_VARIABLE_UNUSABLE,
                                                    "{dir}/no-such-wine"}),
                         test::ByName());

// A cross-built stand-in, or empty outside the Windows stage: by default the players' kind, the
// 32-bit one where the stage's Wine runs it; by name, the 32-bit or the 64-bit one.
std::string WindowsStandIn(const char* variable = "CORVANE_WINDOWS_ZINC")
{
  const char* path = std::getenv(variable);
  return path ? path : "";
}

// Debian's Wine 64-bit loader (/usr/lib/wine/wine64), which runs a 32-bit program through the
// 32-bit loader beside it (/usr/lib/wine/wine, from wine32).
std::string Wine64Loader()
{
  constexpr const char* LOADER = "/usr/lib/wine/wine64";
  return IsExecutableFile(LOADER) ? LOADER : "";
}

// A Wine without its 32-bit half, as Debian's "wine" is without wine32: a copy of the 64-bit
// loader in a tree like /usr that holds no 32-bit loader, with the 64-bit libraries, the server
// and the shared data linked in (the loader finds them by its own place). Wine itself then finds
// no 32-bit loader for a 32-bit program, makes a prefix without syswow64, and the program never
// runs. Returns the loader, for CORVANE_WINE.
std::string WriteWineWithout32Bit(const std::string& root)
{
  const fs::path system_lib = fs::path(Wine64Loader()).parent_path().parent_path(); // /usr/lib
  fs::create_directories(root + "/lib/wine");
  const std::string loader = root + "/lib/wine/wine64";
  fs::copy_file(Wine64Loader(), loader);
  fs::create_symlink(system_lib / "wine/wineserver64", root + "/lib/wine/wineserver");
  fs::create_symlink(system_lib / "x86_64-linux-gnu", root + "/lib/x86_64-linux-gnu");
  fs::create_symlink(system_lib.parent_path() / "share", root + "/share");
  return loader;
}

std::string Expanded(std::string text, const EmulatorDir& emu)
{
  for (const auto& [mark, value] :
       {std::pair<std::string, std::string>{"{dir}", emu.Root()}, {"{work}", emu.Path()}})
  {
    if (const auto at = text.find(mark); at != std::string::npos)
      text.replace(at, mark.size(), value);
  }
  return text;
}

struct WineFailureCase
{
  const char* name;
  const char* stand_in; // the stand-in's variable when the case runs through real Wine, else null
  std::map<std::string, std::string> environment; // {dir}: the emulator folder, {work}: beside it
  std::string_view message;
  const char* detail;
};

class WineFails : public testing::TestWithParam<WineFailureCase>
{
};

// Every file of the player's is as it was after a batch run, a start-up as the window does it and
// "Manage Zinc Options"; batch mode says the cause in one line and exits 1.
TEST_P(WineFails, NothingIsWrittenAndTheCauseIsSaid)
{
  const WineFailureCase& c = GetParam();
  const bool through_real_wine = c.stand_in != nullptr;
  if (through_real_wine && (WindowsStandIn(c.stand_in).empty() || Wine64Loader().empty()))
    GTEST_SKIP() << "needs Wine and " << c.stand_in << " (the Windows stage has both)";
  EmulatorDir emu;
  if (through_real_wine)
  {
    fs::copy_file(WindowsStandIn(c.stand_in), emu.File("zinc.exe"),
                  fs::copy_options::overwrite_existing);
    WriteWineWithout32Bit(emu.Path() + "/wine-without-32-bit");
  }
  else
    emu.WriteFile("zinc.exe", "MZ: a Windows program");
  const std::map<std::string, std::string> kept{{"zincmasterlist.lst", "old table\r\n"},
                                                {"zinc.dat", "old dat\r\n"},
                                                {"lconfig.ini", "old wrapper\r\n"},
                                                {"not-a-folder", "a file\n"}};
  for (const auto& [name, bytes] : kept)
    emu.WriteFile(name, bytes);
  std::map<std::string, std::string> environment;
  for (const auto& [name, value] : c.environment)
    environment[name] = Expanded(value, emu);
  const std::string said = std::string(c.message) + ": " + Expanded(c.detail, emu);

  const RunOutput run = emu.Run({"-listinfo", "-cfgwrapper"}, environment);
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(run.error_text, "corvane: " + said + "\n");

  std::vector<std::unique_ptr<test::ScopedVariable>> variables;
  for (const auto& [name, value] : environment)
    variables.push_back(std::make_unique<test::ScopedVariable>(name.c_str(), value));
  Session session;
  session.dir = emu.Dir();
  XpStyles::PrepareSession(session);
  EXPECT_TRUE(session.emulator_unrunnable);
  ASSERT_EQ(session.startup_problems.problems.size(), 1U) << session.startup_problems.Describe();
  EXPECT_EQ(session.startup_problems.problems[0].what + ": " +
                session.startup_problems.problems[0].file,
            said);
  EXPECT_TRUE(XpStyles::RunInteractiveStartJobs(session).Ok());
  EXPECT_FALSE(ZincListMan::MakeDefaultEmulatorConfig(session.dir).Ok());
  // A launch of a game a list from an earlier run holds: Wine's failure is no start.
  const GameRow game{"strider2", "Strider 2", "", "12", "strider2", ""};
  const EmulatorRoute route = EmulatorRouteFor(session.dir);
  const Outcome launch =
      StartGame(LaunchCommandLine(game, "", session.dir, route), session.dir, route);
  ASSERT_EQ(launch.problems.size(), 1U);
  EXPECT_EQ(launch.problems[0].what + ": " + launch.problems[0].file, said);
  for (const auto& [name, bytes] : kept)
    EXPECT_EQ(emu.ReadFile(name), bytes) << name;
  for (const char* name : {"zinc.cfg", "controls.lst", "zincgrouplist.lst"})
    EXPECT_FALSE(emu.Has(name)) << name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WineFails,
    testing::Values(WineFailureCase{"wine_is_bin_false",
                                    nullptr,
                                    {{"CORVANE_WINE", "/bin/false"}},
                                    Messages::WINE_RUN_FAILED,
                                    "/bin/false ran nothing and said nothing (exit status 1)"},
                    WineFailureCase{
                        "prefix_is_a_file",
                        "CORVANE_WINDOWS_ZINC",
                        {{"WINEPREFIX", "{dir}/not-a-folder"}},
                        Messages::WINE_RUN_FAILED,
                        "wine: cannot use directory {dir}/not-a-folder : Not a directory"},
                    WineFailureCase{"wine_without_32_bit_support",
                                    "CORVANE_WINDOWS_ZINC32",
                                    {{"CORVANE_WINE", "{work}/wine-without-32-bit/lib/wine/wine64"},
                                     {"WINEPREFIX", "{work}/prefix-without-32-bit"}},
                                    Messages::WINE_CANNOT_RUN_32_BIT,
                                    "{dir}/zinc.exe"}),
    test::ByName());

class ThroughWine : public testing::Test
{
protected:
  void SetUp() override
  {
    if (WindowsStandIn().empty())
      GTEST_SKIP() << "CORVANE_WINDOWS_ZINC is not set (the Windows stage sets it)";
  }
  static void UseWindowsStandIn(const EmulatorDir& emu,
                                const char* variable = "CORVANE_WINDOWS_ZINC")
  {
    fs::copy_file(WindowsStandIn(variable), emu.File("zinc.exe"),
                  fs::copy_options::overwrite_existing);
  }
};

// The one test of the 64-bit stand-in, when the stage names it: players may have either.
TEST_F(ThroughWine, BatchFilesAreTheNativeStandInsByteForByte)
{
  EmulatorDir native;
  EmulatorDir windows;
  UseWindowsStandIn(windows, WindowsStandIn("CORVANE_WINDOWS_ZINC64").empty()
                                 ? "CORVANE_WINDOWS_ZINC"
                                 : "CORVANE_WINDOWS_ZINC64");
  for (const EmulatorDir* emu : {&native, &windows})
  {
    const RunOutput run = emu->Run({"-listinfo"});
    EXPECT_EQ(run.exit_code, 0) << run.error_text;
  }
  EXPECT_EQ(windows.ReadFile("zinc.dat"), native.ReadFile("zinc.dat"));
  EXPECT_EQ(windows.ReadFile("zincmasterlist.lst"), native.ReadFile("zincmasterlist.lst"));
  EXPECT_EQ(native.ReadFile("makelist.bat"), "zinc.exe --list-sets >zinccrc.txt\r\n");
  EXPECT_TRUE(windows.ReadFile("makelist.bat").ends_with(" zinc.exe --list-sets >zinccrc.txt\r\n"));
}

// What the stand-in logs for a file it read: its size and 32-bit FNV-1a.
std::string Summary(const std::string& bytes)
{
  std::uint32_t hash = 2166136261U;
  for (const char c : bytes)
    hash = (hash ^ static_cast<unsigned char>(c)) * 16777619U;
  char text[64];
  std::snprintf(text, sizeof text, "%zu bytes fnv1a %08x", bytes.size(), hash);
  return text;
}

// Start-up, the first run's sorting and a save, as the window does them; then a launch of the
// first game through Wine, from a folder whose name holds a blank.
TEST_F(ThroughWine, ALaunchReadsTheFilesTheProgramWrote)
{
  EmulatorDir emu(true, "my games");
  UseWindowsStandIn(emu);
  Session session;
  session.dir = emu.Dir();
  XpStyles::PrepareSession(session);
  ASSERT_TRUE(session.startup_problems.Ok()) << session.startup_problems.Describe();
  ASSERT_TRUE(XpStyles::RunInteractiveStartJobs(session).Ok());
  ASSERT_TRUE(ZincListMan::MakeDefaultEmulatorConfig(session.dir).Ok());
  BindingTable bindings;
  const GeneralOptions general = KeyCodeManager::LoadAllBindings(session.dir, bindings);
  const KeyCodeManager::SaveRequest request{bindings, general, "", session.settings, {}};
  ASSERT_TRUE(KeyCodeManager::SaveAllChanges(session.dir, request, session.groups).outcome.Ok());

  const GameRow& game = session.games.rows.front();
  const EmulatorRoute route = EmulatorRouteFor(session.dir);
  ASSERT_EQ(route.kind, RouteKind::Wine);
  const std::string line =
      LaunchCommandLine(game, "--use-config-file=zinc.cfg", session.dir, route);
  ASSERT_EQ(LaunchRefusal(game, line, session.dir, route), "");
  ASSERT_TRUE(StartGame(line, session.dir, route).Ok());
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
  while (!emu.Has("zinc-launch.log") && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(50));

  const std::string controller = session.dir.CtrlrFile(game.set_name + ".ini");
  EXPECT_EQ(emu.ReadFile("zinc-read.log"),
            "[--use-config-file=zinc.cfg] " + Summary(emu.ReadFile("zinc.cfg")) + "\n" +
                "[--use-controller-cfg-file=" + PathForEmulator(route, controller) + "] " +
                Summary(ReadFileBytes(controller).value_or("")) + "\n");
}

#endif

} // namespace
} // namespace corvane::test
