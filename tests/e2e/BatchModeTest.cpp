#include "e2e/EmulatorDir.h"

#include "CaseNames.h"
#include "base/Messages.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace corvane::test
{
namespace
{

int CountLines(const std::string& text)
{
  int lines = 0;
  for (size_t pos = 0; (pos = text.find("\r\n", pos)) != std::string::npos; pos += 2)
    ++lines;
  return lines;
}

TEST(BatchMode, EmulatorMissingEndsSilentlyWithoutListingFiles)
{
  EmulatorDir emu(false);
  const RunOutput run = emu.Run({"-listinfo"});
  EXPECT_NE(run.exit_code, 0);
  EXPECT_EQ(run.error_text, "");
  for (const char* name : {"makelist.bat", "zinclist.txt", "zincmasterlist.lst", "zinc.dat"})
    EXPECT_FALSE(emu.Has(name)) << name;
}

TEST(BatchMode, ImportsTheRealCatalogue)
{
  EmulatorDir emu;
  const RunOutput run = emu.Run({"nothing-to-do"});
  EXPECT_EQ(run.exit_code, 0) << run.error_text;
  EXPECT_EQ(emu.ReadFile("makelist.bat"), "zinc.exe --list-games >zinclist.txt\r\n");
  const std::string table = emu.ReadFile("zincmasterlist.lst");
  EXPECT_EQ(CountLines(table), 196);
  EXPECT_EQ(table.substr(0, table.find("\r\n") + 2),
            "ts2|Battle Arena Toshinden 2 (Europe 951124)||1|ts2|cpzn1|\r\n");
  EXPECT_NE(table.find("\r\n1on1gov|1 on 1 Government (Japan)||101|1on1gov|tps|\r\n"),
            std::string::npos);
  EXPECT_FALSE(emu.Has("zinc.dat"));
  EXPECT_FALSE(emu.Has("corvane.cfg")) << "batch mode never writes the settings";
}

TEST(BatchMode, NoListingFileIsReportedAndFails)
{
  EmulatorDir emu;
  const RunOutput run = emu.Run({"x"}, {{"ZINC_STANDIN_FAULT", "no-output"}});
  EXPECT_NE(run.exit_code, 0);
  EXPECT_NE(run.error_text.find("game list"), std::string::npos) << run.error_text;
  EXPECT_EQ(std::count(run.error_text.begin(), run.error_text.end(), '\n'), 1);
  EXPECT_FALSE(emu.Has("zincmasterlist.lst"));
}

constexpr const char* LISTING_FILES[] = {"makelist.bat", "zinclist.txt", "zincmasterlist.lst",
                                         "zinc.dat"};

// A help switch alone prints the usage and runs nothing, even without an emulator beside the
// program; a line that only starts like one is an ordinary batch line.
TEST(BatchMode, HelpSwitchesPrintTheUsageAndRunNothing)
{
  const std::vector<std::pair<std::vector<std::string>, bool>> lines = {
      {{"--help"}, true}, {{"-h"}, true},     {{"-?"}, true},       {{"/?"}, true},
      {{"--HELP"}, true}, {{"-help"}, false}, {{"-h", "x"}, false},
  };
  for (bool with_emulator : {true, false})
    for (const auto& [arguments, is_help] : lines)
    {
      const std::string name = arguments.front() + (with_emulator ? "" : " without zinc.exe");
      EmulatorDir emu(with_emulator);
      const RunOutput run = emu.Run(arguments);
      EXPECT_EQ(run.error_text, "") << name;
      EXPECT_EQ(run.exit_code, is_help || with_emulator ? 0 : 2) << name;
#ifndef _WIN32
      EXPECT_EQ(run.output_text, is_help ? std::string(Messages::BATCH_USAGE) : "") << name;
#endif
      if (is_help || !with_emulator)
        for (const char* file : LISTING_FILES)
          EXPECT_FALSE(emu.Has(file)) << name << ": " << file;
      else
        EXPECT_TRUE(emu.Has("zincmasterlist.lst")) << name << ": an ordinary run";
    }
}

// The wrapper is optional, so its absence fails nothing, but the player who asked hears of it.
TEST(BatchMode, WrapperNotInstalledIsToldInOneLine)
{
  EmulatorDir emu;
  const RunOutput run = emu.Run({"-cfgwrapper"});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.error_text, "corvane: " + std::string(Messages::WRAPPER_FILE_MISSING) + ": " +
                                emu.File("lconfig.ini") + "\n");
  EXPECT_FALSE(emu.Has("lconfig.ini"));
}

struct FaultCase
{
  const char* fault;
  int expected_exit; // 0: start-up goes on as usual
  int rows;          // game rows in the table file; -1: the listing did not finish, no file
};

class BatchFault : public testing::TestWithParam<FaultCase>
{
};

TEST_P(BatchFault, ListingFaultsNeverCrashTheProgram)
{
  const FaultCase& c = GetParam();
  EmulatorDir emu;
  const RunOutput run =
      emu.Run({"x"}, {{"ZINC_STANDIN_FAULT", c.fault}, {"CORVANE_LISTING_TIMEOUT_MS", "1500"}});
  EXPECT_EQ(run.exit_code, c.expected_exit) << run.error_text;
  // Nothing of the emulator's own: silence on success, our one line on failure.
  EXPECT_EQ(std::count(run.error_text.begin(), run.error_text.end(), '\n'),
            c.expected_exit == 0 ? 0 : 1)
      << run.error_text;
  EXPECT_EQ(run.error_text.rfind("corvane: ", 0) == 0, c.expected_exit != 0) << run.error_text;
  EXPECT_EQ(emu.Has("zincmasterlist.lst"), c.rows >= 0);
  if (c.rows >= 0)
  {
    EXPECT_EQ(CountLines(emu.ReadFile("zincmasterlist.lst")), c.rows);
  }
}

#ifdef _WIN32
// cmd.exe reports an aborted emulator by its exit status alone, which a normal exit can give too.
constexpr FaultCase CRASH{"crash", 0, 0};
#else
constexpr FaultCase CRASH{"crash", 1, -1};
#endif

INSTANTIATE_TEST_SUITE_P(Faults, BatchFault,
                         testing::Values(FaultCase{"empty", 0, 0}, FaultCase{"garbage", 0, 2},
                                         FaultCase{"long-line", 0, 2}, CRASH,
                                         FaultCase{"exit-code", 0, 196}, FaultCase{"hang", 1, -1},
                                         FaultCase{"noise", 0, 196}),
                         [](const auto& info)
                         {
                           std::string name = info.param.fault;
                           std::replace(name.begin(), name.end(), '-', '_');
                           return name;
                         });

#ifndef _WIN32

class FolderName : public testing::TestWithParam<const char*>
{
};

// The emulator beside the program is found and its listings read whatever the folder is called.
TEST_P(FolderName, ListingsRunFromAnyFolder)
{
  EmulatorDir emu(true, GetParam());
  const RunOutput run = emu.Run({"-listinfo"});
  EXPECT_EQ(run.exit_code, 0) << run.error_text;
  EXPECT_EQ(run.error_text, "");
  EXPECT_EQ(CountLines(emu.ReadFile("zincmasterlist.lst")), 196);
  EXPECT_EQ(emu.ReadFile("zinc.dat").rfind("clrmamepro (\r\n\tname Zinc\r\n", 0), 0u);
}

INSTANTIATE_TEST_SUITE_P(Names, FolderName,
                         testing::Values("my emu", "c:d", "x;y", "a$b", "Bob's", "say \"hi\"",
                                         "R&D", "50%", "\xC3\xA9t\xC3\xA9", "tab\there"),
                         test::NamedByText());

// Dashes are common in folder names: from such a folder, to a DAT path with dashes, the DAT goes
// exactly where it was asked and the wrapper file is written after it.
TEST(BatchMode, DatPathWithDashesIsWrittenWhereAsked)
{
  EmulatorDir emu(true, "zinc-emu");
  std::filesystem::create_directories(emu.File("zinc-dats"));
  emu.WriteFile("zinc", "a file the DAT path's first part names");
  emu.WriteFile("lconfig.ini", "old");
  const RunOutput run = emu.Run({"-listinfo", emu.File("zinc-dats/zinc.dat"), "-cfgwrapper"});
  EXPECT_EQ(run.exit_code, 0) << run.error_text;
  EXPECT_EQ(emu.ReadFile("zinc-dats/zinc.dat").rfind("clrmamepro (\r\n", 0), 0u);
  EXPECT_EQ(emu.ReadFile("zinc"), "a file the DAT path's first part names");
  EXPECT_FALSE(emu.Has("zinc.dat"));
  EXPECT_NE(emu.ReadFile("lconfig.ini"), "old");
}

// The shell's 126 (not runnable) and 127 (not found): a failed run that replaces nothing and
// says so in one line.
TEST(BatchMode, ListingThatCannotRunFailsAndReplacesNothing)
{
  using std::filesystem::perms;
  for (const auto& [bytes, mode] : {std::pair{"#!/bin/sh\n", perms::owner_read},
                                    std::pair{"#!/no/such/shell\n", perms::owner_all}})
  {
    EmulatorDir emu;
    emu.WriteFile("zinc.exe", bytes);
    std::filesystem::permissions(emu.File("zinc.exe"), mode);
    for (const char* name : {"zinc.dat", "zincmasterlist.lst", "lconfig.ini"})
      emu.WriteFile(name, "old");
    const RunOutput run = emu.Run({"-listinfo", "-cfgwrapper"});
    EXPECT_NE(run.exit_code, 0) << bytes;
    EXPECT_EQ(std::count(run.error_text.begin(), run.error_text.end(), '\n'), 1) << run.error_text;
    EXPECT_NE(run.error_text.find("could not be run"), std::string::npos) << run.error_text;
    for (const char* name : {"zinc.dat", "zincmasterlist.lst", "lconfig.ini"})
      EXPECT_EQ(emu.ReadFile(name), "old") << name;
  }
}

#endif

TEST(BatchMode, HungListingIsEndedWithEveryProcessItStarted)
{
  EmulatorDir emu;
  const auto start = std::chrono::steady_clock::now();
  const RunOutput run =
      emu.Run({"x"}, {{"ZINC_STANDIN_FAULT", "hang"}, {"CORVANE_LISTING_TIMEOUT_MS", "1000"}});
  const auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_NE(run.error_text.find("did not finish"), std::string::npos) << run.error_text;
  EXPECT_LT(elapsed, std::chrono::seconds(20));
}

} // namespace
} // namespace corvane::test
