#include "controls/GameKeys.h"

#include "base/FileIo.h"
#include "base/Messages.h"
#include "base/Text.h"
#include "controls/ControllerFiles.h"

namespace corvane
{
namespace
{

// A game's section as the file reads it back, so the keys in memory and in the file never part:
// a name that loses a tab or a vertical tab there is the same game here, and a name no header
// can hold (a line break, or a "]" that ends the header early) is no game: empty.
std::string_view SectionName(std::string_view set_name)
{
  if (set_name.find_first_of("\r\n]") != std::string_view::npos)
    return {};
  return TrimIniBlanks(set_name);
}

} // namespace

GameKeys::GameKeys(IniDocument document) : m_document(std::move(document))
{
  // Found as the profile functions would: the first section of a name, its first line of a key.
  for (const IniEntry& entry : m_document.Entries())
  {
    if (const auto slot = BindingTable::IndexOf(ToLowerAscii(entry.key)))
      m_own[ToLowerAscii(entry.section)][*slot] = std::string(Trim(entry.value));
  }
}

const GameKeys::SlotTokens* GameKeys::Find(std::string_view set_name) const
{
  const auto found = m_own.find(ToLowerAscii(SectionName(set_name)));
  return found == m_own.end() ? nullptr : &found->second;
}

std::optional<std::string> GameKeys::Own(std::string_view set_name, std::string_view slot_key) const
{
  const SlotTokens* tokens = Find(set_name);
  const auto slot = BindingTable::IndexOf(slot_key);
  if (!tokens || !slot)
    return std::nullopt;
  return (*tokens)[*slot];
}

void GameKeys::SetOwn(std::string_view set_name, std::string_view slot_key, std::string_view token)
{
  const auto slot = BindingTable::IndexOf(slot_key);
  const std::string_view section = SectionName(set_name);
  if (!slot || section.empty())
    return;
  m_document.Write(section, slot_key, token);
  m_own[ToLowerAscii(section)][*slot] = std::string(Trim(token));
}

void GameKeys::ClearOwn(std::string_view set_name, std::string_view slot_key)
{
  const auto slot = BindingTable::IndexOf(slot_key);
  const auto found = m_own.find(ToLowerAscii(SectionName(set_name)));
  if (!slot || found == m_own.end())
    return;
  m_document.Remove(SectionName(set_name), slot_key);
  found->second[*slot].reset();
}

std::vector<SlotToken> GameKeys::Applying(std::string_view set_name, GroupId group) const
{
  std::vector<SlotToken> applying;
  const SlotTokens* tokens = Find(set_name);
  if (!tokens)
    return applying;
  for (const std::string_view slot : KeyCodeManager::GroupFileSlots(group))
  {
    if (const auto& token = (*tokens)[*BindingTable::IndexOf(slot)])
      applying.emplace_back(slot, *token);
  }
  return applying;
}

namespace KeyCodeManager
{

std::optional<GameKeys> LoadGameKeys(const AppDir& dir)
{
  const std::string path = dir.File(GAME_KEYS_FILE);
  // A folder, a device or a name that cannot be looked at holds keys no one can tell.
  if (!IsRegularFile(path) && MayExist(path))
    return std::nullopt;
  auto document = LoadIniDocument(path);
  if (!document)
    return std::nullopt;
  return GameKeys(std::move(*document));
}

Outcome SaveGameKeys(const AppDir& dir, const GameKeys& keys)
{
  Outcome outcome;
  const std::string path = dir.File(GAME_KEYS_FILE);
  if (!SaveIniDocument(path, keys.Document()))
    outcome.Add(std::string(Messages::FILE_NOT_WRITTEN), path);
  return outcome;
}

std::string LayeredControllerFile(std::string family_bytes, GroupId group,
                                  const std::vector<SlotToken>& own_keys)
{
  IniDocument document(std::move(family_bytes));
  for (const auto& [slot, token] : own_keys)
  {
    for (const IniWrite& write : SlotWrites(group, slot, token))
      document.Write(write.section, write.key, write.value);
  }
  return document.Bytes();
}

} // namespace KeyCodeManager

} // namespace corvane
