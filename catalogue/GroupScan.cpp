#include "catalogue/GroupScan.h"

#include "base/FileIo.h"
#include "base/Messages.h"
#include "base/Text.h"

#include <algorithm>
#include <array>
#include <optional>
#include <unordered_map>
#include <unordered_set>

namespace corvane::ZincListMan
{
namespace
{

constexpr std::array<std::string_view, 2> QMA_PARENTS = {"myangel3", "pacapp"};
constexpr std::array<std::string_view, 3> SOUL_EDGE_PARENTS = {"souledge", "ehrgeiz", "bldyror2"};
constexpr std::array<std::string_view, 2> CAPCOM_BIOSES = {"cpzn1", "cpzn2"};
// Games on a Capcom board that have fewer buttons than the six-button layout.
constexpr std::array<std::string_view, 2> CAPCOM_EXCEPTIONS = {"strider2", "tgmj"};

template <size_t N>
bool IsOneOf(std::string_view text, const std::array<std::string_view, N>& names)
{
  return std::find(names.begin(), names.end(), text) != names.end();
}

// Each listed set name with the group its copy is made from: the last list holding it, as
// FamilyOf reads it.
std::unordered_map<std::string_view, GroupId> FamilyMap(const GroupLists& lists)
{
  std::unordered_map<std::string_view, GroupId> families;
  for (const GroupInfo& group : GROUPS)
    for (const std::string& entry : lists[group.id])
      families[entry] = group.id;
  return families;
}

std::optional<GroupId> Lookup(const std::unordered_map<std::string_view, GroupId>& families,
                              std::string_view set_name)
{
  const auto found = families.find(set_name);
  return found == families.end() ? std::nullopt : std::optional<GroupId>(found->second);
}

// "Street Fighter EX (sfex) to Capcom 6 Button": a moved game as the question names it.
std::string MovedGameText(const GameRow& game, std::optional<GroupId> family)
{
  const std::string_view target = family ? InfoOf(*family).heading : Messages::SCAN_NO_FAMILY;
  return game.title + " (" + game.set_name + ") " + std::string(Messages::SCAN_MOVED_TO) + " " +
         std::string(target);
}

// Counts the games whose family the scan changes, naming the first few in the table's order.
void NoteMovedGames(const GameTable& table, const GroupLists& before, const GroupLists& after,
                    ScanPreview& preview)
{
  const auto old_families = FamilyMap(before);
  const auto new_families = FamilyMap(after);
  std::unordered_set<std::string_view> counted;
  for (const GameRow& game : table.rows)
  {
    // A set name the table lists twice is one game with one controller file.
    if (!counted.insert(game.set_name).second)
      continue;
    const std::optional<GroupId> family = Lookup(new_families, game.set_name);
    if (Lookup(old_families, game.set_name) == family)
      continue;
    if (++preview.games_moved <= ScanPreview::NAMED_MOVES)
      preview.first_moved.push_back(MovedGameText(game, family));
  }
}

// " Moved: A (a) to X, B (b) to Y and 3 more." for a scan that moves games; "" otherwise.
std::string MovedGamesSentence(const ScanPreview& preview)
{
  if (preview.first_moved.empty())
    return {};
  std::string text = " " + std::string(Messages::SCAN_MOVED);
  for (size_t i = 0; i < preview.first_moved.size(); ++i)
  {
    const bool last = i + 1 == preview.first_moved.size();
    const bool more = preview.games_moved > preview.first_moved.size();
    text += (i == 0 ? " " : (last && !more ? " and " : ", ")) + preview.first_moved[i];
  }
  if (preview.games_moved > preview.first_moved.size())
    text += " and " + std::to_string(preview.games_moved - preview.first_moved.size()) + " " +
            std::string(Messages::SCAN_MORE);
  return text + ".";
}

size_t CountEntriesNamingNoGame(const GameTable& table, const GroupLists& lists)
{
  std::unordered_set<std::string_view> games;
  for (const GameRow& game : table.rows)
    games.insert(game.set_name);
  size_t unknown = 0;
  for (const auto& entries : lists.entries)
    unknown += static_cast<size_t>(std::count_if(entries.begin(), entries.end(),
                                                 [&games](const std::string& entry)
                                                 { return !games.contains(entry); }));
  return unknown;
}

bool FilesDifferFrom(const AppDir& dir, const GroupLists& lists)
{
  return std::any_of(GROUPS.begin(), GROUPS.end(),
                     [&](const GroupInfo& group)
                     {
                       const auto bytes = ReadFileBytes(dir.CtrlrFile(group.list_file));
                       return !bytes || *bytes != GroupListText(lists[group.id]);
                     });
}

// "3 games back in their automatic families" or "1 game back in its automatic family".
std::string CountedText(size_t count, std::string_view one, std::string_view many)
{
  return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

} // namespace

GroupId GroupForGame(const GameRow& game)
{
  // The parent column holds the game's own set name when it has none, so parents match too.
  if (StartsWith(game.title, "Tekken"))
    return GroupId::Tekken;
  if (IsOneOf(game.parent, QMA_PARENTS))
    return GroupId::Qma;
  if (IsOneOf(game.parent, SOUL_EDGE_PARENTS))
    return GroupId::SoulEdge;
  if (IsOneOf(game.bios, CAPCOM_BIOSES) && !IsOneOf(game.parent, CAPCOM_EXCEPTIONS))
    return GroupId::Cap;
  return GroupId::ThreeBut;
}

GroupLists AssignGroups(const GameTable& table)
{
  GroupLists lists;
  for (const GameRow& game : table.rows)
    lists[GroupForGame(game)].push_back(game.set_name);
  return lists;
}

bool CanScanGroups(const GameTable& table)
{
  return table.listed_in_full && !table.rows.empty();
}

Outcome ScanGroups(const AppDir& dir, const GameTable& table, GroupLists& lists)
{
  Outcome outcome;
  if (!CanScanGroups(table))
  {
    outcome.Add(std::string(Messages::SCAN_REFUSED));
    return outcome;
  }
  lists = AssignGroups(table);
  if (!CreateDirectoryIfMissing(dir.CtrlrDir()))
    outcome.Add(std::string(Messages::FOLDER_NOT_CREATED), dir.CtrlrDir());
  // GROUPS runs cap, 3but, qma, tekken, souledge, the order the files are written in.
  for (const GroupInfo& group : GROUPS)
  {
    const std::string path = dir.CtrlrFile(group.list_file);
    if (!WriteFileAtomic(path, GroupListText(lists[group.id])))
      outcome.Add(std::string(Messages::FILE_NOT_WRITTEN), path);
  }
  return outcome;
}

ScanPreview PreviewScan(const AppDir& dir, const GameTable& table, const GroupLists& lists)
{
  const GroupLists scanned = AssignGroups(table);
  ScanPreview preview;
  NoteMovedGames(table, lists, scanned, preview);
  preview.entries_dropped = CountEntriesNamingNoGame(table, lists);
  preview.lists_change = scanned != lists;
  preview.files_change = FilesDifferFrom(dir, scanned);
  return preview;
}

std::string ScanQuestion(const ScanPreview& preview)
{
  if (!preview.ChangesAnything())
    return std::string(Messages::SCAN_NOTHING_TO_DO);
  std::string text = preview.games_moved == 0
                         ? std::string(Messages::SCAN_ORDER_ONLY)
                         : std::string(Messages::SCAN_PUTS) + " " +
                               CountedText(preview.games_moved, Messages::SCAN_GAME_BACK,
                                           Messages::SCAN_GAMES_BACK) +
                               " " + std::string(Messages::SCAN_WRITES_NOW) +
                               MovedGamesSentence(preview);
  if (preview.entries_dropped > 0)
    text += " " + CountedText(preview.entries_dropped, Messages::SCAN_DROPS_ENTRY,
                              Messages::SCAN_DROPS_ENTRIES);
  return text + " " + std::string(Messages::SCAN_CONTINUE);
}

} // namespace corvane::ZincListMan
