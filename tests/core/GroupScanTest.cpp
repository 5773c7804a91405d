#include "catalogue/GroupScan.h"
#include "CaseNames.h"
#include "TempDir.h"
#include "base/Messages.h"

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

// Before a scan: the table sfa3 (cap), tk3 (tekken), b1 (3but), and lists as the user left them.
struct PreviewCase
{
  const char* name;
  GroupLists lists;
  bool files_written; // the list files hold `lists`
  size_t moved;
  size_t dropped;
  bool changes;
};

class ScanPreviewCase : public testing::TestWithParam<PreviewCase>
{
};

GameTable PreviewTable()
{
  GameTable table;
  table.rows = {Game("sfa3", "Street Fighter Alpha 3", "", "cpzn2"),
                Game("tk3", "Tekken 3", "", "coh1000c"), Game("b1", "B", "", ""),
                Game("b1", "B", "", "")};
  table.listed_in_full = true;
  return table;
}

GroupLists ListsOf(std::vector<std::string> cap, std::vector<std::string> three_buttons,
                   std::vector<std::string> tekken)
{
  GroupLists lists;
  lists[GroupId::Cap] = std::move(cap);
  lists[GroupId::ThreeBut] = std::move(three_buttons);
  lists[GroupId::Tekken] = std::move(tekken);
  return lists;
}

TEST_P(ScanPreviewCase, CountsWhatTheScanWouldChange)
{
  const PreviewCase& c = GetParam();
  test::TempDir temp;
  if (c.files_written)
  {
    ASSERT_TRUE(SaveGroupLists(temp.Dir(), c.lists).Ok());
  }
  const ScanPreview preview = PreviewScan(temp.Dir(), PreviewTable(), c.lists);
  EXPECT_EQ(preview.games_moved, c.moved);
  EXPECT_EQ(preview.entries_dropped, c.dropped);
  EXPECT_EQ(preview.ChangesAnything(), c.changes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScanPreviewCase,
    testing::Values(
        PreviewCase{"automatic_and_saved", ListsOf({"sfa3"}, {"b1", "b1"}, {"tk3"}), true, 0, 0,
                    false},
        PreviewCase{"automatic_not_yet_written", ListsOf({"sfa3"}, {"b1", "b1"}, {"tk3"}), false, 0,
                    0, true},
        PreviewCase{"same_families_other_lists", ListsOf({"sfa3"}, {"b1"}, {"tk3"}), true, 0, 0,
                    true},
        PreviewCase{"moved_by_hand", ListsOf({"sfa3", "tk3"}, {"b1"}, {}), true, 1, 0, true},
        PreviewCase{"game_without_family", ListsOf({}, {"b1"}, {"tk3"}), true, 1, 0, true},
        PreviewCase{"last_list_decides", ListsOf({"b1"}, {"b1"}, {"tk3", "sfa3"}), true, 1, 0,
                    true},
        PreviewCase{"entry_naming_no_game", ListsOf({"sfa3", "gone"}, {"b1", "b1"}, {"tk3"}), true,
                    0, 1, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScanQuestion, SaysWhatTheScanDoes)
{
  const std::pair<ScanPreview, std::string> cases[] = {
      {{3, 0, true, true, {}},
       "Scan puts 3 games back in their automatic families and writes the five lists now. "
       "Continue?"},
      {{1, 2, true, true, {}},
       "Scan puts 1 game back in its automatic family and writes the five lists now. 2 entries "
       "that name no game are dropped. Continue?"},
      {{0, 0, false, true, {}},
       "Every game is in its automatic family already; Scan writes the five lists now in the "
       "emulator's order. Continue?"},
      {{0, 0, false, false, {}}, std::string(Messages::SCAN_NOTHING_TO_DO)},
      {{2, 0, true, true, {"Alpha (sfa) to Capcom 6 Button", "Tekken (ts2) to no family"}},
       "Scan puts 2 games back in their automatic families and writes the five lists now. "
       "Moved: Alpha (sfa) to Capcom 6 Button and Tekken (ts2) to no family. Continue?"},
      {{7, 0, true, true, {"A (a) to X", "B (b) to Y"}},
       "Scan puts 7 games back in their automatic families and writes the five lists now. "
       "Moved: A (a) to X, B (b) to Y and 5 more. Continue?"},
  };
  for (const auto& [preview, text] : cases)
    EXPECT_EQ(ScanQuestion(preview), text);
}

} // namespace
} // namespace corvane
