#pragma once

// The inputs a player binds, one per binding button: which page shows it, its caption and the
// slots it binds for each player. The buttons, the Bind All walk and the key chart all read this
// one table, so they name and order the inputs alike.

#include "catalogue/GroupLists.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace corvane
{

enum class Player
{
  One,
  Two
};

// The main window's pages with binding buttons: General first, then one per family.
inline constexpr int GENERAL_PAGE = 0;
inline constexpr int BINDING_PAGE_COUNT = 1 + static_cast<int>(GROUPS.size());

// The page of a family's own inputs.
constexpr int PageOf(GroupId family)
{
  return static_cast<int>(family) + 1;
}

struct BindingInput
{
  std::string_view name;    // its button's object name
  std::string_view caption; // its button's caption
  int page;
  std::string_view slot_p1;
  std::string_view slot_p2; // slot_p1 again for an input of both players (Start 1, Test)

  bool Shared() const { return slot_p1 == slot_p2; }
  std::string_view SlotOf(Player player) const { return player == Player::Two ? slot_p2 : slot_p1; }
};

inline constexpr size_t BINDING_INPUT_COUNT = 31;

// Every input, page by page, each page in reading order (the General page's cross first, then
// its right half row by row). This is also the buttons' tab order.
const std::array<BindingInput, BINDING_INPUT_COUNT>& BindingInputs();

// The caption of a page's tab; "" for a page number without binding buttons.
std::string_view BindingPageCaption(int page);

// The input whose button binds the slot (either player's); nullptr for a key that names none.
const BindingInput* InputOfSlot(std::string_view slot_key);

// One stop of a walk: the input and the slot it binds for the walking player.
struct WalkStep
{
  const BindingInput* input;
  std::string_view slot;
};

// Whether a walk takes the inputs both players share (Start 1, Coin 1, Test, ...). Player 1's
// walk sets them; another player's walk leaves them, so it never replaces Player 1's keys, unless
// the player asks for them again.
enum class SharedInputs
{
  Walk,
  Leave
};

constexpr SharedInputs SharedInputsFor(Player player, bool asked_again)
{
  return player == Player::One || asked_again ? SharedInputs::Walk : SharedInputs::Leave;
}

// The page's inputs in reading order, each with the player's slot; an input of both players
// comes once, with its only slot, or not at all when the walk leaves them.
std::vector<WalkStep> PageWalk(int page, Player player, SharedInputs shared = SharedInputs::Walk);

// Everything a player of the family uses, in the family's order: the inputs of the General page
// its family's file holds (the player's directions, then the shared inputs unless left), then
// the family's own inputs. Also a game's own keys.
std::vector<WalkStep> FamilyWalk(GroupId family, Player player,
                                 SharedInputs shared = SharedInputs::Walk);

// True when the family's controller file holds the slot (the qma file has no direction keys).
bool FamilyFileHolds(GroupId family, std::string_view slot_key);

} // namespace corvane
