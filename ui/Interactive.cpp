#include "ui/Interactive.h"

#include "app/StartUp.h"
#include "base/EmulatorRoute.h"
#include "base/Messages.h"
#include "base/Process.h"
#include "ui/desktop/Dialogs.h"
#include "ui/grouping/GroupingWindow.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/WaitingWindow.h"

#include <QApplication>

namespace corvane
{

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
  // The game list comes from the emulator, through Wine perhaps: the wait may last seconds.
  // Through Wine (a new prefix takes long) the player may give up: the listing is stopped and the
  // program ends with nothing written from it.
  const bool through_wine = EmulatorRouteFor(session.dir).kind == RouteKind::Wine;
  const bool cancelled = RunWithWaitingWindow(
      [&session] { XpStyles::PrepareSession(session); },
      through_wine ? Messages::WAITING_FOR_WINE : Messages::WAITING_FOR_GAME_LIST,
      std::chrono::milliseconds(500), through_wine ? std::function<void()>(StopListings) : nullptr);
  if (cancelled)
    return XpStyles::EXIT_FAILED;
  // A game list that could not be read is reported here; the window opens with no games.
  ShowProblems(nullptr, {}, session.startup_problems.Describe());
  ShowProblems(nullptr, {}, XpStyles::RunInteractiveStartJobs(session).Describe());
  // The grouping window exists, hidden, for the whole run; the main window ends the run.
  GroupingWindow group_window(session);
  MainWindow window(session);
  ConnectWindows(window, group_window);
  window.show();
  return QApplication::exec();
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
}

} // namespace corvane
