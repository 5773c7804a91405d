#include "e2e/EmulatorDir.h"

#include <gtest/gtest.h>

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
  EXPECT_EQ(emu.ReadFile("zincmasterlist.lst"), "");
}

struct FaultCase
{
  const char* fault;
  int expected_exit; // 0: start-up goes on as usual
  int rows;          // game rows imported
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
  EXPECT_EQ(CountLines(emu.ReadFile("zincmasterlist.lst")), c.rows);
}

INSTANTIATE_TEST_SUITE_P(Faults, BatchFault,
                         testing::Values(FaultCase{"empty", 0, 0}, FaultCase{"garbage", 0, 2},
                                         FaultCase{"long-line", 0, 2}, FaultCase{"crash", 0, 0},
                                         FaultCase{"exit-code", 0, 196}, FaultCase{"hang", 1, 0}),
                         [](const auto& info)
                         {
                           std::string name = info.param.fault;
                           std::replace(name.begin(), name.end(), '-', '_');
                           return name;
                         });

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
