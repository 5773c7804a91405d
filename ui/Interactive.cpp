#include "ui/Interactive.h"

#include "app/Messages.h"
#include "app/StartUp.h"
#include "ui/Form1.h"

#include <QApplication>
#include <QMessageBox>

namespace corvane
{
namespace
{

QString ToQString(std::string_view text)
{
  return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

void ShowProblems(const Outcome& outcome)
{
  if (outcome.Ok())
    return;
  QMessageBox::warning(nullptr, ToQString(Messages::APP_TITLE), ToQString(outcome.Describe()));
}

} // namespace

int RunInteractive(Session& session)
{
  if (!ZincListMan::CheckEmulatorPresent(session.dir))
  {
    QMessageBox::critical(nullptr, ToQString(Messages::APP_TITLE),
                          ToQString(Messages::EMULATOR_MISSING));
    return XpStyles::EXIT_NO_EMULATOR;
  }
  XpStyles::PrepareSession(session);
  ShowProblems(session.startup_problems);
  ShowProblems(XpStyles::RunInteractiveStartJobs(session));
  Form1 window(session);
  window.show();
  return QApplication::exec();
}

} // namespace corvane
