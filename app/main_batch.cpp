// The program without its windows: batch mode only. An empty command line prepares everything
// as interactive start-up would, then says that this build has no window.

#include "app/BatchSwitches.h"
#include "app/StartUp.h"
#include "base/Messages.h"
#include "base/Process.h"

#include <cstdlib>
#include <iostream>

#ifdef _WIN32
#include <windows.h>
#endif

namespace
{

constexpr const char* NO_WINDOW_TEXT =
    "This build of Corvane has no window; run it with batch switches.";

// What interactive start-up would show in a message box. CORVANE_NO_MESSAGE_BOX sends it to
// stderr instead, for runs where nobody could close the box (tests without a display).
void Say(std::string_view text, [[maybe_unused]] bool is_error)
{
#ifdef _WIN32
  if (!std::getenv("CORVANE_NO_MESSAGE_BOX"))
  {
    const UINT icon = is_error ? MB_ICONERROR : MB_ICONINFORMATION;
    MessageBoxA(nullptr, std::string(text).c_str(), corvane::Messages::APP_TITLE.data(),
                MB_OK | icon);
    return;
  }
#endif
  std::cerr << "corvane: " << text << '\n';
}

} // namespace

int main(int argc, char** argv)
{
  using namespace corvane;
  const std::string command_line = ProgramCommandLine(argc, argv);
  Session session;
  session.dir = AppDir(ExecutableDir());
  if (!command_line.empty())
    return XpStyles::RunBatch(session, command_line, std::cout, std::cerr);
  if (session.dir.Root().empty())
  {
    Say(Messages::PROGRAM_DIR_UNUSABLE, true);
    return XpStyles::EXIT_FAILED;
  }
  if (!ZincListMan::CheckEmulatorPresent(session.dir))
  {
    Say(Messages::EMULATOR_MISSING, true);
    return XpStyles::EXIT_NO_EMULATOR;
  }
  XpStyles::PrepareSession(session);
  XpStyles::RunInteractiveStartJobs(session);
  Say(NO_WINDOW_TEXT, false);
  return XpStyles::EXIT_OK;
}
