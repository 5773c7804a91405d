#pragma once

// Everything the program holds for one run: the start-up directory, the mode, the game table,
// the group lists, the settings and the bindings. One instance lives from start to exit.

#include "base/AppDir.h"
#include "base/Outcome.h"
#include "base/Settings.h"
#include "catalogue/GameTable.h"
#include "catalogue/GroupLists.h"
#include "controls/BindingTable.h"
#include "controls/GameKeys.h"

#include <optional>

namespace corvane
{

struct Session
{
  AppDir dir;
  bool batch = false;
  GameTable games;
  GroupLists groups;
  FrontendSettings settings;
  BindingTable bindings;
  BindingTable saved_bindings; // as last loaded or saved in full: what differs is not saved yet
  std::optional<GameKeys> game_keys; // every game's own keys; none when their file is unreadable
  Outcome startup_problems;          // what went wrong while preparing, for the window or stderr
  // zinc.exe could not be run at all (Wine could not run it): nothing may be made from it, and
  // startup_problems says why.
  bool emulator_unrunnable = false;
};

} // namespace corvane
