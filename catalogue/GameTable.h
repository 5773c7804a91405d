#pragma once

// The table of all games, built from the emulator's game listing once per run.

#include "base/AppDir.h"
#include "base/Outcome.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane
{

// One game: the six columns of the game table file, in file order.
struct GameRow
{
  std::string set_name; // column 0: the ROM set's short name
  std::string title;    // column 1
  std::string unused;   // column 2: always empty
  std::string number;   // column 3: the number the emulator starts the game by
  std::string parent;   // column 4: the parent set, or the game's own set name
  std::string bios;     // column 5: the BIOS set, or empty
};

struct GameTable
{
  std::vector<GameRow> rows; // in the listing's order, never sorted
  // False when the listing it was built from did not run, could not be read or did not finish:
  // the rows (only whole lines) are then not the emulator's full list.
  bool listed_in_full = true;

  // The index of the last row; -1 for an empty table.
  int LastGameIndex() const { return static_cast<int>(rows.size()) - 1; }
};

inline constexpr std::string_view GAME_LISTING_FILE = "zinclist.txt";
inline constexpr std::string_view GAME_TABLE_FILE = "zincmasterlist.lst";
inline constexpr std::string_view GAME_LISTING_COMMAND = "zinc.exe --list-games >zinclist.txt";

namespace ZincListMan
{

// Parses one game line; nullopt for a line without "[" or without a set name.
std::optional<GameRow> ParseGameLine(std::string_view line);

// Parses a whole listing: the first line is a heading; lines that are no games are skipped.
GameTable ParseGameListing(std::string_view listing);

// The game table file: per row the six columns, each followed by "|", CR LF after each row.
std::string GameTableFileText(const GameTable& table);

// The game table file read back; nullopt for text that GameTableFileText would not give again
// (a cell holding "|", a row without six cells, a line without CR LF).
std::optional<GameTable> ParseGameTableFile(std::string_view text);

struct ImportResult
{
  GameTable table;
  Outcome outcome; // the listing did not run, finish or read, or the table file not written
  // Wine could not run zinc.exe: no listing will run, and `outcome` holds only why.
  bool emulator_unrunnable = false;
};

// Runs the emulator's game listing in the directory, parses it and writes the game table file.
// A listing that did not run gives no rows; one stopped half-way gives the rows of its whole
// lines. Either way, and when the listing cannot be read, the table file is left as it was.
ImportResult ImportGameList(const AppDir& dir);

} // namespace ZincListMan

} // namespace corvane
