#include "app/SavedRecord.h"

#include <algorithm>

namespace corvane
{
namespace
{

std::array<int16_t, 3> FlagsOf(const FrontendSettings& settings)
{
  return {settings.CfgWrapperFlag, settings.MakeDatFlag, settings.ShowCmdFlag};
}

bool SameKeys(const BindingTable& a, const BindingTable& b)
{
  return std::ranges::all_of(BindingTable::SlotKeys(),
                             [&](std::string_view slot) { return a.Get(slot) == b.Get(slot); });
}

} // namespace

void SavedRecord::TakeLoad(const KeyCodeManager::SaveRequest& loaded)
{
  TakeMainValues(loaded);
  m_own_keys = loaded.game_keys ? *loaded.game_keys : GameKeys();
}

void SavedRecord::TakeSave(const KeyCodeManager::SaveRequest& written)
{
  // The main window's Save writes no own keys: those stay as their last store left them.
  TakeMainValues(written);
}

void SavedRecord::TakeMainValues(const KeyCodeManager::SaveRequest& values)
{
  m_bindings = values.bindings;
  m_bindings.CurrentKey.clear();
  m_bindings.CurrentSlotKey.clear();
  m_general = values.general;
  m_options = values.options_text;
  m_flags = FlagsOf(values.settings);
  m_lists_rewritten = false;
}

void SavedRecord::TakeOwnKeys(const GameKeys& stored)
{
  m_own_keys = stored;
}

void SavedRecord::NoteListsRewritten()
{
  m_lists_rewritten = true;
}

bool SavedRecord::Holds(const KeyCodeManager::SaveRequest& request) const
{
  return HoldsGameFiles(request) && request.options_text == m_options &&
         FlagsOf(request.settings) == m_flags;
}

bool SavedRecord::HoldsGameFiles(const KeyCodeManager::SaveRequest& request) const
{
  return !m_lists_rewritten && SameKeys(request.bindings, m_bindings) &&
         request.general.no_error == m_general.no_error &&
         request.general.output == m_general.output;
}

std::vector<SlotToken> SavedRecord::OwnKeysOf(std::string_view set_name, GroupId family) const
{
  return m_own_keys.Applying(set_name, family);
}

bool CountsAsSaved(const Outcome& outcome)
{
  return std::ranges::all_of(outcome.problems,
                             [](const Problem& problem) { return problem.protected_file; });
}

} // namespace corvane
