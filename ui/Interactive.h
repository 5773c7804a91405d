#pragma once

#include "app/Session.h"

namespace corvane
{

// Interactive start-up from the emulator check to the main window's end; the exit code.
int RunInteractive(Session& session);

} // namespace corvane
