#pragma once

// The record of the last complete game listing, kept beside the program: which zinc.exe gave it
// and which game table file it made. While both are unchanged, a start may show that table at
// once and list again in the background, instead of waiting for the emulator (seconds through
// Wine) before the window can show.

#include "base/AppDir.h"
#include "base/FileIo.h"
#include "catalogue/GameTable.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvane
{

inline constexpr std::string_view LISTING_RECORD_FILE = "corvane-listing.txt";

namespace ZincListMan
{

// zinc.exe as it stands: its size and write time, and a hash of its bytes, which tells a
// replaced program that kept both (a copy that preserves times, a same-size rebuild).
struct EmulatorIdentity
{
  FileStamp stamp;
  std::uint64_t hash = 0;

  bool operator==(const EmulatorIdentity&) const = default;
};

struct ListingRecord
{
  EmulatorIdentity emulator;
  std::uint64_t table_size = 0; // the game table file the listing made
  std::uint64_t table_hash = 0;

  bool operator==(const ListingRecord&) const = default;
};

// Why a record can or cannot stand for a fresh listing.
enum class RecordState
{
  Fresh,           // zinc.exe and the game table file are those the record names
  Missing,         // no record (never listed in full, or it cannot be read)
  Garbled,         // a record that is not one
  EmulatorChanged, // zinc.exe is gone or differs in size, write time or bytes
  TableMissing,    // the game table file is gone or cannot be read
  TableChanged,    // the game table file differs from the one the listing made
};

struct RecordCheck
{
  RecordState state = RecordState::Missing;
  GameTable table; // the recorded table, for a fresh record only
};

// 64-bit FNV-1a: fast and well spread. The hash guards against an accident (a program swapped
// with its size and time kept), not an adversary: whoever can replace zinc.exe runs it anyway.
std::uint64_t Fnv1a64(std::string_view bytes);

// The record's text, and back: nullopt for text that is not a record.
std::string ListingRecordText(const ListingRecord& record);
std::optional<ListingRecord> ParseListingRecord(std::string_view text);

// zinc.exe's identity now; nullopt when it cannot be read.
std::optional<EmulatorIdentity> ReadEmulatorIdentity(const AppDir& dir);

// Records that `emulator` (read before its listing ran) listed `table` in full, after the table
// file was written. False when the record could not be written.
bool WriteListingRecord(const AppDir& dir, const EmulatorIdentity& emulator,
                        const GameTable& table);

// Whether the record stands for zinc.exe and the game table file as they are now; when it
// does, the table read back from its file.
RecordCheck CheckListingRecord(const AppDir& dir);

} // namespace ZincListMan

} // namespace corvane
