#pragma once

// The key chart: every family's keys for both players as rows of a table, with the games that
// have keys of their own listed under their family. Built from the bindings in memory, so keys
// not saved yet show, and are marked.

#include "catalogue/GameTable.h"
#include "catalogue/GroupLists.h"
#include "controls/BindingInputs.h"
#include "controls/BindingTable.h"
#include "controls/GameKeys.h"
#include "controls/KeyLabels.h"

#include <string>
#include <string_view>
#include <vector>

namespace corvane
{

// One player's key of an input.
struct ChartCell
{
  std::string label;                      // the key as its button names it; empty: not bound
  std::vector<std::string_view> clashing; // the slots sharing the key in the same file
  bool unsaved = false;                   // differs from the key last loaded or saved
  bool follows_family = false;            // a game's row: this slot has no own key
};

// One input: both players' keys, or for an input of both players one key (in `player1`).
struct ChartRow
{
  const BindingInput* input = nullptr;
  ChartCell player1;
  ChartCell player2;
};

// A game with keys of its own: only the inputs where it has one.
struct ChartGame
{
  std::string set_name;
  std::string title; // from the game table; the set name when the table lacks the game
  std::vector<ChartRow> rows;
};

struct ChartFamily
{
  GroupId id;
  std::string_view title;     // its page's caption
  std::vector<ChartRow> rows; // every input its controller file holds, shared ones first
  std::vector<ChartGame> games;
};

struct KeyChart
{
  std::vector<ChartFamily> families; // in the order of the pages
  bool unsaved = false;              // some cell is marked unsaved
};

struct KeyChartSources
{
  const BindingTable& bindings;
  const BindingTable* saved = nullptr; // the bindings as last loaded or saved; null marks nothing
  const GroupLists& groups;
  const GameTable& games;
  const GameKeys* game_keys = nullptr;         // null: no game is listed
  KeyCodeManager::LayoutCharacter layout = {}; // names character keys as the buttons do
};

namespace KeyCodeManager
{

// The chart of every family. A game is listed under the family whose file its copy is made from
// (the last list holding it), sorted by title; a game listed twice in one list comes once.
KeyChart BuildKeyChart(const KeyChartSources& sources);

// True when a player uses the family: one of its own inputs (not the General page's) has a key
// for either player, or a game of it has keys of its own.
bool FamilyInUse(const ChartFamily& family);

// The families a chart shows by default: those in use, or every family when none is.
std::vector<GroupId> FamiliesInUse(const KeyChart& chart);

// The chart with only the chosen families, in the chart's order.
KeyChart OnlyFamilies(const KeyChart& chart, const std::vector<GroupId>& chosen);

// How the chart and the clash notes name a slot: "Player 2 Low Punch", or "Start 1".
std::string SlotCaption(std::string_view slot_key);

// A cell in words: the key's label, "not bound" or "family key", then "(not saved yet)" and
// "(also Player 2 Low Punch)" where they apply. The clash sign is the caller's to add, in its
// own encoding.
std::string CellText(const ChartCell& cell);

} // namespace KeyCodeManager

} // namespace corvane
