#pragma once

// A named key layout as a player can read and share it: every family's keys for both players
// and the games' own keys, in a plain INI-like text. The reader takes what it knows, names what
// it skipped, and refuses a file that is no layout or is cut short, so a bad file changes nothing.

#include "controls/BindingTable.h"
#include "controls/GameKeys.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane
{

// The version this program writes; a reader of another version reads what it knows.
inline constexpr int LAYOUT_VERSION = 1;
// A layout file larger than this is refused unread: no real one comes near it.
inline constexpr size_t LAYOUT_MAX_BYTES = size_t{16} * 1024 * 1024;

// One game's own keys: slot key and token, in slot order; an empty token leaves it unbound.
struct GameLayout
{
  std::string set_name;
  std::vector<std::pair<std::string, std::string>> keys;
  bool operator==(const GameLayout&) const = default;
};

struct Layout
{
  BindingTable bindings;
  std::vector<GameLayout> games; // in the order the own-keys file holds them
};

// What the reader made of a text: the layout, or none with the reason; and the lines it skipped.
struct LayoutRead
{
  std::optional<Layout> layout;
  std::string error;                // why there is no layout; empty when there is one
  std::vector<std::string> skipped; // "line N: what", one per line not taken
};

// The layout of these bindings and own keys (none when `game_keys` is null).
Layout LayoutOf(const BindingTable& bindings, const GameKeys* game_keys);

// The own keys of the layout as the own-keys file holds them.
GameKeys GameKeysOf(const Layout& layout);

// The layout's text, CR LF line ends; reading it back gives the same layout.
std::string LayoutText(const Layout& layout);

// Reads a layout from its text (see LayoutRead); never throws.
LayoutRead ReadLayoutText(std::string_view text);

// The skipped lines as one text for the player, at most `max_lines` of them then a count.
std::string DescribeSkipped(const std::vector<std::string>& skipped, size_t max_lines = 10);

} // namespace corvane
