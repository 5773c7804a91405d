#pragma once

// The ROM-manager DAT (clrmamepro text format), made from the emulator's set listing.

#include "app/AppDir.h"
#include "app/Outcome.h"

#include <string>
#include <string_view>

namespace corvane
{

inline constexpr std::string_view SET_LISTING_FILE = "zinccrc.txt";
inline constexpr std::string_view SET_LISTING_COMMAND = "zinc.exe --list-sets >zinccrc.txt";
inline constexpr std::string_view DEFAULT_DAT_FILE = "zinc.dat";

namespace ZincListMan
{

// The DAT's bytes for a set listing (first line: the description).
std::string DatFromSetListing(std::string_view listing);

// Runs the set listing and writes the DAT to `dat_path` (the default file when empty; blanks
// trimmed). `dat_path` holds the path used afterwards.
Outcome ExportDat(const AppDir& dir, std::string& dat_path);

} // namespace ZincListMan

} // namespace corvane
