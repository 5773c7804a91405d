#include "Listings.h"

#include "StandInData.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace corvane::standin
{
namespace
{

// The lines of `text`, each with its LF (a last line without one is kept as it is).
std::vector<std::string_view> LinesWithEnds(std::string_view text)
{
  std::vector<std::string_view> lines;
  while (!text.empty())
  {
    const auto end = text.find('\n');
    const std::size_t length = end == std::string_view::npos ? text.size() : end + 1;
    lines.push_back(text.substr(0, length));
    text.remove_prefix(length);
  }
  return lines;
}

bool IsBlank(std::string_view line)
{
  return line == "\r\n" || line == "\n";
}

// Whether `line`, coming after `previous`, opens a new entry; `first` while none is open yet.
bool StartsEntry(ListingKind kind, std::string_view line, std::string_view previous, bool first)
{
  switch (kind)
  {
  case ListingKind::Games:
    return true;
  case ListingKind::Sets:
    return first || IsBlank(previous);
  case ListingKind::Options:
    return line.substr(0, 2) == "--";
  }
  return false;
}

std::string BracketText(const Game& game)
{
  std::string text = "[" + game.set;
  if (!game.parent.empty())
    text += ", parent " + game.parent;
  if (!game.bios.empty())
    text += ", BIOS " + game.bios;
  return text + "]";
}

// A made-up but stable checksum, so that the same catalogue always lists the same CRCs.
std::uint32_t Fnv1a(std::string_view text)
{
  std::uint32_t hash = 2166136261u;
  for (const char c : text)
    hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
  return hash;
}

// A ROM line: the file name padded to 16 characters, the size in 10, then the CRC.
std::string RomLine(const std::string& name)
{
  const std::uint32_t hash = Fnv1a(name);
  const unsigned long size = 1ul << (17 + hash % 6);
  char numbers[40];
  std::snprintf(numbers, sizeof numbers, "%10lu  %08lx\r\n", size,
                static_cast<unsigned long>(hash));
  std::string line = name;
  if (line.size() < 16)
    line.resize(16, ' ');
  return line + numbers;
}

std::string SyntheticSetEntry(const std::string& title, const Game& game)
{
  return title + " " + BracketText(game) + "\r\n" + RomLine(game.set + "_01.2h") +
         RomLine(game.set + "-02m.3h") + "\r\n";
}

// The real entry of a BIOS set, or a made-up one for a name the real catalogue lacks.
std::string BiosEntry(const std::string& bios, const Listing& real_sets)
{
  const std::string bracket = "[" + bios + "]\r\n";
  for (const std::string& entry : real_sets.entries)
  {
    const std::string_view header = LinesWithEnds(entry).front();
    if (header.size() >= bracket.size() && header.substr(header.size() - bracket.size()) == bracket)
      return entry;
  }
  return SyntheticSetEntry(bios, Game{bios, bios, "", ""});
}

} // namespace

Listing SplitListing(std::string_view text, ListingKind kind)
{
  Listing listing;
  const auto lines = LinesWithEnds(text);
  std::string_view previous;
  for (std::size_t i = 0; i < lines.size(); ++i)
  {
    if (i > 0 && StartsEntry(kind, lines[i], previous, listing.entries.empty()))
      listing.entries.emplace_back(lines[i]);
    else if (listing.entries.empty())
      listing.head += lines[i];
    else
      listing.entries.back() += lines[i];
    previous = lines[i];
  }
  return listing;
}

Listing EmbeddedListing(ListingKind kind)
{
  switch (kind)
  {
  case ListingKind::Games:
    return SplitListing(EMBEDDED_GAME_LISTING, kind);
  case ListingKind::Sets:
    return SplitListing(EMBEDDED_SET_LISTING, kind);
  case ListingKind::Options:
    return SplitListing(EMBEDDED_OPTION_LISTING, kind);
  }
  return {};
}

Listing GameListing(const std::vector<Game>& games)
{
  Listing listing{Banner(EmbeddedListing(ListingKind::Games)), {}};
  listing.entries.reserve(games.size());
  for (std::size_t i = 0; i < games.size(); ++i)
  {
    std::string number = std::to_string(i + 1);
    number.insert(0, number.size() < 3 ? 3 - number.size() : 0, ' ');
    listing.entries.push_back(number + games[i].title + " " + BracketText(games[i]) + "\r\n");
  }
  return listing;
}

Listing SetListing(const std::vector<Game>& games)
{
  const Listing real_sets = EmbeddedListing(ListingKind::Sets);
  Listing listing{Banner(real_sets), {}};
  std::vector<std::string> bios_names;
  for (const Game& game : games)
  {
    if (!game.bios.empty() &&
        std::find(bios_names.begin(), bios_names.end(), game.bios) == bios_names.end())
    {
      bios_names.push_back(game.bios);
      listing.entries.push_back(BiosEntry(game.bios, real_sets));
    }
  }
  for (const Game& game : games)
    listing.entries.push_back(SyntheticSetEntry(game.title, game));
  return listing;
}

std::string Banner(const Listing& listing)
{
  const auto end = listing.head.find('\n');
  return end == std::string::npos ? listing.head : listing.head.substr(0, end + 1);
}

std::string ListingText(const Listing& listing)
{
  std::string text = listing.head;
  for (const std::string& entry : listing.entries)
    text += entry;
  return text;
}

} // namespace corvane::standin
