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

// Rebuilds `lists` from the table and writes the five list files at once (creating "ctrlr").
Outcome ScanGroups(const AppDir& dir, const GameTable& table, GroupLists& lists);

} // namespace ZincListMan

} // namespace corvane
