#pragma once

// The six controller configuration files under "ctrlr": how the binding slots map onto their
// sections and keys, and how they are loaded and saved.

#include "base/AppDir.h"
#include "base/Outcome.h"
#include "catalogue/GroupLists.h"
#include "controls/BindingTable.h"

#include <string>
#include <string_view>
#include <vector>

namespace corvane
{

inline constexpr std::string_view COMMON_FILE = "allcfg.ini";

// The two options of the General section, shown on the main window's General page.
struct GeneralOptions
{
  int no_error = 0;   // "Have Plugin Halt on Errors": 0 clear, 1 ticked, 2 greyed
  std::string output; // the plug-in's error output text, without quotes
};

// One value a save writes into a controller file.
struct IniWrite
{
  std::string_view section;
  std::string_view key;
  std::string value;
};

namespace KeyCodeManager
{

// What a save writes into the group's file, in order: own keys of "player1" and "player2", their
// copy keys, then the common block.
std::vector<IniWrite> GroupFileWrites(GroupId group, const BindingTable& table,
                                      const GeneralOptions& general);

// The common block for a file under "ctrlr", in order; "qmacfg.ini" gets no direction keys.
std::vector<IniWrite> CommonBlockWrites(std::string_view file_name, const BindingTable& table,
                                        const GeneralOptions& general);

// The slots whose keys the group's file holds, and so every per-game copy of it: the shared
// inputs (without the directions in "qmacfg.ini") and the group's own inputs, both players.
const std::vector<std::string_view>& GroupFileSlots(GroupId group);

// The lines one slot's value makes in the group's file, as a save writes them (its key, and its
// copy key where it has one); empty when the file does not hold the slot.
std::vector<IniWrite> SlotWrites(GroupId group, std::string_view slot_key, std::string_view value);

// The check box state a "NOERROR" text gives: the number at its start (none: 0), rounded half
// to even; a number the box cannot show (other than 0, 1, 2) gives 0, as a missing value does.
int NoErrorStateFromText(std::string_view text);

// Reads the group file's own keys into their slots.
void LoadGroupBindings(const AppDir& dir, GroupId group, BindingTable& table);

// Writes the group file's own keys, their copy keys and the common block, in one file write;
// the outcome names the file when it could not be read or written.
Outcome SaveGroupBindings(const AppDir& dir, GroupId group, const BindingTable& table,
                          const GeneralOptions& general);

// The bytes a save would give the group's file where none exists yet: its keys from the table,
// the General options as "allcfg.ini" holds them.
std::string NewGroupFileBytes(const AppDir& dir, GroupId group, const BindingTable& table);

// Writes the common block into a file under "ctrlr" ("allcfg.ini" when the name is empty);
// "qmacfg.ini" gets no direction keys.
Outcome WriteCommonBindings(const AppDir& dir, std::string_view file_name,
                            const BindingTable& table, const GeneralOptions& general);

// Reads the shared slots and the General options from "allcfg.ini".
GeneralOptions LoadCommonBindings(const AppDir& dir, BindingTable& table);

} // namespace KeyCodeManager

} // namespace corvane
