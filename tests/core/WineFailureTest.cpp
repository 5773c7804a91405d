// Listings through a Wine that never reaches zinc.exe: each is a failure that names its cause,
// and nothing of it counts as a listing. Stand-in Wine programs (shell scripts) play Wine's
// endings: a status and a line on stderr, or nothing at all.

#include "base/WineFailure.h"
#include "base/Messages.h"
#include "catalogue/RunListing.h"

#include "ScopedVariable.h"
#include "TempDir.h"

#include "CaseNames.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace corvane
{
namespace
{

#ifndef _WIN32

namespace fs = std::filesystem;

// A Windows program's first bytes up to its PE header, for a given machine (0 for none).
std::string ProgramBytes(unsigned machine)
{
  std::string bytes(0x80, '\0');
  bytes[0] = 'M';
  bytes[1] = 'Z';
  bytes[0x3C] = 0x40;
  if (machine != 0)
  {
    bytes.replace(0x40, 4, std::string("PE\0\0", 4));
    bytes[0x44] = static_cast<char>(machine & 0xFF);
    bytes[0x45] = static_cast<char>(machine >> 8);
  }
  return bytes;
}

struct MachineCase
{
  const char* name;
  std::string bytes;
  WindowsMachine machine;
};

class ProgramMachineRead : public testing::TestWithParam<MachineCase>
{
};

TEST_P(ProgramMachineRead, FromThePeHeader)
{
  test::TempDir dir;
  dir.Write("zinc.exe", GetParam().bytes);
  EXPECT_EQ(ProgramMachine(dir.Path() + "/zinc.exe"), GetParam().machine);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProgramMachineRead,
    testing::Values(MachineCase{"i386", ProgramBytes(0x014C), WindowsMachine::X86},
                    MachineCase{"amd64", ProgramBytes(0x8664), WindowsMachine::X64},
                    MachineCase{"arm64", ProgramBytes(0xAA64), WindowsMachine::Other},
                    MachineCase{"mz_without_pe", ProgramBytes(0), WindowsMachine::Unknown},
                    MachineCase{"header_past_the_end", "MZ" + std::string(0x3A, '\0') + "\xFF\xFF",
                                WindowsMachine::Unknown},
                    MachineCase{"not_a_windows_program", "#!/bin/sh\n", WindowsMachine::Unknown}),
    test::ByName());

using test::ScopedVariable;

enum class Prefix
{
  Missing,      // no prefix yet
  Without32Bit, // a 64-bit prefix made by a Wine without its 32-bit half
  With32Bit,    // a 64-bit prefix with syswow64
};

struct EndingCase
{
  const char* name;
  unsigned machine; // of zinc.exe
  Prefix prefix;
  const char* wine; // the stand-in Wine's script
  ZincListMan::ListingEnd end;
  std::string_view what; // empty: no problem
  const char* said;      // the problem's detail; {wine} is the stand-in Wine's path
};

class ListingThroughFailingWine : public testing::TestWithParam<EndingCase>
{
};

TEST_P(ListingThroughFailingWine, IsNoListingAndSaysWhy)
{
  const EndingCase& c = GetParam();
  test::TempDir dir;
  dir.Write("zinc.exe", ProgramBytes(c.machine));
  dir.Write("fake-wine", std::string("#!/bin/sh\n") + c.wine + "\n");
  fs::permissions(dir.Path() + "/fake-wine", fs::perms::owner_all);
  if (c.prefix != Prefix::Missing)
    fs::create_directories(dir.Path() + "/prefix/drive_c/windows/syswow64");
  if (c.prefix == Prefix::With32Bit)
    dir.Write("prefix/drive_c/windows/syswow64/ntdll.dll", "MZ");
  ScopedVariable wine("CORVANE_WINE", dir.Path() + "/fake-wine");
  ScopedVariable prefix("WINEPREFIX", dir.Path() + "/prefix");

  ZincListMan::ListingEnd end{};
  const Outcome outcome =
      ZincListMan::RunListing(dir.Dir(), "zinc.exe --list-games >zinclist.txt", &end);
  EXPECT_EQ(end, c.end);
  if (c.what.empty())
  {
    EXPECT_TRUE(outcome.Ok()) << outcome.Describe();
    return;
  }
  ASSERT_EQ(outcome.problems.size(), 1U) << outcome.Describe();
  EXPECT_EQ(outcome.problems[0].what, c.what);
  std::string said = c.said;
  if (const auto at = said.find("{wine}"); at != std::string::npos)
    said.replace(at, 6, dir.Path() + "/fake-wine");
  if (const auto at = said.find("{exe}"); at != std::string::npos)
    said.replace(at, 5, dir.Path() + "/zinc.exe");
  EXPECT_EQ(outcome.problems[0].file, said);
}

using ZincListMan::ListingEnd;
constexpr const char* DEBIAN_HINT = "echo 'it looks like wine32 is missing, you should install "
                                    "it.' >&2; exit 0";
constexpr const char* BROKEN_PREFIX =
    "echo 'it looks like nothing' >&2; echo \"wine: created the configuration directory '/x'\" "
    ">&2; echo 'wine: cannot use directory /x : Not a directory' >&2; exit 1";

INSTANTIATE_TEST_SUITE_P(
    Cases, ListingThroughFailingWine,
    testing::Values(
        // A 32-bit program under a Wine without 32-bit support ends with 0 and no word.
        EndingCase{"x86_prefix_without_syswow64", 0x014C, Prefix::Without32Bit, "exit 0",
                   ListingEnd::WineFailed, Messages::WINE_CANNOT_RUN_32_BIT, "{exe}"},
        // A 32-bit prefix has no syswow64 and runs 32-bit programs: Wine failed otherwise.
        EndingCase{"x86_in_32_bit_prefix", 0x014C, Prefix::Missing, "exit 0",
                   ListingEnd::WineFailed, Messages::WINE_RUN_FAILED,
                   "{wine} ran nothing and said nothing (exit status 0)"},
        EndingCase{"x86_debian_wine_says_wine32_missing", 0x014C, Prefix::Missing, DEBIAN_HINT,
                   ListingEnd::WineFailed, Messages::WINE_CANNOT_RUN_32_BIT, "{exe}"},
        // zinc.exe never lists nothing: an empty listing through Wine is Wine's failure.
        EndingCase{"x86_with_syswow64_empty_listing", 0x014C, Prefix::With32Bit, "exit 0",
                   ListingEnd::WineFailed, Messages::WINE_RUN_FAILED,
                   "{wine} ran nothing and said nothing (exit status 0)"},
        EndingCase{"x64_listing", 0x8664, Prefix::Without32Bit, "echo 'Name [set]'",
                   ListingEnd::Finished, "", ""},
        // Wine's own line is quoted: the loader's, not a hint printed before it.
        EndingCase{"broken_prefix", 0x8664, Prefix::With32Bit, BROKEN_PREFIX,
                   ListingEnd::WineFailed, Messages::WINE_RUN_FAILED,
                   "wine: cannot use directory /x : Not a directory"},
        EndingCase{"error_channel_line", 0x8664, Prefix::With32Bit,
                   "echo '0024:err:module:import_dll Library X not found' >&2; exit 53",
                   ListingEnd::WineFailed, Messages::WINE_RUN_FAILED,
                   "0024:err:module:import_dll Library X not found"},
        EndingCase{"silent_failure", 0, Prefix::Missing, "exit 1", ListingEnd::WineFailed,
                   Messages::WINE_RUN_FAILED,
                   "{wine} ran nothing and said nothing (exit status 1)"},
        // A program that listed and then failed did run: the listing's own rules apply.
        EndingCase{"failure_after_output", 0x014C, Prefix::Without32Bit,
                   "echo 'Name [set]'; exit 3", ListingEnd::Finished, "", ""}),
    test::ByName());

#endif

} // namespace
} // namespace corvane
