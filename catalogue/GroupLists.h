#pragma once

// The five group lists: which games use which controller layout. Each list is an ordered list
// of set names kept in a file under "ctrlr".

#include "base/AppDir.h"
#include "base/Outcome.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane
{

// In the order the per-game copies are made: a set name in several lists ends with the file of
// the last of them.
enum class GroupId
{
  Cap,
  ThreeBut,
  Qma,
  Tekken,
  SoulEdge
};

struct GroupInfo
{
  GroupId id;
  std::string_view list_file;       // under "ctrlr"
  std::string_view list_box;        // the grouping window's list, by object name
  std::string_view heading;         // the grouping window's label above it
  std::string_view controller_file; // the layout copied to every game of the list
};

inline constexpr std::array<GroupInfo, 5> GROUPS = {{
    {GroupId::Cap, "cap.lst", "lstCap", "Capcom 6 Button", "capcfg.ini"},
    {GroupId::ThreeBut, "3but.lst", "lst3But", "3 Buttons or Less", "3butcfg.ini"},
    {GroupId::Qma, "qma.lst", "lstQMA", "Quiz My Angel 3", "qmacfg.ini"},
    {GroupId::Tekken, "tekken.lst", "lstTekken", "Tekken Games", "tkncfg.ini"},
    {GroupId::SoulEdge, "souledge.lst", "lstSoulEdge", "Soul Edge", "secfg.ini"},
}};

const GroupInfo& InfoOf(GroupId id);

struct GroupLists
{
  std::array<std::vector<std::string>, 5> entries; // indexed by GroupId

  std::vector<std::string>& operator[](GroupId id) { return entries[static_cast<size_t>(id)]; }
  const std::vector<std::string>& operator[](GroupId id) const
  {
    return entries[static_cast<size_t>(id)];
  }
  bool operator==(const GroupLists&) const = default;
};

namespace ZincListMan
{

// A list file's entries: every non-empty line, trimmed (a line of blanks gives an empty entry).
std::vector<std::string> ParseGroupList(std::string_view text);

// A list file's bytes: one entry per line, CR LF after each.
std::string GroupListText(const std::vector<std::string>& entries);

// Reads the five list files; a missing file or folder gives an empty list.
GroupLists LoadGroupLists(const AppDir& dir);

// The group whose file a game's copy is made from: the last list holding its set name.
std::optional<GroupId> FamilyOf(const GroupLists& lists, std::string_view set_name);

// Replaces each list with its file's entries; a missing file gives an empty list. A file that
// exists but cannot be read leaves its list as it was and is named in the outcome.
Outcome ReloadGroupLists(const AppDir& dir, GroupLists& lists);

// Writes the five list files, creating "ctrlr" when missing; the outcome lists what failed.
Outcome SaveGroupLists(const AppDir& dir, const GroupLists& lists);

} // namespace ZincListMan

} // namespace corvane
