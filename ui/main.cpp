// The program's entry point: batch mode with any command line, the main window without one.

#include "app/BatchSwitches.h"
#include "app/StartUp.h"
#include "base/Process.h"
#include "ui/Interactive.h"

#include <QApplication>

#include <cstdlib>
#include <iostream>

namespace
{

#ifndef _WIN32
// Without a display Qt would abort; say what to do instead.
bool HasDisplay()
{
  return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") || std::getenv("QT_QPA_PLATFORM");
}
#endif

} // namespace

int main(int argc, char** argv)
{
  using namespace corvane;
  const std::string command_line = ProgramCommandLine(argc, argv);
  Session session;
  session.dir = AppDir(ExecutableDir());
  if (!command_line.empty())
    return XpStyles::RunBatch(session, command_line, std::cout, std::cerr);
#ifndef _WIN32
  if (!HasDisplay())
  {
    std::cerr << "corvane: no display to show the window on. Run it under xvfb-run, or give "
                 "batch switches (for example: corvane -listinfo -cfgwrapper).\n";
    return XpStyles::EXIT_FAILED;
  }
#endif
  QApplication application(argc, argv);
  return RunInteractive(session);
}
