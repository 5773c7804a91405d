#include "app/ListingRefresh.h"

#include "app/StartUp.h"
#include "base/EmulatorRoute.h"
#include "base/Messages.h"
#include "base/Process.h"
#include "generate/DatExport.h"

namespace corvane::XpStyles
{

bool PrepareSessionFromRecord(Session& session)
{
  // Without a way to run zinc.exe the waiting start says why, as ever.
  if (!RouteProblem(EmulatorRouteFor(session.dir), session.dir).Ok())
    return false;
  auto check = ZincListMan::CheckListingRecord(session.dir);
  if (check.state != ZincListMan::RecordState::Fresh)
    return false;
  InitCommonControlLibrary();
  session.games = std::move(check.table);
  ReadSessionFiles(session);
  // The DAT is made behind the window, but the path the settings keep is the one it is
  // written to, exactly as after a start that made it first.
  if (session.settings.MakeDatFlag == 1)
    session.settings.DatPath = ZincListMan::ResolvedDatPath(session.dir, session.settings.DatPath);
  return true;
}

ListingRefresh RefreshListings(const AppDir& dir, bool make_dat, std::string dat_path)
{
  ListingRefresh refresh;
  // Read first: a zinc.exe replaced while it lists must not be recorded as the one that listed.
  const auto emulator = ZincListMan::ReadEmulatorIdentity(dir);
  auto import = ZincListMan::ImportGameList(dir);
  refresh.listed = import.table.listed_in_full && !import.emulator_unrunnable;
  refresh.table = std::move(import.table);
  refresh.outcome = std::move(import.outcome);
  if (!refresh.listed)
    return refresh;
  if (make_dat)
    refresh.outcome.Append(ZincListMan::ExportDat(dir, dat_path));
  if (refresh.outcome.Ok() && emulator && !ListingsStopped() &&
      !ZincListMan::WriteListingRecord(dir, *emulator, refresh.table))
    refresh.outcome.Add(std::string(Messages::FILE_NOT_WRITTEN), dir.File(LISTING_RECORD_FILE));
  return refresh;
}

void RecordStartListings(const Session& session,
                         const std::optional<ZincListMan::EmulatorIdentity>& emulator,
                         const Outcome& jobs)
{
  // Any problem at all, listing or not, keeps the record from vouching for this start: the
  // next one lists first again, which costs only the wait.
  if (!emulator || !session.games.listed_in_full || session.emulator_unrunnable ||
      !session.startup_problems.Ok() || !jobs.Ok())
    return;
  ZincListMan::WriteListingRecord(session.dir, *emulator, session.games);
}

} // namespace corvane::XpStyles
