#pragma once

// The three listings the stand-in prints, held as a head and a list of entries so that the
// fault knobs can mix junk between valid entries.

#include "Catalogue.h"

#include <string>
#include <string_view>
#include <vector>

namespace corvane::standin
{

enum class ListingKind
{
  Games,   // --list-games
  Sets,    // --list-sets
  Options, // --help
};

// A listing: its head (the banner line and anything before the first entry), then its
// entries; each piece ends with its own CR LF. Head plus entries in order is the listing.
struct Listing
{
  std::string head;
  std::vector<std::string> entries;
};

// Cuts a printed listing into head and entries: a game entry is one line, a set entry is a
// header with its ROM lines and the empty line that ends it, an option entry is a "--" line.
Listing SplitListing(std::string_view text, ListingKind kind);

// The listing the real catalogue gives, as built into the stand-in.
Listing EmbeddedListing(ListingKind kind);

// The game listing of `games`: numbers 1..N right-aligned in three characters, wider beyond 999.
Listing GameListing(const std::vector<Game>& games);

// The set listing of `games`: the BIOS sets they use first (with the real ROMs of a known
// BIOS), then one entry per game with two made-up ROM lines.
Listing SetListing(const std::vector<Game>& games);

// The head's first line, with its line end.
std::string Banner(const Listing& listing);

// The listing as printed: head, then every entry.
std::string ListingText(const Listing& listing);

} // namespace corvane::standin
