#pragma once

// The games the stand-in knows: read from a games.tsv-shaped file, or made up in any number for
// scale tests.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::standin
{

// One game as the listings show it; parent and bios are empty when the game has none.
struct Game
{
  std::string set;
  std::string title;
  std::string parent;
  std::string bios; // the legacy BIOS name ("cpzn1"), as the emulator names it
};

// The rows of a tab-separated table whose first line names the columns "set", "title",
// "parent" and "legacy_bios" (or "bios"), in any order; a column the header does not name is
// empty in every game. LF or CR LF line ends; rows without a set name are skipped.
std::vector<Game> ParseCatalogue(std::string_view tsv);

// The file's games, or nothing when it cannot be read.
std::optional<std::vector<Game>> ReadCatalogueFile(const std::string& path);

// `count` made-up games, the same for the same count: with and without parent and BIOS, some
// "Tekken" titles, parents souledge/ehrgeiz/bldyror2/myangel3/pacapp, BIOS cpzn1/cpzn2.
std::vector<Game> SyntheticCatalogue(std::size_t count);

} // namespace corvane::standin
