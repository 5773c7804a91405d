#pragma once

// The automatic assignment: every game of the table goes into exactly one group by its title,
// parent and BIOS set.

#include "catalogue/GameTable.h"
#include "catalogue/GroupLists.h"

#include <cstddef>
#include <string>
#include <vector>

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

// What a scan would change, so that the user can be asked first.
struct ScanPreview
{
  static constexpr size_t NAMED_MOVES = 5;

  size_t games_moved = 0;     // games of the table whose family (FamilyOf) the scan changes
  size_t entries_dropped = 0; // list entries that name no game of the table
  bool lists_change = false;  // the lists would not be the same afterwards (order included)
  bool files_change = false;  // some list file would not hold the same bytes afterwards
  std::vector<std::string> first_moved; // the first NAMED_MOVES moved: "Title (set) to Family"

  // False when the scan would leave the lists and their files exactly as they are.
  bool ChangesAnything() const { return lists_change || files_change; }
};

// Compares `lists` and the list files with what ScanGroups would make of the table.
ScanPreview PreviewScan(const AppDir& dir, const GameTable& table, const GroupLists& lists);

// The question before a scan that changes something ("Scan puts 3 games back in their automatic
// families and writes the five lists now. Moved: ... Continue?", naming the first moved games),
// or the note that it changes nothing.
std::string ScanQuestion(const ScanPreview& preview);

} // namespace ZincListMan

} // namespace corvane
