#include "catalogue/GroupLists.h"
#include "CaseNames.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace corvane
{
namespace
{

using ZincListMan::LoadGroupLists;
using ZincListMan::SaveGroupLists;
using Entries = std::vector<std::string>;

struct ListCase
{
  const char* name;
  const char* text;
  Entries entries;
};

class ListFile : public testing::TestWithParam<ListCase>
{
};

TEST_P(ListFile, LoadsEntriesAndSavesThemBack)
{
  test::TempDir temp;
  temp.Write("ctrlr/3but.lst", GetParam().text);
  GroupLists lists = LoadGroupLists(temp.Dir());
  EXPECT_EQ(lists[GroupId::ThreeBut], GetParam().entries);
  ASSERT_TRUE(SaveGroupLists(temp.Dir(), lists).Ok());
  std::string saved;
  for (const std::string& entry : GetParam().entries)
    saved += entry + "\r\n";
  EXPECT_EQ(temp.Read("ctrlr/3but.lst"), saved);
  // An empty entry is saved as an empty line, which the next load skips.
  Entries reloaded = GetParam().entries;
  reloaded.erase(std::remove(reloaded.begin(), reloaded.end(), ""), reloaded.end());
  EXPECT_EQ(LoadGroupLists(temp.Dir())[GroupId::ThreeBut], reloaded);
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, ListFile,
    testing::Values(ListCase{"empty", "", {}}, ListCase{"plain", "a\r\nb\r\n", {"a", "b"}},
                    ListCase{"no_final_line_end", "a\r\nb", {"a", "b"}},
                    ListCase{"blanks_around", "  a  \r\n", {"a"}},
                    ListCase{"empty_line_skipped", "a\r\n\r\nb\r\n", {"a", "b"}},
                    ListCase{
                        "blanks_only_line_is_an_empty_entry", "a\r\n   \r\nb\r\n", {"a", "", "b"}},
                    ListCase{"lf_and_cr_ends", "a\nb\rc", {"a", "b", "c"}},
                    ListCase{"tab_kept", "\ta\t\r\n", {"\ta\t"}},
                    ListCase{"repeated", "a\r\na\r\n", {"a", "a"}}),
    test::ByName());

TEST(GroupLists, MissingFolderLoadsEmptyAndSaveCreatesFiveEmptyFiles)
{
  test::TempDir temp;
  EXPECT_EQ(LoadGroupLists(temp.Dir()), GroupLists{});
  EXPECT_FALSE(temp.Exists("ctrlr"));
  ASSERT_TRUE(SaveGroupLists(temp.Dir(), GroupLists{}).Ok());
  for (const GroupInfo& group : GROUPS)
    EXPECT_EQ(temp.Read("ctrlr/" + std::string(group.list_file)), "") << group.list_file;
}

TEST(GroupLists, SetNameInTwoListsLoadsIntoBoth)
{
  test::TempDir temp;
  temp.Write("ctrlr/cap.lst", "sfa3\r\n");
  temp.Write("ctrlr/3but.lst", "sfa3\r\n");
  const GroupLists lists = LoadGroupLists(temp.Dir());
  EXPECT_EQ(lists[GroupId::Cap], Entries{"sfa3"});
  EXPECT_EQ(lists[GroupId::ThreeBut], Entries{"sfa3"});
  EXPECT_TRUE(lists[GroupId::Tekken].empty());
}

} // namespace
} // namespace corvane
