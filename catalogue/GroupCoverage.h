#pragma once

// Which games the group lists give a controller file, and whether the lists exist at all.

#include "base/AppDir.h"
#include "catalogue/GameTable.h"
#include "catalogue/GroupLists.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace corvane::ZincListMan
{

// True when none of the five list files exists: the program has never sorted or saved here.
bool IsFirstRun(const AppDir& dir);

// True when a first run may sort the games into their families: no list file exists and the
// table is the emulator's full list with at least one game (a failed listing sorts nothing).
bool ShouldSortOnFirstRun(const AppDir& dir, const GameTable& table);

// How many rows of the table stand in no list, so that Save writes no controller file for them.
size_t CountGamesWithoutFamily(const GameTable& table, const GroupLists& lists);

// "12 games have no family yet and get no controller file" (one game: "has", "gets"); empty for
// none.
std::string NoFamilyNote(size_t games_without_family);

// Why the game's controller file ("ctrlr/<set name>.ini") is missing: the message that says so
// and what to do, for a game in no list or for one never saved; empty when the file exists.
std::string_view MissingGameFileReason(const AppDir& dir, const GroupLists& lists,
                                       std::string_view set_name);

} // namespace corvane::ZincListMan
