#include "Catalogue.h"

#include <array>
#include <fstream>
#include <sstream>

namespace corvane::standin
{
namespace
{

std::vector<std::string_view> SplitAt(std::string_view text, char separator)
{
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find(separator, start)) != std::string_view::npos;
       start = end + 1)
    parts.push_back(text.substr(start, end - start));
  parts.push_back(text.substr(start));
  return parts;
}

std::string_view WithoutCr(std::string_view line)
{
  if (!line.empty() && line.back() == '\r')
    line.remove_suffix(1);
  return line;
}

constexpr std::size_t MISSING = static_cast<std::size_t>(-1);

// Where each of set, title, parent and BIOS stands in a row; MISSING for an unnamed column.
using Columns = std::array<std::size_t, 4>;

Columns ReadHeader(std::string_view header)
{
  static constexpr std::array<std::string_view, 4> NAMES{"set", "title", "parent", "bios"};
  Columns columns{MISSING, MISSING, MISSING, MISSING};
  const auto names = SplitAt(header, '\t');
  for (std::size_t field = 0; field < names.size(); ++field)
  {
    for (std::size_t column = 0; column < NAMES.size(); ++column)
    {
      if (names[field] == NAMES[column])
        columns[column] = field;
    }
  }
  // The emulator shows the older BIOS names, so that column wins wherever it stands.
  for (std::size_t field = 0; field < names.size(); ++field)
  {
    if (names[field] == "legacy_bios")
      columns[3] = field;
  }
  return columns;
}

std::string Field(const std::vector<std::string_view>& fields, std::size_t index)
{
  return index < fields.size() ? std::string(fields[index]) : std::string();
}

} // namespace

std::vector<Game> ParseCatalogue(std::string_view tsv)
{
  std::vector<Game> games;
  const auto lines = SplitAt(tsv, '\n');
  const Columns columns = ReadHeader(WithoutCr(lines.front()));
  for (std::size_t i = 1; i < lines.size(); ++i)
  {
    const auto fields = SplitAt(WithoutCr(lines[i]), '\t');
    Game game{Field(fields, columns[0]), Field(fields, columns[1]), Field(fields, columns[2]),
              Field(fields, columns[3])};
    if (!game.set.empty())
      games.push_back(std::move(game));
  }
  return games;
}

std::optional<std::vector<Game>> ReadCatalogueFile(const std::string& path)
{
  std::ifstream file(path, std::ios::binary);
  if (!file)
    return std::nullopt;
  std::ostringstream bytes;
  bytes << file.rdbuf();
  if (file.bad())
    return std::nullopt;
  return ParseCatalogue(bytes.str());
}

std::vector<Game> SyntheticCatalogue(std::size_t count)
{
  static constexpr std::array<const char*, 5> PARENTS{"souledge", "ehrgeiz", "bldyror2", "myangel3",
                                                      "pacapp"};
  std::vector<Game> games;
  games.reserve(count);
  for (std::size_t number = 1; number <= count; ++number)
  {
    const std::string n = std::to_string(number);
    const std::string family = PARENTS[(number / 6) % PARENTS.size()];
    Game game{"syn" + n, "", "", ""};
    switch (number % 6)
    {
    case 1:
      game = {game.set, "Synthetic Fighter " + n, "", "cpzn1"};
      break;
    case 2:
      game = {game.set, "Tekken Synthetic " + n, "", ""};
      break;
    case 3:
      game = {game.set, "Synthetic Clone " + n + " (World)", family, ""};
      break;
    case 4:
      game = {game.set, "Synthetic Clone " + n + ", Rev. B", family, "cpzn2"};
      break;
    case 5:
      game = {game.set, "Synthetic Fighter " + n + " (Japan)", "syn" + std::to_string(number - 4),
              "cpzn1"};
      break;
    default:
      game = {game.set, "Quiz Synthetic " + n + ": Player's Choice", "", "cpzn2"};
      break;
    }
    games.push_back(std::move(game));
  }
  return games;
}

} // namespace corvane::standin
