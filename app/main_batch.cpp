// The program without its windows: batch mode only. An empty command line prepares everything
// as interactive start-up would, then says that this build has no window.

#include "app/BatchSwitches.h"
#include "app/Messages.h"
#include "app/Process.h"
#include "app/StartUp.h"

#include <iostream>

#ifdef _WIN32
#include <windows.h>
#endif

namespace
{

void SayNoWindow()
{
  const char* text = "This build of Corvane has no window; run it with batch switches.";
#ifdef _WIN32
  MessageBoxA(nullptr, text, "Corvane", MB_OK | MB_ICONINFORMATION);
#else
  std::cerr << "corvane: " << text << '\n';
#endif
}

} // namespace

int main(int argc, char** argv)
{
  using namespace corvane;
  const std::string command_line = ProgramCommandLine(argc, argv);
  Session session;
  session.dir = AppDir(ExecutableDir());
  if (!command_line.empty())
    return XpStyles::RunBatch(session, command_line, std::cerr);
  if (!ZincListMan::CheckEmulatorPresent(session.dir))
    return XpStyles::EXIT_NO_EMULATOR;
  XpStyles::PrepareSession(session);
  XpStyles::RunInteractiveStartJobs(session);
  SayNoWindow();
  return XpStyles::EXIT_OK;
}
