#include "ui/Interactive.h"

#include "app/StartUp.h"
#include "base/Messages.h"
#include "ui/Dialogs.h"
#include "ui/Form1.h"
#include "ui/frmGroup.h"

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
  XpStyles::PrepareSession(session);
  // A game list that could not be read is reported here; the window opens with no games.
  ShowProblems(nullptr, {}, session.startup_problems.Describe());
  ShowProblems(nullptr, {}, XpStyles::RunInteractiveStartJobs(session).Describe());
  // The grouping window exists, hidden, for the whole run; the main window ends the run.
  frmGroup group_window(session);
  Form1 window(session);
  ConnectWindows(window, group_window);
  window.show();
  return QApplication::exec();
}

void ConnectWindows(Form1& main_window, frmGroup& group_window)
{
  QObject::connect(&main_window, &Form1::ManageGroupsRequested, &group_window,
                   &frmGroup::ShowReloaded);
  QObject::connect(&group_window, &frmGroup::SaveRequested, &main_window, &Form1::SaveAllChanges);
  QObject::connect(&main_window, &Form1::GroupListsReloaded, &group_window,
                   &frmGroup::RefreshLists);
}

} // namespace corvane
