#pragma once

// Keys that drive two inputs of one game: two slots clash when they hold the same key and land
// in the same controller file. Clashes are only shown; nothing is refused or written for them.

#include "catalogue/GroupLists.h"
#include "controls/BindingTable.h"

#include <array>
#include <bitset>
#include <string_view>
#include <vector>

namespace corvane
{

class ClashMap
{
public:
  // The slots that share `slot_key`'s key in some file, in slot order; empty for no clash.
  std::vector<std::string_view> Others(std::string_view slot_key) const;

  bool Clashes(std::string_view slot_key) const { return !Others(slot_key).empty(); }

  // Marks the two slots (by their place in BindingTable::SlotKeys()) as clashing.
  void Add(size_t first, size_t second);

private:
  std::array<std::bitset<SLOT_COUNT>, SLOT_COUNT> m_others;
};

namespace KeyCodeManager
{

// True when the token names a key: not empty and not the bare "k" of a key without a scan code.
bool TokenBindsKey(std::string_view key_token);

// The clashes within one group's file, as every game of that group gets it.
ClashMap FindClashes(const BindingTable& table, GroupId group);

// The clashes within any of the five group files.
ClashMap FindClashes(const BindingTable& table);

} // namespace KeyCodeManager

} // namespace corvane
