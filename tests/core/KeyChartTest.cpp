#include "controls/KeyChart.h"
#include "controls/KeyChartHtml.h"

#include <gtest/gtest.h>

#include <set>

namespace corvane
{
namespace
{

using KeyCodeManager::BuildKeyChart;
using KeyCodeManager::CellText;
using KeyCodeManager::KeyChartHtml;

std::vector<std::string_view> SlotsOf(const std::vector<WalkStep>& walk)
{
  std::vector<std::string_view> slots;
  for (const WalkStep& step : walk)
    slots.push_back(step.slot);
  return slots;
}

TEST(BindAllWalk, VisitsEachInputOnceInReadingOrder)
{
  using Slots = std::vector<std::string_view>;
  struct Case
  {
    std::vector<WalkStep> walk;
    Slots slots;
  };
  const Case cases[] = {
      {PageWalk(GENERAL_PAGE, Player::Two),
       {"upp2", "downp2", "leftp2", "rightp2", "start1", "start2", "coin1", "coin2", "test",
        "service"}},
      {PageWalk(PageOf(GroupId::Cap), Player::One),
       {"cappunch1p1", "cappunch2p1", "cappunch3p1", "capkick1p1", "capkick2p1", "capkick3p1"}},
      {PageWalk(PageOf(GroupId::SoulEdge), Player::Two),
       {"seattackhorp2", "seattackvertp2", "sekickp2", "seguardp2"}},
      {PageWalk(BINDING_PAGE_COUNT, Player::One), {}},
      // The quiz file carries its buttons on the direction keys, so a quiz game has no
      // directions of its own.
      {FamilyWalk(GroupId::Qma, Player::One),
       {"start1", "start2", "coin1", "coin2", "test", "service", "qma1p1", "qma2p1", "qma3p1",
        "qma4p1"}},
      // Player 2's walk leaves the shared inputs to Player 1's unless asked again.
      {PageWalk(GENERAL_PAGE, Player::Two, SharedInputsFor(Player::Two, false)),
       {"upp2", "downp2", "leftp2", "rightp2"}},
      {FamilyWalk(GroupId::SoulEdge, Player::Two, SharedInputsFor(Player::Two, false)),
       {"upp2", "downp2", "leftp2", "rightp2", "seattackhorp2", "seattackvertp2", "sekickp2",
        "seguardp2"}},
      {FamilyWalk(GroupId::Qma, Player::Two, SharedInputsFor(Player::Two, true)),
       {"start1", "start2", "coin1", "coin2", "test", "service", "qma1p2", "qma2p2", "qma3p2",
        "qma4p2"}},
      {FamilyWalk(GroupId::Qma, Player::One, SharedInputsFor(Player::One, false)),
       {"start1", "start2", "coin1", "coin2", "test", "service", "qma1p1", "qma2p1", "qma3p1",
        "qma4p1"}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SlotsOf(c.walk), c.slots);
}

TEST(BindAllWalk, EverySlotBelongsToExactlyOneInput)
{
  std::multiset<std::string_view> slots;
  for (const BindingInput& input : BindingInputs())
  {
    slots.insert(input.slot_p1);
    if (!input.Shared())
      slots.insert(input.slot_p2);
    EXPECT_FALSE(BindingPageCaption(input.page).empty()) << input.name;
  }
  EXPECT_EQ(slots, std::multiset<std::string_view>(BindingTable::SlotKeys().begin(),
                                                   BindingTable::SlotKeys().end()));
}

// A folder as the chart sees it: Low Punch and Start 1 share "1" (a clash in the Capcom file
// only), Fierce Kick changed since the last save, and three games with keys of their own.
constexpr const char* SFEX[] = {"sfex", "Street Fighter EX & <Plus>"};
constexpr const char* SFA[] = {"sfa", "Alpha"};
constexpr const char* TS2[] = {"ts2", "Tekken"};

struct ChartFolder
{
  BindingTable bindings;
  BindingTable saved;
  GroupLists groups;
  GameTable games;
  GameKeys game_keys;

  ChartFolder()
  {
    bindings.Set("start1", "k02");
    bindings.Set("cappunch1p1", "k02");
    bindings.Set("upp2", "k48");
    saved = bindings;
    bindings.Set("capkick3p2", "k2C");
    groups[GroupId::Cap] = {"sfa", "sfex", "ts2", "sfa"};
    groups[GroupId::Tekken] = {"ts2"}; // the later list wins
    for (const char* const* game : {SFEX, SFA, TS2})
      games.rows.push_back({game[0], game[1], "", "1", game[0], ""});
    game_keys.SetOwn("sfex", "cappunch2p2", "k1E");
    game_keys.SetOwn("sfa", "start1", "k1E");
    game_keys.SetOwn("sfa", "cappunch1p1", "k1E"); // clashes with its own Start 1
    game_keys.SetOwn("ts2", "cappunch1p1", "k1F"); // not of its family: not shown
    game_keys.SetOwn("unlisted", "start1", "k1E");
  }

  KeyChart Chart() const { return BuildKeyChart({bindings, &saved, groups, games, &game_keys}); }
};

const ChartRow& RowOf(const std::vector<ChartRow>& rows, std::string_view caption)
{
  for (const ChartRow& row : rows)
  {
    if (row.input->caption == caption)
      return row;
  }
  throw std::out_of_range(std::string(caption));
}

TEST(KeyChartModel, FamiliesHoldTheirFileInputsWithMarks)
{
  const KeyChart chart = ChartFolder().Chart();
  ASSERT_EQ(chart.families.size(), GROUPS.size());
  const ChartFamily& cap = chart.families[0];
  EXPECT_EQ(cap.title, "Capcom 6 Button");
  EXPECT_EQ(cap.rows.size(), 16U);
  EXPECT_EQ(chart.families[static_cast<size_t>(GroupId::Qma)].rows.size(), 10U);
  EXPECT_TRUE(chart.unsaved);

  struct Case
  {
    size_t family;
    std::string_view caption;
    std::string player1;
    std::string player2;
  };
  const Case cases[] = {
      {0, "Start 1", "1 (also Player 1 Low Punch)", ""},
      {0, "Low Punch", "1 (also Start 1)", "not bound"},
      {0, "Fierce Kick", "not bound", "Z (not saved yet)"},
      {0, "Up", "not bound", "Num 8"},
      {3, "Start 1", "1", ""}, // the Tekken file has no Low Punch
  };
  for (const Case& c : cases)
  {
    const ChartRow& row = RowOf(chart.families[c.family].rows, c.caption);
    EXPECT_EQ(CellText(row.player1), c.player1) << c.caption;
    if (!row.input->Shared())
    {
      EXPECT_EQ(CellText(row.player2), c.player2) << c.caption;
    }
  }
}

TEST(KeyChartModel, GamesListOnlyTheirOwnKeysUnderTheirFamily)
{
  const KeyChart chart = ChartFolder().Chart();
  const auto& cap_games = chart.families[0].games;
  ASSERT_EQ(cap_games.size(), 2U);
  EXPECT_EQ(cap_games[0].title, "Alpha"); // by title, listed twice but shown once
  EXPECT_EQ(cap_games[1].set_name, "sfex");
  ASSERT_EQ(cap_games[0].rows.size(), 2U);
  EXPECT_EQ(CellText(cap_games[0].rows[0].player1), "A (also Player 1 Low Punch)");
  EXPECT_EQ(CellText(cap_games[0].rows[1].player1), "A (also Start 1)");
  EXPECT_EQ(CellText(cap_games[0].rows[1].player2), "family key");
  ASSERT_EQ(cap_games[1].rows.size(), 1U);
  EXPECT_EQ(cap_games[1].rows[0].input->caption, "Medium Punch");
  EXPECT_TRUE(chart.families[static_cast<size_t>(GroupId::Tekken)].games.empty());
}

TEST(KeyChartModel, NothingMarkedWithoutABaselineOrGames)
{
  const ChartFolder folder;
  const KeyChart chart = BuildKeyChart({folder.bindings, nullptr, folder.groups, folder.games});
  EXPECT_FALSE(chart.unsaved);
  for (const ChartFamily& family : chart.families)
    EXPECT_TRUE(family.games.empty());
}

size_t Count(const std::string& text, std::string_view part)
{
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
    ++count;
  return count;
}

TEST(KeyChartHtml, OneHeadedTablePerFamilyAndGameEachFamilyOnANewPage)
{
  const std::string html = KeyChartHtml(ChartFolder().Chart());
  EXPECT_EQ(Count(html, "<table"), GROUPS.size() + 2);
  EXPECT_EQ(Count(html, "<th scope=\"col\">Player 2</th>"), GROUPS.size() + 2);
  EXPECT_EQ(Count(html, "<h2"), GROUPS.size());
  EXPECT_EQ(Count(html, "page-break-before: always"), GROUPS.size() - 1);
  EXPECT_NE(html.find("<th scope=\"row\">Start 1</th><td colspan=\"2\">&#9888; 1 (also"),
            std::string::npos);
  EXPECT_NE(html.find("<h4>Street Fighter EX &amp; &lt;Plus&gt; (sfex)</h4>"), std::string::npos);
  EXPECT_NE(html.find("not saved yet; Save writes"), std::string::npos);
}

} // namespace
} // namespace corvane
