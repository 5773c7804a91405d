#include "catalogue/GameTable.h"
#include "CaseNames.h"
#include "FakeEmulator.h"
#include "base/Messages.h"

#include <gtest/gtest.h>

namespace corvane
{
namespace
{

using ZincListMan::GameTableFileText;
using ZincListMan::ParseGameLine;
using ZincListMan::ParseGameListing;

struct LineCase
{
  const char* name;
  const char* line;
  // set, title, number, parent, bios; set == nullptr: the line is skipped
  const char* set;
  const char* title;
  const char* number;
  const char* parent;
  const char* bios;
};

class GameLine : public testing::TestWithParam<LineCase>
{
};

TEST_P(GameLine, FillsColumns)
{
  const LineCase& c = GetParam();
  const auto row = ParseGameLine(c.line);
  if (!c.set)
  {
    EXPECT_FALSE(row.has_value());
    return;
  }
  ASSERT_TRUE(row.has_value());
  EXPECT_EQ(row->set_name, c.set);
  EXPECT_EQ(row->title, c.title);
  EXPECT_EQ(row->unused, "");
  EXPECT_EQ(row->number, c.number);
  EXPECT_EQ(row->parent, c.parent);
  EXPECT_EQ(row->bios, c.bios);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GameLine,
    testing::Values(
        LineCase{"parent_and_bios", " 12Street Fighter EX [sfexa, parent sfex, BIOS cpzn1]",
                 "sfexa", "Street Fighter EX", "12", "sfex", "cpzn1"},
        LineCase{"bios_then_parent", " 12Street Fighter EX [sfexa, BIOS cpzn1, parent sfex]",
                 "sfexa", "Street Fighter EX", "12", "sfex", "cpzn1"},
        LineCase{"set_alone", "  1Battle Arena [ts2]", "ts2", "Battle Arena", "1", "ts2", ""},
        LineCase{"three_digit_number_glued", "1011 on 1 Government (Japan) [1on1gov, BIOS tps]",
                 "1on1gov", "1 on 1 Government (Japan)", "101", "1on1gov", "tps"},
        LineCase{"lower_case_bios_is_parent", "  5Game [g, bios x]", "g", "Game", "5", "bios x",
                 ""},
        LineCase{"later_item_wins", "  5Game [g, parent a, parent b, BIOS c, BIOS d]", "g", "Game",
                 "5", "b", "d"},
        LineCase{"blanks_around_items", "  5Game [ g ,  parent p  ,BIOS b ]", "g", "Game", "5", "p",
                 "b"},
        LineCase{"item_without_parent_word", "  5Game [g, other]", "g", "Game", "5", "other", ""},
        LineCase{"parent_word_removed_everywhere", "  5G [g, parent xparent y]", "g", "G", "5",
                 "xy", ""},
        LineCase{"empty_item_gives_own_set", "  5G [g, ]", "g", "G", "5", "g", ""},
        LineCase{"second_bracket_ignored", "  5G [g, parent p] [h, parent q]", "g", "G", "5", "p",
                 ""},
        LineCase{"short_head", "7[g]", "g", "", "7", "g", ""},
        LineCase{"empty_head", "[g]", "g", "", "", "g", ""},
        LineCase{"high_bytes_pass", "  9Caf\xE9 [caf\xE9]", "caf\xE9", "Caf\xE9", "9", "caf\xE9",
                 ""},
        LineCase{"no_bracket_skipped", "  9Title without set", nullptr, "", "", "", ""},
        LineCase{"empty_line_skipped", "", nullptr, "", "", "", ""},
        LineCase{"empty_set_skipped", "  9Title [ , parent p]", nullptr, "", "", "", ""},
        LineCase{"only_closing_brackets_skipped", "  9T ]]]", nullptr, "", "", "", ""}),
    test::ByName());

TEST(GameListing, SkipsHeadingAndKeepsOrder)
{
  const auto table =
      ParseGameListing("Heading [not a game]\r\n  1A [a]\r\n  2B [b]\r\n  3C [c, parent a]\r\n");
  ASSERT_EQ(table.LastGameIndex(), 2);
  EXPECT_EQ(table.rows[0].set_name, "a");
  EXPECT_EQ(table.rows[1].set_name, "b");
  EXPECT_EQ(table.rows[2].set_name, "c");
}

TEST(GameListing, SkippedLinesKeepIndexInStep)
{
  const auto table = ParseGameListing("H\r\n\r\n  1A [a]\r\nnoise\r\n  2B [b]\n  3C [c]");
  ASSERT_EQ(table.LastGameIndex(), 2);
  EXPECT_EQ(table.rows[2].set_name, "c");
  EXPECT_EQ(table.rows[2].number, "3");
}

TEST(GameListing, EmptyOrHeadingOnlyGivesNoRows)
{
  EXPECT_EQ(ParseGameListing("").LastGameIndex(), -1);
  EXPECT_EQ(ParseGameListing("Heading\r\n").LastGameIndex(), -1);
}

TEST(GameListing, SurvivesBinaryAndHugeLines)
{
  std::string listing = "H\r\n";
  listing += std::string(1 << 20, 'x') + "[big]\r\n";
  listing += std::string("\0\x01\xff [\0n]\r\n", 11);
  listing += "\r\r\n\n  4D [d]";
  const auto table = ParseGameListing(listing);
  ASSERT_EQ(table.LastGameIndex(), 2);
  EXPECT_EQ(table.rows[0].set_name, "big");
  EXPECT_EQ(table.rows[1].set_name, std::string("\0n", 2));
  EXPECT_EQ(table.rows[2].set_name, "d");
}

TEST(GameTableFile, SixColumnsEachFollowedByABar)
{
  GameTable table;
  table.rows.push_back({"strider2", "Strider 2", "", "12", "strider2", ""});
  table.rows.push_back({"sfexa", "Street Fighter EX", "", "3", "sfex", "cpzn1"});
  EXPECT_EQ(GameTableFileText(table),
            "strider2|Strider 2||12|strider2||\r\nsfexa|Street Fighter EX||3|sfex|cpzn1|\r\n");
  EXPECT_EQ(GameTableFileText(GameTable{}), "");
}

#ifndef _WIN32

// A listing stopped at the time-out or crashed after two whole game lines and a cut one: only
// the whole lines become rows, and the table file keeps what it held.
TEST(ImportGameList, UnfinishedListingKeepsWholeLinesAndWritesNoTableFile)
{
  for (const auto& [stop, problem] : {std::pair{"exec sleep 10", Messages::LISTING_TIMED_OUT},
                                      std::pair{"kill -SEGV $$", Messages::LISTING_CRASHED}})
  {
    test::TempDir dir;
    test::WriteFakeEmulator(
        dir, std::string("printf 'Heading\\r\\n  1A [a]\\r\\n  2B [bb]\\n  3C [cu'; ") + stop);
    dir.Write("zincmasterlist.lst", "old");
    setenv("CORVANE_LISTING_TIMEOUT_MS", "500", 1);
    const auto import = ZincListMan::ImportGameList(dir.Dir());
    unsetenv("CORVANE_LISTING_TIMEOUT_MS");
    ASSERT_EQ(import.table.LastGameIndex(), 1) << stop;
    EXPECT_EQ(import.table.rows[1].set_name, "bb");
    EXPECT_FALSE(import.table.listed_in_full);
    ASSERT_FALSE(import.outcome.Ok());
    EXPECT_EQ(import.outcome.problems[0].what, problem);
    EXPECT_EQ(dir.Read("zincmasterlist.lst"), "old");
  }
}

#endif

} // namespace
} // namespace corvane
