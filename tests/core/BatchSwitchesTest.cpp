#include "app/BatchSwitches.h"

#include "CaseNames.h"

#include <gtest/gtest.h>

namespace corvane
{
namespace
{

struct SwitchCase
{
  const char* name;
  const char* command_line;
  bool make_dat;
  bool cfg_wrapper;
  const char* dat_path;
};

class BatchSwitchParse : public testing::TestWithParam<SwitchCase>
{
};

TEST_P(BatchSwitchParse, ReadsEachPiecesFirstWord)
{
  const SwitchCase& c = GetParam();
  const BatchSwitches switches = ParseBatchSwitches(c.command_line);
  EXPECT_EQ(switches.make_dat, c.make_dat);
  EXPECT_EQ(switches.cfg_wrapper, c.cfg_wrapper);
  EXPECT_EQ(switches.dat_path, c.dat_path);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BatchSwitchParse,
    testing::Values(
        SwitchCase{"cfgwrapper", "-cfgwrapper", false, true, ""},
        SwitchCase{"listinfo_alone", "-listinfo", true, false, ""},
        SwitchCase{"listinfo_path_then_wrapper", "-listinfo out.dat -cfgwrapper", true, true,
                   " out.dat"},
        SwitchCase{"without_dash", "listinfo", true, false, ""},
        SwitchCase{"capitals_recognised", "-LISTINFO -CfgWrapper", true, true, ""},
        SwitchCase{"dash_in_path_kept", "-listinfo my-file.dat", true, false, " my-file.dat"},
        SwitchCase{"dashed_folders_then_wrapper",
                   "-listinfo /home/me/zinc-dats/zinc.dat -cfgwrapper", true, true,
                   " /home/me/zinc-dats/zinc.dat"},
        SwitchCase{"glued_switches", "-listinfo-cfgwrapper", true, true, ""},
        SwitchCase{"word_inside_a_name_is_text", "-listinfo a-listinfo.dat", true, false,
                   " a-listinfo.dat"},
        SwitchCase{"double_dash", "--listinfo", true, false, ""},
        SwitchCase{"dash_inside_a_word_is_text", "-listinfo a-cfgwrapper", true, false,
                   " a-cfgwrapper"},
        SwitchCase{"switch_word_between_dashed_folders", "-listinfo /x/a-cfgwrapper-b/zinc.dat",
                   true, false, " /x/a-cfgwrapper-b/zinc.dat"},
        SwitchCase{"dash_glued_to_a_path", "-listinfo out.dat-cfgwrapper", true, false,
                   " out.dat-cfgwrapper"},
        SwitchCase{"double_dash_glued", "--listinfo-cfgwrapper", true, true, ""},
        SwitchCase{"glued_the_other_way", "-cfgwrapper-listinfo x.dat", true, true, " x.dat"},
        SwitchCase{"tab_before_dash", "-listinfo a.dat\t-cfgwrapper", true, true, " a.dat\t"},
        SwitchCase{"last_path_wins", "-listinfo a.dat -listinfo b.dat", true, false, " b.dat"},
        SwitchCase{"later_empty_keeps_path", "-listinfo a.dat -listinfo", true, false, " a.dat"},
        SwitchCase{"no_switch_words", "hello world", false, false, ""},
        SwitchCase{"only_dashes", "---", false, false, ""},
        SwitchCase{"word_must_be_first", "-make listinfo", false, false, ""},
        SwitchCase{"word_glued_to_path", "-listinfox", false, false, ""},
        SwitchCase{"blanks_around", "   -  listinfo   ", true, false, ""},
        SwitchCase{"word_repeated_in_path", "-listinfo /listinfo/x", true, false, " /listinfo/x"},
        SwitchCase{"high_bytes", "-listinfo \xE9t\xE9.dat", true, false, " \xE9t\xE9.dat"}),
    test::ByName());

TEST(BatchSwitchParse, PathCaseFollowsThePlatform)
{
  const BatchSwitches switches = ParseBatchSwitches("-ListInfo Out/My.DAT");
  EXPECT_TRUE(switches.make_dat);
#ifdef _WIN32
  EXPECT_EQ(switches.dat_path, " out/my.dat");
#else
  EXPECT_EQ(switches.dat_path, " Out/My.DAT");
#endif
}

TEST(ProgramCommandLine, JoinsArgumentsWithSingleBlanks)
{
#ifndef _WIN32
  char program[] = "corvane";
  char first[] = "-listinfo";
  char second[] = "my file.dat";
  char* argv[] = {program, first, second, nullptr};
  EXPECT_EQ(ProgramCommandLine(3, argv), "-listinfo my file.dat");
  EXPECT_EQ(ProgramCommandLine(1, argv), "");
#endif
}

} // namespace
} // namespace corvane
