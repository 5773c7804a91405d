#include "catalogue/GroupMove.h"

#include <gtest/gtest.h>

namespace corvane
{
namespace
{

struct MoveCase
{
  const char* name;
  GroupId from;
  int index;
  GroupId to;
  bool moved;
  std::vector<std::string> cap_after;
  std::vector<std::string> tekken_after;
};

class GroupMove : public testing::TestWithParam<MoveCase>
{
};

TEST_P(GroupMove, MovesOneEntryToTheEnd)
{
  const MoveCase& c = GetParam();
  GroupLists lists;
  lists[GroupId::Cap] = {"sfex", "sfexa", "sfex2"};
  lists[GroupId::Tekken] = {"tekken"};
  lists[GroupId::Qma] = {"myangel3"};

  EXPECT_EQ(MoveGroupEntry(lists, c.from, c.index, c.to), c.moved);
  EXPECT_EQ(lists[GroupId::Cap], c.cap_after);
  EXPECT_EQ(lists[GroupId::Tekken], c.tekken_after);
  EXPECT_EQ(lists[GroupId::Qma], std::vector<std::string>{"myangel3"});
}

INSTANTIATE_TEST_SUITE_P(Cases, GroupMove,
                         testing::Values(MoveCase{"ToAnotherList",
                                                  GroupId::Cap,
                                                  1,
                                                  GroupId::Tekken,
                                                  true,
                                                  {"sfex", "sfex2"},
                                                  {"tekken", "sfexa"}},
                                         MoveCase{"FirstOfOwnListGoesLast",
                                                  GroupId::Cap,
                                                  0,
                                                  GroupId::Cap,
                                                  true,
                                                  {"sfexa", "sfex2", "sfex"},
                                                  {"tekken"}},
                                         MoveCase{"LastOfOwnListStays",
                                                  GroupId::Cap,
                                                  2,
                                                  GroupId::Cap,
                                                  true,
                                                  {"sfex", "sfexa", "sfex2"},
                                                  {"tekken"}},
                                         MoveCase{"OnlyEntryEmptiesList",
                                                  GroupId::Tekken,
                                                  0,
                                                  GroupId::Cap,
                                                  true,
                                                  {"sfex", "sfexa", "sfex2", "tekken"},
                                                  {}},
                                         MoveCase{"NoSelection",
                                                  GroupId::Cap,
                                                  -1,
                                                  GroupId::Tekken,
                                                  false,
                                                  {"sfex", "sfexa", "sfex2"},
                                                  {"tekken"}},
                                         MoveCase{"PastTheEnd",
                                                  GroupId::Cap,
                                                  3,
                                                  GroupId::Tekken,
                                                  false,
                                                  {"sfex", "sfexa", "sfex2"},
                                                  {"tekken"}},
                                         MoveCase{"FromEmptyList",
                                                  GroupId::SoulEdge,
                                                  0,
                                                  GroupId::Tekken,
                                                  false,
                                                  {"sfex", "sfexa", "sfex2"},
                                                  {"tekken"}}),
                         [](const testing::TestParamInfo<MoveCase>& info)
                         { return info.param.name; });

} // namespace
} // namespace corvane
