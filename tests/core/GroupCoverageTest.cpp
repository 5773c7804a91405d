#include "catalogue/GroupCoverage.h"
#include "TempDir.h"
#include "base/Messages.h"

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
    const char* name;
    const char* existing; // under the folder, or nullptr
    bool listed_in_full;
    bool games;
    bool sorts;
  } cases[] = {
      {"fresh folder", nullptr, true, true, true},
      {"one empty list file", "ctrlr/souledge.lst", true, true, false},
      {"a folder in a list's place", "ctrlr/cap.lst/x", true, true, false},
      {"other files only", "ctrlr/capcfg.ini", true, true, true},
      {"listing failed half-way", nullptr, false, true, false},
      {"listing holds no game", nullptr, true, false, false},
  };
  for (const auto& c : cases)
  {
    test::TempDir dir;
    if (c.existing)
      dir.Write(c.existing, "");
    GameTable table = c.games ? Table({"sfex"}) : GameTable{};
    table.listed_in_full = c.listed_in_full;
    EXPECT_EQ(ShouldSortOnFirstRun(dir.Dir(), table), c.sorts) << c.name;
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

TEST(MissingGameFile, SaysWhyAndWhatToDo)
{
  test::TempDir dir;
  dir.Write("ctrlr/saved.ini", "");
  GroupLists lists;
  lists[GroupId::Qma] = {"saved", "unsaved"};
  EXPECT_EQ(MissingGameFileReason(dir.Dir(), lists, "saved"), "");
  EXPECT_EQ(MissingGameFileReason(dir.Dir(), lists, "unsaved"), Messages::LAUNCH_NOT_SAVED);
  EXPECT_EQ(MissingGameFileReason(dir.Dir(), lists, "nofamily"), Messages::LAUNCH_NO_FAMILY);
}

} // namespace
} // namespace corvane
