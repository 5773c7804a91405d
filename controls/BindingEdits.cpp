#include "controls/BindingEdits.h"

#include "base/Messages.h"
#include "controls/BindingClashes.h"

#include <algorithm>

namespace corvane
{
namespace
{

std::string PlayerName(Player player)
{
  return player == Player::One ? "Player 1" : "Player 2";
}

Player Other(Player player)
{
  return player == Player::One ? Player::Two : Player::One;
}

// The input of a slot as the player reads it: "Low Punch of Player 2", "Start 1".
std::string SlotCaption(std::string_view slot)
{
  const BindingInput* input = InputOfSlot(slot);
  if (!input)
    return std::string(slot);
  std::string caption(input->caption);
  if (!input->Shared())
    caption += " of " + PlayerName(input->slot_p1 == slot ? Player::One : Player::Two);
  return caption;
}

std::string PageName(int page)
{
  return "the " + std::string(BindingPageCaption(page)) + " page";
}

} // namespace

BindingTable FirstRunBindings()
{
  return BindingTable();
}

std::vector<std::string_view> SlotsOf(const ResetScope& scope)
{
  std::vector<std::string_view> slots;
  for (const std::string_view slot : BindingTable::SlotKeys())
  {
    const BindingInput* input = InputOfSlot(slot);
    const bool covered =
        scope.kind == ResetScope::Kind::Everything ||
        (scope.kind == ResetScope::Kind::Family && input && input->page == scope.page) ||
        (scope.kind == ResetScope::Kind::Input && scope.input &&
         scope.input->SlotOf(scope.player) == slot);
    if (covered)
      slots.push_back(slot);
  }
  return slots;
}

std::string DescribeReset(const ResetScope& scope)
{
  std::string what;
  switch (scope.kind)
  {
  case ResetScope::Kind::Input:
    what = "Reset " + SlotCaption(scope.input ? scope.input->SlotOf(scope.player) : "") + " ";
    break;
  case ResetScope::Kind::Family:
    what = "Reset every key of " + PageName(scope.page) + ", both players, ";
    break;
  case ResetScope::Kind::Everything:
    what = std::string(Messages::RESET_EVERYTHING) + " ";
    break;
  }
  what += Messages::RESET_TO;
  if (scope.kind != ResetScope::Kind::Input)
    what += " " + std::string(Messages::RESET_OWN_KEYS_STAY);
  return what;
}

void Reset(BindingTable& table, const ResetScope& scope)
{
  const BindingTable first_run = FirstRunBindings();
  for (const std::string_view slot : SlotsOf(scope))
    table.Set(slot, first_run.Get(slot));
}

CopyPlan PlanCopy(const BindingTable& table, int page, Player from)
{
  CopyPlan plan{page, from, {}, {}};
  for (const BindingInput& input : BindingInputs())
  {
    if (input.page == page && !input.Shared())
      plan.slot_pairs.emplace_back(input.SlotOf(from), input.SlotOf(Other(from)));
  }
  BindingTable after = table;
  ApplyCopy(after, plan);
  const ClashMap before_clashes = KeyCodeManager::FindClashes(table);
  const ClashMap after_clashes = KeyCodeManager::FindClashes(after);
  for (const auto& [source, target] : plan.slot_pairs)
  {
    const std::vector<std::string_view> was = before_clashes.Others(target);
    std::string line;
    for (const std::string_view other : after_clashes.Others(target))
    {
      // The source itself is no news: the question says both players get its key.
      if (other != source && std::find(was.begin(), was.end(), other) == was.end())
        line += (line.empty() ? "" : ", ") + SlotCaption(other);
    }
    if (!line.empty())
      plan.new_clashes.push_back(SlotCaption(target) + ": also " + line);
  }
  return plan;
}

std::string DescribeCopy(const CopyPlan& plan)
{
  std::string text = "Copy " + PlayerName(plan.from) + "'s keys of " + PageName(plan.page) +
                     " to " + PlayerName(Other(plan.from)) + "? " + PlayerName(Other(plan.from)) +
                     "'s keys there are replaced.";
  if (!plan.new_clashes.empty())
    text += "\n\n" + std::string(Messages::COPY_CLASHES);
  for (const std::string& clash : plan.new_clashes)
    text += "\n" + clash;
  return text;
}

void ApplyCopy(BindingTable& table, const CopyPlan& plan)
{
  for (const auto& [source, target] : plan.slot_pairs)
    table.Set(target, table.Get(source));
}

void SwapOnClash(BindingTable& table, std::string_view slot, std::string_view token,
                 std::string_view other)
{
  const std::string old_key = table.Get(slot);
  table.Set(slot, std::string(token));
  if (other != slot)
    table.Set(other, old_key);
}

void UnbindOthers(BindingTable& table, std::string_view slot, std::string_view token,
                  const std::vector<std::string_view>& others)
{
  for (const std::string_view other : others)
    table.Set(other, "");
  table.Set(slot, std::string(token));
}

std::vector<const BindingInput*> InputsHolding(const BindingTable& table, std::string_view token,
                                               Player player)
{
  std::vector<const BindingInput*> inputs;
  if (!KeyCodeManager::TokenBindsKey(token))
    return inputs;
  for (const BindingInput& input : BindingInputs())
  {
    if (table.Get(input.SlotOf(player)) == token)
      inputs.push_back(&input);
  }
  return inputs;
}

std::string KeyTestLine(const BindingTable& table, std::string_view token, Player player,
                        std::string_view key_name)
{
  const std::vector<const BindingInput*> inputs = InputsHolding(table, token, player);
  if (inputs.empty())
    return std::string(key_name) + " " + std::string(Messages::KEY_TEST_NOTHING) + " " +
           PlayerName(player) + ".";
  std::string line = std::string(key_name) + " " + std::string(Messages::KEY_TEST_DRIVES);
  for (size_t i = 0; i < inputs.size(); ++i)
    line += (i == 0 ? " " : ", ") + std::string(inputs[i]->caption) + " (" +
            std::string(BindingPageCaption(inputs[i]->page)) + ")";
  return line + " for " + PlayerName(player) + ".";
}

} // namespace corvane
