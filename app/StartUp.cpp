#include "app/StartUp.h"

#include "app/BatchSwitches.h"
#include "base/EmulatorRoute.h"
#include "base/FileIo.h"
#include "base/Messages.h"
#include "catalogue/GroupCoverage.h"
#include "catalogue/GroupScan.h"
#include "generate/DatExport.h"
#include "generate/WrapperConfig.h"

#include <ostream>

#ifdef _WIN32
#include <windows.h>

// After windows.h, whose types it uses (a separate block, so that sorting keeps the order).
#include <commctrl.h>
#endif

namespace corvane
{

bool ZincListMan::CheckEmulatorPresent(const AppDir& dir)
{
  return IsRegularFile(dir.File("zinc.exe"));
}

namespace XpStyles
{

void InitCommonControlLibrary()
{
#ifdef _WIN32
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof controls; // 8: two 32-bit fields
  controls.dwICC = ICC_USEREX_CLASSES;
  InitCommonControlsEx(&controls); // failure only costs the visual style
#endif
}

namespace
{

// A file of own keys that cannot be read is reported and left alone: the windows then offer no
// own keys, so nothing can replace it.
void LoadOwnKeys(Session& session)
{
  session.game_keys = KeyCodeManager::LoadGameKeys(session.dir);
  if (!session.game_keys)
    session.startup_problems.Add(std::string(Messages::FILE_NOT_READ),
                                 session.dir.File(GAME_KEYS_FILE));
}

} // namespace

void PrepareSession(Session& session)
{
  InitCommonControlLibrary();
  // An emulator that cannot be run here gets one problem, which names the fix, instead of one
  // for every listing it cannot give.
  const Outcome unrunnable = RouteProblem(EmulatorRouteFor(session.dir), session.dir);
  session.startup_problems.Append(unrunnable);
  session.games.listed_in_full = unrunnable.Ok(); // a table never listed writes nothing from it
  if (unrunnable.Ok())
  {
    auto import = ZincListMan::ImportGameList(session.dir);
    session.games = std::move(import.table);
    session.startup_problems.Append(import.outcome);
    session.emulator_unrunnable = import.emulator_unrunnable;
  }
  ReadSessionFiles(session);
}

void ReadSessionFiles(Session& session)
{
  // A list file that cannot be read is told to the player; batch mode does not use the lists.
  const Outcome lists_read = ZincListMan::ReloadGroupLists(session.dir, session.groups);
  ZincListMan::ReadSettings(session.dir, session.settings);
  if (!session.batch)
  {
    session.startup_problems.Append(lists_read);
    LoadOwnKeys(session);
    // A first start offers the emulator's own config, which "Manage Zinc Options" makes.
    if (!MayExist(session.dir.File(SETTINGS_FILE)))
      session.settings.CommandOptions = FIRST_START_OPTIONS;
  }
}

std::string BatchErrorLine(const Outcome& outcome)
{
  if (outcome.Ok())
    return {};
  const Problem& first = outcome.problems.front();
  std::string line = "corvane: " + first.what;
  if (!first.file.empty())
    line += ": " + first.file;
  if (outcome.problems.size() > 1)
    line += " (and " + std::to_string(outcome.problems.size() - 1) + " more)";
  return line;
}

int RunBatch(Session& session, std::string_view command_line, std::ostream& out, std::ostream& err)
{
  session.batch = true;
  if (IsHelpRequest(command_line))
  {
    out << Messages::BATCH_USAGE;
    return EXIT_OK;
  }
  if (session.dir.Root().empty())
  {
    // Without its own folder the program could only guess where the emulator and its files are.
    err << "corvane: " << Messages::PROGRAM_DIR_UNUSABLE << '\n';
    return EXIT_FAILED;
  }
  if (!ZincListMan::CheckEmulatorPresent(session.dir))
    return EXIT_NO_EMULATOR; // silently: batch mode shows no message
  if (const Outcome unrunnable = RouteProblem(EmulatorRouteFor(session.dir), session.dir);
      !unrunnable.Ok())
  {
    err << BatchErrorLine(unrunnable) << '\n';
    return EXIT_FAILED;
  }
  PrepareSession(session);
  if (session.emulator_unrunnable)
  {
    err << BatchErrorLine(session.startup_problems) << '\n';
    return EXIT_FAILED;
  }

  // The settings file's flags play no part in a batch run; only the switches count.
  session.settings.MakeDatFlag = 0;
  session.settings.CfgWrapperFlag = 0;
  const BatchSwitches switches = ParseBatchSwitches(command_line);
  session.settings.MakeDatFlag = switches.make_dat ? 1 : 0;
  session.settings.CfgWrapperFlag = switches.cfg_wrapper ? 1 : 0;
  if (!switches.dat_path.empty())
    session.settings.DatPath = switches.dat_path;

  Outcome outcome = session.startup_problems;
  if (session.settings.MakeDatFlag == 1)
    outcome.Append(ZincListMan::ExportDat(session.dir, session.settings.DatPath));
  if (session.settings.CfgWrapperFlag == 1)
  {
    // The options are those of the settings file, as the hidden main window would hold them.
    const auto wrapper = ZincListMan::WriteWrapperConfig(session.dir, session.games,
                                                         session.settings.CommandOptions);
    outcome.Append(wrapper.outcome);
    // Not a failure: the wrapper is optional. Still, the player asked for it.
    if (wrapper.wrapper_missing)
      err << "corvane: " << Messages::WRAPPER_FILE_MISSING << ": " << session.dir.File(WRAPPER_FILE)
          << '\n';
  }
  if (outcome.Ok())
    return EXIT_OK;
  err << BatchErrorLine(outcome) << '\n';
  return EXIT_FAILED;
}

Outcome SortOnFirstRun(Session& session)
{
  // Without lists no game has a family, and the first Save would write no game's file.
  if (ZincListMan::ShouldSortOnFirstRun(session.dir, session.games))
    return ZincListMan::ScanGroups(session.dir, session.games, session.groups);
  return {};
}

Outcome RunInteractiveStartJobs(Session& session)
{
  Outcome outcome;
  // Start-up has told why the emulator cannot be run; its jobs would only say it again.
  if (session.emulator_unrunnable || !RouteProblem(EmulatorRouteFor(session.dir), session.dir).Ok())
    return outcome;
  outcome = SortOnFirstRun(session);
  if (session.settings.MakeDatFlag == 1)
    outcome.Append(ZincListMan::ExportDat(session.dir, session.settings.DatPath));
  return outcome;
}

} // namespace XpStyles

} // namespace corvane
