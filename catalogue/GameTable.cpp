#include "catalogue/GameTable.h"

#include "base/FileIo.h"
#include "base/Memory.h"
#include "base/Messages.h"
#include "base/Text.h"
#include "catalogue/RunListing.h"

namespace corvane::ZincListMan
{
namespace
{

// A field of the line with every "]" removed, then trimmed: one string, built once.
std::string CleanField(std::string_view field)
{
  if (field.find(']') == std::string_view::npos)
    return std::string(Trim(field));
  return std::string(Trim(RemoveAll(field, "]")));
}

// The items after the set name go to the parent or BIOS column by their first word; a later
// item of the same kind wins.
void ReadBracketItem(std::string_view raw_item, GameRow& row)
{
  const std::string item = CleanField(raw_item);
  if (StartsWith(item, "BIOS"))
    row.bios = RemoveAll(item, "BIOS ");
  else
    row.parent = RemoveAll(item, "parent ");
}

// The text between the first and the second "[", read as if every "]" were gone already.
std::string_view BracketText(std::string_view line, size_t open)
{
  const std::string_view rest = line.substr(open + 1);
  return rest.substr(0, rest.find('['));
}

// The text up to its last LF: the cut last line of a listing stopped half-way is dropped.
std::string_view WholeLines(std::string_view text)
{
  const auto last_lf = text.rfind('\n');
  return last_lf == std::string_view::npos ? std::string_view() : text.substr(0, last_lf + 1);
}

} // namespace

std::optional<GameRow> ParseGameLine(std::string_view line)
{
  // Removing "]" cannot create or remove a "[", so the line is split first and each field is
  // cleaned on its own.
  const auto open = line.find('[');
  if (open == std::string_view::npos)
    return std::nullopt;
  std::string_view bracket = BracketText(line, open);
  const auto first_comma = bracket.find(',');
  GameRow row;
  row.set_name = CleanField(bracket.substr(0, first_comma));
  if (row.set_name.empty())
    return std::nullopt;
  std::string head_storage;
  std::string_view head = line.substr(0, open);
  if (head.find(']') != std::string_view::npos)
  {
    head_storage = RemoveAll(head, "]");
    head = head_storage;
  }
  row.number = Trim(head.substr(0, 3));
  row.title = Trim(head.substr(std::min<size_t>(3, head.size())));
  for (auto comma = first_comma; comma != std::string_view::npos;)
  {
    bracket.remove_prefix(comma + 1);
    comma = bracket.find(',');
    ReadBracketItem(bracket.substr(0, comma), row);
  }
  if (row.parent.empty())
    row.parent = row.set_name;
  return row;
}

GameTable ParseGameListing(std::string_view listing)
{
  GameTable table;
  const auto lines = SplitLines(listing);
  table.rows.reserve(lines.empty() ? 0 : lines.size() - 1);
  AdviseHugePages(table.rows.data(), table.rows.capacity() * sizeof(GameRow));
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

std::optional<GameTable> ParseGameTableFile(std::string_view text)
{
  GameTable table;
  for (size_t start = 0; start < text.size();)
  {
    const size_t end = text.find("\r\n", start);
    if (end == std::string_view::npos)
      return std::nullopt;
    const auto cells = Split(text.substr(start, end - start), '|');
    if (cells.size() != 7 || !cells[6].empty())
      return std::nullopt;
    table.rows.push_back({std::string(cells[0]), std::string(cells[1]), std::string(cells[2]),
                          std::string(cells[3]), std::string(cells[4]), std::string(cells[5])});
    start = end + 2;
  }
  // Only a table that writes the same bytes again is the one the file was made from.
  if (GameTableFileText(table) != text)
    return std::nullopt;
  return table;
}

ImportResult ImportGameList(const AppDir& dir)
{
  ImportResult result;
  ListingEnd end = ListingEnd::NotRun;
  result.outcome = RunListing(dir, GAME_LISTING_COMMAND, &end);
  if (end == ListingEnd::WineFailed)
  {
    // Every file stays as it was; the one problem is Wine's.
    result.table.listed_in_full = false;
    result.emulator_unrunnable = true;
    return result;
  }
  const std::string listing_path = dir.File(GAME_LISTING_FILE);
  // A listing file this run did not write is an older run's: none of it is used.
  std::optional<std::string> listing;
  if (end != ListingEnd::NotRun)
  {
    listing = ReadFileBytes(listing_path);
    if (!listing)
      result.outcome.Add(std::string(Messages::GAME_LIST_UNREADABLE), listing_path);
  }
  if (listing)
    result.table = ParseGameListing(end == ListingEnd::Finished ? *listing : WholeLines(*listing));
  result.table.listed_in_full = listing && end == ListingEnd::Finished;

  const std::string table_path = dir.File(GAME_TABLE_FILE);
  if (!result.table.listed_in_full)
    result.outcome.Add(std::string(Messages::GAME_LIST_INCOMPLETE), table_path);
  else if (!WriteFileAtomic(table_path, GameTableFileText(result.table)))
    result.outcome.Add(std::string(Messages::FILE_NOT_WRITTEN), table_path);
  return result;
}

} // namespace corvane::ZincListMan
