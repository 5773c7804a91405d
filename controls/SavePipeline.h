#pragma once

// Loading every binding when the main window opens, and saving everything at once.

#include "base/AppDir.h"
#include "base/NameCase.h"
#include "base/Outcome.h"
#include "base/Settings.h"
#include "catalogue/GroupLists.h"
#include "controls/BindingTable.h"
#include "controls/ControllerFiles.h"
#include "controls/GameKeys.h"

#include <functional>
#include <optional>
#include <string>

namespace corvane
{

namespace KeyCodeManager
{

// Fills the table from "allcfg.ini" and the five group files; returns the General options.
GeneralOptions LoadAllBindings(const AppDir& dir, BindingTable& table);

// What the wrapper step reports: whether "lconfig.ini" was missing, and what failed.
struct WrapperStepResult
{
  bool wrapper_missing = false;
  Outcome outcome;
};

struct SaveRequest
{
  const BindingTable& bindings;
  GeneralOptions general;
  std::string options_text; // the options box as it stands
  const FrontendSettings& settings;
  // Writes the wrapper configuration; called only when CfgWrapperFlag is 1.
  std::function<WrapperStepResult()> write_wrapper;
  // Every game's own keys, written over its family's in its copy; when null, those of
  // "corvane-games.ini" (and no copy is written while that file cannot be read).
  const GameKeys* game_keys = nullptr;
};

struct SaveOutcome
{
  Outcome outcome;              // empty: "All Changes Saved"
  bool wrapper_missing = false; // the wrapper step found no "lconfig.ini"
};

// Removes temporary files a killed save left, writes every controller file, reloads `lists`
// from the list files (an unreadable one keeps its list), copies each group's file to every
// game of its list, writes the settings and, when asked, the wrapper configuration.
SaveOutcome SaveAllChanges(const AppDir& dir, const SaveRequest& request, GroupLists& lists);

// Copies each group's file to "ctrlr/<set name>.ini" for every entry, in group order, with the
// game's own keys (when given) written over it; set names that are no plain file names are
// skipped and reported, empty entries skipped silently. `name_case` is how "ctrlr" compares
// names; found out on the folder when not given. With `unsaved_bindings`, a group file that
// does not exist yet is taken as a save would write it from those bindings.
Outcome MakePerGameControllerFiles(const AppDir& dir, const GroupLists& lists,
                                   const GameKeys* game_keys = nullptr,
                                   std::optional<NameCase> name_case = std::nullopt,
                                   const BindingTable* unsaved_bindings = nullptr);

// True when the set name can name a file in "ctrlr" and nothing else: not empty, no separator,
// no drive, no "." or "..", no character or device name Windows refuses, and not the name of
// one of the six controller files (its copy would replace that layout).
bool IsPlainSetName(std::string_view set_name);

} // namespace KeyCodeManager

} // namespace corvane
