#include "catalogue/GroupScan.h"

#include "base/FileIo.h"
#include "base/Messages.h"
#include "base/Text.h"

#include <algorithm>
#include <array>

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

} // namespace corvane::ZincListMan
