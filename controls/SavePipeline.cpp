#include "controls/SavePipeline.h"

#include "base/FileIo.h"
#include "base/Messages.h"
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

// Keeps, for every target, only its last write (a game in several lists ends with the file of
// the last group), and drops writes whose bytes already stand on disk.
std::vector<FileWrite> FinalWrites(const std::vector<FileWrite>& writes)
{
  std::unordered_map<std::string_view, size_t> last;
  for (size_t i = 0; i < writes.size(); ++i)
    last[writes[i].path] = i;
  std::vector<FileWrite> kept;
  for (size_t i = 0; i < writes.size(); ++i)
  {
    if (last[writes[i].path] == i && !AlreadyHolds(writes[i].path, writes[i].bytes))
      kept.push_back(writes[i]);
  }
  return kept;
}

// The bytes the copies point into; they must outlive the writes.
struct CopySources
{
  std::array<std::optional<std::string>, GROUPS.size()> families; // each group file, read once
  std::deque<std::string> layered;                                // games with own keys
};

// One group's copies: its file for every game, with the game's own keys written over it.
void AddGroupCopies(const AppDir& dir, const GroupInfo& group,
                    const std::vector<std::string>& entries, const GameKeys* game_keys,
                    CopySources& sources, std::vector<FileWrite>& writes, Outcome& outcome)
{
  std::optional<std::string>& source = sources.families[static_cast<size_t>(group.id)];
  const std::string source_path = dir.CtrlrFile(group.controller_file);
  source = ReadFileBytes(source_path);
  if (!source)
    outcome.Add(std::string(Messages::FILE_NOT_READ), source_path);
  for (const std::string& set_name : entries)
  {
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
  outcome.Append(WriteCommonBindings(dir, "", request.bindings, request.general));
  for (GroupId group : FILE_ORDER)
    outcome.Append(SaveGroupBindings(dir, group, request.bindings, request.general));
  // The copies follow the lists as last saved, not edits that exist only in the window.
  lists = ZincListMan::LoadGroupLists(dir);
  outcome.Append(MakePerGameControllerFiles(dir, lists, request.game_keys));
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
                                   const GameKeys* game_keys)
{
  Outcome outcome;
  CopySources sources;
  std::vector<FileWrite> writes;
  // GROUPS runs cap, 3but, qma, tekken, souledge: a game in several lists keeps the last copy.
  for (size_t i = 0; i < GROUPS.size(); ++i)
  {
    const auto& entries = lists[GROUPS[i].id];
    if (!entries.empty())
      AddGroupCopies(dir, GROUPS[i], entries, game_keys, sources, writes, outcome);
  }
  // Thousands of copies share one flush to disk; each file is still replaced atomically.
  for (const std::string& path : WriteFilesAtomic(FinalWrites(writes)))
    outcome.Add(std::string(Messages::FILE_NOT_WRITTEN), path);
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
