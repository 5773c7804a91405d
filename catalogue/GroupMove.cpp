#include "catalogue/GroupMove.h"

namespace corvane
{

bool MoveGroupEntry(GroupLists& lists, GroupId from, int index, GroupId to)
{
  std::vector<std::string>& source = lists[from];
  if (index < 0 || static_cast<size_t>(index) >= source.size())
    return false;
  // Copied first: appending may reallocate the very vector the entry lives in.
  std::string entry = source[static_cast<size_t>(index)];
  lists[to].push_back(std::move(entry));
  // Appending never shifts earlier entries, so `index` still names the moved one, also when
  // both lists are the same.
  source.erase(source.begin() + index);
  return true;
}

} // namespace corvane
