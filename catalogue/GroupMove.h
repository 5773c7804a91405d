#pragma once

// Moving one set name between the group lists, the edit the grouping window makes on a drop.

#include "catalogue/GroupLists.h"

namespace corvane
{

// Appends entry `index` of list `from` to the end of list `to`, then removes it from `from`;
// within one list the entry moves to the end. Returns false, changing nothing, for an index
// outside the list.
bool MoveGroupEntry(GroupLists& lists, GroupId from, int index, GroupId to);

} // namespace corvane
