#include "controls/SavePipeline.h"

#include "base/FileIo.h"
#include "base/Messages.h"
#include "base/NameCase.h"
#include "base/TemporaryFiles.h"
#include "base/Text.h"

#include <algorithm>
#include <array>
#include <deque>
#include <filesystem>
#include <optional>
#include <unordered_map>

namespace corvane::KeyCodeManager
{
namespace
{

// The order in which the group files are loaded and saved.
constexpr std::array<GroupId, 5> FILE_ORDER = {GroupId::Tekken, GroupId::ThreeBut, GroupId::Qma,
                                               GroupId::SoulEdge, GroupId::Cap};

constexpr std::string_view FORBIDDEN_CHARACTERS = "<>:\"/\\|?*";
constexpr std::array<std::string_view, 6> DEVICE_NAMES = {"con", "prn",    "aux",
                                                          "nul", "conin$", "conout$"};
// The digits Windows accepts after "COM" and "LPT", superscripts 1, 2, 3 of the ANSI page too.
constexpr std::string_view DEVICE_DIGITS = "0123456789\xB9\xB2\xB3";

// Windows opens a device for "con", "CON.ini" or "nul .txt": it looks at the part before the
// first dot, without trailing blanks, whatever the case.
bool IsDeviceName(std::string_view name)
{
  std::string stem = ToLowerAscii(name.substr(0, name.find('.')));
  stem.erase(stem.find_last_not_of(' ') + 1);
  if (std::find(DEVICE_NAMES.begin(), DEVICE_NAMES.end(), stem) != DEVICE_NAMES.end())
    return true;
  return stem.size() == 4 && (StartsWith(stem, "com") || StartsWith(stem, "lpt")) &&
         DEVICE_DIGITS.find(stem[3]) != std::string_view::npos;
}

// A per-game file named like a group's own file would overwrite that layout.
bool IsControllerFileName(std::string_view name)
{
  const std::string file = ToLowerAscii(name) + ".ini";
  return file == COMMON_FILE ||
         std::any_of(GROUPS.begin(), GROUPS.end(),
                     [&](const GroupInfo& group) { return file == group.controller_file; });
}

// Most saves change few bindings: a copy that already holds the bytes is not written again.
bool AlreadyHolds(const std::string& path, std::string_view bytes)
{
  std::error_code error;
  const bool same_size = std::filesystem::file_size(path, error) == bytes.size() && !error;
  return same_size && ReadFileBytes(path) == bytes;
}

// Names that differ only in case ("SF2", "sf2") name one file where the folder folds case; the
// folder is tried only when the lists hold such names.
NameCase CaseOfTargets(const std::string& folder, const std::vector<FileWrite>& writes)
{
  std::unordered_map<std::string, std::string_view> spelling; // folded key, first name
  for (const FileWrite& write : writes)
  {
    const auto [found, added] =
        spelling.emplace(FileNameKey(write.path, NameCase::Folded), write.path);
    if (!added && found->second != write.path)
      return NameCaseOf(folder);
  }
  return NameCase::Exact;
}

// Keeps, for every file, only its last write (a game in several lists ends with the file of
// the last group), and drops writes whose bytes already stand on disk. Targets are compared
// as the file system compares them: were two spellings of one file both kept, the earlier
// group's copy could win whenever the later one already stood on disk.
std::vector<FileWrite> FinalWrites(const std::vector<FileWrite>& writes, NameCase name_case)
{
  std::unordered_map<std::string, size_t> last;
  for (size_t i = 0; i < writes.size(); ++i)
    last[FileNameKey(writes[i].path, name_case)] = i;
  std::vector<FileWrite> kept;
  for (size_t i = 0; i < writes.size(); ++i)
  {
    if (last[FileNameKey(writes[i].path, name_case)] == i &&
        !AlreadyHolds(writes[i].path, writes[i].bytes))
      kept.push_back(writes[i]);
  }
  return kept;
}

// The bytes the copies point into; they must outlive the writes.
struct CopySources
{
  std::array<std::optional<std::string>, GROUPS.size()> families; // each group file, read once
  std::deque<std::string> layered;                                // games with own keys
  const BindingTable* unsaved_bindings = nullptr; // stand in for a group file not saved yet
};

// The group's file as it stands, or, where there is none yet and bindings stand in for it, as a
// save would write it from them.
std::optional<std::string> FamilySource(const AppDir& dir, const GroupInfo& group,
                                        const CopySources& sources)
{
  const std::string path = dir.CtrlrFile(group.controller_file);
  if (sources.unsaved_bindings && !MayExist(path))
    return NewGroupFileBytes(dir, group.id, *sources.unsaved_bindings);
  return ReadFileBytes(path);
}

// One group's copies: its file for every game, with the game's own keys written over it.
void AddGroupCopies(const AppDir& dir, const GroupInfo& group,
                    const std::vector<std::string>& entries, const GameKeys* game_keys,
                    CopySources& sources, std::vector<FileWrite>& writes, Outcome& outcome)
{
  std::optional<std::string>& source = sources.families[static_cast<size_t>(group.id)];
  source = FamilySource(dir, group, sources);
  if (!source)
    outcome.Add(std::string(Messages::FILE_NOT_READ), dir.CtrlrFile(group.controller_file));
  for (const std::string& set_name : entries)
  {
    // A line of blanks in a list file loads as an empty entry, which names no game.
    if (set_name.empty())
      continue;
    if (!IsPlainSetName(set_name))
    {
      outcome.Add(std::string(Messages::BAD_SET_NAME), set_name);
      continue;
    }
    if (!source)
      continue;
    const auto own_keys =
        game_keys ? game_keys->Applying(set_name, group.id) : std::vector<SlotToken>();
    const std::string_view bytes =
        own_keys.empty()
            ? std::string_view(*source)
            : sources.layered.emplace_back(LayeredControllerFile(*source, group.id, own_keys));
    writes.push_back({dir.CtrlrFile(set_name + ".ini"), bytes});
  }
}

// The copies carry every game's own keys: the caller's when it holds them, else the file's. While
// that file cannot be read, a copy could only drop them, so every game keeps its file.
Outcome MakeCopiesWithOwnKeys(const AppDir& dir, const GroupLists& lists, const GameKeys* held)
{
  if (held)
    return MakePerGameControllerFiles(dir, lists, held);
  const std::optional<GameKeys> stored = LoadGameKeys(dir);
  if (stored)
    return MakePerGameControllerFiles(dir, lists, &*stored);
  Outcome outcome;
  outcome.Add(std::string(Messages::OWN_KEYS_COPIES_KEPT), dir.File(GAME_KEYS_FILE));
  return outcome;
}

} // namespace

GeneralOptions LoadAllBindings(const AppDir& dir, BindingTable& table)
{
  GeneralOptions general = LoadCommonBindings(dir, table);
  for (GroupId group : FILE_ORDER)
    LoadGroupBindings(dir, group, table);
  return general;
}

SaveOutcome SaveAllChanges(const AppDir& dir, const SaveRequest& request, GroupLists& lists)
{
  SaveOutcome result;
  Outcome& outcome = result.outcome;
  // Without the folder every controller file would be lost without a word.
  if (!CreateDirectoryIfMissing(dir.CtrlrDir()))
    outcome.Add(std::string(Messages::FOLDER_NOT_CREATED), dir.CtrlrDir());
  // What a killed save left behind goes before this one writes beside it.
  RemoveAbandonedTemporaries(dir.CtrlrDir());
  RemoveAbandonedTemporaries(dir.Root());
  outcome.Append(WriteCommonBindings(dir, "", request.bindings, request.general));
  for (GroupId group : FILE_ORDER)
    outcome.Append(SaveGroupBindings(dir, group, request.bindings, request.general));
  // The copies follow the lists as last saved, not edits that exist only in the window.
  outcome.Append(ZincListMan::ReloadGroupLists(dir, lists));
  outcome.Append(MakeCopiesWithOwnKeys(dir, lists, request.game_keys));
  outcome.Append(ZincListMan::WriteSettings(dir, request.options_text, request.settings));
  if (request.settings.CfgWrapperFlag == 1 && request.write_wrapper)
  {
    const WrapperStepResult wrapper = request.write_wrapper();
    result.wrapper_missing = wrapper.wrapper_missing;
    outcome.Append(wrapper.outcome);
  }
  return result;
}

Outcome MakePerGameControllerFiles(const AppDir& dir, const GroupLists& lists,
                                   const GameKeys* game_keys, std::optional<NameCase> name_case,
                                   const BindingTable* unsaved_bindings)
{
  Outcome outcome;
  CopySources sources;
  sources.unsaved_bindings = unsaved_bindings;
  std::vector<FileWrite> writes;
  // GROUPS runs cap, 3but, qma, tekken, souledge: a game in several lists keeps the last copy.
  for (size_t i = 0; i < GROUPS.size(); ++i)
  {
    const auto& entries = lists[GROUPS[i].id];
    if (!entries.empty())
      AddGroupCopies(dir, GROUPS[i], entries, game_keys, sources, writes, outcome);
  }
  // Thousands of copies share one flush to disk; each file is still replaced atomically.
  if (!name_case)
    name_case = CaseOfTargets(dir.CtrlrDir(), writes);
  for (const std::string& path : WriteFilesAtomic(FinalWrites(writes, *name_case)))
  {
    // A player protects a game's file to keep it as it is: told, and no failure of the save.
    if (IsReadOnlyFile(path))
      outcome.AddProtected(path);
    else
      outcome.Add(std::string(Messages::FILE_NOT_WRITTEN), path);
  }
  return outcome;
}

bool IsPlainSetName(std::string_view set_name)
{
  if (set_name.empty())
    return false;
  const bool bad_character =
      std::any_of(set_name.begin(), set_name.end(),
                  [](char c)
                  {
                    return static_cast<unsigned char>(c) < 32 ||
                           FORBIDDEN_CHARACTERS.find(c) != std::string_view::npos;
                  });
  // A trailing dot also rules out "." and "..".
  const bool bad_end = set_name.back() == '.' || set_name.back() == ' ';
  return !bad_character && !bad_end && !IsDeviceName(set_name) && !IsControllerFileName(set_name);
}

} // namespace corvane::KeyCodeManager
