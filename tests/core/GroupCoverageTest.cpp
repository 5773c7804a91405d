#include "catalogue/GroupCoverage.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace corvane
{
namespace
{

using namespace ZincListMan;

GameTable Table(std::initializer_list<const char*> set_names)
{
  GameTable table;
  for (const char* set_name : set_names)
    table.rows.push_back({set_name, "Title", "", "1", set_name, ""});
  return table;
}

TEST(FirstRunSort, OnlyAFolderWithoutListsAndAFullListing)
{
  const struct
  {
    const char* existing; // under the folder, or nullptr
    bool listed_in_full;
    size_t games;
    bool sorts;
  } cases[] = {
      {nullptr, true, 1, true},
      {"ctrlr/capcfg.ini", true, 1, true},
      {"ctrlr/cap.lst/x", true, 1, false},
      {nullptr, false, 1, false},
      {nullptr, true, 0, false},
  };
  for (const auto& c : cases)
  {
    test::TempDir dir;
    if (c.existing)
      dir.Write(c.existing, "");
    GameTable table = c.games ? Table({"sfex"}) : GameTable{};
    table.listed_in_full = c.listed_in_full;
    EXPECT_EQ(ShouldSortOnFirstRun(dir.Dir(), table), c.sorts) << (c.existing ? c.existing : "");
  }
}

TEST(GamesWithoutFamily, CountsEveryRowInNoListAndSaysSo)
{
  GroupLists lists;
  lists[GroupId::Cap] = {"sfex", "gone"};
  lists[GroupId::Tekken] = {"tekken", "sfex"};
  EXPECT_EQ(CountGamesWithoutFamily(Table({"sfex", "tekken"}), lists), 0U);
  EXPECT_EQ(CountGamesWithoutFamily(Table({"sfex", "ts2", "ts2", "ts2j"}), lists), 3U);
  EXPECT_EQ(NoFamilyNote(0), "");
  EXPECT_EQ(NoFamilyNote(1), "1 game has no family yet and gets no controller file");
  EXPECT_EQ(NoFamilyNote(12), "12 games have no family yet and get no controller file");
}

} // namespace
} // namespace corvane
