#include "ui/Interactive.h"

#include "app/Messages.h"
#include "app/StartUp.h"
#include "ui/Dialogs.h"
#include "ui/Form1.h"

#include <QApplication>

namespace corvane
{

int RunInteractive(Session& session)
{
  if (!ZincListMan::CheckEmulatorPresent(session.dir))
  {
    ShowMessage(nullptr, MessageKind::Critical, Messages::EMULATOR_MISSING);
    return XpStyles::EXIT_NO_EMULATOR;
  }
  XpStyles::PrepareSession(session);
  // A game list that could not be read is reported here; the window opens with no games.
  ShowProblems(nullptr, {}, session.startup_problems.Describe());
  ShowProblems(nullptr, {}, XpStyles::RunInteractiveStartJobs(session).Describe());
  Form1 window(session);
  window.show();
  return QApplication::exec();
}

} // namespace corvane
