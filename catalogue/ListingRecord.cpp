#include "catalogue/ListingRecord.h"

#include <charconv>
#include <cstdio>

namespace corvane::ZincListMan
{
namespace
{

constexpr std::string_view HEADING = "corvane listing record 1";
constexpr std::string_view EMULATOR_LABEL = "zinc.exe";

std::string Hex(std::uint64_t value)
{
  char text[17] = {};
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
  return text;
}

// Reads one number of the given base from the front of `text`, and the blank after it.
template <typename Number> bool TakeNumber(std::string_view& text, Number& value, int base = 10)
{
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (error != std::errc() || end == text.data())
    return false;
  text.remove_prefix(static_cast<size_t>(end - text.data()));
  if (!text.empty() && text.front() == ' ')
    text.remove_prefix(1);
  return true;
}

bool TakeWord(std::string_view& text, std::string_view word)
{
  if (text.substr(0, word.size() + 1) != std::string(word) + ' ')
    return false;
  text.remove_prefix(word.size() + 1);
  return true;
}

std::optional<std::string_view> TakeLine(std::string_view& text)
{
  const size_t end = text.find('\n');
  if (end == std::string_view::npos)
    return std::nullopt;
  const std::string_view line = text.substr(0, end);
  text.remove_prefix(end + 1);
  return line;
}

bool ParseEmulatorLine(std::string_view line, EmulatorIdentity& emulator)
{
  return TakeWord(line, EMULATOR_LABEL) && TakeNumber(line, emulator.stamp.size) &&
         TakeNumber(line, emulator.stamp.modified) && TakeNumber(line, emulator.hash, 16) &&
         line.empty();
}

bool ParseTableLine(std::string_view line, ListingRecord& record)
{
  return TakeWord(line, GAME_TABLE_FILE) && TakeNumber(line, record.table_size) &&
         TakeNumber(line, record.table_hash, 16) && line.empty();
}

} // namespace

std::uint64_t Fnv1a64(std::string_view bytes)
{
  std::uint64_t hash = 0xcbf29ce484222325ULL;
  for (const char byte : bytes)
  {
    hash ^= static_cast<unsigned char>(byte);
    hash *= 0x100000001b3ULL;
  }
  return hash;
}

std::string ListingRecordText(const ListingRecord& record)
{
  const EmulatorIdentity& emulator = record.emulator;
  return std::string(HEADING) + '\n' + std::string(EMULATOR_LABEL) + ' ' +
         std::to_string(emulator.stamp.size) + ' ' + std::to_string(emulator.stamp.modified) + ' ' +
         Hex(emulator.hash) + '\n' + std::string(GAME_TABLE_FILE) + ' ' +
         std::to_string(record.table_size) + ' ' + Hex(record.table_hash) + '\n';
}

std::optional<ListingRecord> ParseListingRecord(std::string_view text)
{
  ListingRecord record;
  const auto heading = TakeLine(text);
  const auto emulator = TakeLine(text);
  const auto table = TakeLine(text);
  if (!heading || *heading != HEADING || !emulator || !table || !text.empty() ||
      !ParseEmulatorLine(*emulator, record.emulator) || !ParseTableLine(*table, record))
    return std::nullopt;
  return record;
}

std::optional<EmulatorIdentity> ReadEmulatorIdentity(const AppDir& dir)
{
  const std::string path = dir.File("zinc.exe");
  const auto before = ReadFileStamp(path);
  const auto bytes = ReadFileBytes(path);
  // A program rewritten while it was read has no one identity.
  if (!before || !bytes || ReadFileStamp(path) != before || bytes->size() != before->size)
    return std::nullopt;
  return EmulatorIdentity{*before, Fnv1a64(*bytes)};
}

bool WriteListingRecord(const AppDir& dir, const EmulatorIdentity& emulator, const GameTable& table)
{
  const std::string table_text = GameTableFileText(table);
  const ListingRecord record{emulator, table_text.size(), Fnv1a64(table_text)};
  return WriteFileAtomic(dir.File(LISTING_RECORD_FILE), ListingRecordText(record));
}

RecordCheck CheckListingRecord(const AppDir& dir)
{
  const auto text = ReadFileBytes(dir.File(LISTING_RECORD_FILE));
  if (!text)
    return {RecordState::Missing, {}};
  const auto record = ParseListingRecord(*text);
  if (!record)
    return {RecordState::Garbled, {}};
  // The stamp first: a changed program is usually told without reading it.
  const auto stamp = ReadFileStamp(dir.File("zinc.exe"));
  if (!stamp || *stamp != record->emulator.stamp || ReadEmulatorIdentity(dir) != record->emulator)
    return {RecordState::EmulatorChanged, {}};
  const auto table_text = ReadFileBytes(dir.File(GAME_TABLE_FILE));
  if (!table_text)
    return {RecordState::TableMissing, {}};
  if (table_text->size() != record->table_size || Fnv1a64(*table_text) != record->table_hash)
    return {RecordState::TableChanged, {}};
  auto table = ParseGameTableFile(*table_text);
  if (!table)
    return {RecordState::TableChanged, {}};
  return {RecordState::Fresh, std::move(*table)};
}

} // namespace corvane::ZincListMan
