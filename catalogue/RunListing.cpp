#include "catalogue/RunListing.h"

#include "base/EmulatorRoute.h"
#include "base/FileIo.h"
#include "base/Messages.h"
#include "base/Process.h"
#include "base/Redirection.h"
#include "base/WineFailure.h"

#include <mutex>

namespace corvane::ZincListMan
{
namespace
{

// Whether the listing file holds anything but blanks: a run that never reached zinc.exe leaves
// it empty (the shell makes it before Wine starts) or missing.
bool WroteListing(const AppDir& dir, std::string_view command)
{
  const auto split = SplitOutputRedirection(command);
  if (!split)
    return true;
  const auto listing = ReadFileBytes(dir.File(split->output_file));
  return listing && listing->find_first_not_of(" \t\r\n") != std::string::npos;
}

} // namespace

Outcome RunListing(const AppDir& dir, std::string_view command, ListingEnd* end)
{
  // One listing at a time: each writes the one "makelist.bat" and runs it, so a listing started
  // while another runs (the options while the start's refresh goes on) would run the other's.
  static std::mutex one_at_a_time;
  const std::lock_guard<std::mutex> running(one_at_a_time);
  // Once the player has stopped the listings (a Cancel, the window closed) none writes anything.
  if (ListingsStopped())
  {
    if (end)
      *end = ListingEnd::NotRun;
    return {{{std::string(Messages::LISTING_NOT_STARTED), dir.File(LISTING_BATCH_FILE)}}};
  }
  if (end)
    *end = ListingEnd::NotRun;
  // Without a way to run the emulator nothing is written or removed: every file stays as it was.
  const EmulatorRoute route = EmulatorRouteFor(dir);
  Outcome outcome = RouteProblem(route, dir);
  if (!outcome.Ok())
    return outcome;
  const std::string batch_path = dir.File(LISTING_BATCH_FILE);
  std::string batch_line = ShellLinePrefix(route) + std::string(command) + "\r\n";
  if (!WriteFileAtomic(batch_path, batch_line))
  {
    outcome.Add(std::string(Messages::FILE_NOT_WRITTEN), batch_path);
    return outcome;
  }
  // A listing left by an earlier run must not pass for this run's: with none, a run that wrote
  // nothing leaves nothing to read, and the reader reports it.
  if (const auto split = SplitOutputRedirection(command);
      split && !RemoveFileIfPresent(dir.File(split->output_file)))
  {
    outcome.Add(std::string(Messages::LISTING_NOT_STARTED), dir.File(split->output_file));
    return outcome;
  }
  SetCurrentDir(dir.Root());
  const RunResult run = RunAndWait(std::string(LISTING_BATCH_FILE), dir.Root(), ListingTimeout());
  if (run.started && !run.timed_out && !run.crashed)
  {
    // Wine failing to start zinc.exe is no listing at all, whatever status it ended with.
    const WineEnding wine =
        ReadWineEnding(route, dir, {run.exit_code, run.errors, true, WroteListing(dir, command)});
    if (!wine.ran)
    {
      if (end)
        *end = ListingEnd::WineFailed;
      outcome.Append(wine.problem);
      return outcome;
    }
  }
  if (end)
    *end = !run.started                   ? ListingEnd::NotRun
           : run.timed_out || run.crashed ? ListingEnd::Unfinished
                                          : ListingEnd::Finished;
  if (!run.started && route.kind == RouteKind::Wine)
    outcome.Add(std::string(Messages::WINE_MISSING), route.wine);
  else if (!run.started)
    outcome.Add(std::string(Messages::LISTING_NOT_STARTED), batch_path);
  else if (run.timed_out)
    outcome.Add(std::string(Messages::LISTING_TIMED_OUT), std::string(command));
  else if (run.crashed)
    outcome.Add(std::string(Messages::LISTING_CRASHED), std::string(command));
  return outcome;
}

} // namespace corvane::ZincListMan
