#pragma once

// A start without the wait: when zinc.exe is the one whose complete listing the record names,
// the window is prepared from that listing's game table, and the listings run again behind it.

#include "app/Session.h"
#include "catalogue/ListingRecord.h"

#include <optional>
#include <string>

namespace corvane::XpStyles
{

// What the listings run behind the window found, for the window to take in.
struct ListingRefresh
{
  bool listed = false; // the game listing ran in full: `table` is the emulator's list now
  GameTable table;
  Outcome outcome; // the listing's failure (the shown table stays), or a file not written
};

// Prepares an interactive session from the record of the last complete listing, without
// running any: true when zinc.exe and the game table file are those the record names and the
// emulator can be run. False, with the session untouched, when the start must list first.
bool PrepareSessionFromRecord(Session& session);

// The listings of an interactive start, run again: the game listing (its table file written),
// then the DAT to `dat_path` when `make_dat`, then the record, once all went well. Touches no
// session, so it may run on a thread of its own; after StopListings it writes nothing more.
ListingRefresh RefreshListings(const AppDir& dir, bool make_dat, std::string dat_path);

// After a start that waited for its listings: records them when every one went well.
// `emulator` is zinc.exe as read before they ran; `jobs` what RunInteractiveStartJobs gave.
void RecordStartListings(const Session& session,
                         const std::optional<ZincListMan::EmulatorIdentity>& emulator,
                         const Outcome& jobs);

} // namespace corvane::XpStyles
