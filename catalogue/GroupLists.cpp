#include "catalogue/GroupLists.h"

#include "base/FileIo.h"
#include "base/Messages.h"
#include "base/Text.h"

#include <algorithm>

namespace corvane
{

const GroupInfo& InfoOf(GroupId id)
{
  return GROUPS[static_cast<size_t>(id)];
}

namespace ZincListMan
{

std::vector<std::string> ParseGroupList(std::string_view text)
{
  std::vector<std::string> entries;
  for (std::string_view line : SplitLines(text))
  {
    // Only a truly empty line is skipped: a line of blanks passes and becomes an empty entry.
    if (!line.empty())
      entries.emplace_back(Trim(line));
  }
  return entries;
}

std::string GroupListText(const std::vector<std::string>& entries)
{
  std::string text;
  for (const std::string& entry : entries)
  {
    text += entry;
    text += "\r\n";
  }
  return text;
}

GroupLists LoadGroupLists(const AppDir& dir)
{
  GroupLists lists;
  ReloadGroupLists(dir, lists);
  return lists;
}

Outcome ReloadGroupLists(const AppDir& dir, GroupLists& lists)
{
  Outcome outcome;
  for (const GroupInfo& group : GROUPS)
  {
    const std::string path = dir.CtrlrFile(group.list_file);
    // An unreadable file (locked, or a folder in its place) is no empty list: emptying it here
    // would lose the group's copies now and its entries at the next save of the lists.
    const auto text = IsRegularFile(path) ? ReadFileBytes(path) : std::nullopt;
    if (text)
      lists[group.id] = ParseGroupList(*text);
    else if (MayExist(path))
      outcome.Add(std::string(Messages::FILE_NOT_READ), path);
    else
      lists[group.id].clear();
  }
  return outcome;
}

Outcome SaveGroupLists(const AppDir& dir, const GroupLists& lists)
{
  Outcome outcome;
  if (!CreateDirectoryIfMissing(dir.CtrlrDir()))
  {
    outcome.Add(std::string(Messages::FOLDER_NOT_CREATED), dir.CtrlrDir());
    return outcome;
  }
  // The order in which the files are written: cap, 3but, qma, souledge, tekken.
  for (GroupId id :
       {GroupId::Cap, GroupId::ThreeBut, GroupId::Qma, GroupId::SoulEdge, GroupId::Tekken})
  {
    const std::string path = dir.CtrlrFile(InfoOf(id).list_file);
    if (!WriteFileAtomic(path, GroupListText(lists[id])))
      outcome.Add(std::string(Messages::FILE_NOT_WRITTEN), path);
  }
  return outcome;
}

std::optional<GroupId> FamilyOf(const GroupLists& lists, std::string_view set_name)
{
  std::optional<GroupId> family;
  for (const GroupInfo& group : GROUPS)
  {
    const auto& entries = lists[group.id];
    if (std::find(entries.begin(), entries.end(), set_name) != entries.end())
      family = group.id;
  }
  return family;
}

} // namespace ZincListMan

} // namespace corvane
