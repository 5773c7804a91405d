#include "generate/EmulatorConfig.h"

#include "CaseNames.h"
#include "FakeEmulator.h"
#include "TempDir.h"
#include "base/Messages.h"

#include <gtest/gtest.h>

namespace corvane
{
namespace
{

using ZincListMan::EmulatorConfigFromOptions;
using ZincListMan::MakeDefaultEmulatorConfig;

#ifndef _WIN32

struct OptionCase
{
  const char* name;
  const char* listing;
  const char* config;
};

// Test names and failures show the case by its name.
void PrintTo(const OptionCase& c, std::ostream* os)
{
  *os << c.name;
}

class OptionLines : public testing::TestWithParam<OptionCase>
{
};

TEST_P(OptionLines, BecomeConfigLines)
{
  EXPECT_EQ(EmulatorConfigFromOptions(GetParam().listing, AppDir("/zn")), GetParam().config);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OptionLines,
    testing::Values(
        OptionCase{"default_trimmed", "--w=width def:  640 \r\n", "--w=640\r\n"},
        OptionCase{"empty_default", "--w=width def:\r\n", "--w=\r\n"},
        OptionCase{"text_between_two_defs", "--w=a def: 1 def: 2\r\n", "--w=1\r\n"},
        OptionCase{"second_equals_cuts_the_text", "--w=a =def: 5\r\n", "//--w=\r\n"},
        OptionCase{"default_before_second_equals", "--w=a def: 5=6\r\n", "--w=5\r\n"},
        OptionCase{"name_not_trimmed", " --w =x\r\n", "// --w =\r\n"},
        OptionCase{"empty_name", "=x def: 1\r\n", "=1\r\n"},
        OptionCase{"nothing_after_equals", "--w=\r\n", "//--w=\r\n"},
        OptionCase{"lines_without_equals_skipped", "\r\nusage: zinc.exe\r\n", ""},
        OptionCase{"empty_listing", "", ""},
        OptionCase{"config_file_dropped", "--use-config-file=read options\r\n", ""},
        OptionCase{"config_file_with_default_kept", "--use-config-file=x def: zinc.cfg\r\n",
                   "--use-config-file=zinc.cfg\r\n"},
        OptionCase{"roms_directory", "--roms-directory=where\r\n",
                   "--roms-directory=/zn/roms/\r\n"},
        OptionCase{"renderer", "--renderer=plug-in\r\n", "--renderer=renderer.znc\r\n"},
        OptionCase{"renderer_default_wins", "--renderer=x def: gl.znc\r\n",
                   "--renderer=gl.znc\r\n"},
        OptionCase{"renderer_file", "--use-renderer-cfg-file=x\r\n",
                   "--use-renderer-cfg-file=renderer.cfg\r\n"},
        OptionCase{"controller", "--controller=x\r\n", "--controller=controller.znc\r\n"},
        OptionCase{"controller_file_commented", "--use-controller-cfg-file=x\r\n",
                   "//--use-controller-cfg-file=  the front end passes this value, which varies "
                   "depending upon the game\r\n"},
        OptionCase{"names_are_case_sensitive", "--Renderer=x\r\n", "//--Renderer=\r\n"},
        OptionCase{"other_option_commented", "--fullscreen=full screen (0 or 1)",
                   "//--fullscreen=\r\n"},
        OptionCase{"lf_line_ends", "--a=x def: 1\n--b=y\n", "--a=1\r\n//--b=\r\n"}),
    test::ByName());

constexpr const char* OPTION_LISTING =
    "Zinc v1.1 - command line options (option=description, def: default)\r\n"
    "\r\n"
    "usage: zinc.exe <game number> [options]\r\n"
    "--use-config-file=read options from this file instead of the command line\r\n"
    "--roms-directory=directory that holds the ROM sets\r\n"
    "--renderer=renderer plug-in file def: renderer.znc\r\n"
    "--use-renderer-cfg-file=renderer plug-in configuration file\r\n"
    "--controller=controller plug-in file def: controller.znc\r\n"
    "--use-controller-cfg-file=controller plug-in configuration file\r\n"
    "--sound=sound plug-in file def: sound.znc\r\n"
    "--use-sound-cfg-file=sound plug-in configuration file\r\n"
    "--sound-filter-enable=enable the sound filter (0 or 1) def: 0\r\n"
    "--fullscreen=start in full screen (0 or 1)\r\n"
    "--screen-width=window width in pixels def: 640\r\n"
    "--help=print this list\r\n";

TEST(MakeDefaultEmulatorConfig, WritesTheConfigurationFromTheOptionListing)
{
  test::TempDir dir;
  test::WriteFakeEmulatorPrinting(dir, OPTION_LISTING);
  const Outcome outcome = MakeDefaultEmulatorConfig(dir.Dir());
  EXPECT_TRUE(outcome.Ok()) << outcome.Describe();
  EXPECT_EQ(dir.Read("makelist.bat"), "zinc.exe --help >zincoptions.txt\r\n");
  EXPECT_EQ(dir.Read("zincoptions.txt"), OPTION_LISTING);
  // The banner holds an "=" as well, so it makes a line like any option.
  EXPECT_EQ(dir.Read("zinc.cfg"),
            "Zinc v1.1 - command line options (option=default)\r\n"
            "--roms-directory=" +
                dir.Path() +
                "/roms/\r\n"
                "--renderer=renderer.znc\r\n"
                "--use-renderer-cfg-file=renderer.cfg\r\n"
                "--controller=controller.znc\r\n"
                "//--use-controller-cfg-file=  the front end passes this value, which varies "
                "depending upon the game\r\n"
                "--sound=sound.znc\r\n"
                "//--use-sound-cfg-file=\r\n"
                "--sound-filter-enable=0\r\n"
                "//--fullscreen=\r\n"
                "--screen-width=640\r\n"
                "//--help=\r\n");
}

TEST(MakeDefaultEmulatorConfig, UnreadableListingWritesNothing)
{
  test::TempDir dir;
  test::WriteFakeEmulatorPrinting(dir, OPTION_LISTING);
  std::filesystem::create_directory(std::filesystem::path(dir.Path()) / "zincoptions.txt");
  const Outcome outcome = MakeDefaultEmulatorConfig(dir.Dir());
  ASSERT_FALSE(outcome.Ok());
  EXPECT_EQ(outcome.problems.back().what, Messages::OPTION_LIST_UNREADABLE);
  EXPECT_EQ(outcome.problems.back().file, dir.Dir().File("zincoptions.txt"));
  EXPECT_FALSE(dir.Exists("zinc.cfg"));
}

TEST(MakeDefaultEmulatorConfig, EmptyOptionListGivesAnEmptyFile)
{
  test::TempDir dir;
  test::WriteFakeEmulator(dir, "true");
  EXPECT_TRUE(MakeDefaultEmulatorConfig(dir.Dir()).Ok());
  EXPECT_EQ(dir.Read("zinc.cfg"), "");
}

#endif

} // namespace
} // namespace corvane
