// Resets, copies, the ways out of a clash, the key test's line and the undo history.

#include "controls/BindingEdits.h"
#include "controls/EditHistory.h"

#include <gtest/gtest.h>

namespace corvane
{
namespace
{

const BindingInput& Input(std::string_view name)
{
  for (const BindingInput& input : BindingInputs())
  {
    if (input.name == name)
      return input;
  }
  throw std::logic_error("no such input");
}

BindingTable EveryKeyBound()
{
  BindingTable table;
  int code = 2;
  for (const std::string_view slot : BindingTable::SlotKeys())
    table.Set(slot, "k" + std::to_string(10 + code++));
  return table;
}

TEST(BindingEdits, ResetTouchesExactlyItsScopeAndSaysIt)
{
  struct Case
  {
    const char* name;
    ResetScope scope;
    std::vector<std::string_view> cleared;
    std::string_view question;
  };
  const std::vector<Case> cases = {
      {"one input, player 2",
       {ResetScope::Kind::Input, &Input("CapPunch1"), Player::Two},
       {"cappunch1p2"},
       "Reset Low Punch of Player 2 to no key, as on the first run?"},
      {"an input of both players",
       {ResetScope::Kind::Input, &Input("cmdStart1"), Player::Two},
       {"start1"},
       "Reset Start 1 to no key, as on the first run?"},
      {"one family",
       {ResetScope::Kind::Family, nullptr, Player::One, PageOf(GroupId::ThreeBut)},
       {"tbutap1", "tbutap2", "tbutbp1", "tbutbp2", "tbutcp1", "tbutcp2"},
       "Reset every key of the 3 Buttons or Less page, both players, to no key, as on the first "
       "run? Games' own keys stay as they are."},
  };
  for (const Case& test : cases)
  {
    SCOPED_TRACE(test.name);
    BindingTable table = EveryKeyBound();
    Reset(table, test.scope);
    EXPECT_EQ(SlotsOf(test.scope), test.cleared);
    EXPECT_EQ(DescribeReset(test.scope), test.question);
    for (const std::string_view slot : BindingTable::SlotKeys())
    {
      const bool cleared =
          std::find(test.cleared.begin(), test.cleared.end(), slot) != test.cleared.end();
      EXPECT_EQ(table.Get(slot), cleared ? "" : EveryKeyBound().Get(slot)) << slot;
    }
  }
  BindingTable table = EveryKeyBound();
  Reset(table, ResetScope{});
  EXPECT_TRUE(table == FirstRunBindings());
}

TEST(BindingEdits, CopyGivesTheOtherPlayerThePageAndListsOnlyNewClashes)
{
  BindingTable table;
  table.Set("cappunch1p1", "k1E");
  table.Set("cappunch2p1", "k1F");
  table.Set("upp2", "k1E");        // player 2's Up: clashes once player 2's Low Punch is k1E too
  table.Set("cappunch3p2", "k30"); // replaced by player 1's empty Fierce Punch
  table.Set("start1", "k02");
  const CopyPlan plan = PlanCopy(table, PageOf(GroupId::Cap), Player::One);
  EXPECT_EQ(plan.slot_pairs.size(), 6u);
  EXPECT_EQ(plan.new_clashes,
            std::vector<std::string>{"Low Punch of Player 2: also Up of Player 2"});
  EXPECT_NE(DescribeCopy(plan).find("Copy Player 1's keys of the Capcom 6 Button page to Player "
                                    "2?"),
            std::string::npos);
  ApplyCopy(table, plan);
  EXPECT_EQ(table.Get("cappunch1p2"), "k1E");
  EXPECT_EQ(table.Get("cappunch2p2"), "k1F");
  EXPECT_EQ(table.Get("cappunch3p2"), "");
  EXPECT_EQ(table.Get("cappunch1p1"), "k1E");
  // The General page's inputs of both players are no player's to copy.
  const CopyPlan general = PlanCopy(table, GENERAL_PAGE, Player::Two);
  EXPECT_EQ(general.slot_pairs.size(), 4u);
  EXPECT_EQ(general.slot_pairs.front(),
            std::make_pair(std::string_view("upp2"), std::string_view("upp1")));
}

TEST(BindingEdits, SwapAndUnbindTheOtherResolveAClash)
{
  BindingTable table;
  table.Set("cappunch1p1", "k1E");
  table.Set("capkick1p1", "k20");
  table.Set("start1", "k20");
  BindingTable swapped = table;
  SwapOnClash(swapped, "cappunch1p1", "k20", "capkick1p1");
  EXPECT_EQ(swapped.Get("cappunch1p1"), "k20");
  EXPECT_EQ(swapped.Get("capkick1p1"), "k1E");
  UnbindOthers(table, "cappunch1p1", "k20", {"capkick1p1", "start1"});
  EXPECT_EQ(table.Get("cappunch1p1"), "k20");
  EXPECT_EQ(table.Get("capkick1p1"), "");
  EXPECT_EQ(table.Get("start1"), "");
}

TEST(BindingEdits, KeyTestNamesWhatTheKeyDrivesForThePlayer)
{
  BindingTable table;
  table.Set("start1", "k02");
  table.Set("cappunch1p1", "k02");
  table.Set("cappunch1p2", "k03");
  EXPECT_EQ(KeyTestLine(table, "k02", Player::One, "1"),
            "1 drives Start 1 (General), Low Punch (Capcom 6 Button) for Player 1.");
  EXPECT_EQ(KeyTestLine(table, "k03", Player::One, "2"), "2 drives nothing for Player 1.");
  EXPECT_EQ(KeyTestLine(table, "k02", Player::Two, "1"),
            "1 drives Start 1 (General) for Player 2.");
  EXPECT_TRUE(InputsHolding(table, "k", Player::One).empty());
}

TEST(EditHistory, UndoesAndRedoesWholeStepsAndANewChangeDropsTheRedo)
{
  EditHistory<BindingTable> history;
  BindingTable table;
  BindingTable before = table;
  table.Set("start1", "k02");
  table.Set("start2", "k03"); // one step: a walk of two keys
  history.Record(before, table);
  history.Record(table, table); // nothing changed: no step
  before = table;
  table.CurrentKey = "k99"; // the working value is no binding
  history.Record(before, table);
  before = table;
  Reset(table, ResetScope{});
  history.Record(before, table);

  table = *history.Undo(table);
  EXPECT_EQ(table.Get("start2"), "k03");
  table = *history.Undo(table);
  EXPECT_TRUE(table == BindingTable());
  EXPECT_FALSE(history.Undo(table));
  table = *history.Redo(table);
  EXPECT_EQ(table.Get("start1"), "k02");
  before = table;
  table.Set("coin1", "k04");
  history.Record(before, table);
  EXPECT_FALSE(history.CanRedo());
  table = *history.Undo(table);
  EXPECT_EQ(table.Get("coin1"), "");
  EXPECT_EQ(table.Get("start1"), "k02");
}

} // namespace
} // namespace corvane
