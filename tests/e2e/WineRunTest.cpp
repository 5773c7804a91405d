// Linux with a Windows zinc.exe beside the program: every run of it goes through Wine. The
// missing-Wine cases run everywhere off Windows (any file starting with "MZ" will do); the runs
// through Wine itself need the cross-built stand-in, which the Windows stage names in
// CORVANE_WINDOWS_ZINC.

#include "app/LaunchCommand.h"
#include "app/StartUp.h"
#include "base/Messages.h"
#include "base/Process.h"
#include "controls/SavePipeline.h"
#include "e2e/EmulatorDir.h"
#include "generate/EmulatorConfig.h"

#include "CaseNames.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
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

// The cross-built stand-in, or empty outside the Windows stage.
std::string WindowsStandIn()
{
  const char* path = std::getenv("CORVANE_WINDOWS_ZINC");
  return path ? path : "";
}

class ThroughWine : public testing::Test
{
protected:
  void SetUp() override
  {
    if (WindowsStandIn().empty())
      GTEST_SKIP() << "CORVANE_WINDOWS_ZINC is not set (the Windows stage sets it)";
  }
  static void UseWindowsStandIn(const EmulatorDir& emu)
  {
    fs::copy_file(WindowsStandIn(), emu.File("zinc.exe"), fs::copy_options::overwrite_existing);
  }
};

TEST_F(ThroughWine, BatchFilesAreTheNativeStandInsByteForByte)
{
  EmulatorDir native;
  EmulatorDir windows;
  UseWindowsStandIn(windows);
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
  ASSERT_TRUE(StartProgram(line, session.dir.Root()).Started());
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
