// The record of the last complete listing: its text, when it still stands for zinc.exe and the
// game table file, and the listings run again behind the window that write it.

#include "catalogue/ListingRecord.h"
#include "TempDir.h"
#include "app/ListingRefresh.h"
#include "base/Process.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#ifndef _WIN32
#include "core/FakeEmulator.h"
#endif

namespace corvane
{
namespace
{

using ZincListMan::RecordState;

GameTable TwoGames()
{
  GameTable table;
  table.rows = {{"sfex", "Street Fighter EX", "", "12", "sfex", "cpzn1"},
                {"ts2", "Battle Arena", "", "1", "ts2", ""}};
  return table;
}

// A folder after a complete listing: zinc.exe, the table file it made, and the record.
void ListedFolder(const test::TempDir& dir, const GameTable& table)
{
  dir.Write("zinc.exe", std::string(4096, 'z'));
  dir.Write("zincmasterlist.lst", ZincListMan::GameTableFileText(table));
  const auto emulator = ZincListMan::ReadEmulatorIdentity(dir.Dir());
  ASSERT_TRUE(emulator);
  ASSERT_TRUE(ZincListMan::WriteListingRecord(dir.Dir(), *emulator, table));
}

// zinc.exe rewritten with `bytes`, its write time then set back: only the bytes tell.
void ReplaceKeepingTime(const test::TempDir& dir, const std::string& bytes)
{
  const auto path = std::filesystem::path(dir.Path()) / "zinc.exe";
  const auto time = std::filesystem::last_write_time(path);
  dir.Write("zinc.exe", bytes);
  std::filesystem::last_write_time(path, time);
}

void Touch(const test::TempDir& dir, const std::string& name)
{
  const auto path = std::filesystem::path(dir.Path()) / name;
  std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) +
                                             std::chrono::seconds(5));
}

TEST(ListingRecord, TextRoundTrip)
{
  const ZincListMan::ListingRecord record{{{123456, -42}, 0xfedcba9876543210ULL}, 11987, 7};
  const std::string text = ZincListMan::ListingRecordText(record);
  EXPECT_EQ(text, "corvane listing record 1\nzinc.exe 123456 -42 fedcba9876543210\n"
                  "zincmasterlist.lst 11987 0000000000000007\n");
  EXPECT_EQ(ZincListMan::ParseListingRecord(text), record);
}

TEST(ListingRecord, StandsOnlyForTheSameProgramAndTable)
{
  struct Case
  {
    const char* name;
    std::function<void(const test::TempDir&)> change;
    RecordState state;
  };
  const std::vector<Case> cases = {
      {"unchanged", [](const test::TempDir&) {}, RecordState::Fresh},
      {"program_grew", [](const test::TempDir& d) { d.Write("zinc.exe", std::string(4097, 'z')); },
       RecordState::EmulatorChanged},
      {"program_touched", [](const test::TempDir& d) { Touch(d, "zinc.exe"); },
       RecordState::EmulatorChanged},
      {"same_size_and_time_other_bytes",
       [](const test::TempDir& d) { ReplaceKeepingTime(d, std::string(4096, 'y')); },
       RecordState::EmulatorChanged},
      {"program_gone",
       [](const test::TempDir& d) { std::filesystem::remove(d.Path() + "/zinc.exe"); },
       RecordState::EmulatorChanged},
      {"no_record",
       [](const test::TempDir& d) { std::filesystem::remove(d.Path() + "/corvane-listing.txt"); },
       RecordState::Missing},
      {"record_garbled",
       [](const test::TempDir& d) { d.Write("corvane-listing.txt", std::string("\xff\0x", 3)); },
       RecordState::Garbled},
      {"record_cut",
       [](const test::TempDir& d)
       { d.Write("corvane-listing.txt", d.Read("corvane-listing.txt").substr(0, 40)); },
       RecordState::Garbled},
      {"record_other_version",
       [](const test::TempDir& d)
       {
         d.Write("corvane-listing.txt",
                 "corvane listing record 2\n" + d.Read("corvane-listing.txt").substr(25));
       },
       RecordState::Garbled},
      {"table_gone",
       [](const test::TempDir& d) { std::filesystem::remove(d.Path() + "/zincmasterlist.lst"); },
       RecordState::TableMissing},
      {"table_rewritten",
       [](const test::TempDir& d)
       { d.Write("zincmasterlist.lst", "ts2|Battle Arena||1|ts2||\r\n"); },
       RecordState::TableChanged},
  };
  for (const Case& c : cases)
  {
    SCOPED_TRACE(c.name);
    test::TempDir dir;
    ListedFolder(dir, TwoGames());
    c.change(dir);
    const auto check = ZincListMan::CheckListingRecord(dir.Dir());
    EXPECT_EQ(check.state, c.state);
    if (c.state == RecordState::Fresh)
    {
      EXPECT_EQ(ZincListMan::GameTableFileText(check.table),
                ZincListMan::GameTableFileText(TwoGames()));
    }
  }
}

// A title holding the file's separator cannot be read back as the row it was: such a table is
// listed again rather than shown with its columns shifted.
TEST(ListingRecord, TableThatDoesNotReadBackIsNotUsed)
{
  test::TempDir dir;
  GameTable table = TwoGames();
  table.rows[1].title = "Battle|Arena";
  ListedFolder(dir, table);
  EXPECT_EQ(ZincListMan::CheckListingRecord(dir.Dir()).state, RecordState::TableChanged);
}

#ifndef _WIN32

constexpr const char* LISTING = "printf 'Heading\\r\\n 12Street Fighter EX [sfex]\\r\\n'";

TEST(ListingRefresh, RecordsOnlyACompleteListing)
{
  struct Case
  {
    const char* name;
    std::string script;
    bool listed;
  };
  const std::vector<Case> cases = {
      {"listed", LISTING, true},
      {"crashed_half_way", std::string(LISTING) + "; kill -SEGV $$", false},
  };
  for (const Case& c : cases)
  {
    SCOPED_TRACE(c.name);
    test::TempDir dir;
    test::WriteFakeEmulator(dir, c.script);
    const auto refresh = XpStyles::RefreshListings(dir.Dir(), false, {});
    EXPECT_EQ(refresh.listed, c.listed);
    EXPECT_EQ(refresh.outcome.Ok(), c.listed);
    EXPECT_EQ(dir.Exists("corvane-listing.txt"), c.listed);
    EXPECT_EQ(ZincListMan::CheckListingRecord(dir.Dir()).state,
              c.listed ? RecordState::Fresh : RecordState::Missing);
  }
}

// Once the window has closed the listings are stopped: not even the batch file is written.
TEST(ListingRefresh, WritesNothingOnceStopped)
{
  test::TempDir dir;
  test::WriteFakeEmulator(dir, LISTING);
  StopListings();
  const auto refresh = XpStyles::RefreshListings(dir.Dir(), true, {});
  AllowListings();
  EXPECT_FALSE(refresh.listed);
  for (const char* name :
       {"makelist.bat", "zinclist.txt", "zincmasterlist.lst", "zinc.dat", "corvane-listing.txt"})
    EXPECT_FALSE(dir.Exists(name)) << name;
}

#endif

} // namespace
} // namespace corvane
