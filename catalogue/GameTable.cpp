#include "catalogue/GameTable.h"

#include "app/FileIo.h"
#include "app/Messages.h"
#include "app/Text.h"
#include "catalogue/RunListing.h"

namespace corvane::ZincListMan
{
namespace
{

// The items after the set name go to the parent or BIOS column by their first word; a later
// item of the same kind wins.
void ReadBracketItem(std::string_view raw_item, GameRow& row)
{
  const std::string_view item = Trim(raw_item);
  if (StartsWith(item, "BIOS"))
    row.bios = RemoveAll(item, "BIOS ");
  else
    row.parent = RemoveAll(item, "parent ");
}

} // namespace

std::optional<GameRow> ParseGameLine(std::string_view line)
{
  const std::string text = RemoveAll(line, "]");
  const auto open = text.find('[');
  if (open == std::string::npos)
    return std::nullopt;
  const std::string_view head = std::string_view(text).substr(0, open);
  std::string_view bracket = std::string_view(text).substr(open + 1);
  bracket = bracket.substr(0, bracket.find('['));

  const auto items = Split(bracket, ',');
  GameRow row;
  row.set_name = Trim(items.front());
  if (row.set_name.empty())
    return std::nullopt;
  row.number = Trim(head.substr(0, 3));
  row.title = Trim(head.substr(std::min<size_t>(3, head.size())));
  for (size_t i = 1; i < items.size(); ++i)
    ReadBracketItem(items[i], row);
  if (row.parent.empty())
    row.parent = row.set_name;
  return row;
}

GameTable ParseGameListing(std::string_view listing)
{
  GameTable table;
  const auto lines = SplitLines(listing);
  table.rows.reserve(lines.empty() ? 0 : lines.size() - 1);
  for (size_t i = 1; i < lines.size(); ++i)
  {
    if (auto row = ParseGameLine(lines[i]))
      table.rows.push_back(std::move(*row));
  }
  return table;
}

std::string GameTableFileText(const GameTable& table)
{
  std::string text;
  for (const GameRow& row : table.rows)
  {
    for (const std::string* cell :
         {&row.set_name, &row.title, &row.unused, &row.number, &row.parent, &row.bios})
    {
      text += *cell;
      text += '|';
    }
    text += "\r\n";
  }
  return text;
}

ImportResult ImportGameList(const AppDir& dir)
{
  ImportResult result;
  result.outcome = RunListing(dir, GAME_LISTING_COMMAND);
  const std::string listing_path = dir.File(GAME_LISTING_FILE);
  if (const auto listing = ReadFileBytes(listing_path))
    result.table = ParseGameListing(*listing);
  else
    result.outcome.Add(std::string(Messages::GAME_LIST_UNREADABLE), listing_path);

  const std::string table_path = dir.File(GAME_TABLE_FILE);
  if (!WriteFileAtomic(table_path, GameTableFileText(result.table)))
    result.outcome.Add(std::string(Messages::FILE_NOT_WRITTEN), table_path);
  return result;
}

} // namespace corvane::ZincListMan
