#include "controls/BindingClashes.h"

#include "controls/ControllerFiles.h"

namespace corvane
{
namespace
{

// The places in SlotKeys() of the slots each group's file holds, worked out once.
const std::vector<size_t>& FileSlotIndexes(GroupId group)
{
  static const auto indexes = []
  {
    std::array<std::vector<size_t>, GROUPS.size()> all;
    for (const GroupInfo& info : GROUPS)
    {
      for (const std::string_view slot : KeyCodeManager::GroupFileSlots(info.id))
        all[static_cast<size_t>(info.id)].push_back(*BindingTable::IndexOf(slot));
    }
    return all;
  }();
  return indexes[static_cast<size_t>(group)];
}

void AddClashesIn(GroupId group, const BindingTable& table, ClashMap& clashes)
{
  const auto& keys = BindingTable::SlotKeys();
  const std::vector<size_t>& slots = FileSlotIndexes(group);
  for (size_t i = 0; i < slots.size(); ++i)
  {
    const std::string& token = table.Get(keys[slots[i]]);
    if (!KeyCodeManager::TokenBindsKey(token))
      continue;
    for (size_t j = i + 1; j < slots.size(); ++j)
    {
      if (table.Get(keys[slots[j]]) == token)
        clashes.Add(slots[i], slots[j]);
    }
  }
}

} // namespace

std::vector<std::string_view> ClashMap::Others(std::string_view slot_key) const
{
  std::vector<std::string_view> others;
  const auto index = BindingTable::IndexOf(slot_key);
  if (!index)
    return others;
  for (size_t other = 0; other < SLOT_COUNT; ++other)
  {
    if (m_others[*index][other])
      others.push_back(BindingTable::SlotKeys()[other]);
  }
  return others;
}

void ClashMap::Add(size_t first, size_t second)
{
  m_others[first][second] = true;
  m_others[second][first] = true;
}

namespace KeyCodeManager
{

bool TokenBindsKey(std::string_view key_token)
{
  return key_token.size() > 1;
}

ClashMap FindClashes(const BindingTable& table, GroupId group)
{
  ClashMap clashes;
  AddClashesIn(group, table, clashes);
  return clashes;
}

ClashMap FindClashes(const BindingTable& table)
{
  ClashMap clashes;
  for (const GroupInfo& info : GROUPS)
    AddClashesIn(info.id, table, clashes);
  return clashes;
}

} // namespace KeyCodeManager

} // namespace corvane
