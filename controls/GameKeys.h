#pragma once

// A game's own keys over its family's: "corvane-games.ini" beside the program holds, for any set
// name, the slots whose keys differ from its family's file, one section per set name and one
// "slot key=token" line per own key. The emulator never reads it; a user may edit it by hand.

#include "base/AppDir.h"
#include "base/Outcome.h"
#include "catalogue/GroupLists.h"
#include "controls/BindingTable.h"
#include "controls/IniStore.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace corvane
{

inline constexpr std::string_view GAME_KEYS_FILE = "corvane-games.ini";

// A slot and the token a game gives it.
using SlotToken = std::pair<std::string_view, std::string>;

class GameKeys
{
public:
  GameKeys() = default;
  explicit GameKeys(IniDocument document);

  // The game's own token for the slot; nullopt when the slot follows the family.
  std::optional<std::string> Own(std::string_view set_name, std::string_view slot_key) const;

  // Gives the game its own token for the slot (empty: the game leaves the input unbound).
  void SetOwn(std::string_view set_name, std::string_view slot_key, std::string_view token);

  // The slot follows the family again.
  void ClearOwn(std::string_view set_name, std::string_view slot_key);

  // The own keys a game of `group` uses, in slot order: those of slots the group's file holds.
  // Others (unknown names, slots of another family) stay in the file and wait.
  std::vector<SlotToken> Applying(std::string_view set_name, GroupId group) const;

  // The file's bytes: every line the user wrote, with the program's edits in place.
  const IniDocument& Document() const { return m_document; }

private:
  using SlotTokens = std::array<std::optional<std::string>, SLOT_COUNT>;
  const SlotTokens* Find(std::string_view set_name) const;

  IniDocument m_document;
  std::unordered_map<std::string, SlotTokens> m_own; // by lower-cased set name
};

namespace KeyCodeManager
{

// The own keys as the file holds them; none when it is missing; nullopt when something stands
// at its name that cannot be read as a file.
std::optional<GameKeys> LoadGameKeys(const AppDir& dir);

// Replaces the file with the own keys; the outcome names it when it could not be written.
Outcome SaveGameKeys(const AppDir& dir, const GameKeys& keys);

// The family file's bytes with the game's own keys written over them, line by line as a save
// writes those slots into a family file.
std::string LayeredControllerFile(std::string family_bytes, GroupId group,
                                  const std::vector<SlotToken>& own_keys);

} // namespace KeyCodeManager

} // namespace corvane
