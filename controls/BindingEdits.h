#pragma once

// Changes to many bindings at once, each with its scope told before: reset to the first-run keys
// (one input, one family, everything), copy one player's keys of a page to the other, and the
// two ways out of a clash besides replacing or keeping (swap the keys, unbind the other input).
// Also what a key drives, for the live key test.

#include "controls/BindingInputs.h"
#include "controls/BindingTable.h"

#include <string>
#include <string_view>
#include <vector>

namespace corvane
{

// The keys a folder without controller files starts with: none.
BindingTable FirstRunBindings();

// What a reset touches: one input for one player, one page for both players, or every slot.
struct ResetScope
{
  enum class Kind
  {
    Input,
    Family,
    Everything
  } kind = Kind::Everything;
  const BindingInput* input = nullptr; // Kind::Input
  Player player = Player::One;         // Kind::Input
  int page = GENERAL_PAGE;             // Kind::Family
};

// The slots the scope covers, in slot order.
std::vector<std::string_view> SlotsOf(const ResetScope& scope);

// The scope as a question to the player before the reset, e.g. "Reset Low Punch of Player 1 to
// no key?".
std::string DescribeReset(const ResetScope& scope);

// Gives every slot of the scope its first-run key.
void Reset(BindingTable& table, const ResetScope& scope);

// One player's keys of a page given to the other player; inputs of both players stay.
struct CopyPlan
{
  int page = GENERAL_PAGE;
  Player from = Player::One;
  std::vector<std::pair<std::string_view, std::string_view>> slot_pairs; // from slot, to slot
  // The clashes the copy would make, one line each ("Player 2 Low Punch: also Start 1").
  std::vector<std::string> new_clashes;
};

// What copying the page's keys from `from` to the other player would do.
CopyPlan PlanCopy(const BindingTable& table, int page, Player from);

// The plan as a question: what is copied, then the clashes it would make.
std::string DescribeCopy(const CopyPlan& plan);

void ApplyCopy(BindingTable& table, const CopyPlan& plan);

// `slot` takes `token`; `other` (which held `token`) takes the key `slot` held before.
void SwapOnClash(BindingTable& table, std::string_view slot, std::string_view token,
                 std::string_view other);

// `slot` takes `token`; every slot in `others` is left unbound.
void UnbindOthers(BindingTable& table, std::string_view slot, std::string_view token,
                  const std::vector<std::string_view>& others);

// The line a screen reader says when a key is pressed in the key test: every input that key
// drives for the player, by page, or that it drives none. `key_name` is the key as the player
// reads it.
std::string KeyTestLine(const BindingTable& table, std::string_view token, Player player,
                        std::string_view key_name);

// The inputs whose button shows the token for the player.
std::vector<const BindingInput*> InputsHolding(const BindingTable& table, std::string_view token,
                                               Player player);

} // namespace corvane
