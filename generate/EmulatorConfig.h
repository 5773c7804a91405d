#pragma once

// The default emulator configuration "zinc.cfg", made from the emulator's option listing.

#include "base/AppDir.h"
#include "base/EmulatorRoute.h"
#include "base/Outcome.h"

#include <string>
#include <string_view>

namespace corvane
{

inline constexpr std::string_view OPTIONS_LISTING_FILE = "zincoptions.txt";
inline constexpr std::string_view OPTIONS_LISTING_COMMAND = "zinc.exe --help >zincoptions.txt";
inline constexpr std::string_view EMULATOR_CONFIG_FILE = "zinc.cfg";
inline constexpr std::string_view RENDERER_CONFIG_FILE = "renderer.cfg";

namespace ZincListMan
{

// The configuration's bytes for an option listing and the start-up directory; the ROM folder
// is named as the emulator on `route` opens it.
std::string EmulatorConfigFromOptions(std::string_view listing, const AppDir& dir,
                                      const EmulatorRoute& route = {});

// Runs the option listing and writes "zinc.cfg" (replacing it).
Outcome MakeDefaultEmulatorConfig(const AppDir& dir);

} // namespace ZincListMan

} // namespace corvane
