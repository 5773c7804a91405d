#include "catalogue/GroupScan.h"
#include "CaseNames.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace corvane
{
namespace
{

using namespace ZincListMan;

GameRow Game(std::string set_name, std::string title, std::string parent, std::string bios)
{
  return GameRow{set_name, title, "", "1", parent.empty() ? set_name : parent, bios};
}

struct RuleCase
{
  const char* name;
  GameRow game;
  GroupId group;
};

class ScanRule : public testing::TestWithParam<RuleCase>
{
};

TEST_P(ScanRule, FirstMatchingRuleDecides)
{
  EXPECT_EQ(GroupForGame(GetParam().game), GetParam().group);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ScanRule,
    testing::Values(
        RuleCase{"tekken_whatever_parent", Game("tk", "Tekken 3", "pacapp", "cpzn1"),
                 GroupId::Tekken},
        RuleCase{"tekken_exact_word", Game("tk", "Tekken", "", ""), GroupId::Tekken},
        RuleCase{"capital_tekken", Game("tk", "TEKKEN 3", "", "cpzn1"), GroupId::Cap},
        RuleCase{"blank_before_tekken", Game("tk", " Tekken", "", ""), GroupId::ThreeBut},
        RuleCase{"pacapp_before_capcom", Game("pp", "Paca", "pacapp", "cpzn1"), GroupId::Qma},
        RuleCase{"myangel3_itself", Game("myangel3", "Angel", "", ""), GroupId::Qma},
        RuleCase{"souledge_itself", Game("souledge", "Soul", "", "coh1000t"), GroupId::SoulEdge},
        RuleCase{"ehrgeiz_clone", Game("ehrgeiza", "E", "ehrgeiz", ""), GroupId::SoulEdge},
        RuleCase{"bldyror2_clone", Game("br2", "B", "bldyror2", ""), GroupId::SoulEdge},
        RuleCase{"strider2_on_cpzn2", Game("s2a", "S", "strider2", "cpzn2"), GroupId::ThreeBut},
        RuleCase{"other_on_cpzn2", Game("sfex2", "S", "sfex", "cpzn2"), GroupId::Cap},
        RuleCase{"tgmj_without_parent", Game("tgmj", "T", "", "cpzn1"), GroupId::ThreeBut},
        RuleCase{"no_bios", Game("x", "X", "", ""), GroupId::ThreeBut},
        RuleCase{"other_bios", Game("x", "X", "", "cpzn3"), GroupId::ThreeBut},
        RuleCase{"bios_case", Game("x", "X", "", "CPZN1"), GroupId::ThreeBut}),
    test::ByName());

TEST(AssignGroups, KeepsTableRowOrderAndPutsEveryGameOnce)
{
  GameTable table;
  table.rows = {Game("b1", "B", "", ""),      Game("c1", "C", "", "cpzn1"),
                Game("b2", "B", "", ""),      Game("t1", "Tekken 2", "", ""),
                Game("c2", "C", "", "cpzn2"), Game("b1", "B", "", "")};
  const GroupLists lists = AssignGroups(table);
  EXPECT_EQ(lists[GroupId::ThreeBut], (std::vector<std::string>{"b1", "b2", "b1"}));
  EXPECT_EQ(lists[GroupId::Cap], (std::vector<std::string>{"c1", "c2"}));
  EXPECT_EQ(lists[GroupId::Tekken], std::vector<std::string>{"t1"});
}

TEST(ScanGroups, ReplacesHandMadeListsAndWritesAllFiveFiles)
{
  test::TempDir temp;
  temp.Write("ctrlr/cap.lst", "handmade\r\n");
  GameTable table;
  table.rows = {Game("sfa3", "Street Fighter Alpha 3", "", "cpzn2")};
  GroupLists lists;
  lists[GroupId::Qma] = {"handmade"};
  ASSERT_TRUE(ScanGroups(temp.Dir(), table, lists).Ok());
  EXPECT_EQ(lists, AssignGroups(table));
  EXPECT_EQ(temp.Read("ctrlr/cap.lst"), "sfa3\r\n");
  for (const char* file : {"3but.lst", "qma.lst", "tekken.lst", "souledge.lst"})
    EXPECT_EQ(temp.Read("ctrlr/" + std::string(file)), "") << file;
  ASSERT_TRUE(ScanGroups(temp.Dir(), table, lists).Ok());
  EXPECT_EQ(temp.Read("ctrlr/cap.lst"), "sfa3\r\n");
}

TEST(ScanGroups, CreatesTheFolderAndReportsAFileItCannotWrite)
{
  test::TempDir temp;
  GameTable table;
  table.rows = {Game("tk3", "Tekken 3", "", "coh1000c")};
  GroupLists lists;
  EXPECT_TRUE(ScanGroups(temp.Dir(), table, lists).Ok());
  EXPECT_EQ(temp.Read("ctrlr/tekken.lst"), "tk3\r\n");

  std::filesystem::remove(temp.Dir().CtrlrFile("qma.lst"));
  std::filesystem::create_directory(temp.Dir().CtrlrFile("qma.lst"));
  const Outcome outcome = ScanGroups(temp.Dir(), table, lists);
  ASSERT_EQ(outcome.problems.size(), 1u);
  EXPECT_EQ(outcome.problems[0].file, temp.Dir().CtrlrFile("qma.lst"));
  EXPECT_EQ(temp.Read("ctrlr/tekken.lst"), "tk3\r\n");
}

} // namespace
} // namespace corvane
