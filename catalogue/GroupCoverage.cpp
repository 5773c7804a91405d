#include "catalogue/GroupCoverage.h"

#include "base/FileIo.h"
#include "base/Messages.h"
#include "catalogue/GroupScan.h"

#include <algorithm>
#include <string>
#include <unordered_set>

namespace corvane::ZincListMan
{

bool IsFirstRun(const AppDir& dir)
{
  // Anything in a list file's place counts, readable or not: it is the user's, not ours to sort.
  return std::none_of(GROUPS.begin(), GROUPS.end(),
                      [&dir](const GroupInfo& group)
                      {
                        const std::string path = dir.CtrlrFile(group.list_file);
                        return IsRegularFile(path) || IsDirectory(path);
                      });
}

bool ShouldSortOnFirstRun(const AppDir& dir, const GameTable& table)
{
  return CanScanGroups(table) && IsFirstRun(dir);
}

size_t CountGamesWithoutFamily(const GameTable& table, const GroupLists& lists)
{
  std::unordered_set<std::string_view> listed;
  for (const auto& entries : lists.entries)
    listed.insert(entries.begin(), entries.end());
  return static_cast<size_t>(std::count_if(table.rows.begin(), table.rows.end(),
                                           [&listed](const GameRow& game)
                                           { return !listed.contains(game.set_name); }));
}

std::string NoFamilyNote(size_t games_without_family)
{
  if (games_without_family == 0)
    return {};
  const std::string_view rest =
      games_without_family == 1 ? Messages::GAME_WITHOUT_FAMILY : Messages::GAMES_WITHOUT_FAMILY;
  return std::to_string(games_without_family) + " " + std::string(rest);
}

std::string_view MissingGameFileReason(const AppDir& dir, const GroupLists& lists,
                                       std::string_view set_name)
{
  if (IsRegularFile(dir.CtrlrFile(std::string(set_name) + ".ini")))
    return {};
  return FamilyOf(lists, set_name) ? Messages::LAUNCH_NOT_SAVED : Messages::LAUNCH_NO_FAMILY;
}

} // namespace corvane::ZincListMan
