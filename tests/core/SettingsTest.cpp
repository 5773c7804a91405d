#include "base/Settings.h"
#include "CaseNames.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace corvane
{
namespace
{

using ZincListMan::ApplySettingsText;

struct SettingsCase
{
  const char* name;
  const char* text; // nullptr: no file
  const char* options;
  int16_t wrapper, make_dat, show_cmd;
};

class SettingsRead : public testing::TestWithParam<SettingsCase>
{
};

TEST_P(SettingsRead, FillsFieldsFromOneLineBuffer)
{
  const SettingsCase& c = GetParam();
  FrontendSettings settings;
  const std::string text = c.text ? c.text : "";
  ApplySettingsText(c.text ? &text : nullptr, settings);
  EXPECT_EQ(settings.CommandOptions, c.options);
  EXPECT_EQ(settings.CfgWrapperFlag, c.wrapper);
  EXPECT_EQ(settings.MakeDatFlag, c.make_dat);
  EXPECT_EQ(settings.ShowCmdFlag, c.show_cmd);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettingsRead,
    testing::Values(SettingsCase{"missing", nullptr, "", 0, 0, 0},
                    SettingsCase{"empty", "", "", 0, 0, 0},
                    SettingsCase{"full", "--use-config-file=zinc.cfg\r\n 1 \r\n 0 \r\n 1 \r\n",
                                 "--use-config-file=zinc.cfg", 1, 0, 1},
                    SettingsCase{"plain_and_padded", "x\r\n1\r\n 1 \r\n1 \r\n", "x", 1, 1, 1},
                    SettingsCase{"not_numbers", "x\r\nyes\r\n\r\nz1\r\n", "x", 0, 0, 0},
                    SettingsCase{"two", "x\r\n2\r\n", "x", 2, 2, 2},
                    SettingsCase{"two_lines_flag_repeats", "opts\r\n 1 \r\n", "opts", 1, 1, 1},
                    SettingsCase{"one_line", "opts\r\n", "opts", 0, 0, 0},
                    SettingsCase{"one_line_number", " 1 \r\n", "1", 1, 1, 1},
                    SettingsCase{"blanks_trimmed", "  --a  \r\n0\r\n0\r\n0\r\n", "--a", 0, 0, 0},
                    SettingsCase{"lf_only", "o\n1\n0\n1\n", "o", 1, 0, 1},
                    SettingsCase{"cr_only", "o\r1\r0\r1", "o", 1, 0, 1},
                    SettingsCase{"fraction_to_even", "o\r\n0.5\r\n1.5\r\n2.5\r\n", "o", 0, 2, 2},
                    SettingsCase{"negative", "o\r\n-1\r\n-0\r\n+1\r\n", "o", -1, 0, 1},
                    SettingsCase{"too_large_keeps_flag", "o\r\n40000\r\n1\r\n99999999999999\r\n",
                                 "o", 0, 1, 0},
                    SettingsCase{"high_bytes", "o\xE9\r\n1\r\n", "o\xE9", 1, 1, 1}),
    test::ByName());

TEST(SettingsRead, KeepsFlagsWhenFileMissing)
{
  FrontendSettings settings;
  settings.CommandOptions = "old";
  settings.MakeDatFlag = 1;
  ApplySettingsText(nullptr, settings);
  EXPECT_EQ(settings.CommandOptions, "");
  EXPECT_EQ(settings.MakeDatFlag, 1);
}

TEST(SettingsRead, OptionsCaseFollowsThePlatform)
{
  FrontendSettings settings;
  const std::string text = "  --use-config-file=MyZinc.CFG \r\n";
  ApplySettingsText(&text, settings);
#ifdef _WIN32
  EXPECT_EQ(settings.CommandOptions, "--use-config-file=myzinc.cfg");
#else
  EXPECT_EQ(settings.CommandOptions, "--use-config-file=MyZinc.CFG");
#endif
}

TEST(SettingsRead, SurvivesHugeAndBinaryLines)
{
  std::string text(3'000'000, 'a');
  text += std::string("\0\r\x01\xff\r\n1", 8);
  FrontendSettings settings;
  ApplySettingsText(&text, settings);
  EXPECT_EQ(settings.CommandOptions.size(), 3'000'001u); // the NUL is a byte like any other
  EXPECT_EQ(settings.CfgWrapperFlag, 0);
}

TEST(SettingsWrite, WritesTextAsTypedAndFlagsAsPrintedNumbers)
{
  FrontendSettings settings;
  settings.CfgWrapperFlag = 1;
  settings.MakeDatFlag = 2; // a greyed box is no 1: written as 0
  settings.ShowCmdFlag = 1;
  EXPECT_EQ(ZincListMan::SettingsFileText(" --Opt ", settings), " --Opt \r\n 1 \r\n 0 \r\n 1 \r\n");
  EXPECT_EQ(ZincListMan::SettingsFileText("", FrontendSettings{}), "\r\n 0 \r\n 0 \r\n 0 \r\n");
}

TEST(SettingsWrite, RoundTripsThroughTheFile)
{
  test::TempDir temp;
  FrontendSettings written;
  written.CfgWrapperFlag = 1;
  written.MakeDatFlag = 1;
  written.ShowCmdFlag = 1;
  ASSERT_TRUE(ZincListMan::WriteSettings(temp.Dir(), "--use-config-file=zinc.cfg", written).Ok());
  EXPECT_EQ(temp.Read("corvane.cfg"), "--use-config-file=zinc.cfg\r\n 1 \r\n 1 \r\n 1 \r\n");
  FrontendSettings read;
  ZincListMan::ReadSettings(temp.Dir(), read);
  EXPECT_EQ(read.CommandOptions, "--use-config-file=zinc.cfg");
  EXPECT_EQ(read.CfgWrapperFlag, 1);
  EXPECT_EQ(read.MakeDatFlag, 1);
  EXPECT_EQ(read.ShowCmdFlag, 1);
}

TEST(SettingsWrite, ReportsAFileThatCannotBeWritten)
{
  test::TempDir temp;
  temp.Write("corvane.cfg/inside", "a directory stands where the file should be");
  const Outcome outcome = ZincListMan::WriteSettings(temp.Dir(), "x", FrontendSettings{});
  ASSERT_EQ(outcome.problems.size(), 1u);
  EXPECT_EQ(outcome.problems[0].file, temp.Dir().File("corvane.cfg"));
}

} // namespace
} // namespace corvane
