#include "ui/Interactive.h"

#include "app/ListingRefresh.h"
#include "app/StartUp.h"
#include "base/EmulatorRoute.h"
#include "base/Messages.h"
#include "base/Process.h"
#include "ui/BackgroundListing.h"
#include "ui/desktop/Dialogs.h"
#include "ui/grouping/GroupingWindow.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/WaitingWindow.h"

#include <QApplication>

#include <memory>
#include <optional>

namespace corvane
{

namespace
{

// Lists before the window shows, with the waiting window while it takes; records the listings
// when all went well. False when the player cancelled.
bool PrepareAfterListing(Session& session)
{
  // The game list comes from the emulator, through Wine perhaps: the wait may last seconds.
  // Through Wine (a new prefix takes long) the player may give up: the listing is stopped and the
  // program ends with nothing written from it.
  const bool through_wine = EmulatorRouteFor(session.dir).kind == RouteKind::Wine;
  std::optional<ZincListMan::EmulatorIdentity> emulator;
  const bool cancelled = RunWithWaitingWindow(
      [&session, &emulator]
      {
        emulator = ZincListMan::ReadEmulatorIdentity(session.dir);
        XpStyles::PrepareSession(session);
      },
      through_wine ? Messages::WAITING_FOR_WINE : Messages::WAITING_FOR_GAME_LIST,
      std::chrono::milliseconds(500), through_wine ? std::function<void()>(StopListings) : nullptr);
  if (cancelled)
    return false;
  // A game list that could not be read is reported here; the window opens with no games.
  ShowProblems(nullptr, {}, session.startup_problems.Describe());
  const Outcome jobs = XpStyles::RunInteractiveStartJobs(session);
  ShowProblems(nullptr, {}, jobs.Describe());
  XpStyles::RecordStartListings(session, emulator, jobs);
  return true;
}

// From the last complete listing: the window shows at once, and the listings run behind it.
// False when the start must list first.
bool PrepareFromRecord(Session& session)
{
  if (!XpStyles::PrepareSessionFromRecord(session))
    return false;
  ShowProblems(nullptr, {}, session.startup_problems.Describe());
  ShowProblems(nullptr, {}, XpStyles::SortOnFirstRun(session).Describe());
  return true;
}

} // namespace

int RunInteractive(Session& session)
{
  if (session.dir.Root().empty())
  {
    ShowMessage(nullptr, MessageKind::Critical, Messages::PROGRAM_DIR_UNUSABLE);
    return XpStyles::EXIT_FAILED;
  }
  if (!ZincListMan::CheckEmulatorPresent(session.dir))
  {
    ShowMessage(nullptr, MessageKind::Critical, Messages::EMULATOR_MISSING);
    return XpStyles::EXIT_NO_EMULATOR;
  }
  const bool from_record = PrepareFromRecord(session);
  if (!from_record && !PrepareAfterListing(session))
    return XpStyles::EXIT_FAILED;
  // The grouping window exists, hidden, for the whole run; the main window ends the run.
  GroupingWindow group_window(session);
  MainWindow window(session);
  ConnectWindows(window, group_window);
  std::unique_ptr<BackgroundListing> refresh;
  if (from_record)
  {
    refresh = std::make_unique<BackgroundListing>(session, window);
    QObject::connect(refresh.get(), &BackgroundListing::Finished, &window,
                     &MainWindow::TakeRefreshedListing);
  }
  window.show();
  const int exit_code = QApplication::exec();
  // Ended (and waited for) before the windows go: nothing is written after they closed.
  refresh.reset();
  return exit_code;
}

void ConnectWindows(MainWindow& main_window, GroupingWindow& group_window)
{
  QObject::connect(&main_window, &MainWindow::ManageGroupsRequested, &group_window,
                   &GroupingWindow::ShowReloaded);
  QObject::connect(&group_window, &GroupingWindow::SaveRequested, &main_window,
                   &MainWindow::SaveAllChanges);
  QObject::connect(&main_window, &MainWindow::GroupListsReloaded, &group_window,
                   &GroupingWindow::RefreshLists);
  QObject::connect(&group_window, &GroupingWindow::ListsRewritten, &main_window,
                   &MainWindow::NoteListsRewritten);
  QObject::connect(&main_window, &MainWindow::GamesRelisted, &group_window,
                   &GroupingWindow::ShowNewTitles);
  // Moves waiting in the grouping window are unsaved work of the run, which the main window's
  // mark and questions count.
  main_window.CountGroupingMoves([&group_window] { return group_window.HasUnsavedMoves(); },
                                 [&group_window] { group_window.SaveLists(); });
  QObject::connect(&group_window, &GroupingWindow::UnsavedMovesChanged, &main_window,
                   &MainWindow::UpdateUnsavedMark);
}

} // namespace corvane
