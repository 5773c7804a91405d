#pragma once

// The ROM-manager DAT (clrmamepro text format), made from the emulator's set listing.

#include "base/AppDir.h"
#include "base/Outcome.h"

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

// Converts a set listing file into the DAT file, without running the emulator. Problems: the
// listing could not be read (the DAT is left untouched) or the DAT could not be written.
Outcome WriteDatFromSetListingFile(const std::string& listing_path, const std::string& dat_path);

// Runs the set listing and writes the DAT to `dat_path`: blanks trimmed, the default file when
// that leaves nothing, a relative path taken inside `dir`. `dat_path` holds the path used
// afterwards. When the listing could not run, nothing is written.
Outcome ExportDat(const AppDir& dir, std::string& dat_path);

// The DAT's path as ExportDat writes it: a path typed without a root names a file in the
// emulator's directory, an empty one the default DAT there.
std::string ResolvedDatPath(const AppDir& dir, std::string_view typed);

} // namespace ZincListMan

} // namespace corvane
