#include "catalogue/GroupMove.h"

#include <gtest/gtest.h>

namespace corvane
{
namespace
{

// The window's tests cover moves between lists; these are the cases a mouse cannot reach.
TEST(GroupMove, WithinOneListAndOutOfRange)
{
  const GroupLists start = []
  {
    GroupLists lists;
    lists[GroupId::Cap] = {"sfex", "sfexa", "sfex"};
    return lists;
  }();
  const struct
  {
    GroupId from;
    int index;
    bool moved;
    std::vector<std::string> cap_after;
  } cases[] = {
      {GroupId::Cap, 0, true, {"sfexa", "sfex", "sfex"}}, // a twin later in the list stays
      {GroupId::Cap, 2, true, {"sfex", "sfexa", "sfex"}}, // the last entry stays last
      {GroupId::Cap, 3, false, {"sfex", "sfexa", "sfex"}},
      {GroupId::Cap, -1, false, {"sfex", "sfexa", "sfex"}},
      {GroupId::Tekken, 0, false, {"sfex", "sfexa", "sfex"}}, // an empty list
  };
  for (const auto& c : cases)
  {
    GroupLists lists = start;
    EXPECT_EQ(MoveGroupEntry(lists, c.from, c.index, GroupId::Cap), c.moved) << c.index;
    EXPECT_EQ(lists[GroupId::Cap], c.cap_after) << c.index;
    EXPECT_TRUE(lists[GroupId::Tekken].empty());
  }
}

} // namespace
} // namespace corvane
