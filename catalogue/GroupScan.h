#pragma once

// The automatic assignment: every game of the table goes into exactly one group by its title,
// parent and BIOS set.

#include "catalogue/GameTable.h"
#include "catalogue/GroupLists.h"

namespace corvane
{

namespace ZincListMan
{

// The group the first matching rule gives one game.
GroupId GroupForGame(const GameRow& game);

// The five lists rebuilt from the table, in table row order.
GroupLists AssignGroups(const GameTable& table);

// True when the table can stand for the emulator's games: its listing ran in full and it holds
// at least one game. A scan from anything less would empty groupings that are still right.
bool CanScanGroups(const GameTable& table);

// Rebuilds `lists` from the table and writes the five list files at once (creating "ctrlr").
// Refused when CanScanGroups is false: the lists and files stay as they are and the outcome
// holds the refusal.
Outcome ScanGroups(const AppDir& dir, const GameTable& table, GroupLists& lists);

} // namespace ZincListMan

} // namespace corvane
