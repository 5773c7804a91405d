#pragma once

// What the files hold, as last loaded or written by a Save: the one record every window compares
// what it shows with, so the main window's unsaved mark, the Own Keys windows and the key chart
// agree on what is saved.

#include "base/Outcome.h"
#include "base/Settings.h"
#include "controls/BindingTable.h"
#include "controls/ControllerFiles.h"
#include "controls/GameKeys.h"
#include "controls/SavePipeline.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane
{

class SavedRecord
{
public:
  // What the main window's load read: the keys and General options of the controller files, the
  // options text and flags of the settings, and every game's own keys.
  void TakeLoad(const KeyCodeManager::SaveRequest& loaded);

  // What a main-window Save wrote; call it only when the save counts as written (CountsAsSaved).
  void TakeSave(const KeyCodeManager::SaveRequest& written);

  // Every game's own keys as "corvane-games.ini" now holds them.
  void TakeOwnKeys(const GameKeys& stored);

  // A scan rewrote the group lists: the per-game files wait for the next Save.
  void NoteListsRewritten();

  // True when the files hold everything the request would write: same keys, General options,
  // options text and flags, and no lists rewritten since.
  bool Holds(const KeyCodeManager::SaveRequest& request) const;

  // True when the files a game reads hold what the request would write there: the keys and the
  // General options, with no lists rewritten since (the options text and the flags aside, which
  // a launch uses as shown).
  bool HoldsGameFiles(const KeyCodeManager::SaveRequest& request) const;

  // The controller files' keys as last loaded or saved.
  const BindingTable& Bindings() const { return m_bindings; }

  // The own keys a game of `family` has in the file, in slot order.
  std::vector<SlotToken> OwnKeysOf(std::string_view set_name, GroupId family) const;

private:
  void TakeMainValues(const KeyCodeManager::SaveRequest& values);

  BindingTable m_bindings;
  GeneralOptions m_general;
  std::string m_options;
  std::array<int16_t, 3> m_flags{}; // CfgWrapperFlag, MakeDatFlag, ShowCmdFlag
  GameKeys m_own_keys;
  bool m_lists_rewritten = false;
};

// True when a save wrote everything it was asked to, apart from files the player made read-only:
// those stay as the player chose, and what was written counts as saved.
bool CountsAsSaved(const Outcome& outcome);

} // namespace corvane
