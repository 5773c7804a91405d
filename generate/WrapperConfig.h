#pragma once

// "lconfig.ini" of the outside command-line wrapper: one emulator command line per game.

#include "base/AppDir.h"
#include "base/EmulatorRoute.h"
#include "base/Outcome.h"
#include "catalogue/GameTable.h"

#include <string>
#include <string_view>

namespace corvane
{

inline constexpr std::string_view WRAPPER_FILE = "lconfig.ini";

namespace ZincListMan
{

// The file's bytes for the table, the options text and the start-up directory. Under Wine the
// controller files are named by their drive paths, as the launch names them.
std::string WrapperConfigText(const GameTable& table, std::string_view options_text,
                              const AppDir& dir, const EmulatorRoute& route = {});

struct WrapperResult
{
  bool wrapper_missing = false; // no ordinary file "lconfig.ini": nothing written
  Outcome outcome;              // it exists but could not be written
};

// Rewrites "lconfig.ini" when it exists as an ordinary file; writes nothing otherwise, nor when
// the table is not the emulator's full list (reported).
WrapperResult WriteWrapperConfig(const AppDir& dir, const GameTable& table,
                                 std::string_view options_text);

} // namespace ZincListMan

} // namespace corvane
